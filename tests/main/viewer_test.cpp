// The main window driven as the user drives it: start-up, the data panel, the views, date
// and time entry, real time and animation.
#include "ui/main/viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/data_panel.h"
#include "core/moon_events.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/clock.h"
#include "ui/common/layout.h"
#include "ui/common/pictures.h"
#include "ui/common/widgets.h"
#include "ui/main/main_pictures.h"
#include "ui/main/satellite_view.h"
#include "ui/tracks/sat_tracks.h"
#include "ui/tracks/tracks_chart.h"
#include "ui/tracks/tracks_kind.h"

namespace kelvra {
namespace {

using testing::kJ2000;

void drawNoButton(QPainter&, const QRect&) {}

// A side window of the tests' own, beside the tracks window.
constexpr SideWindowKind kRecorderKind{
    .name = "recorder",
    .layout = layout::kSideWindowSkin,
    .button = {430, 12, 19, 19},
    .buttonName = "lblRecorder",
    .buttonHint = "Recorder",
    .drawButton = &drawNoButton,
};
constexpr const SideWindowKind* kTestSideWindows[] = {&kTracksKind, &kRecorderKind};

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PrepareMainWindowStart();
    viewer = std::make_unique<TViewer>(parts.observation, parts.settings, kTestSideWindows);
    ASSERT_TRUE(viewer->startedUp());
    // Focus moves, and so the fields' leave checks, need the window shown and active.
    viewer->show();
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
    viewer->setInstant(viewer->instant());
  }
  void TearDown() override {
    viewer.reset();
    SetClockForTesting({});
  }

  QLabel* label(const char* name) { return viewer->findChild<QLabel*>(QString::fromLatin1(name)); }
  QColor colourOf(const char* name) { return label(name)->palette().color(QPalette::WindowText); }

  // Types into a field and leaves it with Enter, as the user does.
  void typeAndEnter(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }

  // Minutes, UT = local + offset: the main window's zone, as it tells the side windows.
  std::int32_t zone() const { return parts.observation.value().zoneOffset; }

  testing::MessageLog messages;
  testing::ProgramParts parts;
  std::unique_ptr<TViewer> viewer;
};

TEST_F(ViewerTest, StartsAtTheClocksInstantWithThePanelFilled) {
  EXPECT_EQ(viewer->txtDay->text(), "01");
  EXPECT_EQ(viewer->cmbMonth->currentIndex(), 0);
  EXPECT_EQ(viewer->txtYear->text(), "2000");
  EXPECT_EQ(viewer->txtHour->text(), "12");
  EXPECT_EQ(viewer->txtMinute->text(), "00");
  // Published values for 2000-01-01 12:00 UT at magnification 1.0.
  EXPECT_EQ(label("lblSystem1")->text(), "197.10");
  EXPECT_EQ(label("lblSystem2")->text(), "173.55");
  EXPECT_EQ(label("lblIoNS")->text(), "0.29");
  EXPECT_EQ(label("lblIoNSF")->text(), " N");
  EXPECT_EQ(label("lblIoEW")->text(), "1.32");
  EXPECT_EQ(label("lblIoEWF")->text(), " W");
  EXPECT_EQ(label("lblIoIC")->text(), "167.01");
  EXPECT_EQ(label("lblEuropaNSF")->text(), " S");
  EXPECT_EQ(label("lblCallistoEW")->text(), "21.35");
  EXPECT_EQ(label("lblCallistoEWF")->text(), " E");
  EXPECT_EQ(colourOf("lblIoNS"), QColor(0, 255, 255));
  EXPECT_EQ(colourOf("lblEuropaDeg"), QColor(255, 255, 0));  // in front of the disc
  EXPECT_EQ(colourOf("lblSystem1"), QColor(0, 255, 255));
  EXPECT_TRUE(messages.plain.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(ViewerTest, LayoutMatchesTheSkin) {
  EXPECT_EQ(viewer->size(), QSize(638, 479));
  EXPECT_EQ(viewer->imgSideView->geometry(), layout::MainWindow::sideView);
  EXPECT_EQ(viewer->imgPlanView->geometry(), layout::MainWindow::planView);
  EXPECT_EQ(viewer->txtYear->geometry(), layout::MainWindow::year);
  EXPECT_EQ(viewer->cmbView->count(), 3);
  EXPECT_EQ(viewer->cmbView->itemText(2), "Star Diagonal");
  EXPECT_EQ(viewer->cmbMonth->count(), 12);
  EXPECT_EQ(viewer->txtDay->palette().color(QPalette::Base), QColor(255, 255, 181));
  EXPECT_EQ(viewer->findChild<QWidget*>("lblKelvra95")->geometry(), layout::MainWindow::namePlate);
  EXPECT_EQ(label("lblCallistoIC")->geometry().topLeft(), QPoint(243, 432));
}

TEST_F(ViewerTest, MagnificationStopsAtBothEnds) {
  viewer->lblReduceClick();
  EXPECT_EQ(viewer->magnification(), 1.0);
  for (int i = 0; i < 6; ++i) viewer->lblMagnifyClick();
  EXPECT_EQ(viewer->magnification(), 3.0);
  EXPECT_EQ(viewer->jupiterPicture().height(), 69);
  viewer->lblReduceClick();
  EXPECT_EQ(viewer->magnification(), 2.5);
  EXPECT_EQ(viewer->jupiterPicture().height(), 58);
}

TEST_F(ViewerTest, ViewChangeKeepsMagnificationAndTakesTheViewsPicture) {
  viewer->cmbView->setCurrentIndex(1);
  viewer->cmbViewClick();
  viewer->lblMagnifyClick();
  viewer->lblMagnifyClick();
  viewer->cmbView->setCurrentIndex(2);
  viewer->cmbViewClick();
  EXPECT_EQ(viewer->magnification(), 2.0);
  EXPECT_EQ(viewer->jupiterPicture(), JupiterDisc(ViewKind::StarDiagonal, 2));
  EXPECT_EQ(parts.observation.value().eastWestSign(), -1);
  EXPECT_EQ(viewer->northSouthSign(), -1);
  EXPECT_EQ(viewer->imgCompass->image(), CompassPicture(CompassRose::StarDiagonal));
}

TEST_F(ViewerTest, TwoHemisphereClicksRestorePictureAndCompass) {
  const QImage compass = viewer->imgCompass->image();
  const QImage globe = viewer->imgHemisphere->image();
  const QImage side = viewer->imgSideView->image();
  viewer->imgHemisphereClick();
  EXPECT_FALSE(parts.observation.value().northernHemisphere);
  EXPECT_EQ(parts.observation.value().eastWestSign(), 1);
  EXPECT_EQ(viewer->imgCompass->image(), CompassPicture(CompassRose::Other));
  EXPECT_NE(viewer->imgSideView->image(), side);
  viewer->imgHemisphereClick();
  EXPECT_EQ(viewer->imgCompass->image(), compass);
  EXPECT_EQ(viewer->imgHemisphere->image(), globe);
  EXPECT_EQ(viewer->imgSideView->image(), side);
}

TEST_F(ViewerTest, EmptiedDayBecomesTheFirst) {
  typeAndEnter(viewer->txtDay, QString());
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0], "Date must lie between 1 and 31");
  EXPECT_EQ(viewer->instant().day, 1);
  EXPECT_EQ(viewer->txtDay->text(), "01");
  EXPECT_TRUE(viewer->cmbMonth->hasFocus());
}

