#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/jpeg_loader.h"
#include "ui/common/widgets.h"
#include "ui/main/about.h"
#include "ui/main/interval.h"

namespace kelvra {
namespace {

// The interval dialog as the main window shows it, with an earlier animation's 15 minutes.
class IntervalDialog : public ::testing::Test {
 protected:
  void SetUp() override { dialog.show(); }
  void type(const QString& keys) { QTest::keyClicks(dialog.txtInterval, keys); }
  void press(Qt::Key key) { QTest::keyClick(dialog.txtInterval, key); }

  testing::MessageLog messages;
  std::uint16_t interval = 15;  // minutes
  TInterval dialog{interval};
};

TEST_F(IntervalDialog, EnterStoresTheTypedMinutesAndCloses) {
  type(QStringLiteral("60"));
  press(Qt::Key_Return);
  EXPECT_EQ(interval, 60);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(IntervalDialog, TabStoresAndClosesInsteadOfMovingTheFocus) {
  type(QStringLiteral("5"));
  press(Qt::Key_Tab);
  EXPECT_EQ(interval, 5);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(IntervalDialog, EmptyFieldStoresZero) {
  press(Qt::Key_Enter);
  EXPECT_EQ(interval, 0);
  EXPECT_EQ(dialog.txtInterval->text(), QStringLiteral("0"));
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(IntervalDialog, EscapeClosesAndKeepsTheEarlierInterval) {
  type(QStringLiteral("42"));
  press(Qt::Key_Escape);
  EXPECT_EQ(interval, 15);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(IntervalDialog, OnlyDigitsAndAtMostThreeGetIn) {
  type(QStringLiteral("a-1 b+2.x"));
  EXPECT_EQ(dialog.txtInterval->text(), QStringLiteral("12"));
  type(QStringLiteral("34"));
  EXPECT_EQ(dialog.txtInterval->text(), QStringLiteral("123"));
  press(Qt::Key_Backspace);
  EXPECT_EQ(dialog.txtInterval->text(), QStringLiteral("12"));
}

TEST_F(IntervalDialog, DeleteAndArrowsEditTheText) {
  type(QStringLiteral("123"));
  press(Qt::Key_Home);
  press(Qt::Key_Right);
  // As the X server delivers it: with the character 0x7F, which QTest leaves out.
  QTest::sendKeyEvent(QTest::Click, dialog.txtInterval, Qt::Key_Delete, QStringLiteral("\x7f"),
                      Qt::NoModifier);
  EXPECT_EQ(dialog.txtInterval->text(), QStringLiteral("13"));
  press(Qt::Key_Return);
  EXPECT_EQ(interval, 13);
}

TEST_F(IntervalDialog, ShowingAgainSelectsTheTextSoTypingReplacesIt) {
  type(QStringLiteral("30"));
  press(Qt::Key_Return);
  dialog.show();
  EXPECT_EQ(dialog.txtInterval->selectedText(), QStringLiteral("30"));
  type(QStringLiteral("7"));
  press(Qt::Key_Return);
  EXPECT_EQ(interval, 7);
}

TEST_F(IntervalDialog, PastedTextThatIsNoNumberIsReportedAndNothingStored) {
  for (const QString& pasted : {QStringLiteral("x7"), QStringLiteral("-5")}) {
    dialog.txtInterval->clear();
    QApplication::clipboard()->setText(pasted);
    dialog.txtInterval->paste();
    ASSERT_EQ(dialog.txtInterval->text(), pasted);
    press(Qt::Key_Return);
    EXPECT_EQ(interval, 15);
    EXPECT_TRUE(dialog.isVisible());
  }
  EXPECT_EQ(messages.errors, QStringList({QStringLiteral("'x7' is not a valid integer value"),
                                          QStringLiteral("'-5' is not a valid integer value")}));
}

TEST_F(IntervalDialog, AfterTheMessageTypingReplacesTheWrongText) {
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QApplication::clipboard()->setText(QStringLiteral("x7"));
  dialog.txtInterval->paste();
  press(Qt::Key_Return);
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_TRUE(dialog.txtInterval->hasFocus());
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("45"));
  EXPECT_EQ(dialog.txtInterval->text(), QStringLiteral("45"));
  press(Qt::Key_Return);
  EXPECT_EQ(interval, 45);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutWindow, ExitAreaClosesIt) {
  testing::MessageLog messages;
  TAboutWin about;
  about.show();
  ASSERT_TRUE(about.isVisible());
  QTest::mouseClick(about.btnExit, Qt::LeftButton, {}, QPoint(9, 8));
  EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, MissingPictureIsReportedAndTheWindowStillOpens) {
  testing::InstallProgramFiles("Kelvra8.dat");
  testing::MessageLog messages;
  TAboutWin about;
  EXPECT_EQ(messages.plain, QStringList{MissingFileMessage(QStringLiteral("Kelvra8.dat"))});
  about.show();
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(about.size(), QSize(210, 155));
}

TEST(AboutWindow, PictureFillsTheWindow) {
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  TAboutWin about;
  EXPECT_TRUE(messages.plain.isEmpty());
  EXPECT_EQ(about.imgAbout->image().size(), QSize(210, 155));
}

}  // namespace
}  // namespace kelvra
