// The observing log on disk and in its window: nothing stamped lost, nothing that is not a log
// overwritten, O−C against the unrounded contact.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/events/event_reminders.h"
#include "ui/events/moon_events_window.h"
#include "ui/events/observing_log_dialog.h"
#include "ui/events/observing_log_store.h"

namespace kelvra {
namespace {

constexpr std::int64_t kTenths = 17968357923;  // 2026-12-09 17:03:12.3 UT

std::filesystem::path folderOf(const QTemporaryDir& dir) {
  return dir.path().toStdString();
}

QByteArray bytesOf(const std::filesystem::path& file) {
  QFile in(QString::fromStdString(file));
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
}

void makeDatabase(const std::filesystem::path& file, const QString& sql) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    db.setDatabaseName(QString::fromStdString(file));
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec(sql);
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

// Whatever lies in the log's place that is not a log is kept as it is and said once; the stamps
// go to Kelvra95-log-2.sqlite, which the next run finds again. A FIFO is never opened (SQLite
// would wait on it for ever).
TEST(ObservingLogStore, NeverOverwritesWhatIsNotALog) {
  const char* const kinds[] = {"damaged", "text", "other database", "fifo", "folder"};
  for (const char* kind : kinds) {
    SCOPED_TRACE(kind);
    QTemporaryDir dir;
    const std::filesystem::path place = folderOf(dir) / kLogFileName;
    const std::string what = kind;
    if (what == "damaged") {
      makeDatabase(place, QStringLiteral("CREATE TABLE t (x)"));
      QFile file(QString::fromStdString(place));
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      file.seek(100);
      file.write(QByteArray(3000, '\xA5'));
    } else if (what == "text") {
      QFile file(QString::fromStdString(place));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("my notes\n");
    } else if (what == "other database") {
      makeDatabase(place, QStringLiteral("CREATE TABLE stamps (who TEXT)"));
    } else if (what == "fifo") {
      ASSERT_EQ(::mkfifo(place.c_str(), 0600), 0);
    } else {
      std::filesystem::create_directory(place);
    }
    const QByteArray before = std::filesystem::is_regular_file(place) ? bytesOf(place) : "";
    testing::MessageLog messages;
    {
      ObservingLog log({folderOf(dir)});
      ASSERT_TRUE(log.stamp(kTenths, std::nullopt));
      EXPECT_EQ(log.file(), folderOf(dir) / "Kelvra95-log-2.sqlite");
      EXPECT_TRUE(log.warning().isEmpty());
    }
    ASSERT_EQ(messages.plain.size(), 1);
    EXPECT_TRUE(messages.plain[0].contains(QString::fromStdString(place)))
        << messages.plain[0].toStdString();
    if (what == "fifo") {
      EXPECT_TRUE(std::filesystem::is_fifo(place));
    } else if (what == "folder") {
      EXPECT_TRUE(std::filesystem::is_directory(place));
    } else {
      EXPECT_EQ(bytesOf(place), before);
    }
    ObservingLog again({folderOf(dir)});
    EXPECT_EQ(again.entries().size(), 1u);
    EXPECT_EQ(again.file(), folderOf(dir) / "Kelvra95-log-2.sqlite");
  }
}

// Two copies of the program: one holds the file for a moment, the other's stamp waits for it
// (the busy timeout) instead of failing, and each sees the other's entries.
TEST(ObservingLogStore, TwoCopiesWaitForEachOther) {
  QTemporaryDir dir;
  testing::MessageLog messages;
  ObservingLog first({folderOf(dir)});
  ObservingLog second({folderOf(dir)});
  ASSERT_TRUE(first.stamp(kTenths, ObserverSite{52.5, 13.4, 34}));
  std::atomic<bool> holding{false};
  std::thread other([&] {
    {
      QSqlDatabase db =
          QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
      db.setDatabaseName(QString::fromStdString(first.file()));
      db.open();
      QSqlQuery query(db);
      query.exec(QStringLiteral("BEGIN EXCLUSIVE"));
      holding = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(400));
      query.exec(QStringLiteral("COMMIT"));
      db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
  });
  while (!holding) std::this_thread::yield();
  EXPECT_TRUE(second.stamp(kTenths + 10, std::nullopt));
  other.join();
  EXPECT_EQ(second.file(), first.file()) << "the second copy gave up on the file";
  EXPECT_EQ(first.entries().size(), 2u);
  EXPECT_TRUE(messages.errors.isEmpty() && messages.plain.isEmpty());
  ASSERT_EQ(second.entries().size(), 2u);
  EXPECT_EQ(second.entries()[0].record.site->heightM, 34);
}

// Neither folder writable: the run's stamps are kept in memory, said once, the window warned.
// As root every folder is writable, so ctest also runs this as nobody
// (kelvra_observing_log_readonly).
TEST(ObservingLogStore, ReadOnlyFoldersHoldTheStampsForTheRun) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes through modes; run as a normal user";
  QTemporaryDir dir;
  ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
  testing::MessageLog messages;
  ObservingLog log({folderOf(dir) / "program", folderOf(dir)});
  ASSERT_TRUE(log.stamp(kTenths, std::nullopt));
  ASSERT_TRUE(log.stamp(kTenths + 5, std::nullopt));
  EXPECT_TRUE(log.file().empty());
  EXPECT_FALSE(log.warning().isEmpty());
  EXPECT_EQ(log.entries().size(), 2u);
  EXPECT_EQ(messages.plain.size(), 1);
  ::chmod(dir.path().toLocal8Bit().constData(), 0755);
  EXPECT_TRUE(std::filesystem::is_empty(folderOf(dir)));
}

QString cell(QTableWidget& table, int row, int column) {
  return table.item(row, column) ? table.item(row, column)->text() : QString();
}

// In the window, as the observer uses it: F9, the time corrected to 20 s after a listed contact,
// that contact chosen: O−C +20.0 against its unrounded instant (the listed minute would be up to
// 30 s off); delete asks first; the CSV carries the row.
TEST(ObservingLogWindow, StampCorrectChooseDeleteExport) {
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  testing::FakeHost host;
  host.observation.set({.instantUT = testing::MidMonth(12, 2026)});
  TMoonEvents window(host.links());
  QTemporaryDir dir;
  ObservingLog log({folderOf(dir)});
  window.setObservingLog(log);
  window.show();
  window.stampAction()->trigger();
  window.showLog();
  ObservingLogDialog* dialog = window.logDialog();
  ASSERT_NE(dialog, nullptr);
  auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("tblLog"));
  ASSERT_EQ(table->rowCount(), 1);

