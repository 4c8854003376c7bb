#include "ui/events/observing_log_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <cstring>
#include <utility>

#include "ui/common/messages.h"

namespace kelvra {
namespace {

// The context of this file's words for the translations: a tr() of their own keeps the
// context's name out of the messages' text, which the help's check reads.
struct LogWords {
  Q_DECLARE_TR_FUNCTIONS(kelvra::ObservingLog)
};

constexpr int kApplicationId = 0x4B4C4F47;  // "KLOG" in PRAGMA application_id: this program's log
constexpr const char* kBusyWait = "QSQLITE_BUSY_TIMEOUT=5000";  // ms another copy may hold it

QString connectionName() {
  static std::atomic<int> next{0};
  return QStringLiteral("kelvra-log-%1").arg(next++);
}

QString native(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

// Runs `sql`; returns the first column of its first row, or an invalid value on failure.
QVariant scalar(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  if (!query.exec(sql) || !query.next()) return {};
  return query.value(0);
}

LogFileState inspectDatabase(const std::filesystem::path& file) {
  const QString name = connectionName();
  LogFileState state = LogFileState::Damaged;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(native(file));
    db.setConnectOptions(QString::fromLatin1(kBusyWait));
    if (db.open()) {
      const QVariant check = scalar(db, QStringLiteral("PRAGMA quick_check"));
      const QVariant id = scalar(db, QStringLiteral("PRAGMA application_id"));
      const QVariant version = scalar(db, QStringLiteral("PRAGMA user_version"));
      const QVariant tables = scalar(db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
      if (check.toString() == QLatin1String("ok") && id.isValid() && version.isValid() &&
          tables.isValid()) {
        if (id.toInt() == kApplicationId) {
          state = version.toInt() <= kLogSchemaVersion ? LogFileState::Log : LogFileState::Foreign;
        } else {
          state =
              id.toInt() == 0 && tables.toInt() == 0 ? LogFileState::Log : LogFileState::Foreign;
        }
      }
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(name);
  return state;
}

QString stateWords(LogFileState state) {
  switch (state) {
    case LogFileState::NotRegular:
      return LogWords::tr("it is not a regular file");
    case LogFileState::Unreadable:
      return LogWords::tr("it cannot be read or written");
    case LogFileState::NotDatabase:
      return LogWords::tr("it is not an observing log");
    case LogFileState::Damaged:
      return LogWords::tr("it is damaged");
    case LogFileState::Foreign:
      return LogWords::tr("it is another program's database, or a newer version's log");
    case LogFileState::Absent:
    case LogFileState::Log:
      break;
  }
  return {};
}

}  // namespace

QString LogInMemoryMessage(const QString& why) {
  //: After a sentence saying why the log cannot be kept in a file (it starts with a space).
  return why + LogWords::tr(
                   " The stamps are kept only until Kelvra95 ends: export them as CSV "
                   "before you close it.");
}

QString LogFileKeptMessage(const QString& file, const QString& reason, const QString& log) {
  //: %1 a file that is not this program's log, %2 why ("it is damaged"), %3 the log's file.
  return LogWords::tr("%1 is kept as it is, since %2. The observing log is written to: %3")
      .arg(file, reason, log);
}

QString LogTimeNotReadMessage(const QString& text) {
  //: %1 what was typed; the example's form is the one read, whatever the language.
  return LogWords::tr("%1 is not a time: write it as 2026-12-09 17:03:12.3, in UT.").arg(text);
}

QString LogExportFailedMessage(const QString& path) {
  return LogWords::tr("The observing log could not be exported.\nCannot write %1.").arg(path);
}

LogFileState InspectLogFile(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0)
    return errno == ENOENT ? LogFileState::Absent : LogFileState::Unreadable;
  if (!S_ISREG(info.st_mode)) return LogFileState::NotRegular;  // a FIFO would block SQLite
  if (::access(file.c_str(), R_OK | W_OK) != 0) return LogFileState::Unreadable;
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return LogFileState::Unreadable;
  char header[16] = {};
  const ssize_t got = ::read(fd, header, sizeof header);
  ::close(fd);
  if (got == 0) return LogFileState::Log;  // an empty file is an empty database to SQLite
  if (got != sizeof header || std::memcmp(header, "SQLite format 3", 16) != 0)
    return LogFileState::NotDatabase;
  return inspectDatabase(file);
}

ObservingLog::ObservingLog(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)), connection_(connectionName()) {}

ObservingLog::~ObservingLog() {
  if (!opened_) return;
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

void ObservingLog::open() {
  if (opened_) return;
  opened_ = true;
  std::filesystem::path folder;
  QStringList tried;
  for (const std::filesystem::path& f : folders_) {
    if (f.empty()) continue;
    tried << native(f);
    std::error_code error;
    std::filesystem::create_directories(f, error);
    if (std::filesystem::is_directory(f, error) && ::access(f.c_str(), W_OK | X_OK) == 0) {
      folder = f;
      break;
    }
  }
  if (folder.empty()) {
    //: %1 the folders tried, joined by " nor in ".
    const QString why = LogWords::tr("The observing log cannot be written in %1.")
                            //: Between the folders the log could not be written in.
                            .arg(tried.join(LogWords::tr(" nor in ")));
    openMemory(why);
    ShowMessage(LogInMemoryMessage(why));
    return;
  }
  std::optional<std::pair<std::filesystem::path, LogFileState>> refused;
  // A file that is not a log keeps its name; the log goes to the first free or log file beside
  // it, Kelvra95-log-2.sqlite and so on, which later runs find again.
  for (int n = 1; n <= 99 && file_.empty(); ++n) {
    const std::filesystem::path file =
        n == 1 ? folder / kLogFileName : folder / ("Kelvra95-log-" + std::to_string(n) + ".sqlite");
    LogFileState state = InspectLogFile(file);
    if ((state == LogFileState::Absent || state == LogFileState::Log) && openFile(file)) break;
    if (state == LogFileState::Absent || state == LogFileState::Log)
      state = LogFileState::Unreadable;
    if (!refused) refused.emplace(file, state);
  }
  if (file_.empty()) {
    openMemory(LogWords::tr("No observing log could be made in %1.").arg(native(folder)));
  }
  if (refused) {
    ShowMessage(LogFileKeptMessage(native(refused->first), stateWords(refused->second),
                                   file_.empty() ? warning_ : native(file_)));
  }
}

bool ObservingLog::openFile(const std::filesystem::path& file) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db.setDatabaseName(native(file));
  db.setConnectOptions(QString::fromLatin1(kBusyWait));
  bool ready = db.open();
  if (ready) {
    QSqlQuery query(db);
    // IMMEDIATE: two copies starting at once make the table once, the second waiting.
    ready = query.exec(QStringLiteral("PRAGMA synchronous = FULL")) &&
            query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (ready && scalar(db, QStringLiteral("PRAGMA user_version")).toInt() == 0) {
      ready = query.exec(QStringLiteral(
                  "CREATE TABLE IF NOT EXISTS stamps (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                  "observed INTEGER NOT NULL, stamped INTEGER NOT NULL, "
                  "code TEXT NOT NULL DEFAULT '', phase TEXT NOT NULL DEFAULT '', "
                  "predicted REAL, latitude REAL, longitude REAL, height REAL, "
                  "note TEXT NOT NULL DEFAULT '')")) &&
              query.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)) &&
              query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kLogSchemaVersion));
    }
    ready = query.exec(ready ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK")) && ready;
  }
  if (!ready) {
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
    return false;
  }
  file_ = file;
  return true;
}

