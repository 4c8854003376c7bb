// The main window's own pictures, drawn in code at start-up.
#include "ui/main/main_pictures.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "ui/common/picture_style.h"
#include "ui/common/pictures.h"

namespace kelvra {

namespace {

// The letters at the four sides of a compass rose.
struct RoseLetters {
  char top, bottom, left, right;
};

RoseLetters LettersOf(CompassRose rose) {
  switch (rose) {
    case CompassRose::Binoculars:
      return {'N', 'S', 'E', 'W'};
    case CompassRose::AstroScope:
      return {'S', 'N', 'W', 'E'};
    case CompassRose::StarDiagonal:
      return {'N', 'S', 'W', 'E'};
    case CompassRose::Other:
      return {'S', 'N', 'E', 'W'};
  }
  return {'N', 'S', 'E', 'W'};
}

// Draws one compass letter centred on `centre`; north stands out in the warm accent.
void DrawCompassLetter(QPainter& painter, QPointF centre, char letter) {
  const QRect box(int(centre.x()) - 6, int(centre.y()) - 6, 12, 12);
  style::DrawText(painter, box, Qt::AlignCenter, QString(QChar(letter)),
                  style::PixelFont("Arial", 11, true),
                  letter == 'N' ? style::kAccent : style::kGlyph);
}

// Draws a small shaded grey ball of `radius` pixels centred on `centre`.
void DrawGreyBall(QPainter& painter, QPointF centre, double radius) {
  QRadialGradient light(centre + QPointF(-radius * 0.4, -radius * 0.4), radius * 1.6);
  light.setColorAt(0.0, QColor(226, 228, 228));
  light.setColorAt(0.6, QColor(140, 144, 146));
  light.setColorAt(1.0, QColor(70, 74, 76));
  painter.setPen(Qt::NoPen);
  painter.setBrush(light);
  painter.drawEllipse(centre, radius, radius);
}

QImage NowFace(GreyFace face, double ratio) {
  QImage image = FilledPicture(43, 23, style::kGreyFace, ratio);
  //: The button that sets the date and time to the present; 43 pixels wide.
  DrawGreyFace(image, face, QCoreApplication::translate("kelvra::MainPictures", "Now"),
               style::PixelFont("Arial", 12, true));
  return image;
}

}  // namespace

QImage JupiterPole(double ratio) {
  constexpr int kSize = 12;  // window pixels
  const int size = DevicePixelCount(kSize, ratio);
  const double half = kSize * ratio / 2.0;
  // Seen from above the north pole the bands are rings; latitude falls evenly toward the rim
  // so that the narrow rings near the equator still show at this size.
  QImage pole = DrawBody(size, half, half, [](double x, double y) {
    const double r = std::min(1.0, std::hypot(x, y));
    const Tint c = JupiterCloudColour(90.0 * (1.0 - r), 90.0);
    const double shade = 0.62 + 0.38 * std::sqrt(1.0 - r * r);
    return Tint{c.r * shade, c.g * shade, c.b * shade};
  });
  pole.setDevicePixelRatio(ratio);
  return pole;
}

QImage CompassPicture(CompassRose rose, double ratio) {
  QImage image = FilledPicture(40, 40, style::kWell, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(20.0, 20.0);
  painter.setPen(QPen(style::kGlyphDim, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 8.5, 8.5);
  painter.drawLine(QPointF(20.0, 11.5), QPointF(20.0, 28.5));
  painter.drawLine(QPointF(11.5, 20.0), QPointF(28.5, 20.0));
  DrawGreyBall(painter, centre, 5.0);
  const RoseLetters letters = LettersOf(rose);
  DrawCompassLetter(painter, QPointF(20.0, 5.0), letters.top);
  DrawCompassLetter(painter, QPointF(20.0, 35.0), letters.bottom);
  DrawCompassLetter(painter, QPointF(5.0, 20.0), letters.left);
  DrawCompassLetter(painter, QPointF(35.0, 20.0), letters.right);
  return image;
}

QImage HemispherePicture(bool northern, double ratio) {
  const int width = northern ? 24 : 23;  // pixels
  QImage image = FilledPicture(width, 22, style::kWell, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF globe(width / 2.0 - 8.5, 2.5, 17.0, 17.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 70, 84));
  painter.drawEllipse(globe);
  // The marked half: a lit cap above or below the equator.
  QPainterPath half;
  half.moveTo(globe.center());
  half.arcTo(globe, northern ? 0.0 : 180.0, 180.0);
  half.closeSubpath();
  painter.setBrush(QColor(150, 206, 188));
  painter.drawPath(half);
  painter.setPen(QPen(style::kGlyph, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(globe);
  painter.drawLine(QPointF(globe.left(), globe.center().y()),
                   QPointF(globe.right(), globe.center().y()));
  return image;
}

QImage NowButtonFace(bool pressed, double ratio) {
  return NowFace(pressed ? GreyFace::Pressed : GreyFace::Raised, ratio);
}

QImage NowButtonDisabledFace(double ratio) {
  return NowFace(GreyFace::Disabled, ratio);
}

QImage IntervalBackground(double ratio) {
  QImage image = FilledPicture(110, 60, style::kPanelBottom, ratio);
  const QRect whole(QPoint(0, 0), LogicalSize(image));
  QPainter painter(&image);
  painter.fillRect(whole, style::PanelGradient(whole.height()));
  style::DrawPixelFrame(painter, whole, style::kOutline);
  style::DrawBevel(painter, whole.adjusted(1, 1, -1, -1), style::kHighlight, style::kShadow, 1);
  // The group frame, etched: a dark line with a lit line beside it, 98 x 45 pixels each.
  const QRect frame(6, 9, 98, 45);
  style::DrawPixelFrame(painter, frame, style::kShadow);
  style::DrawPixelFrame(painter, frame.translated(1, 1), style::kHighlight.darker(140));
  // The caption interrupts the frame's top edge.
  const QFont caption = style::PixelFont("Arial", 12, true);
  //: The animation's step, the caption of its little dialog.
  const QString title = QCoreApplication::translate("kelvra::MainPictures", "Interval");
  const QRect captionBox(12, 2, QFontMetrics(caption).horizontalAdvance(title) + 6, 15);
  painter.fillRect(captionBox, style::PanelGradient(whole.height()));
  style::DrawText(painter, captionBox, Qt::AlignCenter, title, caption, style::kGlyph);
  style::DrawText(painter, QRect(50, 20, 52, 23), Qt::AlignLeft | Qt::AlignVCenter,
                  QCoreApplication::translate("kelvra::MainPictures", "minutes"),
                  style::PixelFont("Arial", 12), style::kGlyph);
  return image;
}

}  // namespace kelvra
