#include "ui/events/moon_events_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/events/moon_events_page.h"

namespace kelvra {
namespace {

// Days, UT, of a civil date and time in a zone `offset` minutes behind UT.
JulianDay civil(std::int32_t offset, int year, int month, int day, int hour, int minute,
                int second = 0) {
  return JulianDayFromDate(static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(hour),
                           static_cast<std::uint16_t>(minute), static_cast<std::uint16_t>(second),
                           offset);
}

constexpr std::int32_t kNewYork = 300;  // minutes, UT = local + offset
constexpr std::int32_t kTokyo = -540;

class MoonEventsWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  MoonEventsWindowTest() {
    host.observation.set({.instantUT = civil(0, 2021, 3, 15, 0, 0)});
    window = std::make_unique<TMoonEvents>(host.links());
    window->show();
    window->redraw();
  }

  // The program started `offset` minutes behind UT: the main window's zone.
  void inZone(std::int32_t offset) {
    Observation next = host.observation.value();
    next.zoneOffset = offset;
    host.observation.set(next);
  }
  // The main window set to `ut` for `why`.
  void setMain(JulianDay ut, InstantChange why = InstantChange::Set) { host.show(ut, why); }
  // Days, UT: the instant the main window shows.
  JulianDay shownUT() const { return host.observation.value().instantUT; }
  // The list switched to local time or back, as its button does.
  void useLocalTime(bool local) {
    if (localTime() == local) return;
    QTest::mouseClick(window->findChild<ImageView*>("imgTime"), Qt::LeftButton);
  }
  bool localTime() const {
    return QSettings(QString::fromStdString((host.directory() / kIniFileName).string()),
                     QSettings::IniFormat)
        .value(kEventsLocalTimeKey.name)
        .toBool();
  }
  std::string text(std::size_t i) const { return FormatMoonEventLine(window->lines()[i]).joined(); }
  std::size_t indexOf(const std::string& line) const {
    for (std::size_t i = 0; i < window->lines().size(); ++i) {
      if (text(i) == line) return i;
    }
    ADD_FAILURE() << line << " is not listed";
    return 0;
  }
  // The main window's instant in a zone, "MM-DD hh:mm:ss".
  static std::string clock(JulianDay ut, std::int32_t offset) {
    const CivilDateTime c = CalDate(ut, offset);
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d:%02d", c.month, c.day, c.hour, c.minute,
                  c.second);
    return text;
  }

  ImageView& list() { return *window->findChild<ImageView*>("imgEvents"); }
  int rowHeight() const { return MoonEventRowHeight(ListFont(96)); }

  testing::MessageLog messages;
  testing::FakeHost host;
  std::unique_ptr<TMoonEvents> window;
};

TEST_F(MoonEventsWindowTest, OpensAtTheMainWindowsDayAndMarksWhatIsGoingOn) {
  ASSERT_TRUE(window->isUsable());
  const auto& lines = window->lines();
  ASSERT_GT(lines.size(), 60u);
  const MoonEventListView& view = window->view();
  EXPECT_EQ(lines[view.selected].day, 15);
  EXPECT_LT(lines[view.selected - 1].day, 15);
  EXPECT_LE(view.top, view.selected);

  // Half way through a phenomenon both its lines are marked, and nothing else that ended.
  const MoonEventLine& line = lines[view.selected];
  setMain((line.eventStart + line.eventEnd) / 2, InstantChange::Tick);
  const auto& marked = window->view().marked;
  EXPECT_NE(std::find(marked.begin(), marked.end(), view.selected), marked.end());
  for (std::size_t i : marked) {
    EXPECT_LE(lines[i].eventStart, shownUT());
    EXPECT_GT(lines[i].eventEnd, shownUT());
  }
}

