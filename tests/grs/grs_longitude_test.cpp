#include "ui/grs/grs_longitude.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/clock.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_drift_settings.h"
#include "ui/grs/grs_transits.h"

namespace kelvra {
namespace {

class GRSLongitudeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }

  GRSLongitudeTest() {
    SetClockForTesting([] { return std::time_t{1794747600}; });  // 2026-11-15 13:00 UT
    window.move(300, 200);
    dialog.show();
  }
  ~GRSLongitudeTest() override { SetClockForTesting({}); }

  // Keys go to the field that has the focus, as they would from the keyboard.
  QLineEdit* focused() { return qobject_cast<QLineEdit*>(dialog.focusWidget()); }
  void type(const char* keys) { QTest::keyClicks(focused(), keys); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
  }
  // What the ini file beside the CFG holds, read afresh as at the next start.
  RedSpotDrift storedDrift() {
    SettingsStore restarted(host.directory(), {});
    return ReadRedSpotDrift(restarted.ini());
  }
  void storeDrift(double perMonth, const char* epoch) {
    store.ini().setValue(kDriftKey.name, perMonth);
    store.ini().setValue(kEpochKey.name, epoch);
    store.syncIni();
  }

  testing::MessageLog messages;
  testing::FakeHost host;
  SettingsStore& store = host.settings;
  TGRSTransits window{host.links()};
  TGRSLongitude& dialog = window.longitudeDialog();
  QLineEdit& field = *dialog.findChild<QLineEdit*>("txtRSLong");
  QLineEdit& drift = *dialog.findChild<QLineEdit*>("txtDrift");
  QLineEdit& date = *dialog.findChild<QLineEdit*>("txtEpoch");
  const JulianDay today = *ParseISODate("2026-11-15");
};

TEST_F(GRSLongitudeTest, OpensUnderTheGlobeWithTheStoredValuesSelected) {
  EXPECT_EQ(dialog.size(), QSize(160, 113));
  EXPECT_EQ(dialog.pos(), QPoint(300 + 66, 200 + 40));
  EXPECT_EQ(focused(), &field);
  EXPECT_EQ(field.text(), "65");
  EXPECT_EQ(field.selectedText(), "65");
  // No drift stored yet: none, from today.
  EXPECT_EQ(drift.text(), "0.0");
  EXPECT_EQ(date.text(), "2026-11-15");
}

TEST_F(GRSLongitudeTest, EnterStoresWritesAndCloses) {
  struct Case {
    const char* keys;  // typed over the selected stored value; \b is Backspace
    int stored;        // degrees
  };
  // 400 is kept as typed (the prediction reduces it); an emptied field stores 0.
  for (const Case& entry : {Case{"120", 120}, Case{"400", 400}, Case{"007", 7}, Case{"\b", 0}}) {
    const int saves = host.saves;
    type(entry.keys);
    press(Qt::Key_Return);
    EXPECT_EQ(host.record.RSLongitude, entry.stored) << entry.keys;
    EXPECT_EQ(host.saves, saves + 1) << entry.keys;
    EXPECT_FALSE(dialog.isVisible()) << entry.keys;
    dialog.show();
    EXPECT_EQ(field.text(), QString::number(entry.stored)) << entry.keys;
  }
}

TEST_F(GRSLongitudeTest, TabAndShiftTabGoRoundTheFieldsWithoutStoring) {
  type("120");
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), &drift);
  EXPECT_EQ(drift.selectedText(), "0.0");
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), &date);
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), &field);
  EXPECT_EQ(field.text(), "120");  // the typed text stays, unstored
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), &date);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), &drift);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(host.record.RSLongitude, 65);
  EXPECT_EQ(host.saves, 0);
}

TEST_F(GRSLongitudeTest, DriftAndDateAreStoredAndReadBackAfterARestart) {
  press(Qt::Key_Tab);
  type("-1,5");  // a comma separates the decimal in the C locale too
  press(Qt::Key_Tab);
  type("2025-07-01");
  press(Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  const RedSpotDrift stored = storedDrift();
  EXPECT_EQ(stored.degreesPerMonth, -1.5);
  EXPECT_EQ(stored.epoch, *ParseISODate("2025-07-01"));
  QSettings file(QString::fromStdString((host.directory() / kIniFileName).string()),
                 QSettings::IniFormat);
  EXPECT_EQ(file.value(kEpochKey.name).toString(), "2025-07-01T00:00:00Z");
  dialog.show();
  EXPECT_EQ(drift.text(), "-1.5");
  EXPECT_EQ(date.text(), "2025-07-01");
}

TEST_F(GRSLongitudeTest, TheLocalesDecimalSeparatorIsShownAndTakenBesideThePoint) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  storeDrift(0.8, "2026-01-01T00:00:00Z");
  dialog.hide();
  dialog.show();
  EXPECT_EQ(drift.text(), "0,8");
  for (const char* typed : {"-2,5", "-2.5"}) {
    dialog.show();
    press(Qt::Key_Tab);
    type(typed);
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible()) << typed;
    EXPECT_EQ(storedDrift().degreesPerMonth, -2.5) << typed;
  }
  QLocale::setDefault(QLocale::c());
}

