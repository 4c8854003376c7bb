#include "ui/lightcurve/lightcurve_kind.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/common/picture_style.h"

namespace kelvra {

void DrawLightCurveButton(QPainter& painter, const QRect& face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, face, style::kFace);
  // Level, a fall, the flat bottom of a total event, the rise, level again.
  const QRectF in = QRectF(face).adjusted(2, 4.5, -2, -5);
  const double w = in.width();
  QPainterPath curve(QPointF(in.left(), in.top()));
  curve.lineTo(in.left() + w * 0.2, in.top());
  curve.lineTo(in.left() + w * 0.4, in.bottom());
  curve.lineTo(in.left() + w * 0.6, in.bottom());
  curve.lineTo(in.left() + w * 0.8, in.top());
  curve.lineTo(in.right(), in.top());
  painter.setPen(QPen(style::kGlyph, 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(curve);
  painter.restore();
}

}  // namespace kelvra
