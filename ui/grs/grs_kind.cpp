#include "ui/grs/grs_kind.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/common/picture_style.h"

namespace kelvra {

void DrawGRSButton(QPainter& painter, const QRect& face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, face, style::kFace);
  const QPointF c = QRectF(face).center();
  const QRectF disc(c - QPointF(6.0, 5.6), QSizeF(12.0, 11.2));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 208, 180));
  painter.drawEllipse(disc);
  painter.save();
  QPainterPath outline;
  outline.addEllipse(disc);
  painter.setClipPath(outline);
  painter.fillRect(QRectF(disc.left(), c.y() - 3.4, disc.width(), 1.8), QColor(150, 108, 80));
  painter.fillRect(QRectF(disc.left(), c.y() + 0.6, disc.width(), 1.8), QColor(150, 108, 80));
  painter.restore();
  painter.setBrush(QColor(220, 64, 42));
  painter.setPen(QPen(QColor(120, 30, 20), 0.6));
  painter.drawEllipse(QRectF(c + QPointF(-0.2, 1.4), QSizeF(5.0, 3.4)));
  painter.restore();
}

}  // namespace kelvra
