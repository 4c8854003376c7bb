// Printing the tracks page through a real print system: a private CUPS daemon whose default
// queue writes each job as a PDF into a temporary folder (tests/tracks/private_cups.sh).
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/message_log.h"
#include "tests/tracks/test_host.h"
#include "ui/tracks/page_layout.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {
namespace {

using testing::MessageLog;
using testing::TestHost;

constexpr int kExitSkipped = 77;  // private_cups.sh: a tool is not installed
constexpr int kWaitForJobMs = 10000;

// Runs a program to its end. Returns: its standard output, or a null string when it failed.
QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

class PrintThroughCups : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* tool : {"pdftotext", "pdftoppm", "pdfinfo"})
      if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
        skipReason_ += QStringLiteral("%1 is not installed (poppler-utils). ").arg(tool);
    if (!skipReason_.isEmpty()) return;
    // A short folder: the daemon's socket path must stay under 108 bytes.
    char pattern[] = "/tmp/kelvra-cups.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      startFailure_ = QStringLiteral("no temporary folder");
      return;
    }
    folder_ = QString::fromLatin1(pattern);
    QProcess script;
    script.start(QStringLiteral(KELVRA_PRIVATE_CUPS), {QStringLiteral("start"), folder_});
    script.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(script.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(script.readAllStandardError());
    if (script.exitCode() == kExitSkipped) {
      skipReason_ = errors.trimmed() + QStringLiteral(" (tools/bootstrap installs cups)");
      return;
    }
    if (script.exitCode() != 0) {
      startFailure_ = QStringLiteral("private cupsd did not start: ") + errors;
      return;
    }
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
      const QString name = line.section(QLatin1Char('='), 0, 0);
      const QString value = line.section(QLatin1Char('='), 1);
      if (name == QStringLiteral("CUPS_SERVER")) server_ = value;
      if (name == QStringLiteral("PRINTER_QUEUE")) queue_ = value;
      if (name == QStringLiteral("OUTPUT_DIR")) outputDir_ = value;
    }
    // Before this process's first CUPS call: libcups takes its server once.
    qputenv("CUPS_SERVER", server_.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
  }

  static void TearDownTestSuite() {
    if (folder_.isEmpty()) return;
    run(QStringLiteral(KELVRA_PRIVATE_CUPS), {QStringLiteral("stop"), folder_});
    QDir(folder_).removeRecursively();
  }

  void SetUp() override {
    if (!skipReason_.isEmpty()) GTEST_SKIP() << skipReason_.toStdString();
    ASSERT_TRUE(startFailure_.isEmpty()) << startFailure_.toStdString();
    ASSERT_TRUE(testing::PutBackgroundPicture());
    host.month = 4;
    host.year = 2000;
    window = std::make_unique<TSatTracks>(host);
  }

  // Runs one of CUPS's own commands against the private daemon.
  static bool cupsCommand(const char* name) {
    QProcess process;
    process.start(
        QStandardPaths::findExecutable(QString::fromLatin1(name),
                                       {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}),
        {queue_});
    return process.waitForFinished(10000) && process.exitCode() == 0;
  }

  static QStringList printedFiles() {
    return QDir(outputDir_).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
  }

  // Waits, a bounded time, for a job file beyond the `before` first ones.
  static QString waitForNewJob(int before) {
    for (int waited = 0; waited < kWaitForJobMs; waited += 100) {
      const QStringList files = printedFiles();
      if (files.size() > before) return outputDir_ + QLatin1Char('/') + files.last();
      QThread::msleep(100);
    }
    return {};
  }

  static inline QString skipReason_;
  static inline QString startFailure_;
  static inline QString folder_;
  static inline QString server_;
  static inline QString queue_;
  static inline QString outputDir_;

  MessageLog messages;
  TestHost host;
  std::unique_ptr<TSatTracks> window;
};

TEST_F(PrintThroughCups, PrintsOnePageWithTitleSubtitleChartAndFooter) {
  window->DrawTracks();
  const QImage screenBefore = window->chartImage();
  const int before = static_cast<int>(printedFiles().size());

  window->lblPrintClick();
  EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(QLatin1Char('\n')).toStdString();
  const QString pdf = waitForNewJob(before);
  ASSERT_FALSE(pdf.isEmpty()) << "no job reached the queue's backend";

  const QString info = run(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << info.toStdString();
  // -raw keeps each text run whole, in the order it was drawn.
  const QString text =
      run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(TracksTitle(4, 2000))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(
      "[As viewed through an Astronomical Telescope - Universal Time - Northern Hemisphere]")));
  // pdftotext makes one space of the footer's two.
  EXPECT_TRUE(text.contains(FooterLine().simplified())) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("--Ganymede")));

  const QString stem = folder_ + QStringLiteral("/page");
  run(QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
       QStringLiteral("-singlefile"), pdf, stem});
  const QImage page(stem + QStringLiteral(".png"));
  ASSERT_FALSE(page.isNull());
  int dark = 0;
  int coloured = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor pixel = page.pixelColor(x, y);
      dark += qGray(pixel.rgb()) < 128 ? 1 : 0;
      coloured += pixel.saturation() > 128 ? 1 : 0;
    }
  EXPECT_GT(dark, page.width() * page.height() / 200);  // frame, text and Io's track
  EXPECT_GT(coloured, 100);                             // the other three tracks

  EXPECT_EQ(window->chartImage(), screenBefore);
  EXPECT_EQ(host.saves, 0);
}

TEST_F(PrintThroughCups, DrawsThePrintableAreaOnAThreeHundredDotGrid) {
  int dotsPerInch = 0;
  QSize area;
  const int before = static_cast<int>(printedFiles().size());
  EXPECT_TRUE(PrintOnePage(QStringLiteral("grid"), [&](QPainter& painter, QSize page) {
    dotsPerInch = painter.device()->logicalDpiY();
    area = page;
  }));
  EXPECT_EQ(dotsPerInch, 300);
  // A4 (2480 x 3508 dots) or Letter (2550 x 3300) less the queue's margins.
  EXPECT_GT(area.width(), 2200);
  EXPECT_LE(area.width(), 2550);
  EXPECT_GT(area.height(), 3100);
  EXPECT_LE(area.height(), 3508);
  EXPECT_FALSE(waitForNewJob(before).isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(PrintThroughCups, ReportsAQueueThatRefusesTheJob) {
  ASSERT_TRUE(cupsCommand("cupsreject"));
  window->DrawTracks();
  const QImage screenBefore = window->chartImage();
  const int before = static_cast<int>(printedFiles().size());

  window->lblPrintClick();
  ASSERT_TRUE(cupsCommand("cupsaccept"));
  ASSERT_EQ(messages.errors.size(), 1);
  // CUPS's own reason follows our first line.
  EXPECT_TRUE(
      messages.errors.front().startsWith(QStringLiteral("The page could not be printed.\n")));
  EXPECT_GT(messages.errors.front().size(),
            QStringLiteral("The page could not be printed.\n").size());
  EXPECT_EQ(printedFiles().size(), before);
  EXPECT_EQ(window->chartImage(), screenBefore);
}

}  // namespace
}  // namespace kelvra