TEST_F(ViewerTest, DayBeyondTheMonthIsCutToItsLength) {
  typeAndEnter(viewer->txtDay, "31");
  viewer->cmbMonth->setCurrentIndex(3);  // April
  viewer->cmbMonthClick();
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0], "Date must lie between 1 and 30");
  EXPECT_EQ(viewer->txtDay->text(), "30");
  EXPECT_EQ(viewer->instant().month, 4);
}

TEST_F(ViewerTest, LeapDayFollowsTheYear) {
  viewer->cmbMonth->setCurrentIndex(1);
  viewer->cmbMonthClick();
  typeAndEnter(viewer->txtDay, "29");
  typeAndEnter(viewer->txtYear, "2004");
  EXPECT_TRUE(messages.errors.isEmpty());
  EXPECT_EQ(viewer->instant().day, 29);
  typeAndEnter(viewer->txtYear, "1900");
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0], "Date must lie between 1 and 28");
  EXPECT_EQ(viewer->instant().day, 28);
}

TEST_F(ViewerTest, TheTenLostDaysOf1582AreRefused) {
  typeAndEnter(viewer->txtYear, "1582");
  viewer->cmbMonth->setCurrentIndex(9);
  viewer->cmbMonthClick();
  typeAndEnter(viewer->txtDay, "10");
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0],
            "Invalid Date: Following the conversion from the Julian\n\rCalendar to the "
            "Gregorian Calendar, the date following\n\r4 October 1582 was 15 October 1582. Any "
            "date between \n\rthese has no meaning.");
  EXPECT_EQ(viewer->txtDay->text(), "04");
  typeAndEnter(viewer->txtDay, "15");
  typeAndEnter(viewer->txtDay, "4");
  EXPECT_EQ(messages.errors.size(), 1);
}

TEST_F(ViewerTest, TimeOutOfRangeIsReportedAndCut) {
  typeAndEnter(viewer->txtMinute, "75");
  typeAndEnter(viewer->txtHour, "30");
  typeAndEnter(viewer->txtSecond, "99");
  ASSERT_EQ(messages.errors.size(), 3);
  EXPECT_EQ(messages.errors[0], "Minute must lie between 0 and 59");
  EXPECT_EQ(messages.errors[1], "Hour must lie between 0 and 23");
  EXPECT_EQ(messages.errors[2], "Second must lie between 0 and 59");
  EXPECT_EQ(viewer->txtHour->text(), "23");
  EXPECT_EQ(viewer->txtMinute->text(), "59");
  EXPECT_EQ(viewer->txtSecond->text(), "59");
}

TEST_F(ViewerTest, OnlyDigitsCanBeTyped) {
  viewer->txtHour->setFocus(Qt::TabFocusReason);
  viewer->txtHour->clear();
  QTest::keyClicks(viewer->txtHour, "a-1.x2 ");
  EXPECT_EQ(viewer->txtHour->text(), "12");
  QTest::keyClick(viewer->txtHour, Qt::Key_Backspace);
  EXPECT_EQ(viewer->txtHour->text(), "1");
}