TEST_F(MoonEventsWindowTest, ClickAndEnterJumpToTheLine) {
  const std::size_t top = window->view().top;
  QTest::mouseClick(&list(), Qt::LeftButton, {}, QPoint(40, 2 * rowHeight() + 2));
  EXPECT_EQ(host.jumps, 1);
  EXPECT_NEAR(shownUT(), MoonEventJumpInstant(window->lines()[top + 2]),
              1e-8);  // days: a millisecond

  QTest::keyClick(window.get(), Qt::Key_Down);
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_EQ(host.jumps, 2);
  EXPECT_NEAR(shownUT(), MoonEventJumpInstant(window->lines()[top + 3]), 1e-8);
}

// In the season the list holds the mutual events; a click on one, or Enter, shows its maximum to
// the second, and its tooltip gives its contacts and the light lost.
TEST_F(MoonEventsWindowTest, JumpsToAMutualEventsMaximumAndExplainsItInTheTooltip) {
  setMain(civil(0, 2026, 10, 6, 7, 0));
  const auto& lines = window->lines();
  const std::size_t total = indexOf("6 07:43 4O1 T");  // Callisto wholly hides Io
  const MoonEventLine& line = lines[total];
  ASSERT_TRUE(line.mutual.has_value());
  const std::size_t top = window->view().top;
  ASSERT_GE(total, top);
  ASSERT_LT(static_cast<int>(total - top), 403 / rowHeight());  // in sight
  const int y = static_cast<int>(total - top) * rowHeight() + 2;
  QTest::mouseClick(&list(), Qt::LeftButton, {}, QPoint(40, y));
  EXPECT_EQ(host.jumps, 1);
  EXPECT_EQ(clock(shownUT(), 0), clock(std::round(line.mutual->maximum * 86400) / 86400, 0));
  EXPECT_EQ(window->view().selected, total);

  const QString tip = window->toolTipAt(QPoint(40, y));
  const CivilDateTime start = CalDate(line.mutual->start + 0.5 / 1440, 0);
  const CivilDateTime end = CalDate(line.mutual->end + 0.5 / 1440, 0);
  EXPECT_TRUE(tip.startsWith(QStringLiteral("4O1: Callisto occults Io, total\n")))
      << tip.toStdString();
  EXPECT_TRUE(tip.contains(QStringLiteral("start 07:%1, maximum 07:43, end 07:%2")
                               .arg(start.minute, 2, 10, QChar('0'))
                               .arg(end.minute, 2, 10, QChar('0'))))
      << tip.toStdString();
  EXPECT_TRUE(tip.contains(QStringLiteral("light lost at maximum: 68% of the pair's light")))
      << tip.toStdString();
  // A moon's own line has no tooltip of its own.
  ASSERT_FALSE(lines[total - 1].mutual.has_value());
  EXPECT_TRUE(window->toolTipAt(QPoint(40, y - rowHeight())).isEmpty());

  // Enter on the line after it: if that is mutual too, its maximum; either way the line's jump.
  QTest::keyClick(window.get(), Qt::Key_Down);
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_EQ(host.jumps, 2);
  EXPECT_NEAR(shownUT(), MoonEventJumpInstant(lines[total + 1]), 1e-8);
}

