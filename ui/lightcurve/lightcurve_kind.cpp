#include "ui/lightcurve/lightcurve_kind.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/common/picture_style.h"

namespace kelvra {

void DrawLightCurveButton(QPainter& painter, const QRect& face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, face, style::kFace);
  const QRectF in = QRectF(face).adjusted(2.5, 4, -2.5, -4);
  QPainterPath curve(QPointF(in.left(), in.top()));
  curve.lineTo(in.left() + in.width() * 0.3, in.top());
  curve.lineTo(in.center().x(), in.bottom());
  curve.lineTo(in.right() - in.width() * 0.3, in.top());
  curve.lineTo(in.right(), in.top());
  painter.setPen(QPen(style::kGlyph, 1.4));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(curve);
  painter.restore();
}

}  // namespace kelvra
