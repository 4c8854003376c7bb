#include "ui/main/interval.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/main/messages.h"
#include "ui/main/pictures.h"
#include "ui/main/widgets.h"

namespace kelvra {

TInterval::TInterval(std::uint16_t& animationInterval, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      Image1(new ImageView(this, "Image1")),
      txtInterval(new QLineEdit(this)),
      AnimationInterval(animationInterval) {
  setObjectName(QStringLiteral("Interval"));
  setModal(true);
  setFixedSize(110, 60);
  Image1->setImage(IntervalBackground(), true);

  txtInterval->setObjectName(QStringLiteral("txtInterval"));
  txtInterval->setGeometry(18, 20, 27, 23);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  txtInterval->setFont(font);
  txtInterval->setMaxLength(3);
  QPalette palette = txtInterval->palette();
  palette.setColor(QPalette::Base, QColor(255, 255, 181));
  txtInterval->setPalette(palette);
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
    case Qt::Key_Backspace:
      return false;
    default:
      break;
  }
  // Keys that type nothing (arrows, Delete, Home) keep their editing role; of the keys that
  // type, only digits get through.
  const QString typed = key.text();
  return !typed.isEmpty() && !(typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9');
}

// Stores the field's number and closes. Typed text is always digits, but pasted text may be
// anything: then the user is told, nothing is stored and the dialog stays open.
void TInterval::storeInterval() {
  if (txtInterval->text().trimmed().isEmpty()) txtInterval->setText(QStringLiteral("0"));
  bool isNumber = false;
  const std::uint16_t minutes = txtInterval->text().trimmed().toUShort(&isNumber, 10);
  if (!isNumber) {
    ShowError(QStringLiteral("'%1' is not a valid integer value").arg(txtInterval->text()));
    return;
  }
  AnimationInterval = minutes;
  accept();
}

}  // namespace kelvra
