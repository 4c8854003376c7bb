// The small dialog in which the user types the Red Spot's System II longitude.
#pragma once

#include <QDialog>

class QKeyEvent;
class QLineEdit;

namespace kelvra {

class ImageView;
class SideWindowHost;

class TGRSLongitude : public QDialog {
  Q_OBJECT
 public:
  // Runs FormCreate. `grsWindow` is the window the dialog opens under (and its parent);
  // the longitude is read and stored through `host`.
  TGRSLongitude(SideWindowHost& host, QWidget& grsWindow);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  // Returns: true when the key is consumed.
  bool txtRSLongKeyPress(const QKeyEvent& key);
  // Returns: false when the field's text is not a whole number (the error box has been shown).
  bool storeLongitude();

  SideWindowHost& host_;
  QWidget& grsWindow_;
  ImageView* imgGRSLong;
  QLineEdit* txtRSLong;
};

}  // namespace kelvra
