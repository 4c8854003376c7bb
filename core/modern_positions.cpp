#include "core/modern_positions.h"

#include <cmath>

#include "core/galilean_moons.h"
#include "core/jupiter_system.h"
#include "core/moon_tracks.h"

namespace kelvra {

namespace {

using track::add;
using track::cross;
using track::dot;
using track::unit;

constexpr double kRadiusAU = kJupiterEquatorialRadius / kKilometresPerAU;

// The sky as seen from the Earth: the sight line and the two axes of the views.
struct SkyAxes {
  Vector3 sight;    // unit vector from the Earth toward Jupiter's centre
  Vector3 west;     // unit vector along Jupiter's equator, west on the sky
  Vector3 north;    // unit vector, Jupiter's pole projected on the sky
  double distance;  // AU, from the Earth to Jupiter's centre
};

SkyAxes axesFor(const Vector3& earth, const Vector3& pole) {
  const Vector3 sight = unit({-earth.x, -earth.y, -earth.z});
  const Vector3 north = unit(add(pole, sight, -dot(pole, sight)));
  return {sight, cross(sight, north), north, std::sqrt(dot(earth, earth))};
}

// One moon into slot i of state. The offsets are taken where the moon's line of sight crosses
// the plane of Jupiter's centre: the limb test of the events is made along that line, and a
// parallel projection would put Callisto up to 0.003 radii off the limb at a contact.
void place(const Vector3& moon, const SkyAxes& axes, int i, JupiterState& state) {
  const double depth = -dot(moon, axes.sight);  // AU, toward the Earth
  const double scale = axes.distance / (axes.distance - depth) / kRadiusAU;
  const double west = dot(moon, axes.west);
  state.X[i] = west * scale;
  state.Y[i] = dot(moon, axes.north) * scale;
  state.Radius[i] = std::sqrt(dot(moon, moon)) / kRadiusAU;
  state.U[i] = ReduceAngle(std::atan2(west, depth));
}

void clearJupiterSlot(JupiterState& state) {
  state.Perturbation = {};
  state.X[0] = 0;
  state.Y[0] = 0;
  state.Radius[0] = 0;
}

}  // namespace

ModernScene ModernPositionsAt(JulianDay ut) {
  ModernScene scene;
  CentralMeridian(ut, scene.state);
  clearJupiterSlot(scene.state);
  const JupiterSightLines s = SightLinesAt(ut);
  const Vector3 pole = JupiterNorthPole(s.tt);
  const SkyAxes axes = axesFor(s.earth, pole);
  for (int moon = 1; moon <= 4; ++moon) {
    const Vector3 position = GalileanMoonState(moon, s.tt).position;
    place(position, axes, moon, scene.state);
    scene.shadows[moon] = ShadowOf(position, s.earth, s.sun, pole);
  }
  // The outline of the spheroid seen from the Earth's latitude on Jupiter.
  const double sinLatitude = -dot(pole, axes.sight);
  constexpr double kFlattened = kJupiterPolarRadius / kJupiterEquatorialRadius;
  scene.discPolarRadius = std::sqrt(sinLatitude * sinLatitude +
                                    kFlattened * kFlattened * (1 - sinLatitude * sinLatitude));
  return scene;
}

void ForEachModernStep(JulianDay start, double step, int count,
                       const std::function<void(int n, const JupiterState&)>& visit) {
  if (count <= 0) return;
  const JulianDay end = start + (count - 1) * step;
  const track::PlanetTrack planets(start, end);
  const JupiterSightLines middle = planets.at((start + end) / 2);
  const Vector3 pole = JupiterNorthPole(middle.tt);  // moves far less than a moon in a month
  const double ttFrom = planets.at(start).tt - track::kSecond;
  const double ttTo = planets.at(end).tt + track::kSecond;
  std::array<track::MoonTrack, 4> moons{
      track::MoonTrack(1, ttFrom - track::kMoonStep[1], ttTo + track::kMoonStep[1]),
      track::MoonTrack(2, ttFrom - track::kMoonStep[2], ttTo + track::kMoonStep[2]),
      track::MoonTrack(3, ttFrom - track::kMoonStep[3], ttTo + track::kMoonStep[3]),
      track::MoonTrack(4, ttFrom - track::kMoonStep[4], ttTo + track::kMoonStep[4])};
  JupiterState state;
  clearJupiterSlot(state);
  for (int n = 0; n < count; ++n) {
    const JupiterSightLines s = planets.at(start + n * step);
    const SkyAxes axes = axesFor(s.earth, pole);
    for (int moon = 1; moon <= 4; ++moon) place(moons[moon - 1].at(s.tt), axes, moon, state);
    visit(n, state);
  }
}

}  // namespace kelvra
