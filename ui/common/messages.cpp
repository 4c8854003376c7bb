#include "ui/common/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <utility>

namespace kelvra {
namespace {

MessageRecorder& recorder() {
  static MessageRecorder instance;
  return instance;
}

// The text as the box lays it out. Qt breaks the line at a carriage return as well as at a
// line feed, so a line feed followed by a carriage return would leave a blank line; the pair
// is one line break. A carriage return followed by a line feed is already one and stays.
QString boxText(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    shown.append(text[i]);
    const bool pair = i + 1 < text.size();
    if (pair && text[i] == u'\r' && text[i + 1] == u'\n') {
      shown.append(text[++i]);
    } else if (pair && text[i] == u'\n' && text[i + 1] == u'\r') {
      ++i;
    }
  }
  return shown;
}

void show(MessageKind kind, const QString& text) {
  if (recorder()) {
    recorder()(kind, text);
    return;
  }
  // The program's windows have no title bars; the boxes carry the program's name.
  const QPointer<QWidget> owner = QApplication::activeWindow();
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QStringLiteral("Kelvra95"), boxText(text), QMessageBox::Ok, owner);
  box.exec();
  // Without a window manager nobody hands the keyboard back to the window the box stood
  // over: keys would go to whatever lies under the pointer, or nowhere.
  if (owner != nullptr) owner->activateWindow();
}

}  // namespace

void ShowError(const QString& text) {
  show(MessageKind::Error, text);
}
void ShowMessage(const QString& text) {
  show(MessageKind::Plain, text);
}
void SetMessageRecorder(MessageRecorder newRecorder) {
  recorder() = std::move(newRecorder);
}

}  // namespace kelvra
