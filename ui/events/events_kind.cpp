#include "ui/events/events_kind.h"

#include <QPainter>

#include "ui/common/picture_style.h"

namespace kelvra {

void DrawEventsButton(QPainter& painter, const QRect& face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, face, style::kFace);
  const QPointF c = QRectF(face).center();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 208, 180));
  painter.drawEllipse(QRectF(c - QPointF(5.6, 5.6), QSizeF(11.2, 11.2)));
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRectF(c + QPointF(-0.4, -3.2), QSizeF(3.6, 3.6)));
  painter.restore();
}

}  // namespace kelvra
