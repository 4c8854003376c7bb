// The tracks window as the program, the skins and the scripts know it.
#pragma once

#include "ui/common/side_window_kind.h"

namespace kelvra {

// Draws the tracks button: a small chart, dot by dot like the real one, on a raised face.
void DrawTracksButton(QPainter& painter, const QRect& face);

inline constexpr SideWindowKind kTracksKind{
    "tracks",
    {layout::kSideWindowSkin.size, layout::kSideWindowSkin.print,
     layout::kSideWindowSkin.timeBasis, {174, 12, 13, 13}, layout::kSideWindowSkin.list},
    {192, 12, 21, 18},
    "lblTracks",
    "Satellite tracks",
    &DrawTracksButton};

}  // namespace kelvra
