#include "ui/common/site_settings.h"

#include <QSettings>

namespace kelvra {
namespace {

// A number the file holds within [least, greatest], written with a point.
std::optional<double> numberIn(const QSettings& ini, const char* key, double least,
                               double greatest) {
  bool ok = false;
  const double value = ini.value(key).toString().trimmed().toDouble(&ok);
  if (!ok || !(value >= least && value <= greatest)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<SiteSetting> ReadSite(const QSettings& ini) {
  const auto latitude = numberIn(ini, kSiteLatitudeKey, -kLatitudeLimit, kLatitudeLimit);
  const auto longitude = numberIn(ini, kSiteLongitudeKey, -kLongitudeLimit, kLongitudeLimit);
  if (!latitude || !longitude) return std::nullopt;
  SiteSetting site{{*latitude, *longitude, 0}, {}};
  site.place.heightM = numberIn(ini, kSiteHeightKey, kHeightLeast, kHeightGreatest).value_or(0);
  site.limits.minJupiterAltitudeDeg =
      numberIn(ini, kSiteMinJupiterKey, kMinJupiterLeast, kMinJupiterGreatest)
          .value_or(site.limits.minJupiterAltitudeDeg);
  site.limits.maxSunAltitudeDeg = numberIn(ini, kSiteMaxSunKey, kMaxSunLeast, kMaxSunGreatest)
                                      .value_or(site.limits.maxSunAltitudeDeg);
  return site;
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
