#include "ui/main/widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvra {

ImageView::ImageView(QWidget* parent, const char* name) : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
}

void ImageView::setImage(const QImage& image, bool autoSize) {
  image_ = image;
  if (autoSize) resize(image_.size());
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->position().toPoint());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit released(at);
  if (rect().contains(at)) emit clicked();
}

ClickArea::ClickArea(QWidget* parent, const char* name, QRect geometry, const QString& hint)
    : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(geometry);
  setToolTip(hint);
  // Transparent: the face is part of the skin picture underneath.
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

void ClickArea::mousePressEvent(QMouseEvent* event) { emit pressed(event->position().toPoint()); }

void ClickArea::mouseMoveEvent(QMouseEvent* event) {
  // Qt grabs the mouse for the pressed widget, so moves keep coming outside the area.
  if (event->buttons() != Qt::NoButton) emit moved(event->position().toPoint());
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit released(at);
  if (rect().contains(at)) emit clicked();
}

}  // namespace kelvra
