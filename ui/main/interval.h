// The small dialog that asks for the animation's step in minutes.
#pragma once

#include <QDialog>

#include <cstdint>

class QKeyEvent;
class QLineEdit;

namespace kelvra {

class ImageView;

class TInterval : public QDialog {
  Q_OBJECT
 public:
  // `animationInterval` (minutes per frame, 0..999) is the main window's field; the dialog
  // stores into it when the user confirms with Enter or Tab.
  explicit TInterval(std::uint16_t& animationInterval, QWidget* parent = nullptr);

  ImageView* Image1;
  QLineEdit* txtInterval;

 protected:
  void showEvent(QShowEvent* event) override;
  // Sees txtInterval's keys before the field and before Qt's focus handling sees Tab.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormActivate();
  // Returns true when the key is used up here and must not reach the field.
  bool txtIntervalKeyPress(const QKeyEvent& key);
  void storeInterval();

  std::uint16_t& AnimationInterval;  // minutes per frame
};

}  // namespace kelvra
