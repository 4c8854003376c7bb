// The one list of the side windows, in the order the program visits them (tracks first). The
// program, the skin generator, the layout export and the layout test build with it; nothing
// else enumerates the side windows.
#pragma once

#include <span>

#include "ui/common/side_window_kind.h"
#include "ui/events/events_kind.h"
#include "ui/grs/grs_kind.h"
#include "ui/lightcurve/lightcurve_kind.h"
#include "ui/radio/radio_kind.h"
#include "ui/tracks/tracks_kind.h"

namespace kelvra {

// One a line: tools/check-house reads the list.
// clang-format off
inline constexpr const SideWindowKind* kSideWindowKinds[] = {
    &kTracksKind,
    &kGRSKind,
    &kEventsKind,
    &kLightCurveKind,
    &kRadioKind,
};
// clang-format on

inline constexpr std::span<const SideWindowKind* const> SideWindowKinds() {
  return kSideWindowKinds;
}

}  // namespace kelvra