TEST_F(ViewerTest, EnterMovesTheFocusOnAsTabled) {
  typeAndEnter(viewer->txtSecond, "5");
  EXPECT_TRUE(viewer->cmbView->hasFocus());
  typeAndEnter(viewer->txtYear, "2001");
  EXPECT_TRUE(viewer->txtHour->hasFocus());
  EXPECT_EQ(viewer->instant().second, 5);
  EXPECT_EQ(viewer->instant().year, 2001);
  // The month list too: Enter moves on to the year, whose digits then replace it (they were
  // typed into the list and lost).
  typeAndEnter(viewer->txtDay, "3");
  ASSERT_TRUE(viewer->cmbMonth->hasFocus());
  QTest::keyClick(viewer->cmbMonth, Qt::Key_Return);
  ASSERT_TRUE(viewer->txtYear->hasFocus());
  QTest::keyClicks(QApplication::focusWidget(), "2002");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
  EXPECT_EQ(viewer->instant().year, 2002);
  EXPECT_EQ(viewer->instant().day, 3);
}

// Tab and Shift+Tab walk the tab order through every field and box and round again; leaving a
// field by Tab runs its check like any other move of the focus.
TEST_F(ViewerTest, TabWalksTheTabOrderAndRunsTheLeaveCheck) {
  const QList<QWidget*> order{viewer->txtDay,  viewer->cmbMonth,  viewer->txtYear,
                              viewer->txtHour, viewer->txtMinute, viewer->txtSecond,
                              viewer->cmbView, viewer->txtDay};
  viewer->txtDay->setFocus(Qt::OtherFocusReason);
  for (qsizetype i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Tab number " << i;
  }
  for (qsizetype i = order.size() - 2; i >= 0; --i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
  }
  EXPECT_TRUE(messages.errors.isEmpty());

  viewer->txtHour->setFocus(Qt::OtherFocusReason);
  viewer->txtHour->selectAll();
  QTest::keyClicks(viewer->txtHour, "30");
  QTest::keyClick(viewer->txtHour, Qt::Key_Tab);
  EXPECT_TRUE(viewer->txtMinute->hasFocus());
  EXPECT_EQ(messages.errors, QStringList{"Hour must lie between 0 and 23"});
  EXPECT_EQ(viewer->instant().hour, 23);
  EXPECT_EQ(viewer->txtHour->text(), "23");
}

// Delete as the X server delivers it: with the character 0x7F, which QTest leaves out.
TEST_F(ViewerTest, DeleteAndTheEditingKeysWorkInTheFields) {
  const auto pressDelete = [this] {
    QTest::sendKeyEvent(QTest::Click, viewer->txtYear, Qt::Key_Delete, QStringLiteral("\x7f"),
                        Qt::NoModifier);
  };
  viewer->txtYear->setFocus(Qt::OtherFocusReason);
  viewer->txtYear->setText("2026");
  QTest::keyClick(viewer->txtYear, Qt::Key_Home);
  pressDelete();
  EXPECT_EQ(viewer->txtYear->text(), "026");
  QTest::keyClick(viewer->txtYear, Qt::Key_End);
  QTest::keyClick(viewer->txtYear, Qt::Key_Left);
  pressDelete();
  EXPECT_EQ(viewer->txtYear->text(), "02");
  QTest::keyClick(viewer->txtYear, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(viewer->txtYear->text(), "026");
  QTest::keyClick(viewer->txtYear, Qt::Key_A, Qt::ControlModifier);
  pressDelete();
  EXPECT_EQ(viewer->txtYear->text(), "");
  // Escape in a field is no edit: the text stays.
  QTest::keyClicks(viewer->txtYear, "1999");
  QTest::keyClick(viewer->txtYear, Qt::Key_Escape);
  EXPECT_EQ(viewer->txtYear->text(), "1999");
  EXPECT_TRUE(viewer->txtYear->hasFocus());
}

// A keyboard user must see where the keys go. A box with the focus, got by a click or Enter
// (not only by Tab), shows the one-pixel highlighted frame of a field with the focus; nothing
// else of the box changes.
TEST_F(ViewerTest, FocusedBoxesShowTheFieldsFocusFrame) {
  viewer->txtDay->setFocus(Qt::MouseFocusReason);
  const QImage field = viewer->txtDay->grab().toImage();
  const QColor frame = field.pixelColor(0, field.height() / 2);
  for (QComboBox* box : {viewer->cmbMonth, viewer->cmbView}) {
    const QImage plain = box->grab().toImage();
    box->setFocus(Qt::MouseFocusReason);
    const QImage focused = box->grab().toImage();
    const int right = focused.width() - 1, bottom = focused.height() - 1;
    EXPECT_EQ(focused.pixelColor(0, bottom / 2), frame) << box->objectName().toStdString();
    EXPECT_EQ(focused.pixelColor(right, bottom / 2), frame) << box->objectName().toStdString();
    EXPECT_EQ(focused.pixelColor(right / 2, 0), frame) << box->objectName().toStdString();
    EXPECT_EQ(focused.pixelColor(right / 2, bottom), frame) << box->objectName().toStdString();
    EXPECT_NE(plain.pixelColor(0, bottom / 2), frame) << box->objectName().toStdString();
    // The field's soft inner ring too: the outer ring alone was a faint mark.
    for (const QPoint inner :
         {QPoint(1, bottom / 2), QPoint(right - 1, bottom / 2), QPoint(right / 2, bottom - 1)}) {
      EXPECT_NE(focused.pixel(inner), plain.pixel(inner)) << box->objectName().toStdString();
    }
    int changedInside = 0;  // beyond the two rings and the rounded corners' inner pixels
    for (int y = 0; y <= bottom; ++y) {
      for (int x = 0; x <= right; ++x) {
        const bool ring = x <= 1 || y <= 1 || x >= right - 1 || y >= bottom - 1;
        const bool corner = (x == 2 || x == right - 2) && (y == 2 || y == bottom - 2);
        if (!ring && !corner && focused.pixel(x, y) != plain.pixel(x, y)) ++changedInside;
      }
    }
    EXPECT_EQ(changedInside, 0) << box->objectName().toStdString();
  }
}

TEST_F(ViewerTest, PastedTextIsReportedAndTakenAsZero) {
  viewer->txtHour->setFocus(Qt::TabFocusReason);
  viewer->txtHour->setText("x7");  // as a paste would leave it
  QTest::keyClick(viewer->txtHour, Qt::Key_Return);
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0], "'x7' is not a valid integer value");
  EXPECT_EQ(viewer->instant().hour, 0);
  EXPECT_EQ(viewer->txtHour->text(), "00");

  viewer->txtYear->setFocus(Qt::TabFocusReason);
  viewer->txtYear->setText("-5");
  QTest::keyClick(viewer->txtYear, Qt::Key_Return);
  ASSERT_EQ(messages.errors.size(), 2);
  EXPECT_EQ(messages.errors[1], "'-5' is not a valid integer value");
  EXPECT_EQ(viewer->instant().year, 0);
}

