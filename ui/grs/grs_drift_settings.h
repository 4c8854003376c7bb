// The Red Spot's drift and the instant its longitude held, kept in Kelvra95.ini beside the
// longitude of Kelvra95.CFG.
#pragma once

#include "core/grs_prediction.h"

class QSettings;

namespace kelvra {

inline constexpr const char* kDriftKey = "GRS/DriftPerMonth";  // degrees a month, e.g. 1.5
inline constexpr const char* kEpochKey = "GRS/Epoch";          // ISO 8601 UTC

// Given: the ini file. Returns: the drift it holds. A file without the keys, or with a value
// that cannot be read, gives no drift (0, and an epoch of 0 when there is none).
RedSpotDrift ReadRedSpotDrift(const QSettings& ini);

// Puts the drift and its epoch into the ini file (the caller syncs it).
void PutRedSpotDrift(QSettings& ini, const RedSpotDrift& drift);

}  // namespace kelvra
