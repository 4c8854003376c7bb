#include "ui/common/site_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "ui/common/settings_place.h"

namespace kelvra {
namespace {

// One value of the site as the file holds it.
struct SiteValue {
  const char* key;
  double least, greatest;  // the range the dialog's field takes
  std::optional<double> value;
};

// A number the file holds within [least, greatest], written with a point. `ignored` collects
// one line for a value that is there but cannot be used.
SiteValue readValue(const QSettings& ini, const char* key, double least, double greatest,
                    QStringList& ignored) {
  SiteValue read{key, least, greatest, std::nullopt};
  const QString text = IniValueText(ini, key);
  if (text.isEmpty()) return read;
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (ok && value >= least && value <= greatest) {
    read.value = value;
    return read;
  }
  ignored.append(
      IgnoredSiteValueLine(QFileInfo(ini.fileName()).fileName(), key, text, least, greatest, ok));
  return read;
}

struct SiteRead {
  std::optional<SiteSetting> site;
  QStringList ignored;  // one line per value in the file that was ignored
};

SiteRead readSite(const QSettings& ini) {
  SiteRead read;
  QStringList& ignored = read.ignored;
  const auto latitude = readValue(ini, kSiteLatitudeKey, -kLatitudeLimit, kLatitudeLimit, ignored);
  const auto longitude =
      readValue(ini, kSiteLongitudeKey, -kLongitudeLimit, kLongitudeLimit, ignored);
  const auto height = readValue(ini, kSiteHeightKey, kHeightLeast, kHeightGreatest, ignored);
  const auto jupiter =
      readValue(ini, kSiteMinJupiterKey, kMinJupiterLeast, kMinJupiterGreatest, ignored);
  const auto sun = readValue(ini, kSiteMaxSunKey, kMaxSunLeast, kMaxSunGreatest, ignored);
  if (!latitude.value || !longitude.value) return read;
  const VisibilityLimits defaults;
  read.site = SiteSetting{{*latitude.value, *longitude.value, height.value.value_or(0)},
                          {jupiter.value.value_or(defaults.minJupiterAltitudeDeg),
                           sun.value.value_or(defaults.maxSunAltitudeDeg)}};
  return read;
}

}  // namespace

QString IgnoredSiteValueLine(const QString& file, const char* key, const QString& text,
                             double least, double greatest, bool number) {
  const QString range = QStringLiteral("%1 to %2").arg(least).arg(greatest);
  const QString why = number ? QStringLiteral("is outside ") + range
                             : QStringLiteral("is not a number from ") + range;
  return QStringLiteral("%1: %2 = %3 %4 and is ignored").arg(file, QLatin1String(key), text, why);
}

std::optional<SiteSetting> ReadSite(const QSettings& ini) {
  const SiteRead read = readSite(ini);
  ReportIgnoredIniValues(ini, read.ignored);
  return read.site;
}

void PutSite(QSettings& ini, const std::optional<SiteSetting>& site) {
  if (!site) {
    for (const char* key : {kSiteLatitudeKey, kSiteLongitudeKey, kSiteHeightKey, kSiteMinJupiterKey,
                            kSiteMaxSunKey}) {
      ini.remove(key);
    }
    return;
  }
  // Written with a point whatever the locale, so the file reads the same everywhere.
  const auto put = [&](const char* key, double value) {
    ini.setValue(key, QString::number(value, 'g', 10));
  };
  put(kSiteLatitudeKey, site->place.latitudeDeg);
  put(kSiteLongitudeKey, site->place.longitudeDeg);
  put(kSiteHeightKey, site->place.heightM);
  put(kSiteMinJupiterKey, site->limits.minJupiterAltitudeDeg);
  put(kSiteMaxSunKey, site->limits.maxSunAltitudeDeg);
}

}  // namespace kelvra