// After a box about a field the field has the focus again, its corrected text selected, so
// that the value the user meant, typed at once, replaces it.
TEST_F(ViewerTest, AfterAFieldsMessageTypingReplacesItsText) {
  struct Case {
    QLineEdit* field;
    QString typed, corrected, meant;
  };
  const Case cases[] = {{viewer->txtHour, "30", "23", "21"},
                        {viewer->txtSecond, "99", "59", "07"},
                        {viewer->txtDay, "", "01", "15"},
                        {viewer->txtYear, "x7", "0", "1999"}};  // as a paste leaves it
  for (const Case& c : cases) {
    const std::string name = c.field->objectName().toStdString();
    c.field->setFocus(Qt::TabFocusReason);
    c.field->setText(c.typed);
    QTest::keyClick(c.field, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(c.field->text(), c.corrected) << name;
    ASSERT_EQ(QApplication::focusWidget(), c.field) << name;
    EXPECT_EQ(c.field->selectedText(), c.corrected) << name;
    QTest::keyClicks(QApplication::focusWidget(), c.meant);
    EXPECT_EQ(c.field->text(), c.meant) << name;
    QTest::keyClick(c.field, Qt::Key_Return);
  }
  EXPECT_EQ(viewer->instant().hour, 21);
  EXPECT_EQ(viewer->instant().second, 7);
  EXPECT_EQ(viewer->instant().day, 15);
  EXPECT_EQ(viewer->instant().year, 1999);
  EXPECT_EQ(messages.errors.size(), 4);
}

// The toolbar and window buttons take no focus, so an hour typed but not left stayed in the
// field beside a picture of the hour before. A button that acts on the instant takes the edit
// first, as leaving the field would; the picture is then the one of the hour shown.
TEST_F(ViewerTest, ButtonsFirstTakeAnEditThatWasNotLeft) {
  for (const char* name : {"lblMagnify", "lblReduce", "imgHemisphere", "lblStop", "lblRealtime"}) {
    typeAndEnter(viewer->txtHour, "10");
    viewer->txtHour->setFocus(Qt::OtherFocusReason);
    viewer->txtHour->selectAll();
    QTest::keyClicks(viewer->txtHour, "05");
    QTest::mouseClick(viewer->findChild<QWidget*>(name), Qt::LeftButton);
    EXPECT_EQ(viewer->instant().hour, 5) << name;
    EXPECT_EQ(viewer->txtHour->text(), "05") << name;
    JupiterState expected;
    c(JulianDayFromDate(1, 1, 2000, 5, 0, 0, zone()), expected);
    const DataPanelText panel = FormatDataPanel(expected, '.');
    EXPECT_EQ(label("lblGanymedeEW")->text().toStdString(), panel.satellites[2].eastWest) << name;
    if (viewer->Timer1->isActive()) viewer->lblRealtimeClick();
  }
  EXPECT_TRUE(messages.errors.isEmpty());

  // An edit out of range is reported and cut, then the button still does its work.
  viewer->txtMinute->setFocus(Qt::OtherFocusReason);
  viewer->txtMinute->selectAll();
  QTest::keyClicks(viewer->txtMinute, "75");
  const double magnification = viewer->magnification();
  QTest::mouseClick(viewer->findChild<QWidget*>("lblMagnify"), Qt::LeftButton);
  EXPECT_EQ(messages.errors, QStringList{"Minute must lie between 0 and 59"});
  EXPECT_EQ(viewer->instant().minute, 59);
  EXPECT_EQ(viewer->magnification(), magnification + 0.5);
}

// Coming back to the main window (About closed, a click from a side window) draws it afresh
// but keeps a time typed and not yet left; leaving the field then takes it.
TEST_F(ViewerTest, ActivationKeepsAPendingEdit) {
  const std::uint16_t hour = viewer->instant().hour;
  viewer->txtHour->setFocus(Qt::OtherFocusReason);
  viewer->txtHour->selectAll();
  QTest::keyClicks(viewer->txtHour, hour == 7 ? "8" : "7");
  const QString typed = viewer->txtHour->text();
  QEvent activation(QEvent::WindowActivate);
  QCoreApplication::sendEvent(viewer.get(), &activation);
  EXPECT_EQ(viewer->txtHour->text(), typed);
  EXPECT_EQ(viewer->instant().hour, hour);
  QTest::keyClick(viewer->txtHour, Qt::Key_Tab);
  EXPECT_EQ(viewer->instant().hour, typed.toUShort());
  EXPECT_EQ(viewer->txtHour->text(), "0" + typed);
  EXPECT_TRUE(messages.errors.isEmpty());
}

// Dragging the window and Now are no actions on the typed instant: the edit stays pending
// (Now replaces it), and no check runs until the focus leaves the field.
TEST_F(ViewerTest, DragAndNowLeaveATypedEditUnchecked) {
  viewer->txtHour->setFocus(Qt::OtherFocusReason);
  viewer->txtHour->selectAll();
  QTest::keyClicks(viewer->txtHour, "30");
  QWidget* handle = viewer->findChild<QWidget*>("lblKelvra95");
  QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(handle, QPoint(12, 11));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(12, 11));
  EXPECT_TRUE(messages.errors.isEmpty());
  EXPECT_EQ(viewer->txtHour->text(), "30");
  EXPECT_EQ(viewer->instant().hour, 12);

  QTest::mouseClick(viewer->imgNowButton, Qt::LeftButton);
  EXPECT_TRUE(messages.errors.isEmpty());
  EXPECT_EQ(viewer->txtHour->text(), "12");
  QTest::keyClick(viewer->txtHour, Qt::Key_Tab);
  EXPECT_TRUE(messages.errors.isEmpty());
}

