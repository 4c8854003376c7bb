#include "ui/main/interval.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/common/entry_field.h"
#include "ui/common/layout.h"
#include "ui/common/widgets.h"
#include "ui/main/main_pictures.h"

namespace kelvra {

TInterval::TInterval(std::uint16_t& animationInterval, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      Image1(new ImageView(this, "Image1")),
      txtInterval(MakeNumberField(this, "txtInterval", layout::kIntervalField, 3)),
      AnimationInterval(animationInterval) {
  setObjectName(QStringLiteral("Interval"));
  setWindowTitle(tr("Interval"));
  txtInterval->setAccessibleName(tr("Interval in minutes"));
  setModal(true);
  setFixedSize(110, 60);
  setPalette(PanelPalette());
  Image1->setPicture(IntervalBackground, true);

  txtInterval->installEventFilter(this);
}

void TInterval::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TInterval::FormActivate() {
  txtInterval->setFocus();
  txtInterval->selectAll();
}

bool TInterval::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtInterval && event->type() == QEvent::KeyPress) {
    return txtIntervalKeyPress(static_cast<const QKeyEvent&>(*event));
  }
  return QDialog::eventFilter(watched, event);
}

bool TInterval::txtIntervalKeyPress(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
      storeInterval();
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    default:
      break;
  }
  return RefuseKey(*txtInterval, key, DiscardedInNumberField(key));
}

// Stores the field's number and closes. Typed text is always digits, but pasted text may be
// anything: then the user is told, nothing is stored and the dialog stays open.
void TInterval::storeInterval() {
  const std::optional<std::uint16_t> minutes = ReadNumberField(*txtInterval);
  if (!minutes) return;
  AnimationInterval = *minutes;
  accept();
}

}  // namespace kelvra
