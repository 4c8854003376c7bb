// The GRS window's own picture, drawn in code at start-up.
#include "ui/grs/grs_pictures.h"

#include <QPainter>

#include "ui/common/pictures.h"

namespace kelvra {

QImage GlobeButton(double ratio) {
  QImage image = FilledPicture(20, 20, Qt::transparent, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(9.0, 9.0);
  constexpr double kRadius = 7.5;  // pixels
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 120));
  painter.drawEllipse(centre + QPointF(2.0, 2.0), kRadius, kRadius);
  painter.setBrush(Qt::white);
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawEllipse(centre, kRadius, kRadius);
  painter.drawLine(QPointF(centre.x(), centre.y() - kRadius),
                   QPointF(centre.x(), centre.y() + kRadius));
  painter.drawLine(QPointF(centre.x() - kRadius, centre.y()),
                   QPointF(centre.x() + kRadius, centre.y()));
  return image;
}

}  // namespace kelvra
