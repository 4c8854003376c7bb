#include "ui/tracks/tracks_kind.h"

#include <QPainter>

#include <cmath>
#include <numbers>

#include "ui/common/picture_style.h"

namespace kelvra {

// Two satellites swinging either side of Jupiter's band, on whole pixels.
void DrawTracksButton(QPainter& painter, const QRect& face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, face, style::kFace);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRect screen = face.adjusted(3, 3, -3, -3);
  painter.fillRect(screen, Qt::black);
  const int cx = screen.center().x();
  painter.setPen(QColor(0, 190, 190));
  painter.drawLine(cx - 2, screen.top(), cx - 2, screen.bottom());
  painter.drawLine(cx + 2, screen.top(), cx + 2, screen.bottom());
  for (int row = 0; row < screen.height(); ++row) {
    const double phase = 2.0 * std::numbers::pi * row / screen.height();  // one turn over the chart
    const int y = screen.top() + row;
    painter.setPen(QColor(240, 240, 240));
    painter.drawPoint(cx + int(std::lround(3.0 * std::sin(2.0 * phase))), y);
    painter.setPen(QColor(255, 140, 30));
    painter.drawPoint(cx + int(std::lround(6.0 * std::cos(0.5 * phase + 0.6))), y);
  }
  painter.restore();
}

}  // namespace kelvra
