// The first stage of the search for mutual events (core/mutual_events.cpp): the pruning scan,
// which finds the stretches of time in which a pair of moons might overlap, on the interpolated
// positions. Internal to core/.
#pragma once

#include <array>
#include <vector>

#include "core/calendar.h"
#include "core/moon_tracks.h"
#include "core/mutual_events.h"

namespace kelvra::mutual {

inline constexpr double kScanStep = 10.0 / 1440;  // days between the samples of the scan

struct Pair {
  int active, passive;  // satellite numbers
};

// A stretch of time in which a pair might overlap.
struct Candidate {
  MutualEventKind kind;
  int first, second;   // satellite numbers, first < second
  JulianDay from, to;  // days, UT
};

// The scan: every pair's separation square to the line from the source (the Earth for an
// occultation, the Sun for an eclipse), on the interpolated positions, every kScanStep.
// Given: the planets' and the moons' tracks over [from, to] (days, UT) and a little beyond.
// Returns: every stretch in [from, to] in which a pair may come within reach of an event, its
// penumbra's included, in the order they close.
// Notes: between two samples the separation cannot shrink by more than the two moons move,
// `closing`: a step whose two samples' margins add up to more than that holds no event, and a
// pair whose margin is n times that needs no look for n samples.
std::vector<Candidate> CandidatesOf(const track::PlanetTrack& planets,
                                    const std::array<const track::MoonTrack*, 5>& tracks,
                                    JulianDay from, JulianDay to);

}  // namespace kelvra::mutual
