// Printing the tracks page through a real print system: a private CUPS daemon whose default
// queue writes each job as a PDF into a temporary folder (tests/support/private_cups.sh).
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
#include "tests/support/private_cups.h"
#include "tests/tracks/test_host.h"
#include "ui/common/page_layout.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/tracks/tracks_page.h"

namespace kelvra {
namespace {

using testing::FakeHost;
using testing::MessageLog;

using testing::PrivateCups;
using testing::RunProgram;

class PrintThroughCups : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { cups_.start(); }
  static void TearDownTestSuite() { cups_.stop(); }

  void SetUp() override {
    if (!cups_.skipReason.isEmpty()) GTEST_SKIP() << cups_.skipReason.toStdString();
    ASSERT_TRUE(cups_.failure.isEmpty()) << cups_.failure.toStdString();
    ASSERT_TRUE(testing::PutBackgroundPicture());
    host.observation.set({.instantUT = testing::MidMonth(4, 2000)});
    window = std::make_unique<TSatTracks>(host.links());
  }

  // Runs one of CUPS's own commands against the private daemon.
  static bool cupsCommand(const char* name) {
    QProcess process;
    process.start(
        QStandardPaths::findExecutable(QString::fromLatin1(name),
                                       {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}),
        {cups_.queue});
    return process.waitForFinished(10000) && process.exitCode() == 0;
  }

  static int printedCount() { return static_cast<int>(cups_.printedFiles().size()); }
  static QString waitForNewJob(int before) { return cups_.waitForNewJob(before); }

  static inline PrivateCups cups_;

  MessageLog messages;
  FakeHost host;
  std::unique_ptr<TSatTracks> window;
};

TEST_F(PrintThroughCups, PrintsOnePageWithTitleSubtitleChartAndFooter) {
  window->DrawTracks();
  const QImage screenBefore = window->chartImage();
  const int before = printedCount();

  window->lblPrintClick();
  EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(QLatin1Char('\n')).toStdString();
  const QString pdf = waitForNewJob(before);
  ASSERT_FALSE(pdf.isEmpty()) << "no job reached the queue's backend";

  const QString info = RunProgram(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << info.toStdString();
  // -raw keeps each text run whole, in the order it was drawn.
  const QString text =
      RunProgram(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(TracksTitle(4, 2000))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(
      "[As viewed through an Astronomical Telescope - Universal Time - Northern Hemisphere]")));
  // pdftotext makes one space of the footer's two.
  EXPECT_TRUE(text.contains(FooterLine().simplified())) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("--Ganymede")));

  const QString stem = cups_.folder + QStringLiteral("/page");
  RunProgram(QStringLiteral("pdftoppm"),
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
  const int before = printedCount();
  EXPECT_TRUE(PrintOnePage(host.settings, QStringLiteral("grid"), QStringLiteral("grid.pdf"),
                           [&](QPainter& painter, QSize page) {
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
  const int before = printedCount();

  window->lblPrintClick();
  ASSERT_TRUE(cupsCommand("cupsaccept"));
  ASSERT_EQ(messages.errors.size(), 1);
  // CUPS's own reason follows our first line.
  EXPECT_TRUE(
      messages.errors.front().startsWith(QStringLiteral("The page could not be printed.\n")));
  EXPECT_GT(messages.errors.front().size(),
            QStringLiteral("The page could not be printed.\n").size());
  EXPECT_EQ(printedCount(), before);
  EXPECT_EQ(window->chartImage(), screenBefore);
}

}  // namespace
}  // namespace kelvra