// The side windows' buttons read the displayed month: a year typed but not left is taken
// first; closing the window reads nothing and leaves the edit alone.
TEST_F(ViewerTest, SideWindowButtonsFirstTakeAnEditThatWasNotLeft) {
  TSatTracks& tracks = viewer->addSideWindow(std::make_unique<TSatTracks>(parts.links(*viewer)));
  tracks.show();
  viewer->txtYear->setFocus(Qt::OtherFocusReason);
  viewer->txtYear->selectAll();
  QTest::keyClicks(viewer->txtYear, "2001");
  QTest::mouseClick(tracks.findChild<QWidget*>("lblTracksExit"), Qt::LeftButton);
  EXPECT_EQ(viewer->instant().year, 2000);
  tracks.show();
  QWidget* timeBasis = tracks.findChild<QWidget*>("imgTime");
  QTest::mouseClick(timeBasis, Qt::LeftButton);
  EXPECT_EQ(viewer->instant().year, 2001);
  QTest::mouseClick(timeBasis, Qt::LeftButton);  // back to Universal Time
}

TEST_F(ViewerTest, NowButtonTakesTheClock) {
  typeAndEnter(viewer->txtYear, "1999");
  SetClockForTesting([] { return kJ2000 + 86400 * 40 + 61; });  // 2000-02-10 12:01:01
  viewer->imgNowButtonClick();
  EXPECT_EQ(viewer->txtDay->text(), "10");
  EXPECT_EQ(viewer->cmbMonth->currentIndex(), 1);
  EXPECT_EQ(viewer->txtSecond->text(), "01");
}

TEST_F(ViewerTest, RealTimeGreysTheEntryAndTicksTheClock) {
  viewer->lblRealtimeClick();
  EXPECT_TRUE(viewer->Timer1->isActive());
  EXPECT_FALSE(viewer->txtDay->isEnabled());
  EXPECT_FALSE(viewer->imgNowButton->isEnabled());
  EXPECT_TRUE(viewer->cmbView->isEnabled());
  SetClockForTesting([] { return kJ2000 + 3600 + 2; });
  viewer->Timer1Timer();
  EXPECT_EQ(viewer->txtHour->text(), "13");
  EXPECT_EQ(viewer->txtSecond->text(), "02");
  viewer->lblRealtimeClick();
  EXPECT_FALSE(viewer->Timer1->isActive());
  EXPECT_TRUE(viewer->txtDay->isEnabled());
  EXPECT_TRUE(viewer->imgNowButton->isEnabled());
}

TEST_F(ViewerTest, NowButtonLooksDisabledInRealTimeOnly) {
  const QImage raised = NowButtonFace(false);
  EXPECT_EQ(viewer->imgNowButton->image(), raised);
  viewer->lblRealtimeClick();
  EXPECT_EQ(viewer->imgNowButton->image(), NowButtonDisabledFace());
  viewer->Timer1Timer();
  EXPECT_EQ(viewer->imgNowButton->image(), NowButtonDisabledFace());
  viewer->lblRealtimeClick();
  EXPECT_EQ(viewer->imgNowButton->image(), raised);
  // Pressed and released with the mouse, as before.
  QTest::mousePress(viewer->imgNowButton, Qt::LeftButton, {}, {20, 10});
  EXPECT_EQ(viewer->imgNowButton->image(), NowButtonFace(true));
  QTest::mouseRelease(viewer->imgNowButton, Qt::LeftButton, {}, {20, 10});
  EXPECT_EQ(viewer->imgNowButton->image(), raised);
}