TEST_F(MoonEventsWindowTest, KeysAndWheelScrollAndKeepTheSelectionInSight) {
  const std::size_t rows = 403 / static_cast<std::size_t>(rowHeight());
  QTest::keyClick(window.get(), Qt::Key_End);
  EXPECT_EQ(window->view().selected, window->lines().size() - 1);
  EXPECT_EQ(window->view().top, window->lines().size() - rows);
  QTest::keyClick(window.get(), Qt::Key_Home);
  EXPECT_EQ(window->view().selected, 0u);
  EXPECT_EQ(window->view().top, 0u);
  QTest::keyClick(window.get(), Qt::Key_Up);  // stays on the first line
  EXPECT_EQ(window->view().selected, 0u);
  QTest::keyClick(window.get(), Qt::Key_PageDown);
  EXPECT_EQ(window->view().selected, rows - 1);
  EXPECT_EQ(window->view().top, 0u);
  QTest::keyClick(window.get(), Qt::Key_Down);
  EXPECT_EQ(window->view().top, 1u);
  EXPECT_EQ(host.jumps, 0);  // moving the selection sets no instant

  // The wheel: three lines a notch away from the reader, nothing for less than a notch, never
  // above the first line nor past the last page; the selection stays where it was.
  const std::size_t last = window->lines().size() - rows;
  const struct {
    int angle;  // eighths of a degree, positive away from the user
    std::size_t top;
  } turns[] = {{-120, 4}, {-60, 4}, {-240, 10}, {360, 1}, {120, 0}, {-120000, last}, {-120, last}};
  for (const auto& turn : turns) {
    QWheelEvent wheel(QPointF(40, 100), QPointF(40, 100), {}, QPoint(0, turn.angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &wheel);
    EXPECT_EQ(window->view().top, turn.top) << "after a turn of " << turn.angle;
  }
  EXPECT_EQ(window->view().selected, rows);
}

// Another window can follow the list's selected line: the observation names it while the list
// is open, by what it shows, and names none once the list is closed.
TEST_F(MoonEventsWindowTest, TellsTheObservationWhichLineIsSelected) {
  const auto selected = [this] { return host.observation.value().selected; };
  QTest::keyClick(window.get(), Qt::Key_Down);
  const MoonEventLine& line = window->lines()[window->view().selected];
  ASSERT_TRUE(selected());
  EXPECT_EQ(selected()->code, FormatMoonEventLine(line).code);
  EXPECT_EQ(selected()->instant, line.instant);
  window->exitClick();
  EXPECT_EQ(selected(), std::nullopt);
}

TEST_F(MoonEventsWindowTest, TimeBasisLivesInTheIniNotInTheRecord) {
  const auto first = window->lines().front();
  {
    inZone(-120);
    QTest::mouseClick(window->findChild<ImageView*>("imgTime"), Qt::LeftButton);
    EXPECT_EQ(host.saves, 0);
    EXPECT_FALSE(host.record.GRSLocalTime);
    QSettings ini(QString::fromStdString((host.directory() / kIniFileName).string()),
                  QSettings::IniFormat);
    EXPECT_TRUE(ini.value(kEventsLocalTimeKey.name).toBool());
    // The list is now in local time: the same phenomenon two hours later on the clock.
    const auto& lines = window->lines();
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const MoonEventLine& l) {
      return std::abs(l.instant - first.instant) < 1e-6;  // days: a tenth of a second
    });
    ASSERT_NE(same, lines.end());
    EXPECT_EQ((same->hour - first.hour + 24) % 24, 2);
  }
  SettingsStore again{host.directory(), host.directory() / "user"};
  TMoonEvents reopened({host, host.observation, again});
  QTest::mouseClick(reopened.findChild<ImageView*>("imgTime"), Qt::LeftButton);  // back to UT
  QSettings ini(QString::fromStdString((host.directory() / kIniFileName).string()),
                QSettings::IniFormat);
  EXPECT_FALSE(ini.value(kEventsLocalTimeKey.name).toBool());
}

TEST_F(MoonEventsWindowTest, SaysWhenTheTimesAreLessAccurateInFull) {
  setMain(JulianDayFromDate(15, 3, 1850, 0, 0, 0, 0));
  EXPECT_FALSE(window->view().accurate);
  // The whole notice, beside the scroll bar, at the font of either screen resolution.
  for (const double dpi : {96.0, 100.0}) {
    const QFont font = ListFont(dpi);
    const QStringList rows = MoonEventNoticeRows(font, 160);
    EXPECT_EQ(rows.join(' '), "Outside 1900-2100: less accurate");
    for (const QString& row : rows) {
      EXPECT_LE(QFontMetrics(font).horizontalAdvance(row), 160 - 3 - 4) << row.toStdString();
    }
  }
  // The notice rows are drawn in the accent colour, above the lines; the first line under them
  // is the list's top.
  const int noticeRows = static_cast<int>(MoonEventNoticeRows(ListFont(96), 160).size());
  const QImage& image = list().image();
  for (int row = 0; row < noticeRows; ++row) {
    bool accent = false;
    for (int x = 0; x < 150 && !accent; ++x) {
      for (int y = row * rowHeight(); y < (row + 1) * rowHeight(); ++y) {
        accent |= image.pixel(x, y) == qRgb(236, 156, 92);
      }
    }
    EXPECT_TRUE(accent) << "row " << row;
  }
  const std::size_t top = window->view().top;
  QTest::mouseClick(&list(), Qt::LeftButton, {}, QPoint(40, noticeRows * rowHeight() + 2));
  EXPECT_EQ(window->view().selected, top);
  EXPECT_EQ(host.jumps, 1);
}

