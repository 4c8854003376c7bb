#include "ui/grs/grs_drift_settings.h"

#include <QSettings>

#include <cmath>

namespace kelvra {

RedSpotDrift ReadRedSpotDrift(const QSettings& ini) {
  RedSpotDrift drift;
  const std::optional<JulianDay> epoch =
      ParseISO8601UTC(ini.value(kEpochKey).toString().trimmed().toStdString());
  if (epoch) drift.epoch = *epoch;
  bool number = false;
  const double perMonth = ini.value(kDriftKey).toString().trimmed().toDouble(&number);
  // A drift without the instant it counts from cannot place the spot: none.
  if (number && std::isfinite(perMonth) && epoch) drift.degreesPerMonth = perMonth;
  return drift;
}

void PutRedSpotDrift(QSettings& ini, const RedSpotDrift& drift) {
  // Written as text with a point, whatever the locale, so the file reads the same everywhere.
  ini.setValue(kDriftKey, QString::number(drift.degreesPerMonth, 'f', 1));
  ini.setValue(kEpochKey, QString::fromStdString(FormatISO8601UTC(drift.epoch)));
}

}  // namespace kelvra