void ObservingLog::openMemory(const QString& why) {
  file_.clear();
  warning_ = LogInMemoryMessage(why);
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db.setDatabaseName(QStringLiteral(":memory:"));
  db.open();
  QSqlQuery query(db);
  query.exec(QStringLiteral(
      "CREATE TABLE stamps (id INTEGER PRIMARY KEY AUTOINCREMENT, observed INTEGER NOT NULL, "
      "stamped INTEGER NOT NULL, code TEXT NOT NULL DEFAULT '', phase TEXT NOT NULL DEFAULT '', "
      "predicted REAL, latitude REAL, longitude REAL, height REAL, note TEXT NOT NULL DEFAULT "
      "'')"));
}

void ObservingLog::fallBackToMemory(const QString& why) {
  const std::vector<LogEntry> kept = entries();
  const std::filesystem::path was = file_;
  { QSqlDatabase::database(connection_, false).close(); }
  QSqlDatabase::removeDatabase(connection_);
  //: %1 the log's file, %2 the database's own words for the failure.
  const QString failed = LogWords::tr("%1 could not be written (%2).").arg(native(was), why);
  openMemory(failed);
  // The same ids, so that an update or removal under way finds its entry.
  for (const LogEntry& entry : kept) {
    QSqlQuery insert(QSqlDatabase::database(connection_, false));
    insert.prepare(
        QStringLiteral("INSERT INTO stamps (id, observed, stamped, latitude, longitude, "
                       "height) VALUES (?, ?, ?, ?, ?, ?)"));
    const std::optional<ObserverSite>& site = entry.record.site;
    insert.addBindValue(QVariant::fromValue<qlonglong>(entry.id));
    insert.addBindValue(QVariant::fromValue<qlonglong>(entry.record.observedTenths));
    insert.addBindValue(QVariant::fromValue<qlonglong>(entry.record.observedTenths));
    insert.addBindValue(site ? QVariant(site->latitudeDeg) : QVariant());
    insert.addBindValue(site ? QVariant(site->longitudeDeg) : QVariant());
    insert.addBindValue(site ? QVariant(site->heightM) : QVariant());
    if (insert.exec()) update(entry);
  }
  ShowError(LogInMemoryMessage(failed));
}

