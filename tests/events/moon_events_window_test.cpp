#include "ui/events/moon_events_window.h"

#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/calendar.h"
#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/events/moon_events_page.h"

namespace kelvra {
namespace {

class FakeInstants : public InstantHost {
 public:
  JulianDay displayedInstantUT() const override { return shown; }
  void jumpToInstant(JulianDay ut) override {
    shown = ut;
    ++jumps;
  }
  JulianDay shown = JulianDayFromDate(15, 3, 2021, 0, 0, 0);
  int jumps = 0;
};

class MoonEventsWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  MoonEventsWindowTest() {
    host.month = 3;
    host.year = 2021;
    window = std::make_unique<TMoonEvents>(host, instants, store);
    window->redraw();
  }

  ImageView& list() { return *window->findChild<ImageView*>("imgEvents"); }
  int rowHeight() const { return MoonEventRowHeight(ListFont(96)) ; }

  testing::MessageLog messages;
  testing::FakeHost host;
  FakeInstants instants;
  SettingsStore store{host.directory(), host.directory() / "user"};
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
  instants.shown = (line.eventStart + line.eventEnd) / 2;
  window->markInstant();
  const auto& marked = window->view().marked;
  EXPECT_NE(std::find(marked.begin(), marked.end(), view.selected), marked.end());
  for (std::size_t i : marked) {
    EXPECT_LE(lines[i].eventStart, instants.shown);
    EXPECT_GT(lines[i].eventEnd, instants.shown);
  }
}

TEST_F(MoonEventsWindowTest, ClickAndEnterJumpToTheLine) {
  const std::size_t top = window->view().top;
  QTest::mouseClick(&list(), Qt::LeftButton, {}, QPoint(40, 2 * rowHeight() + 2));
  EXPECT_EQ(instants.jumps, 1);
  EXPECT_DOUBLE_EQ(instants.shown, window->lines()[top + 2].instant);

  QTest::keyClick(window.get(), Qt::Key_Down);
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_EQ(instants.jumps, 2);
  EXPECT_DOUBLE_EQ(instants.shown, window->lines()[top + 3].instant);
}

TEST_F(MoonEventsWindowTest, KeysScrollAndKeepTheSelectionInSight) {
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
  EXPECT_EQ(instants.jumps, 0);  // moving the selection sets no instant
}

TEST_F(MoonEventsWindowTest, TimeBasisLivesInTheIniNotInTheRecord) {
  const auto first = window->lines().front();
  {
    host.zone = -120;
    QTest::mouseClick(window->findChild<ImageView*>("imgTime"), Qt::LeftButton);
    EXPECT_EQ(host.saves, 0);
    EXPECT_FALSE(host.record.GRSLocalTime);
    QSettings ini(QString::fromStdString((host.directory() / kIniFileName).string()),
                  QSettings::IniFormat);
    EXPECT_TRUE(ini.value(kEventsLocalTimeKey).toBool());
    // The list is now in local time: the same phenomenon two hours later on the clock.
    const auto& lines = window->lines();
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const MoonEventLine& l) {
      return std::abs(l.instant - first.instant) < 1e-6;  // days: a tenth of a second
    });
    ASSERT_NE(same, lines.end());
    EXPECT_EQ((same->hour - first.hour + 24) % 24, 2);
  }
  SettingsStore again{host.directory(), host.directory() / "user"};
  TMoonEvents reopened(host, instants, again);
  QTest::mouseClick(reopened.findChild<ImageView*>("imgTime"), Qt::LeftButton);  // back to UT
  QSettings ini(QString::fromStdString((host.directory() / kIniFileName).string()),
                QSettings::IniFormat);
  EXPECT_FALSE(ini.value(kEventsLocalTimeKey).toBool());
}

TEST_F(MoonEventsWindowTest, SaysWhenTheTimesAreLessAccurate) {
  host.year = 1850;
  window->redraw();
  EXPECT_FALSE(window->view().accurate);
  // The notice row is drawn in the accent colour, above the lines.
  const QImage& image = list().image();
  bool accent = false;
  for (int x = 0; x < 150 && !accent; ++x) {
    for (int y = 0; y < rowHeight(); ++y) accent |= image.pixel(x, y) == qRgb(236, 156, 92);
  }
  EXPECT_TRUE(accent);
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

}  // namespace
}  // namespace kelvra
