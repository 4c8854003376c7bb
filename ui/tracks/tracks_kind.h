// The tracks window as the program, the skins and the scripts know it.
#pragma once

#include <QCoreApplication>

#include "ui/common/side_window_kind.h"

namespace kelvra {

// Draws the tracks button: a small chart, dot by dot like the real one, on a raised face.
void DrawTracksButton(QPainter& painter, const QRect& face);

inline constexpr SideWindowKind kTracksKind{
    .name = "tracks",
    .layout =
        {
            .size = layout::kSideWindowSkin.size,
            .print = layout::kSideWindowSkin.print,
            .timeBasis = layout::kSideWindowSkin.timeBasis,
            .exit = {174, 12, 13, 13},  // smaller than the others', inside the same face
            .list = layout::kSideWindowSkin.list,
        },
    .button = {192, 12, 21, 18},
    .buttonName = "lblTracks",
    .buttonHint = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Satellite tracks"),
    .title = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Tracks"),
    .drawButton = &DrawTracksButton,
    .openKey = Qt::CTRL | Qt::Key_T,
};

}  // namespace kelvra