  // A contact whose unrounded instant is not on its listed minute.
  const std::vector<MoonEventLine> lines = window.linesAround(testing::MidMonth(12, 2026));
  const auto contact = std::find_if(lines.begin(), lines.end(), [](const MoonEventLine& l) {
    return !l.mutual && std::abs(l.exact - l.instant) * 86400 > 5;
  });
  ASSERT_NE(contact, lines.end());
  const std::int64_t observed = LogInstantTenths(contact->exact) + 200;
  table->item(0, 0)->setText(QString::fromStdString(LogTimeText(LogInstantDays(observed))));
  QApplication::processEvents();
  auto* box = qobject_cast<QComboBox*>(table->cellWidget(0, 1));
  ASSERT_NE(box, nullptr);
  const QString code = QString::fromStdString(ContactOfLine(*contact).code);
  const int index = box->findText(code + ' ', Qt::MatchStartsWith);
  ASSERT_GT(index, 0) << "not offered: " << code.toStdString();
  box->setCurrentIndex(index);
  emit box->activated(index);
  box = qobject_cast<QComboBox*>(table->cellWidget(0, 1));
  EXPECT_TRUE(box->currentText().startsWith(code + ' '));
  EXPECT_EQ(cell(*table, 0, 3), QStringLiteral("+20.0"));
  EXPECT_EQ(cell(*table, 0, 2), QString::fromStdString(LogTimeText(contact->exact)));

  const QString csv = dir.filePath(QStringLiteral("log.csv"));
  ASSERT_TRUE(dialog->exportTo(csv));
  const QList<QByteArray> rows = bytesOf(csv.toStdString()).split('\n');
  ASSERT_GE(rows.size(), 2);
  EXPECT_TRUE(rows[1].startsWith(code.toUtf8() + ',')) << rows[1].toStdString();
  EXPECT_TRUE(rows[1].contains(",20.0,")) << rows[1].toStdString();

  auto* remove = dialog->findChild<QPushButton*>(QStringLiteral("btnLogDelete"));
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    table->selectRow(0);
    QTimer::singleShot(0, [answer] {
      if (auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        ask->button(answer)->click();
    });
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(table->rowCount(), answer == QMessageBox::No ? 1 : 0);
  }
  EXPECT_TRUE(log.entries().empty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

// No notification service answers (no session bus at all): the next reminder of the real
// clock's day shows in the events list's own line, "21:40 I.Sh.I in 75 min"; off, no line.
TEST(EventReminders, WithoutANotificationServiceTheListShowsTheNext) {
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kelvra-test-bus");
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  testing::FakeHost host;
  host.observation.set({.instantUT = testing::MidMonth(12, 2026)});
  TMoonEvents window(host.links());
  window.show();
  EXPECT_TRUE(window.reminders().line().isEmpty());
  window.reminders().setLead(kReminderLeadMax);
  const QRegularExpression next(QStringLiteral("^\\d\\d:\\d\\d \\S+ in \\d+ min$"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return next.match(window.reminders().line()).hasMatch(); }))
      << window.reminders().line().toStdString();
  EXPECT_EQ(window.view().reminder, window.reminders().line());
  window.reminders().setLead(0);
  EXPECT_TRUE(window.reminders().line().isEmpty());
  EXPECT_TRUE(window.view().reminder.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty() && messages.plain.isEmpty());
}

}  // namespace
}  // namespace kelvra
