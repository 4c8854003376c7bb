// How the keys and the wheel move a drawn list: one rule for every window with a list of lines
// (the events, the radio windows), so their keys cannot drift apart.
#pragma once

#include <cstddef>
#include <optional>

namespace kelvra {

// What a key does to a list.
struct ListKey {
  enum class Does {
    Select,    // select `line` (arrows, pages, Home, End)
    Activate,  // act on `line`, the selected one (Enter)
    Nothing,   // not a list key: the window's own
  };
  Does does = Does::Nothing;
  std::size_t line = 0;
};

// Given: a key (Qt::Key); the selected line; the list's `count` lines, `rows` of them in sight.
// Returns: what the key does: a page moves by one line less than the rows in sight (at least
// one), so that a line of the last page stays; a move never leaves the lines.
ListKey ListKeyOf(int key, std::size_t selected, std::size_t count, int rows);

// Given: the first line in sight; the wheel's turn (QWheelEvent::angleDelta().y(), eighths of a
// degree). Returns: the first line in sight after it, three lines a notch (not yet clamped to
// the list's end); none while the turn is less than a notch.
std::optional<std::size_t> WheelTop(std::size_t top, int angleY);

}  // namespace kelvra