TEST_F(ViewerTest, EyepieceShowsTheShadowsOfTheDisplayedInstant) {
  // The middle of the first shadow transit of December 2026, shown by a main window started
  // two hours east of Greenwich: the shadows are those of the instant in UT, drawn with the
  // view's own mapping.
  setenv("TZ", "<+02>-2", 1);
  tzset();
  viewer.reset();
  viewer = std::make_unique<TViewer>(parts.observation, parts.settings);
  ASSERT_EQ(zone(), -120);
  const std::vector<MoonEvent> events =
      FindMoonEvents(JulianDayFromDate(1, 12, 2026, 2, 0, 0, -120), 31);
  const auto transit = std::find_if(events.begin(), events.end(), [](const MoonEvent& event) {
    return event.kind == MoonEventKind::ShadowTransit && event.start && event.end;
  });
  ASSERT_NE(transit, events.end());
  const CivilDateTime shown = CalDate((*transit->start + *transit->end) / 2, -120);
  viewer->setInstant(shown);

  const JulianDay ut = JulianDayFromDate(shown.day, shown.month, shown.year, shown.hour,
                                         shown.minute, shown.second, -120);
  JupiterState state;
  c(ut, state);
  const auto order = SortSatellites(state.U);
  const auto drawn = [&](const std::array<MoonShadow, 5>& shadows) {
    QImage side(viewer->imgSideView->canvas().size(), QImage::Format_RGB32);
    DrawSideView(side, state, shadows, order, SideViewScaleFor(viewer->magnification()),
                 parts.observation.value().eastWestSign(), viewer->northSouthSign(),
                 viewer->jupiterPicture());
    return side;
  };
  const QImage& canvas = viewer->imgSideView->canvas();
  EXPECT_TRUE(canvas == drawn(MoonShadowsAt(ut)));
  EXPECT_FALSE(canvas == drawn({}));
}

TEST_F(ViewerTest, AnimationFramesAdvanceByTheIntervalAndLandOnTheNextDay) {
  viewer->animationInterval() = 60;
  viewer->setAnimationJulianDay(JulianDayFromDate(1, 1, 2000, 12, 0, 0, zone()));
  viewer->AnimationStep();
  EXPECT_EQ(viewer->txtHour->text(), "12");
  for (int frame = 2; frame <= 25; ++frame) viewer->AnimationStep();
  EXPECT_EQ(viewer->txtDay->text(), "02");
  EXPECT_EQ(viewer->txtHour->text(), "12");
  EXPECT_EQ(viewer->txtMinute->text(), "00");
  EXPECT_EQ(viewer->txtSecond->text(), "00");
}

TEST_F(ViewerTest, LongAnimationsKeepTheStartsSecond) {
  // Adding an hour frame after frame loses part of a bit each time: from 10:20:30 the
  // frames fell to :29 after about forty of them.
  typeAndEnter(viewer->txtHour, "10");
  typeAndEnter(viewer->txtMinute, "20");
  typeAndEnter(viewer->txtSecond, "30");
  viewer->animationInterval() = 60;
  viewer->StartAnimation();
  viewer->lblStopClick();  // the frames are driven here, one by one
  for (int frame = 0; frame < 300; ++frame) {
    viewer->AnimationStep();
    ASSERT_EQ(viewer->txtSecond->text().toStdString(), "30") << "frame " << frame;
    ASSERT_EQ(viewer->txtMinute->text().toStdString(), "20") << "frame " << frame;
  }
  EXPECT_EQ(viewer->txtDay->text(), "13");  // 2000-01-01 + 299 hours = 2000-01-13 21:20:30
  EXPECT_EQ(viewer->txtHour->text(), "21");
}

TEST_F(ViewerTest, AnIntervalOfZeroWhileFramesRunHoldsTheLastInstant) {
  // The interval dialog closed with 0 starts nothing, but frames already running go on
  // with the new interval from where they are.
  viewer->animationInterval() = 30;
  viewer->setAnimationJulianDay(JulianDayFromDate(1, 1, 2000, 12, 0, 0, zone()));
  for (int frame = 0; frame < 3; ++frame) viewer->AnimationStep();
  viewer->animationInterval() = 0;
  for (int frame = 0; frame < 3; ++frame) viewer->AnimationStep();
  EXPECT_EQ(viewer->txtHour->text(), "13");
  EXPECT_EQ(viewer->txtMinute->text(), "30");
  EXPECT_NEAR(viewer->animationJulianDay(), JulianDayFromDate(1, 1, 2000, 13, 30, 0, zone()), 1e-8);
}

TEST_F(ViewerTest, StopShowsTheLastFramesInstantAndThePanelMatchesIt) {
  viewer->animationInterval() = 17;
  viewer->setAnimationJulianDay(JulianDayFromDate(31, 1, 2000, 23, 0, 0, zone()));
  for (int frame = 0; frame < 5; ++frame) viewer->AnimationStep();
  viewer->lblStopClick();
  EXPECT_EQ(viewer->txtDay->text(), "01");
  EXPECT_EQ(viewer->cmbMonth->currentIndex(), 1);
  EXPECT_EQ(viewer->txtHour->text(), "00");
  EXPECT_EQ(viewer->txtMinute->text(), "08");
  JupiterState expected;
  c(JulianDayFromDate(1, 2, 2000, 0, 8, 0, zone()), expected);
  const DataPanelText panel = FormatDataPanel(expected, '.');
  EXPECT_EQ(label("lblGanymedeEW")->text().toStdString(), panel.satellites[2].eastWest);
}

