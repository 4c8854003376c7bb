// Printing the GRS page through a private CUPS daemon whose default queue writes each job as
// a PDF into a temporary folder (tests/tracks/private_cups.sh), read back with pdftotext.
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/grs/grs_test_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/grs/grs_transits.h"
#include "ui/main/widgets.h"

namespace kelvra {
namespace {

constexpr int kExitSkipped = 77;  // private_cups.sh: cupsd or lpadmin is not installed

// Runs a program to its end. Returns: its exit code, and its standard output in `output`.
int run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return -1;
  if (output) *output = QString::fromUtf8(process.readAllStandardOutput());
  return process.exitCode();
}

class GRSPrintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::InstallProgramFiles();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      skipReason_ = "pdftotext is not installed (poppler-utils)";
      return;
    }
    // A short folder: the daemon's socket path must stay under 108 bytes.
    char pattern[] = "/tmp/kelvra-grs-cups.XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    folder_ = QString::fromLatin1(pattern);
    QString output;
    const int status =
        run(QStringLiteral(KELVRA_PRIVATE_CUPS), {QStringLiteral("start"), folder_}, &output);
    if (status == kExitSkipped) skipReason_ = "cupsd or lpadmin is not installed";
    if (status != 0) return;
    // Before this process's first CUPS call: libcups picks its server once.
    qputenv("CUPS_SERVER", (folder_ + QStringLiteral("/cups.sock")).toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    started_ = true;
  }

  static void TearDownTestSuite() {
    if (folder_.isEmpty()) return;
    run(QStringLiteral(KELVRA_PRIVATE_CUPS), {QStringLiteral("stop"), folder_});
    QDir(folder_).removeRecursively();
  }

  void SetUp() override {
    if (!skipReason_.empty()) GTEST_SKIP() << skipReason_;
    ASSERT_TRUE(started_) << "the private CUPS daemon did not start";
  }

  // Waits, at most ten seconds, for the queue's backend to write the first job.
  static QString waitForJob() {
    const QDir out(folder_ + QStringLiteral("/out"));
    for (int waited = 0; waited < 10000; waited += 100) {
      const QStringList jobs = out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
      if (!jobs.isEmpty()) return out.filePath(jobs.front());
      QThread::msleep(100);
    }
    return {};
  }

  static inline std::string skipReason_;
  static inline QString folder_;
  static inline bool started_ = false;
};

TEST_F(GRSPrintTest, PrintButtonPrintsTheMonthWithTitleAndSubtitle) {
  testing::MessageLog messages;
  testing::FakeHost host;
  TGRSTransits window(host);
  QTest::mouseClick(window.findChild<ClickArea*>("lblPrint"), Qt::LeftButton);
  EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();

  const QString pdf = waitForJob();
  ASSERT_FALSE(pdf.isEmpty()) << "no job reached the queue's backend";
  QString text;
  ASSERT_EQ(
      run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")}, &text),
      0);
  const QString month = QLocale::system().monthName(1, QLocale::LongFormat);
  EXPECT_TRUE(text.contains(QStringLiteral("Jupiter's GRS Transits: %1 2000").arg(month)))
      << text.toStdString();
  EXPECT_TRUE(text.contains(
      QString::fromUtf8("[Universal Time - Red Spot at Jovian System II Logitude 65°]")));
  // Day 3 of January 2000 at longitude 65, as on screen.
  EXPECT_TRUE(text.contains(QStringLiteral("00:43; 10:39; 20:35;"))) << text.toStdString();
}

}  // namespace
}  // namespace kelvra
