#include "ui/common/site_settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "ui/common/settings_place.h"

namespace kelvra {
namespace {

struct SiteRead {
  std::optional<SiteSetting> site;
  QStringList ignored;  // one line per value in the file that was ignored
};

SiteRead readSite(const QSettings& ini) {
  SiteRead read;
  const QString file = QFileInfo(ini.fileName()).fileName();
  const auto value = [&](const NumberKey& key) {
    const NumberKey::Read value = key.read(ini);
    if (value.status == NumberKey::Status::NotANumber ||
        value.status == NumberKey::Status::OutOfRange)
      read.ignored.append(IgnoredSiteValueLine(file, key, value));
    return value.value;
  };
  const auto latitude = value(kSiteLatitudeKey);
  const auto longitude = value(kSiteLongitudeKey);
  const auto height = value(kSiteHeightKey);
  const auto jupiter = value(kSiteMinJupiterKey);
  const auto sun = value(kSiteMaxSunKey);
  if (!latitude || !longitude) return read;
  read.site = SiteSetting{{*latitude, *longitude, *height}, {*jupiter, *sun}};
  return read;
}

}  // namespace

QString IgnoredSiteValueLine(const QString& file, const NumberKey& key,
                             const NumberKey::Read& read) {
  //: A value in the settings file: the file, the key, the value, the range.
  const QString line =
      read.status == NumberKey::Status::OutOfRange
          ? QCoreApplication::translate("kelvra::SiteSettings",
                                        "%1: %2 = %3 is outside %4 and is ignored")
          : QCoreApplication::translate("kelvra::SiteSettings",
                                        "%1: %2 = %3 is not a number from %4 and is ignored");
  return line.arg(file, QLatin1String(key.name), read.text, key.rangeText());
}

std::optional<SiteSetting> ReadSite(const QSettings& ini) {
  const SiteRead read = readSite(ini);
  ReportIgnoredIniValues(ini, read.ignored);
  return read.site;
}

void PutSite(QSettings& ini, const std::optional<SiteSetting>& site) {
  if (!site) {
    for (const NumberKey* key : {&kSiteLatitudeKey, &kSiteLongitudeKey, &kSiteHeightKey,
                                 &kSiteMinJupiterKey, &kSiteMaxSunKey}) {
      key->remove(ini);
    }
    return;
  }
  kSiteLatitudeKey.write(ini, site->place.latitudeDeg);
  kSiteLongitudeKey.write(ini, site->place.longitudeDeg);
  kSiteHeightKey.write(ini, site->place.heightM);
  kSiteMinJupiterKey.write(ini, site->limits.minJupiterAltitudeDeg);
  kSiteMaxSunKey.write(ini, site->limits.maxSunAltitudeDeg);
}

}  // namespace kelvra
