#include "ui/grs/grs_drift_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "ui/common/settings_place.h"

namespace kelvra {
namespace {

// The ranges the dialog's fields take, as the messages name them.
const QString kDriftRange = QStringLiteral("-9.9 to 9.9");
const QString kEpochRange = QStringLiteral("0000-01-01 to 9999-12-31");

// The drift as the ini file holds it, and what in it was ignored.
struct RedSpotDriftSetting {
  RedSpotDrift drift;
  QStringList ignored;  // one line per ignored value
};

RedSpotDriftSetting readSetting(const QSettings& ini) {
  RedSpotDriftSetting setting;
  const QString file = QFileInfo(ini.fileName()).fileName();
  const auto ignored = [&](const char* key, const QString& value, const QString& why) {
    return QStringLiteral("%1: %2 = %3 %4 and is ignored")
        .arg(file, QLatin1String(key), value, why);
  };

  const QString driftText = IniValueText(ini, kDriftKey);
  const DriftTextValue read = ParseDriftText(driftText.toStdString(), ".");
  const bool unusable =
      read.status == DriftTextStatus::NotANumber || read.status == DriftTextStatus::OutOfRange;
  const bool drifts = !unusable && read.degreesPerMonth != 0;
  if (unusable) {
    const QString why = read.status == DriftTextStatus::NotANumber
                            ? QStringLiteral("is not a number from ") + kDriftRange
                            : QStringLiteral("is outside ") + kDriftRange;
    setting.ignored.append(ignored(kDriftKey, driftText, why));
  }

  const QString epochText = IniValueText(ini, kEpochKey);
  const std::optional<JulianDay> epoch = ParseISO8601UTC(epochText.toStdString());
  // A drift without the instant it counts from cannot place the spot: it goes too.
  if (!epoch && !epochText.isEmpty()) {
    const QString drift =
        QStringLiteral("; so is %1 = %2").arg(QLatin1String(kDriftKey), driftText);
    setting.ignored.append(
        ignored(kEpochKey, epochText, QStringLiteral("is not a date from ") + kEpochRange) +
        (drifts ? drift : QString()));
  } else if (!epoch && drifts) {
    setting.ignored.append(ignored(
        kDriftKey, driftText,
        QStringLiteral("has no %1 (a date from %2)").arg(QLatin1String(kEpochKey), kEpochRange)));
  }
  if (epoch) setting.drift = {drifts ? read.degreesPerMonth : 0, *epoch};
  return setting;
}

}  // namespace

RedSpotDrift ReadRedSpotDrift(const QSettings& ini) {
  // The drift is read at every redraw; a fault in the file is told once.
  const RedSpotDriftSetting setting = readSetting(ini);
  ReportIgnoredIniValues(ini, setting.ignored);
  return setting.drift;
}

void PutRedSpotDrift(QSettings& ini, const RedSpotDrift& drift) {
  // Written as text with a point, whatever the locale, so the file reads the same everywhere.
  ini.setValue(kDriftKey, QString::number(drift.degreesPerMonth, 'f', 1));
  ini.setValue(kEpochKey, QString::fromStdString(FormatISO8601UTC(drift.epoch)));
}

}  // namespace kelvra
