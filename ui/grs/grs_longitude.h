// The small dialog in which the user types the Red Spot's System II longitude, its drift a
// month and the date on which the longitude held.
#pragma once

#include <QDialog>

#include <ctime>

#include "core/grs_prediction.h"

class QKeyEvent;
class QLineEdit;

namespace kelvra {

class ImageView;
class SettingsStore;
class SideWindowHost;

class TGRSLongitude : public QDialog {
  Q_OBJECT
 public:
  // Runs FormCreate. `grsWindow` is the window the dialog opens under (and its parent);
  // the longitude is read and stored through `host`, the drift and its date through `store`'s
  // ini file.
  TGRSLongitude(SideWindowHost& host, QWidget& grsWindow, SettingsStore& store);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  // Returns: true when the key is consumed.
  bool fieldKeyPress(QLineEdit& field, const QKeyEvent& key);
  // Reads all three fields and stores them. Returns: false when a field cannot be read (its
  // message has been shown, or its text corrected); nothing is then stored.
  bool storeAll();

  SideWindowHost& host_;
  QWidget& grsWindow_;
  SettingsStore& store_;
  ImageView* imgGRSLong;
  QLineEdit* txtRSLong;
  QLineEdit* txtDrift;
  QLineEdit* txtEpoch;
};

// Given: an instant, seconds since 1970. Returns: 0h UT of its UT date (days).
JulianDay StartOfUTDay(std::time_t instant);

}  // namespace kelvra
