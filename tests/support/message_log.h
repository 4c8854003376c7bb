// Records every message box the code under test would show, instead of showing it.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/common/messages.h"

namespace kelvra::testing {

class MessageLog {
 public:
  MessageLog() {
    SetMessageRecorder([this](MessageKind kind, const QString& text) {
      (kind == MessageKind::Error ? errors : plain).append(text);
    });
  }
  ~MessageLog() { SetMessageRecorder({}); }
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  QStringList errors;  // error boxes, in order
  QStringList plain;   // plain message boxes, in order
};

}  // namespace kelvra::testing
