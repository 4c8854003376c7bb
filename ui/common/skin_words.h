// Words that a skin picture shows. In English they are part of the picture; in another language
// the program shows the same picture drawn without them (its "-bare" file) and draws the
// translated words over it, at the screen's pixel ratio.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

#include "ui/common/picture_style.h"

class QPainter;

namespace kelvra {

class ImageView;

struct SkinWord {
  const char* text;  // English; marked with QT_TRANSLATE_NOOP("kelvra::SkinWords", …)
  QRect place;       // window pixels on the picture; the word must fit inside it
  int flags;         // Qt::Alignment
  int pixelSize;     // Arial (Liberation Sans), pixels
  bool bold;
  QColor colour;
};

// The word as the running program shows it.
QString SkinWordText(const SkinWord& word);

// Draws each word into its place, translated when `translate` is set, in window pixels.
void DrawSkinWords(QPainter& painter, std::span<const SkinWord> words, bool translate);

// The picture's file without its words: "Kelvra0.dat" gives "Kelvra0-bare.dat".
QString BareSkinFile(const QString& fileName);

// Loads the skin `fileName` into `target` as LoadJpegAsset does when none of `words` is
// translated; else its bare picture with the translated words drawn over it. A missing file is
// reported as LoadJpegAsset reports it. Returns false then.
bool LoadSkinAsset(ImageView& target, const QString& fileName, std::span<const SkinWord> words);

// The words of the About window's picture (Kelvra8.dat).
inline const std::array<SkinWord, 3> kAboutWords{{
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "Version 1.14"),
     {72, 42, 120, 16},
     Qt::AlignLeft | Qt::AlignVCenter,
     12,
     false,
     style::kGlyph},
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "Contact:"),
     {14, 78, 180, 14},
     Qt::AlignLeft,
     11,
     true,
     style::kGlyphDim},
    {QT_TRANSLATE_NOOP("kelvra::SkinWords", "Web:"),
     {14, 112, 180, 14},
     Qt::AlignLeft,
     11,
     true,
     style::kGlyphDim},
}};

}  // namespace kelvra
