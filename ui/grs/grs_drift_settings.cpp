#include "ui/grs/grs_drift_settings.h"

#include <QCoreApplication>
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

// The messages in the user's language.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(kelvra::GRSDriftSettings)
};

RedSpotDriftSetting readSetting(const QSettings& ini) {
  RedSpotDriftSetting setting;
  const QString file = QFileInfo(ini.fileName()).fileName();
  const QString driftKey = QLatin1String(kDriftKey.name);
  const QString epochKey = QLatin1String(kEpochKey.name);
  // The ranges the dialog's fields take, as the messages name them.
  const QString driftRange = kDriftKey.rangeText();
  const QString epochRange = kEpochKey.rangeText();

  const QString driftText = kDriftKey.text(ini);
  const DriftTextValue read = ParseDriftText(driftText.toStdString(), ".");
  const bool unusable =
      read.status == DriftTextStatus::NotANumber || read.status == DriftTextStatus::OutOfRange;
  const bool drifts = !unusable && read.degreesPerMonth != 0;
  if (unusable) {
    //: %1 the settings file, %2 the key, %3 its value, %4 the range ("-9.9 to 9.9")
    const QString why = read.status == DriftTextStatus::NotANumber
                            ? Text::tr("%1: %2 = %3 is not a number from %4 and is ignored")
                            : Text::tr("%1: %2 = %3 is outside %4 and is ignored");
    setting.ignored.append(why.arg(file, driftKey, driftText, driftRange));
  }

  const QString epochText = kEpochKey.text(ini);
  const std::optional<JulianDay> epoch = kEpochKey.read(ini);
  // A drift without the instant it counts from cannot place the spot: it goes too.
  if (!epoch && !epochText.isEmpty()) {
    setting.ignored.append(
        drifts ? Text::tr("%1: %2 = %3 is not a date from %4 and is ignored; so is %5 = %6")
                     .arg(file, epochKey, epochText, epochRange, driftKey, driftText)
               : Text::tr("%1: %2 = %3 is not a date from %4 and is ignored")
                     .arg(file, epochKey, epochText, epochRange));
  } else if (!epoch && drifts) {
    setting.ignored.append(Text::tr("%1: %2 = %3 has no %4 (a date from %5) and is ignored")
                               .arg(file, driftKey, driftText, epochKey, epochRange));
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