// The cases found by hand: the list in UT in New York and in Tokyo, and a local list whose
// first line lies in the previous month's last half minute.
TEST_F(MoonEventsWindowTest, ShowsTheMonthOfTheInstantInItsOwnTimeBasis) {
  inZone(kNewYork);
  // 31 December 21:00 in New York is 1 January 02:00 UT.
  window->hide();
  setMain(civil(kNewYork, 2026, 12, 31, 21, 0));
  window->show();
  window->redraw();  // opened
  EXPECT_EQ(window->listMonth().month, 1);
  EXPECT_EQ(window->listMonth().year, 2027);
  EXPECT_EQ(text(0), "1 05:49 I.Ec.D");
  // 30 November 22:38 in New York is 1 December 03:38 UT.
  setMain(civil(kNewYork, 2026, 11, 30, 22, 38));
  EXPECT_EQ(window->listMonth().month, 12);
  EXPECT_EQ(text(0), "1 03:38 II.Sh.I");
  EXPECT_EQ(window->view().selected, 0u);
  // In local time the same instant is still November's.
  useLocalTime(true);
  EXPECT_EQ(window->listMonth().month, 11);
  EXPECT_EQ(text(window->view().selected).substr(0, 3), "30 ");
}

TEST_F(MoonEventsWindowTest, AJumpNeverMovesTheList) {
  {
    inZone(kNewYork);
    setMain(civil(kNewYork, 2026, 12, 1, 10, 0));
    ASSERT_EQ(text(0), "1 03:38 II.Sh.I");
    QTest::mouseClick(&list(), Qt::LeftButton, {}, QPoint(40, 2));
    // Set to the listed minute, inside the shadow's transit, in the neighbouring local month.
    EXPECT_EQ(clock(shownUT(), kNewYork), "11-30 22:38:00");
    EXPECT_EQ(window->listMonth().month, 12);
    EXPECT_EQ(text(0), "1 03:38 II.Sh.I");
    EXPECT_EQ(window->view().top, 0u);
    EXPECT_EQ(window->view().selected, 0u);
    // The window drawn again (activated) keeps it all.
    window->redraw();
    EXPECT_EQ(window->listMonth().month, 12);
    EXPECT_EQ(window->view().selected, 0u);
  }
  {
    inZone(kTokyo);
    setMain(civil(kTokyo, 2026, 12, 20, 12, 0));
    QTest::keyClick(window.get(), Qt::Key_End);
    // The month's last moon line, above the mutual events that come later that day.
    for (int up = 0; up < 5 && window->lines()[window->view().selected].mutual; ++up) {
      QTest::keyClick(window.get(), Qt::Key_Up);
    }
    const MoonEventListView before = window->view();
    ASSERT_EQ(text(before.selected), "31 16:25 III.Tr.E");
    QTest::keyClick(window.get(), Qt::Key_Return);
    // The egress rounded down, in the next local month.
    EXPECT_EQ(clock(shownUT(), kTokyo), "01-01 01:24:59");
    EXPECT_EQ(window->listMonth().month, 12);
    EXPECT_EQ(window->view().top, before.top);
    EXPECT_EQ(window->view().selected, before.selected);
  }
  {
    // In New York's local time the shadow leaves Io's disc at 23:59:47 on 30 June 2024,
    // listed as 1 July 00:00.
    inZone(kNewYork);
    useLocalTime(true);
    setMain(civil(kNewYork, 2024, 7, 1, 12, 0));
    QTest::keyClick(window.get(), Qt::Key_Home);
    ASSERT_EQ(text(0), "1 00:00 I.Sh.E");
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(clock(shownUT(), kNewYork), "06-30 23:59:47");
    EXPECT_EQ(window->listMonth().month, 7);
    EXPECT_EQ(window->view().selected, 0u);
    EXPECT_EQ(window->view().top, 0u);
  }
  EXPECT_EQ(host.jumps, 3);
}