TEST_F(GRSLongitudeTest, AChangedValueWithTheDateUntouchedIsTodaysAndUnchangedKeepsIt) {
  storeDrift(1.5, "2025-07-01T00:00:00Z");
  dialog.hide();
  dialog.show();
  press(Qt::Key_Return);  // the same values again
  EXPECT_EQ(storedDrift().epoch, *ParseISODate("2025-07-01"));
  dialog.show();
  press(Qt::Key_Tab);
  type("1.6");
  press(Qt::Key_Return);
  EXPECT_EQ(storedDrift().degreesPerMonth, 1.6);
  EXPECT_EQ(storedDrift().epoch, today);
  storeDrift(1.6, "2025-07-01T00:00:00Z");
  dialog.show();
  type("75");
  press(Qt::Key_Return);
  EXPECT_EQ(host.record.RSLongitude, 75);
  EXPECT_EQ(storedDrift().epoch, today);
}

TEST_F(GRSLongitudeTest, ADateTypedInIsKeptEvenWhenItIsTheOneShown) {
  // A new drift or a new longitude with the shown date typed again: the typed date holds.
  struct Case {
    const char* longitude;  // typed over the selected field, or nothing
    const char* drift;
  };
  for (const Case& entry : {Case{"", "1.6"}, Case{"75", ""}}) {
    storeDrift(1.5, "2025-07-01T00:00:00Z");
    dialog.hide();
    dialog.show();
    type(entry.longitude);
    press(Qt::Key_Tab);
    type(entry.drift);
    press(Qt::Key_Tab);
    type("2025-07-01");
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible()) << entry.drift;
    EXPECT_EQ(storedDrift().epoch, *ParseISODate("2025-07-01")) << entry.drift;
  }
  EXPECT_EQ(storedDrift().degreesPerMonth, 1.5);
  EXPECT_EQ(host.record.RSLongitude, 75);
}

TEST_F(GRSLongitudeTest, UnreadableDriftOrDateIsReportedAndNothingStored) {
  struct Case {
    QLineEdit* target;
    const char* text;
    const char* message;
  };
  for (const Case& entry : {Case{&drift, "-", "'-' is not a valid floating point value"},
                            Case{&drift, "1.2.", "'1.2.' is not a valid floating point value"},
                            Case{&date, "2025-13-01", "'2025-13-01' is not a valid date"},
                            Case{&date, "2025-02-29", "'2025-02-29' is not a valid date"}}) {
    messages.errors.clear();
    dialog.hide();
    dialog.show();
    type("120");
    entry.target->setFocus();
    entry.target->selectAll();
    type(entry.text);
    press(Qt::Key_Return);
    EXPECT_EQ(messages.errors, QStringList{entry.message}) << entry.text;
    EXPECT_TRUE(dialog.isVisible()) << entry.text;
    QCoreApplication::processEvents();  // the selection follows the box
    EXPECT_EQ(focused(), entry.target) << entry.text;
    EXPECT_EQ(entry.target->selectedText(), entry.target->text()) << entry.text;
    EXPECT_EQ(host.record.RSLongitude, 65) << entry.text;
    EXPECT_EQ(host.saves, 0) << entry.text;
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString((host.directory() / kIniFileName).string())));
}

TEST_F(GRSLongitudeTest, ADriftBeyondTheFieldIsCorrectedBeforeItIsStored) {
  press(Qt::Key_Tab);
  type("12.5");
  press(Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(drift.text(), "9.9");
  EXPECT_EQ(host.saves, 0);
  press(Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(storedDrift().degreesPerMonth, 9.9);
}

TEST_F(GRSLongitudeTest, DriftAndDateFieldsTakeOnlyTheirCharacters) {
  press(Qt::Key_Tab);
  type("a+1x.5e");
  EXPECT_EQ(drift.text(), "+1.5");
  press(Qt::Key_Tab);
  type("2026/11-x15T");
  EXPECT_EQ(date.text(), "202611-15");
  // Editing keys work as anywhere: Backspace, arrows, Delete.
  press(Qt::Key_Backspace);
  press(Qt::Key_Left);
  press(Qt::Key_Left);
  QTest::sendKeyEvent(QTest::Click, &date, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
  EXPECT_EQ(date.text(), "2026111");
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
    TGRSTransits reference(other.links());
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
