#include "core/moons.h"

#include <cmath>

namespace kelvra {

std::string_view MoonName(int moon) {
  return moon >= 1 && moon <= 4 ? kMoons[static_cast<std::size_t>(moon)].name : "";
}

bool InFrontOfJupiter(double u) {
  return std::cos(u) > 0;
}

MoonPlace MoonPlaceAt(double x, double y, double u) {
  if (std::sqrt(x * x + y * y) > 1) return MoonPlace::OffDisc;
  return InFrontOfJupiter(u) ? MoonPlace::InFront : MoonPlace::Behind;
}

}  // namespace kelvra