TEST_F(MoonEventsWindowTest, ScrollsToTheFirstLitLineOnlyWhenTheUserSetsTheInstant) {
  setMain(civil(0, 2026, 12, 1, 0, 0));
  ASSERT_EQ(window->view().top, 0u);
  const auto& lines = window->lines();
  const std::size_t rows = 403 / static_cast<std::size_t>(rowHeight());
  const auto eighth = std::find_if(lines.begin(), lines.end(), [](const MoonEventLine& l) {
    return l.day == 8 && l.phase == MoonEventPhase::Start;
  });
  ASSERT_NE(eighth, lines.end());
  const JulianDay during = eighth->eventStart + 1.0 / 1440;  // a minute into it
  const auto firstLitInSight = [&] {
    const MoonEventListView& view = window->view();
    return !view.marked.empty() && view.marked.front() >= view.top &&
           view.marked.front() < view.top + rows;
  };
  // Real time and animation frames leave the list where it is.
  setMain(during, InstantChange::Tick);
  EXPECT_EQ(window->view().top, 0u);
  ASSERT_FALSE(window->view().marked.empty());
  EXPECT_FALSE(firstLitInSight());
  setMain(during + 1.0 / 86400, InstantChange::Frame);
  EXPECT_EQ(window->view().top, 0u);
  // The user's own instant brings the lit lines into sight.
  setMain(during + 2.0 / 86400);
  EXPECT_GT(window->view().top, 0u);
  EXPECT_TRUE(firstLitInSight());
  // Set again unchanged (Tab through the fields), or with nothing lit: the list stays.
  QTest::keyClick(window.get(), Qt::Key_Home);
  setMain(during + 2.0 / 86400);
  EXPECT_EQ(window->view().top, 0u);
  JulianDay quiet = civil(0, 2026, 12, 20, 0, 0);
  while (!MoonEventLinesGoingOn(lines, quiet).empty()) quiet += 1.0 / 1440;
  setMain(quiet);
  EXPECT_TRUE(window->view().marked.empty());
  EXPECT_EQ(window->view().top, 0u);
}

