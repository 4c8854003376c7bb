#include "ui/grs/grs_longitude.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/main/jpeg_loader.h"
#include "ui/main/messages.h"
#include "ui/main/side_window_host.h"
#include "ui/main/widgets.h"

namespace kelvra {
namespace {

constexpr QSize kDesignedSize(102, 107);  // pixels, when the background cannot be loaded
constexpr char16_t kBackspace = 8, kTab = 9, kEnter = 13, kEscape = 27;

// The character a key press types, with the editing keys as their control characters;
// a null character for keys that type nothing.
QChar typedCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(kEnter);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return QChar(kTab);
    case Qt::Key_Escape:
      return QChar(kEscape);
    case Qt::Key_Backspace:
      return QChar(kBackspace);
    default:
      if (event.text().isEmpty()) return QChar();
      // Several characters in one press count as one that is not a digit, so they are dropped.
      return event.text().size() == 1 ? event.text().front() : QChar(QChar::ReplacementCharacter);
  }
}

}  // namespace

TGRSLongitude::TGRSLongitude(SideWindowHost& host, QWidget& grsWindow)
    : QDialog(&grsWindow, Qt::Dialog | Qt::FramelessWindowHint),
      host_(host),
      grsWindow_(grsWindow),
      imgGRSLong(new ImageView(this, "imgGRSLong")),
      txtRSLong(new QLineEdit(this)) {
  setObjectName(QStringLiteral("GRSLongitude"));
  setModal(true);
  txtRSLong->setObjectName(QStringLiteral("txtRSLong"));
  txtRSLong->setGeometry(37, 63, 26, 23);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  txtRSLong->setFont(font);
  txtRSLong->setMaxLength(3);
  // Every character then arrives as a key press, where the filter sees it.
  txtRSLong->setAttribute(Qt::WA_InputMethodEnabled, false);
  txtRSLong->installEventFilter(this);
  FormCreate();
}

void TGRSLongitude::FormCreate() {
  QPalette palette = txtRSLong->palette();
  palette.setColor(QPalette::Base, QColor(255, 255, 181));
  txtRSLong->setPalette(palette);
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
    const QChar key = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (!key.isNull()) return txtRSLongKeyPress(key);
  }
  return QDialog::eventFilter(watched, event);
}

bool TGRSLongitude::txtRSLongKeyPress(QChar key) {
  const char16_t code = key.unicode();
  if (code == kEnter || code == kTab) {
    if (!storeLongitude()) return true;
    accept();
    return true;
  }
  if (code == kEscape) {
    reject();
    return true;
  }
  // Digits and Backspace are typed; other printable characters are dropped, while control
  // characters (the clipboard shortcuts among them) go on to the field.
  if ((code >= u'0' && code <= u'9') || code == kBackspace) return false;
  return key.isPrint();
}

bool TGRSLongitude::storeLongitude() {
  if (txtRSLong->text().trimmed().isEmpty()) txtRSLong->setText(QStringLiteral("0"));
  bool isNumber = false;
  const int value = txtRSLong->text().trimmed().toInt(&isNumber, 10);
  if (!isNumber) {
    ShowError(QStringLiteral("'%1' is not a valid integer value").arg(txtRSLong->text()));
    return false;
  }
  host_.config().RSLongitude = value;
  host_.saveSettings();
  txtRSLong->selectAll();
  return true;
}

}  // namespace kelvra
