#include "ui/main/messages.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace kelvra {
namespace {

MessageRecorder& recorder() {
  static MessageRecorder instance;
  return instance;
}

void show(MessageKind kind, const QString& text) {
  if (recorder()) {
    recorder()(kind, text);
    return;
  }
  // The program's windows have no title bars; the boxes carry the program's name.
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QStringLiteral("Kelvra95"), text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

void ShowError(const QString& text) { show(MessageKind::Error, text); }
void ShowMessage(const QString& text) { show(MessageKind::Plain, text); }
void SetMessageRecorder(MessageRecorder newRecorder) { recorder() = std::move(newRecorder); }

}  // namespace kelvra
