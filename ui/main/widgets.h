// The two building blocks of the skinned windows: a picture and a transparent click area.
#pragma once

#include <QImage>
#include <QWidget>

namespace kelvra {

// A picture component: shows its QImage at its top-left corner, unscaled. Pictures that are
// only holders of other pictures are simply never shown.
class ImageView : public QWidget {
  Q_OBJECT
 public:
  explicit ImageView(QWidget* parent, const char* name);

  // Takes a copy of the picture; with autoSize the component takes the picture's size.
  void setImage(const QImage& image, bool autoSize = false);
  const QImage& image() const { return image_; }
  // Drawing straight into the picture; call update() afterwards to show it.
  QImage& canvas() { return image_; }

 signals:
  void clicked();
  void pressed(QPoint position);
  void released(QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

// A transparent label that only receives the mouse: the buttons drawn on a skin picture.
// While a button is held it keeps receiving moves, also outside its own rectangle.
class ClickArea : public QWidget {
  Q_OBJECT
 public:
  ClickArea(QWidget* parent, const char* name, QRect geometry, const QString& hint = {});

 signals:
  void clicked();
  void pressed(QPoint position);  // relative to the area
  void moved(QPoint position);    // relative to the area, only while a button is held
  void released(QPoint position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kelvra
