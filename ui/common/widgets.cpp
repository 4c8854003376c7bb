#include "ui/common/widgets.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QStylePainter>

#include <memory>

#include "ui/common/pictures.h"
#include "ui/common/window_menu.h"

namespace kelvra {

ButtonActions& ButtonActions::instance() {
  static ButtonActions actions;
  return actions;
}

MouseTarget::MouseTarget(QWidget* parent) : QWidget(parent) {
  InstallAccessibleControls();
}

void MouseTarget::setAction(QAction* action) {
  connect(this, &MouseTarget::clicked, action, &QAction::trigger);
  action_ = action;
  button_ = true;
  setToolTip(ActionHint(*action));
  setAccessibleName(action->toolTip());
}

void MouseTarget::click() {
  if (isEnabled()) emit clicked();
}

void MouseTarget::mousePressEvent(QMouseEvent* event) {
  if (!(buttons_ & event->button())) {
    event->ignore();
    return;
  }
  emit pressed(event->position().toPoint());
}

void MouseTarget::mouseReleaseEvent(QMouseEvent* event) {
  if (!(buttons_ & event->button())) {
    event->ignore();
    return;
  }
  const QPoint at = event->position().toPoint();
  emit released(at);
  if (rect().contains(at)) emit clicked();
}

ImageView::ImageView(QWidget* parent, const char* name) : MouseTarget(parent) {
  setObjectName(QString::fromLatin1(name));
}

void ImageView::setImage(const QImage& image, bool autoSize) {
  image_ = image;
  picture_ = nullptr;
  if (autoSize) resize(LogicalSize(image_));
  update();
}

void ImageView::setPicture(Picture draw, bool autoSize) {
  picture_ = std::move(draw);
  image_ = picture_(pixelRatio());
  if (autoSize) resize(LogicalSize(image_));
  update();
}

QImage& ImageView::canvas() {
  canvas_ = true;
  const double ratio = pixelRatio();
  if (image_.devicePixelRatio() != ratio) {
    QImage fresh = BlankPicture(LogicalSize(image_), ratio, image_.format());
    fresh.setDotsPerMeterX(image_.dotsPerMeterX());
    fresh.setDotsPerMeterY(image_.dotsPerMeterY());
    image_ = fresh;
  }
  return image_;
}

void ImageView::paintEvent(QPaintEvent*) {
  const double ratio = pixelRatio();
  if (image_.devicePixelRatio() != ratio && picture_) image_ = picture_(ratio);
  if (image_.devicePixelRatio() != ratio && canvas_) emit pixelRatioChanged();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

ClickArea::ClickArea(QWidget* parent, const char* name, QRect geometry, const QString& hint)
    : MouseTarget(parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(geometry);
  setToolTip(hint);
  setAccessibleName(hint);
  setButton(!hint.isEmpty());
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
  if (!hasFocus()) return;
  // The list's own focus frame is the outer ring alone, too faint beside a field's: the field's
  // whole frame, inner ring included, goes over it.
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.state |= QStyle::State_HasFocus;
  frame.lineWidth = 1;
  painter.drawPrimitive(QStyle::PE_FrameLineEdit, frame);
}

QString WindowTitle(const QString& part) {
  const QString program = QStringLiteral("Kelvra95");
  return part.isEmpty() ? program : program + QStringLiteral(" \u2013 ") + part;
}

void SetAccessibleName(QWidget& widget, const QString& name) {
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

void SetAccessibleDescription(QWidget& widget, const QString& description) {
  if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

void SetTextColour(QLabel& label, const QColor& colour) {
  if (label.palette().color(QPalette::WindowText) == colour) return;
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

QPalette PanelPalette() {
  static const QPalette palette = [] {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette colours = fusion->standardPalette();
    // Every role counts as set, so that none is taken from the system's palette.
    colours.setResolveMask(~QPalette::ResolveMask(0));
    return colours;
  }();
  return palette;
}

int RunModal(QDialog& dialog) {
  const QPointer<QWidget> before = QApplication::activeWindow();
  const int result = dialog.exec();
  if (before != nullptr && before->isVisible()) before->activateWindow();
  return result;
}

}  // namespace kelvra