// Without a window manager a side window under the others came forward on no click.
TEST_F(MoonEventsWindowTest, APressAnywhereBringsTheWindowForward) {
  SettingsStore otherStore{host.directory(), host.directory() / "user"};
  TMoonEvents other({host, host.observation, otherStore});
  window->show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  // The background's edge, and the list, which takes presses of its own.
  QTest::mousePress(window->findChild<ImageView*>("imgEventsBack"), Qt::LeftButton, {},
                    QPoint(2, 200));
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QTest::mousePress(&list(), Qt::LeftButton, {}, QPoint(40, 2));
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

// A mutual event's tooltip and page row say which contact is which (an eclipse's light and
// umbra), a penumbral eclipse's Q figure is light, a time on the day before the maximum's has its
// day, a passive moon near Jupiter is marked, and each gives the drop in magnitude with who sees
// it (0.41 from 31 % lost: the word follows the magnitude, not the per cent). 2026, UT.
TEST(MoonEventsText, NamesAMutualEventsContactsInTheTooltipAndThePageRow) {
  const struct {
    int month;
    const char* line;     // the list's line
    const char* tooltip;  // MoonEventToolTip
    const char* row;      // MutualPageRowOf: day, the five times, code, magnitude, by "|"
  } cases[] = {
      {10, "12 23:06 2E4 Q31%",
       "2E4: Europa eclipses Callisto, penumbral, Q31% of the light, not the diameter\n"
       "light falls 23:00, maximum 23:06, light whole 23:12\n"
       "light lost at maximum: 31% of Callisto's light, \u0394m 0.41 photometry",
       "12|23:00||23:06||23:12|2E4|Q31% \u0394m 0.41 photometry"},
      {10, "1 12:15 2E1 A",
       "2E1: Europa eclipses Io, annular\n"
       "light falls 12:12, umbra 12:13\u201312:17 (maximum 12:15), light whole 12:18\n"
       "light lost at maximum: 60% of Io's light, \u0394m 0.99 eye",
       "1|12:12|12:13|12:15|12:17|12:18|2E1|A \u0394m 0.99 eye"},
      {12, "31 00:01 3E1 65%",
       "3E1: Ganymede eclipses Io, magnitude 65%\n"
       "light falls 30 23:50, umbra 30 23:54\u201300:08 (maximum 00:01), light whole 00:12\n"
       "light lost at maximum: 85% of Io's light, \u0394m 2.08 eye",
       "31|30 23:50|30 23:54|00:01|00:08|00:12|3E1|65% \u0394m 2.08 eye"},
      {10, "13 17:56 3O1 68%",
       "3O1: Ganymede occults Io, magnitude 68%, at Jupiter's limb\n"
       "start 17:53, maximum 17:56, end 17:58\n"
       "light lost at maximum: 27% of the pair's light, \u0394m 0.34 photometry",
       "13||17:53|17:56|17:58||3O1|68% limb \u0394m 0.34 photometry"},
  };
  for (const auto& c : cases) {
    const auto lines = ListMoonEvents(2026, c.month, false, 0);
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const MoonEventLine& l) {
      return l.mutual && FormatMoonEventLine(l).joined() == c.line;
    });
    ASSERT_NE(line, lines.end()) << c.line;
    EXPECT_EQ(MoonEventToolTip(*line, 0).toStdString(), c.tooltip);
    const MutualPageRow row = MutualPageRowOf(*line, 0);
    QStringList fields{row.day};
    for (const QString& time : row.times) fields << time;
    fields << row.code << row.magnitude;
    EXPECT_EQ(fields.join(QChar('|')).toStdString(), c.row);
  }
}

TEST(MoonEventsPage, NamesTheOffsetOfLocalTime) {
  EXPECT_EQ(MoonEventsBasisText(true, kNewYork), "[Local Time, UTC-5:00]");
  EXPECT_EQ(MoonEventsBasisText(true, -570), "[Local Time, UTC+9:30]");  // Adelaide
  EXPECT_EQ(MoonEventsBasisText(true, 0), "[Local Time, UTC+0:00]");
  EXPECT_EQ(MoonEventsBasisText(true, 210), "[Local Time, UTC-3:30]");  // Newfoundland
  EXPECT_EQ(MoonEventsBasisText(false, kTokyo), "[Universal Time]");
}

