#include "ui/common/widgets.h"

#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStylePainter>

namespace kelvra {

ButtonActions& ButtonActions::instance() {
  static ButtonActions actions;
  return actions;
}

void MouseTarget::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->position().toPoint());
}

void MouseTarget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit released(at);
  if (!rect().contains(at)) return;
  // Only a button is announced: a skin or a drag handle takes no clicks.
  if (announcesClicks_ && isSignalConnected(QMetaMethod::fromSignal(&MouseTarget::clicked))) {
    emit ButtonActions::instance().aboutToAct();
  }
  emit clicked();
}

ImageView::ImageView(QWidget* parent, const char* name) : MouseTarget(parent) {
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

ClickArea::ClickArea(QWidget* parent, const char* name, QRect geometry, const QString& hint)
    : MouseTarget(parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(geometry);
  setToolTip(hint);
  // Transparent: the face is part of the skin picture underneath.
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

void ClickArea::mouseMoveEvent(QMouseEvent* event) {
  // Qt grabs the mouse for the pressed widget, so moves keep coming outside the area.
  if (event->buttons() != Qt::NoButton) emit moved(event->position().toPoint());
}

void FocusFramedComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  if (hasFocus()) option.state |= QStyle::State_KeyboardFocusChange;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void SetTextColour(QLabel& label, const QColor& colour) {
  if (label.palette().color(QPalette::WindowText) == colour) return;
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

}  // namespace kelvra
