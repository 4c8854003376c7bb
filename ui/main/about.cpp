#include "ui/main/about.h"

#include "ui/common/jpeg_loader.h"
#include "ui/common/layout.h"
#include "ui/common/skin_words.h"
#include "ui/common/widgets.h"

namespace kelvra {

TAboutWin::TAboutWin(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      imgAbout(new ImageView(this, "imgAbout")),
      btnExit(new ClickArea(this, "btnExit", layout::AboutWindow::exit, QStringLiteral("Exit"))) {
  setObjectName(QStringLiteral("AboutWin"));
  setWindowTitle(QStringLiteral("About Kelvra95"));
  setModal(true);
  setFixedSize(layout::AboutWindow::size);
  setPalette(PanelPalette());
  connect(btnExit, &ClickArea::clicked, this, &TAboutWin::btnExitClick);
  FormCreate();
}

// Without its picture the window still opens and closes; the loader has told the user.
void TAboutWin::FormCreate() {
  LoadSkinAsset(*imgAbout, QStringLiteral("Kelvra8.dat"), kAboutWords);
}

void TAboutWin::btnExitClick() {
  close();
}

}  // namespace kelvra
