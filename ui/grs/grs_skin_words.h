// The words of the Red Spot dialog's picture (Kelvra0.dat): its title and each field's name and
// unit, in the places the picture has them.
#pragma once

#include <QtGlobal>

#include <array>

#include "ui/common/picture_style.h"
#include "ui/common/skin_words.h"
#include "ui/grs/grs_kind.h"

namespace kelvra::layout {

namespace detail {
// A field's name, left of it, and its unit, right of it up to the panel's rim.
constexpr QRect NameBeside(QRect field) {
  return {10, field.y(), field.x() - 14, field.height()};
}
constexpr QRect UnitBeside(QRect field) {
  return {field.right() + 5, field.y(), kLongitudeDialogSize.width() - 11 - field.right(),
          field.height()};
}
}  // namespace detail

inline const std::array<SkinWord, 5> kLongitudeDialogWords{{
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "GRS Longitude"),
     {3, 6, kLongitudeDialogSize.width() - 6, 16},
     Qt::AlignCenter,
     12,
     true,
     style::kGlyph},
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "Longitude"), detail::NameBeside(kLongitudeField),
     Qt::AlignLeft | Qt::AlignVCenter, 11, false, style::kGlyph},
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "Drift"), detail::NameBeside(kDriftField),
     Qt::AlignLeft | Qt::AlignVCenter, 11, false, style::kGlyph},
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "\u00B0 a month"), detail::UnitBeside(kDriftField),
     Qt::AlignLeft | Qt::AlignVCenter, 11, false, style::kGlyph},
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "Date"), detail::NameBeside(kEpochField),
     Qt::AlignLeft | Qt::AlignVCenter, 11, false, style::kGlyph},
}};

}  // namespace kelvra::layout
