// The look shared by the built-in pictures and the skin pictures: a dark slate-teal instrument
// panel with bevelled faces and pale glyphs, calm enough to use at the eyepiece at night.
#pragma once

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRect>
#include <QString>

namespace kelvra::style {

inline const QColor kPanelTop{56, 94, 98};      // panel gradient, upper end
inline const QColor kPanelBottom{34, 64, 68};   // panel gradient, lower end
inline const QColor kHighlight{118, 164, 166};  // lit edge of a bevel
inline const QColor kShadow{14, 30, 33};        // shaded edge of a bevel
inline const QColor kOutline{6, 14, 16};        // outermost line of windows and faces
inline const QColor kFace{66, 106, 110};        // raised button face
inline const QColor kWell{22, 42, 46};          // recessed wells under picture buttons
inline const QColor kGlyph{200, 228, 226};      // glyphs and text on the dark panel
inline const QColor kGlyphDim{120, 160, 160};   // secondary marks on the dark panel
inline const QColor kAccent{236, 156, 92};      // the one warm mark: north, the program's name
inline const QColor kExitFace{124, 46, 42};     // the face of every exit button
inline const QColor kDataPanel{88, 124, 128};   // behind black captions and coloured values
inline const QColor kGreyFace{164, 170, 172};   // the grey faces that carry black text
inline const QColor kGreyLight{226, 230, 230};  // lit edge of a grey face
inline const QColor kGreyShadow{96, 102, 104};  // shaded edge of a grey face

// Returns: the panel's top-to-bottom gradient over `height` pixels.
inline QLinearGradient PanelGradient(int height) {
  QLinearGradient gradient(0, 0, 0, height);
  gradient.setColorAt(0.0, kPanelTop);
  gradient.setColorAt(1.0, kPanelBottom);
  return gradient;
}

// Draws a line one pixel wide from `from` to `to`, both included, along a row or a column.
// Filled as a rectangle: at 1.5 or 2 device pixels per pixel it covers exactly the device
// pixels of its own pixels, where a pen's line would lie half a pixel up and to the left.
inline void DrawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(from, to).normalized(), colour);
  painter.restore();
}

// Draws the outermost ring of pixels of `rect` (what drawRect(rect.adjusted(0, 0, -1, -1))
// draws with a one-pixel pen at one device pixel per pixel).
inline void DrawPixelFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  DrawPixelLine(painter, rect.topLeft(), rect.topRight(), colour);
  DrawPixelLine(painter, rect.bottomLeft(), rect.bottomRight(), colour);
  DrawPixelLine(painter, rect.topLeft(), rect.bottomLeft(), colour);
  DrawPixelLine(painter, rect.topRight(), rect.bottomRight(), colour);
}

// Draws `rings` nested bevel rings just inside `rect`: `topLeft` colours the upper and left
// edges, `bottomRight` the lower and right ones. Raised: light then dark; sunk: the reverse.
inline void DrawBevel(QPainter& painter, const QRect& rect, const QColor& topLeft,
                      const QColor& bottomRight, int rings = 1) {
  for (int i = 0; i < rings; ++i) {
    const QRect r = rect.adjusted(i, i, -i, -i);
    DrawPixelLine(painter, r.topLeft(), r.topRight(), topLeft);
    DrawPixelLine(painter, r.topLeft(), r.bottomLeft(), topLeft);
    DrawPixelLine(painter, r.bottomLeft(), r.bottomRight(), bottomRight);
    DrawPixelLine(painter, r.topRight(), r.bottomRight(), bottomRight);
  }
}

// Draws a raised button face filling `rect` (the button's click area) in `face`'s colour.
inline void DrawFace(QPainter& painter, const QRect& rect, const QColor& face) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0.0, face.lighter(118));
  gradient.setColorAt(1.0, face.darker(118));
  painter.fillRect(rect, gradient);
  painter.setPen(kOutline);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  DrawBevel(painter, rect.adjusted(1, 1, -1, -1), face.lighter(165), face.darker(175), 1);
}

// Given: the family ("Arial" or "Times New Roman"), the character height in pixels and
// whether the face is bold. Returns: the font, antialiased.
inline QFont PixelFont(const QString& family, int pixelSize, bool bold = false) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// Draws `text` in `rect` with the given alignment flags, font and colour.
inline void DrawText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                     const QFont& font, const QColor& colour) {
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(rect, flags, text);
  painter.restore();
}

}  // namespace kelvra::style
