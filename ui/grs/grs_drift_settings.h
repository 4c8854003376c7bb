// The Red Spot's drift and the instant its longitude held, kept in Kelvra95.ini beside the
// longitude of Kelvra95.CFG.
#pragma once

#include "core/grs_prediction.h"
#include "ui/common/settings_key.h"

class QSettings;

namespace kelvra {

// The drift in degrees a month, written with one decimal ("1.5"); read as the dialog's field
// reads it (ParseDriftText), so only its name, range and written form are the key's. None: the
// spot does not drift.
inline const NumberKey kDriftKey{"GRS/DriftPerMonth", -9.9, 9.9, std::nullopt, 1};
// The instant the longitude held.
inline const DateKey kEpochKey{"GRS/Epoch"};

// Given: the ini file. Returns: its drift. The drift is read as the dialog reads it, with a
// point: one decimal kept (more are rounded), -9.9 to 9.9. The epoch is a date from
// 0000-01-01 to 9999-12-31, alone or as ISO 8601 UTC. A value outside those, unreadable, or a
// drift without a usable epoch gives no drift (and an unusable epoch 0), and an error box
// naming the file, the key, the value and the range, once a run for each file and fault.
// Missing keys give no drift without a word.
RedSpotDrift ReadRedSpotDrift(const QSettings& ini);

// Puts the drift and its epoch into the ini file (the caller syncs it).
void PutRedSpotDrift(QSettings& ini, const RedSpotDrift& drift);

}  // namespace kelvra
