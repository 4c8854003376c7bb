// The two building blocks of the skinned windows: a picture and a transparent click area.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QWidget>

class QAction;
class QDialog;
class QLabel;

namespace kelvra {

// Announces an action of the program's windows (a button, its key or its menu entry) just
// before it acts. The main window listens and first takes a date or time that is typed but not
// yet left, as if the focus had left its field: the buttons and keys take no focus, so without
// this an action would act on the instant before the edit while the field shows the edit.
class ButtonActions : public QObject {
  Q_OBJECT
 public:
  static ButtonActions& instance();

 signals:
  void aboutToAct();
};

// What the picture and the click area share: the mouse's presses, releases and clicks, of the
// left button unless told otherwise; another button's press goes on to the window (its menu).
class MouseTarget : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // A click triggers `action`; the tooltip and the accessible name name it and its key.
  void setAction(QAction* action);
  // The buttons the target answers (a drag handle takes any).
  void setButtons(Qt::MouseButtons buttons) { buttons_ = buttons; }

 signals:
  void clicked();
  void pressed(QPoint position);  // relative to the widget
  void released(QPoint position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Qt::MouseButtons buttons_ = Qt::LeftButton;
};

// A picture component: shows its QImage at its top-left corner, unscaled. Pictures that are
// only holders of other pictures are simply never shown.
class ImageView : public MouseTarget {
  Q_OBJECT
 public:
  explicit ImageView(QWidget* parent, const char* name);

  // Takes a copy of the picture; with autoSize the component takes the picture's size.
  void setImage(const QImage& image, bool autoSize = false);
  const QImage& image() const { return image_; }
  // Drawing straight into the picture; call update() afterwards to show it.
  QImage& canvas() { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

// A transparent label that only receives the mouse: the buttons drawn on a skin picture. The
// hint is its tooltip and its accessible name. While a button is held it keeps receiving
// moves, also outside its own rectangle.
class ClickArea : public MouseTarget {
  Q_OBJECT
 public:
  ClickArea(QWidget* parent, const char* name, QRect geometry, const QString& hint = {});

 signals:
  void moved(QPoint position);  // relative to the area, only while a button is held

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

// A drop-down list that shows where the keyboard is: with the focus it draws the same
// highlighted frame as a focused number field. The style draws a list's focus only after
// Tab, not after a click or Enter, and then a keyboard user cannot tell where keys go.
class FocusFramedComboBox : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Sets a label's text colour; a label already in that colour is left alone (no repaint).
void SetTextColour(QLabel& label, const QColor& colour);

// Runs `dialog` modally and then gives the keyboard back to the window that had it before.
// Without a window manager nobody else does, and the program's keys would go nowhere.
// Returns: what QDialog::exec returns.
int RunModal(QDialog& dialog);

}  // namespace kelvra