TEST_F(ViewerTest, AnimationRunsThroughTheWorkerUntilStopped) {
  viewer->lblStopClick();  // Stop while nothing runs changes nothing
  viewer->animationInterval() = 1;
  viewer->lblRealtimeClick();
  viewer->StartAnimation();
  EXPECT_FALSE(viewer->Timer1->isActive());
  EXPECT_FALSE(viewer->txtDay->isEnabled());  // entry stays greyed, as real time left it
  QTRY_VERIFY_WITH_TIMEOUT(viewer->instant().hour == 12 && viewer->instant().minute >= 5, 5000);
  viewer->lblStopClick();
  EXPECT_FALSE(viewer->animationRunning());
  const JulianDay stoppedAt = viewer->animationJulianDay();
  const QString shown = viewer->txtMinute->text();
  QTest::qWait(50);
  EXPECT_EQ(viewer->animationJulianDay(), stoppedAt);
  EXPECT_EQ(viewer->txtMinute->text(), shown);
  viewer->StartAnimation();  // starts again from the instant shown
  QTRY_VERIFY_WITH_TIMEOUT(viewer->txtMinute->text() != shown, 5000);
  viewer->lblStopClick();
}

TEST_F(ViewerTest, AnimationIntoANewMonthRedrawsAVisibleTracksWindow) {
  TSatTracks& tracks = viewer->addSideWindow(std::make_unique<TSatTracks>(parts.links(*viewer)));
  tracks.show();
  auto* chart = tracks.findChild<ImageView*>("imgTracks");
  ASSERT_NE(chart, nullptr);
  const auto blankChart = [chart] {
    chart->canvas().fill(Qt::white);
    return chart->image();
  };
  const QImage blank = blankChart();
  typeAndEnter(viewer->txtHour, "5");  // a change of hour leaves the month's chart alone
  EXPECT_EQ(chart->image(), blank);
  typeAndEnter(viewer->txtYear, "2001");  // a change of year redraws it
  EXPECT_NE(chart->image(), blank);

  blankChart();
  viewer->animationInterval() = 600;
  CivilDateTime lastDay = viewer->instant();
  lastDay.day = 31;  // 2001-01-31
  viewer->setInstant(lastDay);
  viewer->StartAnimation();
  QTRY_VERIFY_WITH_TIMEOUT(viewer->instant().month == 2, 5000);
  viewer->lblStopClick();
  EXPECT_NE(chart->image(), blank);
}

TEST_F(ViewerTest, RealTimeCrossingTheMonthLeavesTheTracksWindowAlone) {
  TSatTracks& tracks = viewer->addSideWindow(std::make_unique<TSatTracks>(parts.links(*viewer)));
  tracks.show();
  auto* chart = tracks.findChild<ImageView*>("imgTracks");
  SetClockForTesting([] { return kJ2000 + 30 * 86400 + 43199; });  // 2000-01-31 23:59:59
  viewer->Timer1Timer();
  chart->canvas().fill(Qt::white);
  const QImage blank = chart->image();
  SetClockForTesting([] { return kJ2000 + 30 * 86400 + 43201; });  // 2000-02-01 00:00:01
  viewer->Timer1Timer();
  EXPECT_EQ(viewer->instant().month, 2);
  EXPECT_EQ(chart->image(), blank);
}

// A side window that notes what it is told, as text: "Instant Month: Set", "View".
class ChangeRecorder : public SideWindowForm {
 public:
  explicit ChangeRecorder(const SideWindowLinks& links)
      : SideWindowForm(links, kRecorderKind, {"Recorder", "imgBack", "btnExit", "imgList"}, nullptr,
                       nullptr) {}
  std::vector<std::string> told;

 protected:
  void observationChanged(ObservationChanges what, InstantChange why) override {
    static constexpr std::pair<ObservationChange, const char*> kNames[] = {
        {ObservationChange::Instant, "Instant"},    {ObservationChange::Month, "Month"},
        {ObservationChange::Zone, "Zone"},          {ObservationChange::View, "View"},
        {ObservationChange::Theory, "Theory"},      {ObservationChange::Site, "Site"},
        {ObservationChange::Selection, "Selection"}};
    static constexpr const char* kWhy[] = {"Set", "Tick", "Frame", "Jump", "Redraw"};
    QStringList names;
    for (const auto& [flag, name] : kNames) {
      if (what.testFlag(flag)) names << QString::fromLatin1(name);
    }
    QString text = names.join(u' ');
    if (what.testFlag(ObservationChange::Instant))
      text += QStringLiteral(": ") + QString::fromLatin1(kWhy[static_cast<int>(why)]);
    told.push_back(text.toStdString());
  }
  void drawList(QImage&) override {}
  void print(std::uint16_t, std::uint16_t) override {}
  bool localTime() const override { return false; }
  void storeLocalTime(bool) override {}
};

