// The moon events window as the program, the skins and the scripts know it.
#pragma once

#include <QtGlobal>

#include "ui/common/side_window_kind.h"

namespace kelvra {

// Draws the events button: a moon's disc with its shadow's black dot on it, on a raised face.
void DrawEventsButton(QPainter& painter, const QRect& face);

inline constexpr SideWindowKind kEventsKind{
    .name = "events",
    .layout = layout::kSideWindowSkin,
    .button = {404, 12, 19, 19},
    .buttonName = "lblEvents",
    // Shown translated with the context "kelvra::SideWindowKind".
    .buttonHint = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Moon events"),
    .title = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Events"),
    .drawButton = &DrawEventsButton,
    .openKey = Qt::CTRL | Qt::Key_M,
};

}  // namespace kelvra
