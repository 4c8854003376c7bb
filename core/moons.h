// The four large moons once: their names, the events' notation, the sizes and albedos the
// mutual events and their light are computed with, and where a moon stands against Jupiter.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kelvra {

struct Moon {
  std::string_view name;  // as every window, page and export writes it: "Io"
  std::string_view code;  // the satellite in the events' notation: "I" .. "IV" ("I.Sh.I")
  double radiusKm;        // km, mean radius: the sphere the mutual events are computed with
  double albedo;          // geometric albedo: the surface brightness of the moon's uniform disc
};

// Indexed by satellite number, as c's arrays: slot 0, Jupiter's, is empty.
inline constexpr std::array<Moon, 5> kMoons{{{"", "", 0, 0},
                                             {"Io", "I", 1821.6, 0.63},
                                             {"Europa", "II", 1560.8, 0.67},
                                             {"Ganymede", "III", 2631.2, 0.43},
                                             {"Callisto", "IV", 2410.3, 0.17}}};

// Given: one field of Moon. Returns: that column of kMoons, indexed by satellite number.
template <typename Field>
constexpr std::array<Field, 5> MoonColumn(Field Moon::*field) {
  std::array<Field, 5> column{};
  for (std::size_t moon = 0; moon < kMoons.size(); ++moon) column[moon] = kMoons[moon].*field;
  return column;
}

// Given: a satellite number. Returns: its name, "Io"; empty outside 1..4.
std::string_view MoonName(int moon);

// Whether a moon is nearer the Earth than Jupiter's centre, so drawn over the planet's disc.
// Given: u, its angle from inferior conjunction (radians, as c's U).
// Returns: true when cos u > 0. Notes: the edge cos u = 0 is the moon at its greatest
// elongation, far off the disc, and no double angle in [0, 2 pi) reaches it: the one double
// nearest pi / 2 gives cos u = 6.1e-17, in front.
bool InFrontOfJupiter(double u);

// Where a moon is seen against Jupiter's disc.
enum class MoonPlace {
  OffDisc,  // beside the disc
  InFront,  // on the disc, in front of Jupiter (InFrontOfJupiter)
  Behind,   // on the disc, behind Jupiter: hidden
};

// Given: the moon's offsets x and y (Jupiter equatorial radii) and u (radians), as c gives them.
// Returns: off the disc when it lies more than one radius from the centre (the rim counts as
// on the disc, taken round); else in front or behind.
MoonPlace MoonPlaceAt(double x, double y, double u);

}  // namespace kelvra
