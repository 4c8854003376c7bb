// Saving a page as a PDF when the system offers no printer: the name and folder offered, and
// the page drawn on the same dot grid as a printed one.
#include "ui/common/page_layout.h"

#include <QDir>
#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/common/settings_place.h"

#include "tests/support/message_log.h"
#include "tests/support/save_file_log.h"

namespace kelvra {
namespace {

using testing::MessageLog;
using testing::SaveFileLog;

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// The settings files of a run of the tests' own, in a folder of their own.
struct RunSettings {
  QTemporaryDir folder;
  SettingsStore store{folder.path().toStdString(), {}};
};

TEST(PdfFileName, NamesWhatYearAndMonthWithLeadingZeros) {
  EXPECT_EQ(PdfFileName(QStringLiteral("Tracks"), 12, 2026),
            QStringLiteral("Kelvra95 Tracks 2026-12.pdf"));
  EXPECT_EQ(PdfFileName(QStringLiteral("Events"), 3, 812),
            QStringLiteral("Kelvra95 Events 0812-03.pdf"));
}

TEST(PdfFolder, IsTheDocumentsFolderWhenItExistsElseHome) {
  RunSettings run;
  QTemporaryDir home;
  const ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
  const ScopedEnv configEnv("XDG_CONFIG_HOME",
                            home.filePath(QStringLiteral(".config")).toLocal8Bit());
  EXPECT_EQ(QDir(PdfFolder(run.store)), QDir(home.path()));
  ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
  EXPECT_EQ(QDir(PdfFolder(run.store)), QDir(home.filePath(QStringLiteral("Documents"))));
}

// A folder key whose fallback is the PDFs' folder, as the events export's is: its own folder
// while it is one, else the last PDF's, else Documents.
TEST(FolderKey, OffersItsOwnFolderWhileThereElseItsFallbacks) {
  QTemporaryDir home;
  const ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
  const ScopedEnv configEnv("XDG_CONFIG_HOME",
                            home.filePath(QStringLiteral(".config")).toLocal8Bit());
  QSettings ini(home.filePath(QStringLiteral("Kelvra95.ini")), QSettings::IniFormat);
  const FolderKey exported("Test/ExportFolder", &kLastFolderKey);
  const QDir documents(home.filePath(QStringLiteral("Documents")));
  const QDir saved(home.filePath(QStringLiteral("saved")));
  ASSERT_TRUE(documents.mkpath(QStringLiteral(".")) && saved.mkpath(QStringLiteral(".")));

  EXPECT_EQ(QDir(exported.read(ini)), documents);  // nothing saved nor exported yet
  kLastFolderKey.write(ini, saved.path());
  EXPECT_EQ(QDir(exported.read(ini)), saved);  // a PDF saved, nothing exported yet
  exported.write(ini, home.filePath(QStringLiteral("gone")));
  EXPECT_EQ(QDir(exported.read(ini)), saved);  // the last export's folder was removed
  exported.write(ini, documents.path());
  EXPECT_EQ(QDir(exported.read(ini)), documents);
  EXPECT_EQ(QDir(kLastFolderKey.read(ini)), saved);
}

TEST(PrintOnePage, WithoutAPrinterDrawsThePdfOnThePrintersDotGrid) {
  RunSettings run;
  QTemporaryDir nowhere;
  const ScopedEnv cups("CUPS_SERVER",
                       nowhere.filePath(QStringLiteral("no-cupsd.sock")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  MessageLog messages;
  SaveFileLog dialog;
  dialog.answer = nowhere.filePath(QStringLiteral("grid.pdf"));
  int dotsPerInch = 0;
  QSize area;
  EXPECT_TRUE(PrintOnePage(run.store, QStringLiteral("grid"), QStringLiteral("grid.pdf"),
                           [&](QPainter& painter, QSize page) {
                             dotsPerInch = painter.device()->logicalDpiY();
                             area = page;
                           }));
  EXPECT_EQ(dotsPerInch, 300);
  // A4 (2480 x 3508 dots) or Letter (2550 x 3300), less margins.
  EXPECT_GT(area.width(), 2200);
  EXPECT_LE(area.width(), 2550);
  EXPECT_GT(area.height(), 3100);
  EXPECT_LE(area.height(), 3508);
  EXPECT_TRUE(QFile::exists(dialog.answer));
  EXPECT_TRUE(messages.errors.isEmpty());
}

// The folder of the last saved PDF is offered next time, also to the next run (it is kept in
// Kelvra95.ini); once it has gone, Documents again.
TEST(PrintOnePage, OffersTheFolderUsedLastWhileItExists) {
  RunSettings run;
  QTemporaryDir home;
  const ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
  const ScopedEnv cups("CUPS_SERVER", home.filePath(QStringLiteral("no-cupsd.sock")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("charts/2026")));
  const QString chosen = home.filePath(QStringLiteral("charts/2026"));
  MessageLog messages;
  SaveFileLog dialog;
  const auto print = [&run] {
    return PrintOnePage(run.store, QStringLiteral("page"),
                        QStringLiteral("Kelvra95 Tracks 2026-12.pdf"), [](QPainter&, QSize) {});
  };
  dialog.answer = chosen + QStringLiteral("/december.pdf");
  ASSERT_TRUE(print());
  dialog.answer.clear();  // cancelled: the folder stays
  EXPECT_FALSE(print());
  EXPECT_FALSE(print());
  ASSERT_EQ(dialog.offered.size(), 3);
  EXPECT_EQ(dialog.offered[1], chosen + QStringLiteral("/Kelvra95 Tracks 2026-12.pdf"));
  EXPECT_EQ(dialog.offered[2], dialog.offered[1]);
  const QSettings written(
      QString::fromStdString((run.store.iniLocation().folder / kIniFileName).string()),
      QSettings::IniFormat);
  EXPECT_EQ(written.value(QStringLiteral("Print/LastFolder")).toString(), chosen);
  ASSERT_TRUE(QDir(chosen).removeRecursively());
  EXPECT_EQ(QDir(PdfFolder(run.store)), QDir(home.filePath(QStringLiteral("Documents"))));
  EXPECT_TRUE(messages.errors.isEmpty());
}

// A PDF that cannot be written: our error box alone says so (Qt's painter would also complain
// on standard error), and the folder is not remembered.
TEST(PrintOnePage, UnwritablePdfIsSaidOnceAndOnlyByUs) {
  RunSettings run;
  QTemporaryDir home;
  const ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
  const ScopedEnv cups("CUPS_SERVER", home.filePath(QStringLiteral("no-cupsd.sock")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  static QStringList warnings;
  warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.append(text); });
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("page.pdf")));  // a folder by that name
  MessageLog messages;
  SaveFileLog dialog;
  dialog.answer = home.filePath(QStringLiteral("page.pdf"));
  EXPECT_FALSE(PrintOnePage(run.store, QStringLiteral("page"), QStringLiteral("page.pdf"),
                            [](QPainter&, QSize) {}));
  qInstallMessageHandler(previous);
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_TRUE(messages.errors[0].contains(dialog.answer));
  EXPECT_EQ(QDir(PdfFolder(run.store)), QDir(home.filePath(QStringLiteral("Documents"))));
}

}  // namespace
}  // namespace kelvra
