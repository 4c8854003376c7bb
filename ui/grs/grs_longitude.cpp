#include "ui/grs/grs_longitude.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/common/entry_field.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/layout.h"
#include "ui/common/side_window_host.h"
#include "ui/common/widgets.h"

namespace kelvra {
namespace {

constexpr QSize kDesignedSize(102, 107);  // pixels, when the background cannot be loaded

}  // namespace

TGRSLongitude::TGRSLongitude(SideWindowHost& host, QWidget& grsWindow)
    : QDialog(&grsWindow, Qt::Dialog | Qt::FramelessWindowHint),
      host_(host),
      grsWindow_(grsWindow),
      imgGRSLong(new ImageView(this, "imgGRSLong")),
      txtRSLong(MakeNumberField(this, "txtRSLong", layout::kLongitudeField, 3)) {
  setObjectName(QStringLiteral("GRSLongitude"));
  setModal(true);
  txtRSLong->installEventFilter(this);
  FormCreate();
}

void TGRSLongitude::FormCreate() {
  const bool loaded = LoadJpegAsset(*imgGRSLong, QStringLiteral("Kelvra0.dat"));
  // Without its picture the dialog still opens, bare, so the longitude can be set.
  setFixedSize(loaded ? imgGRSLong->size() : kDesignedSize);
}

void TGRSLongitude::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TGRSLongitude::FormActivate() {
  txtRSLong->setText(QString::number(host_.config().RSLongitude));
  txtRSLong->selectAll();
  txtRSLong->setFocus();
  // Just under the GRS window's globe button.
  move(grsWindow_.x() + 66, grsWindow_.y() + 40);
}

bool TGRSLongitude::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtRSLong && event->type() == QEvent::KeyPress) {
    return txtRSLongKeyPress(*static_cast<QKeyEvent*>(event));
  }
  return QDialog::eventFilter(watched, event);
}

bool TGRSLongitude::txtRSLongKeyPress(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (storeLongitude()) accept();
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    default:
      return DiscardedInNumberField(key);
  }
}

bool TGRSLongitude::storeLongitude() {
  const std::optional<std::uint16_t> longitude = ReadNumberField(*txtRSLong);
  if (!longitude) return false;
  host_.config().RSLongitude = *longitude;
  host_.saveSettings();
  txtRSLong->selectAll();
  return true;
}

}  // namespace kelvra
