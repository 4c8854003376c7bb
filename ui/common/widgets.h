// The two building blocks of the skinned windows: a picture and a transparent click area.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "ui/common/accessibility.h"

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
  explicit MouseTarget(QWidget* parent);

  // A click triggers `action`, and the target is a button: its tooltip names the action and its
  // key, its accessible name the action alone (a screen reader says the key from the action).
  void setAction(QAction* action);
  QAction* action() const { return action_; }
  // The buttons the target answers (a drag handle takes any).
  void setButtons(Qt::MouseButtons buttons) { buttons_ = buttons; }
  // Whether the target is a button on the skin (an action, or a hint given), not a picture.
  bool isButton() const { return button_; }
  // What a left click on an enabled target does, for a screen reader that presses it.
  void click();

 signals:
  void clicked();
  void pressed(QPoint position);  // relative to the widget
  void released(QPoint position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void setButton(bool button) { button_ = button; }

 private:
  Qt::MouseButtons buttons_ = Qt::LeftButton;
  QPointer<QAction> action_;
  bool button_ = false;
};

// A picture component: shows its QImage at its top-left corner, in window pixels. Pictures that
// are only holders of other pictures are simply never shown.
//
// On a dense screen (1.5 or 2 device pixels per window pixel) what the program draws itself is
// drawn at the screen's ratio, so that its text and lines are as sharp as Qt's own: a picture
// comes as the function that draws it at a ratio (setPicture), and a list or view draws into a
// canvas of the screen's ratio. Only a picture given as it is (a skin) is scaled to the screen.
class ImageView : public MouseTarget {
  Q_OBJECT
 public:
  // Draws a picture at `ratio` device pixels per window pixel, painting in window pixels.
  using Picture = std::function<QImage(double ratio)>;

  explicit ImageView(QWidget* parent, const char* name);

  // Takes a copy of the picture, shown scaled when its ratio is not the screen's; with autoSize
  // the component takes the picture's size in window pixels.
  void setImage(const QImage& image, bool autoSize = false);
  // Shows what `draw` draws at the screen's ratio, drawn again when the window comes to a
  // screen of another ratio; with autoSize the component takes the picture's size.
  void setPicture(Picture draw, bool autoSize = false);
  // The function the picture was drawn with; empty for a picture given as it is.
  const Picture& picture() const { return picture_; }
  const QImage& image() const { return image_; }
  // Drawing straight into the picture, in window pixels; call update() afterwards to show it.
  // The canvas keeps its size in window pixels at the screen's ratio: at another ratio it is a
  // new one (same format and dots per metre, pixels undefined) for its owner to draw in full.
  QImage& canvas();
  // Device pixels per window pixel on the screen the component is shown on (1 at scale 1).
  double pixelRatio() const { return devicePixelRatioF(); }

  // A picture that is a view, a chart or a list says what it shows through `source`, asked whenever
  // a screen reader reads it (InstallAccessibleControls).
  void setSpoken(std::function<SpokenPicture()> source) { spoken_ = std::move(source); }
  bool isSpoken() const { return static_cast<bool>(spoken_); }
  SpokenPicture spoken() const { return spoken_ ? spoken_() : SpokenPicture{}; }

 signals:
  // A canvas came to a screen of another ratio than it was drawn at: its owner draws it again
  // (connected queued, as it is told while the component paints).
  void pixelRatioChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  Picture picture_;
  bool canvas_ = false;  // drawn into through canvas()
  std::function<SpokenPicture()> spoken_;
};

// A transparent label that only receives the mouse: the buttons drawn on a skin picture. The
// hint is its tooltip and its accessible name; with one it is a button. While a mouse button
// is held it keeps receiving moves, also outside its own rectangle.
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

// The title of one of the program's windows: "Kelvra95", or with `part` "Kelvra95 – Tracks".
QString WindowTitle(const QString& part = {});

// Set a widget's accessible name or description, unless it has it already: a screen reader
// hears of a change only.
void SetAccessibleName(QWidget& widget, const QString& name);
void SetAccessibleDescription(QWidget& widget, const QString& description);

// Sets a label's text colour; a label already in that colour is left alone (no repaint). The
// label is transparent: its background is the window's picture under it.
void SetTextColour(QLabel& label, const QColor& colour);

// The palette of the program's own windows, whatever the system's: the light Fusion colours
// the windows and their fields were drawn in from the first, every text colour beside its
// background (window, base, button, highlight), so that a dark system palette leaves them as
// they are. Qt's own dialogs, menus and tooltips are windows of their own and keep the
// system's palette: a window's palette does not pass to another window.
QPalette PanelPalette();

// Runs `dialog` modally and then gives the keyboard back to the window that had it before.
// Without a window manager nobody else does, and the program's keys would go nowhere.
// Returns: what QDialog::exec returns.
int RunModal(QDialog& dialog);

}  // namespace kelvra
