// Opening a local document (the help) in the viewer the desktop chooses for it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <filesystem>

namespace kelvra {

// The message when no viewer could open the help document: its path, to open it by hand.
QString HelpNotOpenedMessage(const std::filesystem::path& file);

// How long an attempt may run before it is taken that a viewer opened: a real xdg-open often
// waits for the browser it started.
inline constexpr std::chrono::milliseconds kViewerPatience{10000};

// Opens documents with xdg-open, one attempt at a time. xdg-open runs in a session of its own
// and is never killed: ending the program leaves it to finish on its own.
class DocumentOpener : public QObject {
 public:
  explicit DocumentOpener(QObject* parent = nullptr,
                          std::chrono::milliseconds patience = kViewerPatience);
  ~DocumentOpener() override;
  DocumentOpener(const DocumentOpener&) = delete;
  DocumentOpener& operator=(const DocumentOpener&) = delete;

  // Starts xdg-open on `file` and returns at once; the cursor is busy until the attempt ends.
  // When xdg-open is missing, fails, or says it found no viewer (any status but 0), a message
  // names the file's path. With no status within the patience, the attempt ends silently.
  // Returns: false, having done nothing, while an earlier attempt is still under way.
  bool open(const std::filesystem::path& file);

  // True from open() until xdg-open's status is judged or the patience has run out.
  bool busy() const { return current_ != nullptr; }

 private:
  void endAttempt();

  QObject* current_ = nullptr;  // the watch of the running attempt's xdg-open
  QTimer patience_;
};

}  // namespace kelvra
