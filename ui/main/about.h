// The About window: one picture and an exit button.
#pragma once

#include <QDialog>

namespace kelvra {

class ClickArea;
class ImageView;

class TAboutWin : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutWin(QWidget* parent = nullptr);

  ImageView* imgAbout;
  ClickArea* btnExit;

 private:
  void FormCreate();
  void btnExitClick();
};

}  // namespace kelvra
