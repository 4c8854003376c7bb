// The observing log on disk: an SQLite database (Qt SQL), Kelvra95-log.sqlite in the first
// writable of the settings' two folders. Each stamp is committed before stamp() returns, so a
// killed program loses nothing already stamped. A file in the log's place that is not a log is
// never opened for writing: it is said once and kept, and the log goes to a new file beside it.
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/observing_log.h"

namespace kelvra {

inline constexpr const char* kLogFileName = "Kelvra95-log.sqlite";
inline constexpr int kLogSchemaVersion = 1;  // PRAGMA user_version of the files this writes

// One entry of the log.
struct LogEntry {
  std::int64_t id = 0;  // the row's number, for update and remove
  LogRecord record;
};

// What a file in the log's place is.
enum class LogFileState {
  Absent,       // nothing there: a new log is made
  Log,          // a log of this program, or an empty file
  NotRegular,   // a folder, FIFO, socket or device
  Unreadable,   // cannot be opened for reading or writing
  NotDatabase,  // not an SQLite database (or a damaged header)
  Damaged,      // an SQLite database that fails its integrity check
  Foreign,      // another program's database, or a newer log than this program reads
};

// The log's messages. `why`: what failed ("The observing log cannot be written in …"); `log`:
// where the log is written instead, or the in-memory warning.
QString LogInMemoryMessage(const QString& why);
QString LogFileKeptMessage(const QString& file, const QString& reason, const QString& log);
QString LogTimeNotReadMessage(const QString& text);  // a corrected time that is no time
QString LogExportFailedMessage(const QString& path);

// Looks at `file` without waiting (a FIFO is never opened) and without changing it.
LogFileState InspectLogFile(const std::filesystem::path& file);

class ObservingLog {
 public:
  // `folders`: where the log may live, in order (the settings' two folders). Nothing is opened
  // until the log is first used.
  explicit ObservingLog(std::vector<std::filesystem::path> folders);
  ~ObservingLog();
  ObservingLog(const ObservingLog&) = delete;
  ObservingLog& operator=(const ObservingLog&) = delete;

  // Adds an entry observed at `tenths` (since 1970 UT) and commits it. Returns its id; none
  // only when not even the run's memory could take it.
  std::optional<std::int64_t> stamp(std::int64_t tenths, const std::optional<ObserverSite>& site);
  // Every entry, oldest observation first (also those another copy of the program wrote).
  std::vector<LogEntry> entries();
  // Writes an entry's contact, time and note; removes one. Returns false when it failed.
  bool update(const LogEntry& entry);
  bool remove(std::int64_t id);

  // The file the log is written to; empty while it is held in memory for the run.
  std::filesystem::path file();
  // What the log window shows above the entries when the log is not safe on disk; else empty.
  QString warning();

 private:
  void open();
  bool openFile(const std::filesystem::path& file);
  void openMemory(const QString& why);
  // A write failed on the file: the entries go on in memory, and the user is told once.
  void fallBackToMemory(const QString& why);

  std::vector<std::filesystem::path> folders_;
  QString connection_;  // the QSqlDatabase connection's name, unique to this log
  bool opened_ = false;
  std::filesystem::path file_;
  QString warning_;
};

}  // namespace kelvra