// Each change reaches a side window once, saying what changed and, for the instant, why (a list
// scrolls for the user's own instant alone); what changes nothing is not told.
TEST_F(ViewerTest, TellsTheSideWindowsEachChangeOnceWithItsReason) {
  ChangeRecorder& recorder =
      viewer->addSideWindow(std::make_unique<ChangeRecorder>(parts.links(*viewer)));
  recorder.show();
  viewer->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
  const auto after = [&](auto action) {
    recorder.told.clear();
    action();
    return recorder.told;
  };
  using Told = std::vector<std::string>;
  EXPECT_EQ(after([&] { typeAndEnter(viewer->txtHour, "21"); }), Told{"Instant: Set"});
  EXPECT_EQ(after([&] { typeAndEnter(viewer->txtYear, "2026"); }), Told{"Instant Month: Set"});
  EXPECT_EQ(after([&] { viewer->imgNowButtonClick(); }), Told{"Instant Month: Set"});
  SetClockForTesting([] { return kJ2000 + 1; });
  EXPECT_EQ(after([&] { viewer->Timer1Timer(); }), Told{"Instant: Tick"});
  viewer->animationInterval() = 60;
  viewer->setAnimationJulianDay(2451546.0);  // 2000-01-02 12:00 UT
  EXPECT_EQ(after([&] { viewer->AnimationStep(); }), Told{"Instant: Frame"});
  EXPECT_EQ(after([&] { viewer->jumpToInstant(2451547.0); }), Told{"Instant: Jump"});
  EXPECT_EQ(viewer->txtDay->text(), "03");  // 2000-01-03 12:00 UT, the jump shown
  EXPECT_EQ(after([&] { viewer->lblMagnifyClick(); }), Told{});
  EXPECT_EQ(after([&] { viewer->imgHemisphereClick(); }), Told{"View"});
  EXPECT_EQ(after([&] { viewer->togglePositions(); }), Told{"Theory"});
  EXPECT_EQ(after([&] { viewer->togglePositions(); }), Told{"Theory"});  // back to classic
  const SiteSetting berlin{{52.52, 13.40, 34}, {}};
  EXPECT_EQ(after([&] { viewer->setSite(berlin); }), Told{"Site"});
  EXPECT_EQ(after([&] { viewer->setSite(berlin); }), Told{});
  EXPECT_EQ(after([&] { viewer->setSite(std::nullopt); }), Told{"Site"});
}

// A window closed while the view and the month changed draws them as they are when it opens.
TEST_F(ViewerTest, ASideWindowOpenedAfterAChangeShowsTheObservationAsItIsNow) {
  TSatTracks& tracks = viewer->addSideWindow(std::make_unique<TSatTracks>(parts.links(*viewer)));
  tracks.DrawTracks();  // drawn once, then closed
  viewer->imgHemisphereClick();
  typeAndEnter(viewer->txtYear, "2026");
  QImage expected = tracks.chartImage();
  DrawTracksChart(expected, ComputeTracksChart({1, 2026, ViewKind::AstroScope, false, {}}),
                  ListFont(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
  ASSERT_NE(tracks.chartImage(), expected);
  QTest::mouseClick(viewer->findChild<QWidget*>("lblTracks"), Qt::LeftButton);
  ASSERT_TRUE(tracks.isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(tracks.chartImage() == expected, 5000);
}

TEST(ViewerStartUp, MissingSkinEndsTheStartWithOneMessage) {
  setenv("TZ", "UTC", 1);
  tzset();
  testing::InstallProgramFiles("Kelvra4.dat");
  testing::MessageLog messages;
  testing::ProgramParts parts;
  TViewer viewer(parts.observation, parts.settings);
  EXPECT_FALSE(viewer.startedUp());
  ASSERT_EQ(messages.plain.size(), 1);
  EXPECT_TRUE(messages.plain[0].startsWith("File \"Kelvra4.dat\" is either missing"));
  EXPECT_EQ(viewer.imgSideView, nullptr);  // nothing was built, computed or drawn
}

// Where nothing activates the new window (a compositor that does not), it is filled all the
// same when shown: it stayed blank, its values 0.00, until clicked.
TEST(ViewerStartUp, ShownButNeverActivatedShowsTheInstant) {
  testing::PrepareMainWindowStart();
  testing::MessageLog messages;
  testing::ProgramParts parts;
  TViewer viewer(parts.observation, parts.settings);
  ASSERT_TRUE(viewer.startedUp());
  struct NoActivation : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
      return event->type() == QEvent::WindowActivate;
    }
  } noActivation;
  viewer.installEventFilter(&noActivation);
  viewer.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
  EXPECT_EQ(viewer.txtDay->text(), "01");
  EXPECT_EQ(viewer.txtYear->text(), "2000");
  EXPECT_EQ(viewer.txtHour->text(), "12");
  EXPECT_EQ(viewer.findChild<QLabel*>("lblSystem1")->text(), "197.10");
  EXPECT_EQ(viewer.findChild<QLabel*>("lblCallistoEW")->text(), "21.35");
  // The views hold the instant's picture: the same as activation draws.
  const QImage shown = viewer.imgPlanView->image();
  viewer.removeEventFilter(&noActivation);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&viewer, &activate);
  EXPECT_EQ(viewer.imgPlanView->image(), shown);
  SetClockForTesting({});
}

TEST(ViewerStartUp, FirstStartWritesTheDefaultSettings) {
  testing::InstallProgramFiles();
  testing::MessageLog messages;
  testing::ProgramParts parts;
  TViewer viewer(parts.observation, parts.settings);
  EXPECT_EQ(viewer.config().RSLongitude, 65);
  EXPECT_TRUE(std::filesystem::exists(ProgramDirectory() / kSettingsFileName));
}

}  // namespace
}  // namespace kelvra
