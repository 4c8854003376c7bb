// The one list of the side windows, in the order the program visits them (tracks first). The
// program, the skin generator, the layout export and the layout test build with it; nothing
// else enumerates the side windows.
#pragma once

#include <span>

#include "ui/common/side_window_kind.h"
#include "ui/events/events_kind.h"
#include "ui/grs/grs_kind.h"
#include "ui/lightcurve/lightcurve_kind.h"
#include "ui/tracks/tracks_kind.h"

namespace kelvra {

inline constexpr const SideWindowKind* kSideWindowKinds[] = {
    &kTracksKind,
    &kGRSKind,
    &kEventsKind,
    &kLightCurveKind,
};

inline constexpr std::span<const SideWindowKind* const> SideWindowKinds() {
  return kSideWindowKinds;
}

}  // namespace kelvra
