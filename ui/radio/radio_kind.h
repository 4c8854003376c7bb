// The radio window as the program, the skins and the scripts know it.
#pragma once

#include <QCoreApplication>

#include "ui/common/side_window_kind.h"

namespace kelvra {

// Draws the radio button: a dipole under the arcs of a wave, on a raised face.
void DrawRadioButton(QPainter& painter, const QRect& face);

inline constexpr SideWindowKind kRadioKind{
    .name = "radio",
    .layout = layout::kSideWindowSkin,
    .button = {430, 12, 19, 19},
    .buttonName = "lblRadio",
    .buttonHint = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Radio storms"),
    .title = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Radio"),
    .drawButton = &DrawRadioButton,
    .openKey = Qt::CTRL | Qt::SHIFT | Qt::Key_R,
};

}  // namespace kelvra
