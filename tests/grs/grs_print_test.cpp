// Printing the GRS page through a private CUPS daemon whose default queue writes each job as
// a PDF into a temporary folder (tests/support/private_cups.sh), read back with pdftotext.
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/private_cups.h"
#include "tests/support/program_files.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_transits.h"

namespace kelvra {
namespace {

class GRSPrintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::InstallProgramFiles();
    cups_.start();
  }
  static void TearDownTestSuite() { cups_.stop(); }

  void SetUp() override {
    if (!cups_.skipReason.isEmpty()) GTEST_SKIP() << cups_.skipReason.toStdString();
    ASSERT_TRUE(cups_.failure.isEmpty()) << cups_.failure.toStdString();
  }

  static inline testing::PrivateCups cups_;
};

TEST_F(GRSPrintTest, PrintButtonPrintsTheMonthWithTitleAndSubtitle) {
  testing::MessageLog messages;
  testing::FakeHost host;
  TGRSTransits window(host.links());
  QTest::mouseClick(window.findChild<ClickArea*>("lblPrint"), Qt::LeftButton);
  EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();

  const QString pdf = cups_.waitForNewJob(0);
  ASSERT_FALSE(pdf.isEmpty()) << "no job reached the queue's backend";
  const QString text = testing::RunProgram(QStringLiteral("pdftotext"),
                                           {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
  ASSERT_FALSE(text.isNull());
  const QString month = QLocale().monthName(1, QLocale::LongFormat);
  EXPECT_TRUE(text.contains(QStringLiteral("Jupiter's GRS Transits: %1 2000").arg(month)))
      << text.toStdString();
  EXPECT_TRUE(text.contains(
      QString::fromUtf8("[Universal Time - Red Spot at Jovian System II Logitude 65°]")));
  // Day 3 of January 2000 at longitude 65, as on screen.
  EXPECT_TRUE(text.contains(QStringLiteral("00:43; 10:39; 20:35;"))) << text.toStdString();
}

}  // namespace
}  // namespace kelvra