std::optional<std::int64_t> ObservingLog::stamp(std::int64_t tenths,
                                                const std::optional<ObserverSite>& site) {
  open();
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery query(db);
  query.prepare(QStringLiteral(
      "INSERT INTO stamps (observed, stamped, latitude, longitude, height) VALUES (?, ?, ?, ?, "
      "?)"));
  query.addBindValue(QVariant::fromValue<qlonglong>(tenths));
  query.addBindValue(QVariant::fromValue<qlonglong>(tenths));
  const QVariant none;
  query.addBindValue(site ? QVariant(site->latitudeDeg) : none);
  query.addBindValue(site ? QVariant(site->longitudeDeg) : none);
  query.addBindValue(site ? QVariant(site->heightM) : none);
  // Autocommit: the row is on disk (synchronous FULL) when exec returns.
  if (query.exec()) return query.lastInsertId().toLongLong();
  if (file_.empty()) return std::nullopt;
  fallBackToMemory(query.lastError().text());
  return stamp(tenths, site);
}

std::vector<LogEntry> ObservingLog::entries() {
  open();
  std::vector<LogEntry> result;
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  if (!query.exec(QStringLiteral("SELECT id, observed, code, phase, predicted, latitude, "
                                 "longitude, height, note FROM stamps ORDER BY observed, id")))
    return result;
  while (query.next()) {
    LogEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.record.observedTenths = query.value(1).toLongLong();
    entry.record.code = query.value(2).toString().toStdString();
    entry.record.phase = query.value(3).toString().toStdString();
    if (!query.value(4).isNull()) entry.record.predicted = query.value(4).toDouble();
    if (!query.value(5).isNull() && !query.value(6).isNull()) {
      entry.record.site = ObserverSite{query.value(5).toDouble(), query.value(6).toDouble(),
                                       query.value(7).toDouble()};
    }
    entry.record.note = query.value(8).toString().toStdString();
    result.push_back(std::move(entry));
  }
  return result;
}

bool ObservingLog::update(const LogEntry& entry) {
  open();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral(
      "UPDATE stamps SET observed = ?, code = ?, phase = ?, predicted = ?, note = ? WHERE id = ?"));
  const LogRecord& r = entry.record;
  query.addBindValue(QVariant::fromValue<qlonglong>(r.observedTenths));
  query.addBindValue(QString::fromStdString(r.code));
  query.addBindValue(QString::fromStdString(r.phase));
  query.addBindValue(r.predicted ? QVariant(*r.predicted) : QVariant());
  query.addBindValue(QString::fromStdString(r.note));
  query.addBindValue(QVariant::fromValue<qlonglong>(entry.id));
  if (query.exec()) return true;
  if (file_.empty()) return false;
  fallBackToMemory(query.lastError().text());
  return update(entry);
}

bool ObservingLog::remove(std::int64_t id) {
  open();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("DELETE FROM stamps WHERE id = ?"));
  query.addBindValue(QVariant::fromValue<qlonglong>(id));
  if (query.exec()) return true;
  if (file_.empty()) return false;
  fallBackToMemory(query.lastError().text());
  return remove(id);
}

std::filesystem::path ObservingLog::file() {
  open();
  return file_;
}

QString ObservingLog::warning() {
  open();
  return warning_;
}

}  // namespace kelvra
