// The Red Spot's drift and the instant its longitude held, kept in Kelvra95.ini beside the
// longitude of Kelvra95.CFG.
#pragma once

#include <QStringList>

#include "ui/grs/grs_prediction.h"

class QSettings;

namespace kelvra {

inline constexpr const char* kDriftKey = "GRS/DriftPerMonth";  // degrees a month, e.g. 1.5
inline constexpr const char* kEpochKey = "GRS/Epoch";          // ISO 8601 UTC

// The drift as the ini file holds it, and what in the file was ignored.
struct RedSpotDriftSetting {
  RedSpotDrift drift;   // no drift (0) unless both keys are usable; epoch 0 when it is not
  QStringList ignored;  // one line per ignored value, naming the file, key, value and range
};

// Given: the ini file. Returns: its drift. The drift is read as the dialog reads it, with a
// point: one decimal kept (more are rounded), -9.9 to 9.9. The epoch is a date from
// 0000-01-01 to 9999-12-31, alone or as ISO 8601 UTC. A value outside those, unreadable, or a
// drift without a usable epoch gives no drift and a line in `ignored`; missing keys give
// no drift without a word.
RedSpotDriftSetting ReadRedSpotDriftSetting(const QSettings& ini);

// The same, reporting what was ignored in an error box, each line once a run for each file.
RedSpotDrift ReadRedSpotDrift(const QSettings& ini);

// Puts the drift and its epoch into the ini file (the caller syncs it).
void PutRedSpotDrift(QSettings& ini, const RedSpotDrift& drift);

}  // namespace kelvra
