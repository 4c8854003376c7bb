#include "ui/grs/grs_longitude.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/grs/grs_transits.h"
#include "ui/common/widgets.h"

namespace kelvra {
namespace {

class GRSLongitudeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }

  GRSLongitudeTest() {
    window.move(300, 200);
    dialog.show();
  }

  void type(const char* keys) { QTest::keyClicks(&field, keys); }
  void press(Qt::Key key) { QTest::keyClick(&field, key); }

  testing::MessageLog messages;
  testing::FakeHost host;
  TGRSTransits window{host};
  TGRSLongitude& dialog = window.longitudeDialog();
  QLineEdit& field = *dialog.findChild<QLineEdit*>("txtRSLong");
};

TEST_F(GRSLongitudeTest, OpensUnderTheGlobeWithTheStoredValueSelected) {
  EXPECT_EQ(dialog.size(), QSize(102, 107));
  EXPECT_EQ(dialog.pos(), QPoint(300 + 66, 200 + 40));
  EXPECT_EQ(field.text(), "65");
  EXPECT_EQ(field.selectedText(), "65");
}

TEST_F(GRSLongitudeTest, EnterOrTabStoresWritesAndCloses) {
  struct Case {
    const char* keys;  // typed over the selected stored value; \b is Backspace
    Qt::Key closing;
    int stored;  // degrees
  };
  // 400 is kept as typed (the prediction reduces it); an emptied field stores 0.
  for (const Case& entry : {Case{"120", Qt::Key_Return, 120}, Case{"400", Qt::Key_Tab, 400},
                            Case{"007", Qt::Key_Return, 7}, Case{"\b", Qt::Key_Return, 0}}) {
    const int saves = host.saves;
    type(entry.keys);
    press(entry.closing);
    EXPECT_EQ(host.record.RSLongitude, entry.stored) << entry.keys;
    EXPECT_EQ(host.saves, saves + 1) << entry.keys;
    EXPECT_FALSE(dialog.isVisible()) << entry.keys;
    dialog.show();
    EXPECT_EQ(field.text(), QString::number(entry.stored)) << entry.keys;
  }
}

TEST_F(GRSLongitudeTest, TakesOnlyThreeDigitsAndNoOtherCharacters) {
  QKeyEvent composed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("4x"));
  QApplication::sendEvent(&field, &composed);
  EXPECT_EQ(field.text(), "65");
  type("1a-2. +x34");
  EXPECT_EQ(field.text(), "123");
}

TEST_F(GRSLongitudeTest, DeleteEditsTheText) {
  press(Qt::Key_Home);
  // As the X server delivers it: with the character 0x7F, which QTest leaves out.
  QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
  EXPECT_EQ(field.text(), "5");
  press(Qt::Key_Return);
  EXPECT_EQ(host.record.RSLongitude, 5);
}

TEST_F(GRSLongitudeTest, PastedTextThatIsNoNumberIsReportedAndNothingStored) {
  field.selectAll();
  field.insert(QStringLiteral("1e2"));  // what pasting does; typing could not get it in
  press(Qt::Key_Return);
  EXPECT_EQ(messages.errors, QStringList{"'1e2' is not a valid integer value"});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(host.record.RSLongitude, 65);
  EXPECT_EQ(host.saves, 0);
  EXPECT_EQ(field.text(), "1e2");
}

// The globe button opens the dialog modally and redraws the list after it, whatever key
// closed it.
class GlobeButtonTest : public GRSLongitudeTest {
 protected:
  GlobeButtonTest() { dialog.hide(); }

  // Clicks the globe; once the dialog runs, types `keys` and presses `closing` in it.
  void useDialog(const char* keys, Qt::Key closing) {
    window.CalcGRS();
    list().fill(Qt::white);
    QTimer::singleShot(0, [this, keys, closing] {
      type(keys);
      press(closing);
    });
    QTest::mouseClick(window.findChild<ImageView*>("imgLong"), Qt::LeftButton);
  }
  QImage& list() { return window.findChild<ImageView*>("imgGRS")->canvas(); }

  // The list another window draws for the same month at `longitude`.
  QImage listFor(std::int32_t longitude) {
    testing::FakeHost other;
    other.record.RSLongitude = longitude;
    TGRSTransits reference(other);
    reference.CalcGRS();
    return reference.findChild<ImageView*>("imgGRS")->image();
  }
};

TEST_F(GlobeButtonTest, RedrawsTheListForTheNewLongitude) {
  useDialog("120", Qt::Key_Return);
  EXPECT_EQ(host.record.RSLongitude, 120);
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(list(), listFor(120));
  EXPECT_NE(list(), listFor(65));
}

TEST_F(GlobeButtonTest, EscapeKeepsTheStoredValueAndStillRedraws) {
  useDialog("250", Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(host.record.RSLongitude, 65);
  EXPECT_EQ(host.saves, 0);
  EXPECT_EQ(list(), listFor(65));
  dialog.show();
  EXPECT_EQ(field.text(), "65");
}

}  // namespace
}  // namespace kelvra
