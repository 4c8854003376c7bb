#include "ui/radio/radio_kind.h"

#include <QPainter>

#include "ui/common/picture_style.h"

namespace kelvra {

void DrawRadioButton(QPainter& painter, const QRect& face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, face, style::kFace);
  const QPointF c = QRectF(face).center();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(222, 208, 180), 1.4));
  painter.drawLine(c + QPointF(-6, 4.5), c + QPointF(6, 4.5));  // the dipole's two arms
  painter.drawLine(c + QPointF(0, 4.5), c + QPointF(0, 7));     // its feed
  painter.setPen(QPen(style::kAccent, 1.2));
  for (const double r : {2.5, 5.0}) {
    painter.drawArc(QRectF(c.x() - r, c.y() - r + 1, 2 * r, 2 * r), 30 * 16, 120 * 16);
  }
  painter.restore();
}

}  // namespace kelvra
