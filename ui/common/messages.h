// The one place every message box of the program goes through.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kelvra {

enum class MessageKind { Error, Plain };

// An error box (wrong input, printing failures) or a plain message box (missing files),
// each with one OK button, modal. Returns when the user has closed it.
void ShowError(const QString& text);
void ShowMessage(const QString& text);

// Tests install a recorder so that no modal box ever blocks them; an empty function
// puts the real boxes back.
using MessageRecorder = std::function<void(MessageKind kind, const QString& text)>;
void SetMessageRecorder(MessageRecorder recorder);

}  // namespace kelvra
