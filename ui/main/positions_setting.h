// Which theory places the moons in the views, kept in Kelvra95.ini.
#pragma once

#include "core/modern_positions.h"

class QSettings;

namespace kelvra {

inline constexpr const char* kPositionsKey = "View/Positions";  // "classic" or "modern"

// Given: the ini file. Returns: Modern for "modern" (any case, spaces around ignored), else
// Classic. A missing or unreadable value gives the classic positions without a word: they are
// the default, the menu's tick shows which is on, and the next switch writes a clean value.
PositionTheory ReadPositionTheory(const QSettings& ini);

// Puts the theory into the ini file as "classic" or "modern" (the caller syncs it).
void PutPositionTheory(QSettings& ini, PositionTheory theory);

}  // namespace kelvra