// The notice of a distant year lies whole inside the page's margins, the rule line too.
TEST(MoonEventsPage, PrintsTheNoticeOfADistantYearUnclipped) {
  QImage page(2400, 3300, QImage::Format_RGB32);  // letter at 300 dots per inch
  page.setDotsPerMeterX(11811);
  page.setDotsPerMeterY(11811);
  page.fill(Qt::white);
  QPainter painter(&page);
  const PageHeights heights = DrawMoonEventsPage(painter, page.size(), {3, 1850, {}});
  QFont note(QStringLiteral("Times New Roman"));
  note.setPointSizeF(9);
  const int noteHeight = QFontMetrics(note, &page).height();
  painter.end();
  const int margin = page.width() / 12;
  for (int line = 0; line < 2; ++line) {
    int left = page.width(), right = -1;
    for (int y = heights.TitleHeight + line * noteHeight;
         y < heights.TitleHeight + (line + 1) * noteHeight; ++y) {
      for (int x = margin / 2; x < page.width() - margin / 2; ++x) {  // inside the frame
        if (qGray(page.pixel(x, y)) < 128) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    ASSERT_GE(right, 0) << "line " << line;
    EXPECT_GT(left, margin + 20) << "line " << line;
    EXPECT_LT(right, page.width() - margin - 20) << "line " << line;
  }
}

TEST(MoonEventsPage, FitsTheLongestMonthOnOnePageInFourColumns) {
  EXPECT_EQ(MoonEventsTitleText(QStringLiteral("March"), 2021),
            QStringLiteral("Jupiter's Moon Events: March 2021"));
  QImage page(2400, 3300, QImage::Format_RGB32);  // letter at 300 dots per inch
  page.setDotsPerMeterX(11811);
  page.setDotsPerMeterY(11811);
  page.fill(Qt::white);
  QPainter painter(&page);
  const PageHeights heights = DrawMoonEventsPage(painter, page.size(), {3, 2021, {}});
  painter.end();
  // Ink in each of the four columns' first rows, and none between the last row and the footer.
  const int margin = page.width() / 12;
  const int column = (page.width() - 2 * margin) / 4;
  for (int c = 0; c < 4; ++c) {
    bool ink = false;
    for (int x = margin + c * column; x < margin + c * column + column / 2 && !ink; ++x) {
      for (int y = heights.TitleHeight + 80; y < heights.TitleHeight + 300; ++y) {
        ink |= qGray(page.pixel(x, y)) < 128;
      }
    }
    EXPECT_TRUE(ink) << "column " << c;
  }
}

// Mutual events go in a block of their own under the four columns: a blank row, the legend, then
// three columns, all above the footer even in the busiest month; a month without them has none.
TEST(MoonEventsPage, ListsTheMonthsMutualEventsInABlockUnderTheColumns) {
  const auto draw = [](std::uint16_t month, std::uint16_t year, PageHeights& heights) {
    QImage page(2400, 3300, QImage::Format_RGB32);  // letter at 300 dots per inch
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    QPainter painter(&page);
    heights = DrawMoonEventsPage(painter, page.size(), {month, year, {}});
    return page;
  };
  // The rows of ink between the title block and the footer's band, as [first, last] runs.
  const auto bands = [](const QImage& page, const PageHeights& heights) {
    std::vector<std::pair<int, int>> runs;
    for (int y = heights.TitleHeight; y < page.height() - 2 * heights.FooterHeight; ++y) {
      bool ink = false;
      for (int x = page.width() / 12; x < page.width() * 11 / 12 && !ink; ++x) {
        ink = qGray(page.pixel(x, y)) < 128;
      }
      if (!ink) continue;
      if (!runs.empty() && y - runs.back().second < 30) {
        runs.back().second = y;  // rows of one list stand less than a row's height apart
      } else {
        runs.emplace_back(y, y);
      }
    }
    return runs;
  };
  PageHeights heights;
  const QImage quiet = draw(7, 2026, heights);  // no mutual event this month
  EXPECT_EQ(bands(quiet, heights).size(), 2u);  // the contact rule; the columns
  const QImage busy = draw(10, 2026, heights);  // 43 of them
  const auto runs = bands(busy, heights);
  ASSERT_EQ(runs.size(), 3u);  // the contact rule; the columns; the legend and the block
  EXPECT_LT(runs[2].second, busy.height() - 2 * heights.FooterHeight - 1);
  // The block's three columns each have ink in its first rows (under the legend's, some 40 dots
  // high), at the left of their thirds.
  const int margin = busy.width() / 12;
  const int third = (busy.width() - 2 * margin) / 3;
  for (int c = 0; c < 3; ++c) {
    bool ink = false;
    for (int y = runs[2].first + 50; y <= runs[2].first + 150 && !ink; ++y) {
      for (int x = margin + c * third; x < margin + c * third + 60 && !ink; ++x) {
        ink = qGray(busy.pixel(x, y)) < 128;
      }
    }
    EXPECT_TRUE(ink) << "block column " << c;
  }
}

}  // namespace
}  // namespace kelvra
