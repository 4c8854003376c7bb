#include "ui/common/list_keys.h"

#include <Qt>

#include <algorithm>

namespace kelvra {

namespace {
constexpr long long kWheelLines = 3;
}  // namespace

ListKey ListKeyOf(int key, std::size_t selected, std::size_t count, int rows) {
  const std::size_t last = count > 0 ? count - 1 : 0;
  const std::size_t page = static_cast<std::size_t>(std::max(1, rows - 1));
  switch (key) {
    case Qt::Key_Up:
      return {ListKey::Does::Select, selected > 0 ? selected - 1 : 0};
    case Qt::Key_Down:
      return {ListKey::Does::Select, std::min(selected + 1, last)};
    case Qt::Key_PageUp:
      return {ListKey::Does::Select, selected > page ? selected - page : 0};
    case Qt::Key_PageDown:
      return {ListKey::Does::Select, std::min(selected + page, last)};
    case Qt::Key_Home:
      return {ListKey::Does::Select, 0};
    case Qt::Key_End:
      return {ListKey::Does::Select, last};
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return {ListKey::Does::Activate, selected};
    default:
      return {};
  }
}

std::optional<std::size_t> WheelTop(std::size_t top, int angleY) {
  const int notches = angleY / 120;
  if (notches == 0) return std::nullopt;
  return static_cast<std::size_t>(
      std::max(0LL, static_cast<long long>(top) - notches * kWheelLines));
}

}  // namespace kelvra
