// The GRS transits window as the program, the skins and the scripts know it, with the places
// of its own components and of its longitude dialog's.
#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QSize>

#include "ui/common/side_window_kind.h"

namespace kelvra {

namespace layout {

// The GRS window's longitude button.
inline constexpr QRect kGRSLongitude{66, 14, 20, 20};
// The GRS window's line saying how the Red Spot drifts, between the buttons and the list.
inline constexpr QRect kGRSDriftLine{4, 37, 192, 16};

// The Red Spot dialog, 160 x 113: the longitude, its drift a month and the date it held on.
inline constexpr QSize kLongitudeDialogSize{160, 113};
inline constexpr QRect kLongitudeField{70, 28, 30, 23};
inline constexpr QRect kDriftField{70, 55, 30, 23};
inline constexpr QRect kEpochField{70, 82, 78, 23};

inline constexpr NamedRect kGRSComponents[] = {{"grs_longitude", kGRSLongitude},
                                               {"longitude_field", kLongitudeField},
                                               {"drift_field", kDriftField},
                                               {"epoch_field", kEpochField}};

}  // namespace layout

// Draws the GRS button: a banded disc with the Red Spot, on a raised face.
void DrawGRSButton(QPainter& painter, const QRect& face);

inline constexpr SideWindowKind kGRSKind{
    .name = "grs",
    .layout = layout::kSideWindowSkin,
    .button = {226, 13, 17, 16},
    .buttonName = "lblGRS",
    .buttonHint = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Great Red Spot transits"),
    .title = QT_TRANSLATE_NOOP("kelvra::SideWindowKind", "Red Spot"),
    .drawButton = &DrawGRSButton,
    .openKey = Qt::CTRL | Qt::Key_G,
    .components = layout::kGRSComponents,
};

}  // namespace kelvra
