#include "ui/grs/grs_drift_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "ui/common/settings_place.h"

namespace kelvra {
namespace {

// The drift as the ini file holds it, and what in it was ignored.
struct RedSpotDriftSetting {
  RedSpotDrift drift;
  QStringList ignored;  // one line per ignored value
};

RedSpotDriftSetting readSetting(const QSettings& ini) {
  RedSpotDriftSetting setting;
  const QString file = QFileInfo(ini.fileName()).fileName();
  const auto ignored = [&](const IniKey& key, const QString& value, const QString& why) {
    return QStringLiteral("%1: %2 = %3 %4 and is ignored")
        .arg(file, QLatin1String(key.name), value, why);
  };
  // The ranges the dialog's fields take, as the messages name them.
  const QString driftRange = kDriftKey.rangeText();
  const QString epochRange = kEpochKey.rangeText();

  const QString driftText = kDriftKey.text(ini);
  const DriftTextValue read = ParseDriftText(driftText.toStdString(), ".");
  const bool unusable =
      read.status == DriftTextStatus::NotANumber || read.status == DriftTextStatus::OutOfRange;
  const bool drifts = !unusable && read.degreesPerMonth != 0;
  if (unusable) {
    const QString why = read.status == DriftTextStatus::NotANumber
                            ? QStringLiteral("is not a number from ") + driftRange
                            : QStringLiteral("is outside ") + driftRange;
    setting.ignored.append(ignored(kDriftKey, driftText, why));
  }

  const QString epochText = kEpochKey.text(ini);
  const std::optional<JulianDay> epoch = kEpochKey.read(ini);
  // A drift without the instant it counts from cannot place the spot: it goes too.
  if (!epoch && !epochText.isEmpty()) {
    const QString drift =
        QStringLiteral("; so is %1 = %2").arg(QLatin1String(kDriftKey.name), driftText);
    setting.ignored.append(
        ignored(kEpochKey, epochText, QStringLiteral("is not a date from ") + epochRange) +
        (drifts ? drift : QString()));
  } else if (!epoch && drifts) {
    setting.ignored.append(ignored(kDriftKey, driftText,
                                   QStringLiteral("has no %1 (a date from %2)")
                                       .arg(QLatin1String(kEpochKey.name), epochRange)));
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
  kDriftKey.write(ini, drift.degreesPerMonth);
  kEpochKey.write(ini, drift.epoch);
}

}  // namespace kelvra
