// The light-curve window as the program, the skins and the scripts know it.
#pragma once

#include <QCoreApplication>

#include "ui/common/side_window_kind.h"

namespace kelvra {

// Draws the light-curve button: a level line that dips and comes back, on a raised face.
void DrawLightCurveButton(QPainter& painter, const QRect& face);

inline constexpr SideWindowKind kLightCurveKind{
    .name = "lightcurve",
    .layout = layout::kSideWindowSkin,
    .button = {246, 13, 13, 16},  // between the GRS button and the groove at x 261
    .buttonName = "lblLightCurve",
    .buttonHint = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Light curve"),
    .title = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Light curve"),
    .drawButton = &DrawLightCurveButton,
    .openKey = Qt::CTRL | Qt::Key_J,
};

}  // namespace kelvra
