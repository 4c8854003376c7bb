// Which theory places the moons in the views, kept in Kelvra95.ini.
#pragma once

#include "core/modern_positions.h"
#include "ui/common/settings_key.h"

namespace kelvra {

// "modern" (any case, blanks around ignored) gives the modern positions; anything else, missing
// or unreadable, the classic ones without a word: they are the default, the menu's tick shows
// which is on, and the next switch writes a clean value.
inline const ChoiceKey<PositionTheory, 2> kPositionsKey{
    "View/Positions", {"classic", "modern"}, PositionTheory::Classic};

}  // namespace kelvra
