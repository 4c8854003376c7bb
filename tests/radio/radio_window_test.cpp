#include "ui/radio/radio_window.h"

#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/sky.h"
#include "tests/support/fake_host.h"
#include "tests/support/program_files.h"
#include "ui/common/widgets.h"
#include "ui/common/window_menu.h"
#include "ui/events/moon_events_window.h"
#include "ui/radio/radio_page.h"

namespace kelvra {
namespace {

constexpr std::int32_t kNewYork = 300;  // minutes, UT = local + offset
const SiteSetting kBerlin{{52.52, 13.40, 35}, {10, -6}};

JulianDay at(std::int32_t offset, int year, int month, int day, int hour, int minute,
             int second = 0) {
  return JulianDayFromDate(static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(hour),
                           static_cast<std::uint16_t>(minute), static_cast<std::uint16_t>(second),
                           offset);
}

// The clock's text of a line and the night an instant belongs to, on either clock: a wrong
// sign of the offset, a day taken from the end, a night starting at midnight all show here.
TEST(RadioModel, LinesAndNightsReadTheListsClock) {
  const RadioWindow w{1, kRadioSourceRegions[1].name, at(0, 2026, 12, 10, 1, 14, 29),
                      at(0, 2026, 12, 10, 3, 1, 31)};
  struct Case {
    std::int32_t offset;
    const char* text;
  } cases[] = {{0, "10 01:14\u201303:02 Io-B"},
               {kNewYork, "09 20:14\u201322:02 Io-B"},
               {-540, "10 10:14\u201312:02 Io-B"}};
  for (const Case& c : cases) {
    const RadioLine line{w, CalDate(w.start, c.offset).day};
    EXPECT_EQ(RadioLineText(line, c.offset).toStdString(), c.text) << c.offset;
    const RadioSpan night = RadioNightOf(w.start, c.offset);
    const CivilDateTime from = CalDate(night.from, c.offset);
    EXPECT_EQ(from.hour, 12) << c.offset;
    EXPECT_LE(night.from, w.start);
    EXPECT_NEAR(night.to - night.from, 1.0, 1e-9);
    // The morning belongs to the night that began the day before, the evening to its own.
    EXPECT_EQ(from.day, 9) << c.offset;
  }
  EXPECT_EQ(RadioNightOf(at(0, 2026, 12, 10, 12, 0), 0).from, at(0, 2026, 12, 10, 12, 0));
}

// The site's verdicts: a greyed span has Jupiter under its limit at each of its ends and its
// middle, a span left bright has it above the limit somewhere; a span in daylight has the Sun
// up at some minute of it, one left dark never. The filter keeps exactly the bright ones.
TEST(RadioModel, TheSiteGreysAndShadesWhatItMust) {
  const ListMonth month{12, 2026};
  const std::vector<RadioLine> lines = RadioLinesOf(month, 0, kBerlin);
  ASSERT_GT(lines.size(), 60u);
  std::size_t greyed = 0, daytime = 0;
  for (const RadioLine& l : lines) {
    double jupiterHighest = -90, sunHighest = -90;
    for (JulianDay t = l.window.start; t <= l.window.end; t += 2.0 / 1440) {
      const SkyAtInstant sky = SkyAt(t, kBerlin.place, kBerlin.limits);
      jupiterHighest = std::max(jupiterHighest, sky.jupiterAltitudeDeg);
      sunHighest = std::max(sunHighest, sky.sunAltitudeDeg);
    }
    const std::string what = RadioLineText(l, 0).toStdString();
    const double limit = kBerlin.limits.minJupiterAltitudeDeg;
    EXPECT_TRUE(l.greyed ? jupiterHighest < limit + 0.5 : jupiterHighest >= limit - 0.5) << what;
    EXPECT_TRUE(l.daytime ? sunHighest > -0.5 : sunHighest < 0.5) << what;
    greyed += l.greyed;
    daytime += l.daytime;
  }
  EXPECT_GT(greyed, 0u);
  EXPECT_GT(daytime, 0u);
  EXPECT_EQ(ShownRadioLines(lines, true).size(), lines.size() - greyed);
  EXPECT_EQ(ShownRadioLines(lines, false).size(), lines.size());
  // Without a site nothing is judged.
  for (const RadioLine& l : RadioLinesOf(month, 0, std::nullopt))
    EXPECT_FALSE(l.greyed || l.daytime);
}

// One calendar event per span from its start to its end, one CSV row per span on the clock.
TEST(RadioModel, ExportWritesEachSpanOnce) {
  const std::vector<RadioLine> lines = RadioLinesOf({12, 2026}, kNewYork, kBerlin);
  const std::string ics =
      RadioExportText(ExportFormat::ICalendar, lines, kNewYork, kBerlin, 2.46e6);
  std::size_t events = 0;
  for (std::size_t p = ics.find("BEGIN:VEVENT"); p != std::string::npos;
       p = ics.find("BEGIN:VEVENT", p + 1))
    ++events;
  EXPECT_EQ(events, lines.size());
  const RadioLine& first = lines.front();
  const CivilDateTime s = CalDate(first.window.start, 0);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "DTSTART:%04d%02d%02dT%02d%02d", s.year, s.month, s.day,
                s.hour, s.minute);
  EXPECT_NE(ics.find(stamp), std::string::npos) << stamp;
  const std::string csv = RadioExportText(ExportFormat::Csv, lines, kNewYork, kBerlin, 2.46e6);
  EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), lines.size() + 1);
  const CivilDateTime local = CalDate(first.window.start, kNewYork);
  char row[64];
  std::snprintf(row, sizeof row, "\r\n%04d-%02d-%02d,%02d:%02d,", local.year, local.month,
                local.day, local.hour, local.minute);
  EXPECT_NE(csv.find(row), std::string::npos) << row;
}

class RadioWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  RadioWindowTest() {
    host.show(at(0, 2026, 12, 9, 22, 0));
    window = std::make_unique<TRadio>(host.links());
    window->show();
    window->redraw();
  }
  void setSite(const std::optional<SiteSetting>& site) {
    Observation next = host.observation.value();
    next.site = site;
    host.observation.set(next);
  }
  QWidget* child(const char* name) const { return window->findChild<QWidget*>(name); }
  testing::FakeHost host;
  std::unique_ptr<TRadio> window;
};

// A click on a line or Enter on the selected one takes the main window to that span's start.
TEST_F(RadioWindowTest, ClickAndEnterJumpToASpansStart) {
  ASSERT_GT(window->lines().size(), 20u);
  const QFont font = ListFont(96);
  const int row = QFontMetrics(font).height();
  const std::size_t second = window->view().top + 1;
  QTest::mouseClick(child("imgRadio"), Qt::LeftButton, {},
                    QPoint(40, RadioListTop(font, false) + row + row / 2));
  EXPECT_EQ(host.jumps, 1);
  EXPECT_EQ(window->view().selected, second);
  EXPECT_NEAR(host.observation.value().instantUT, window->lines()[second].window.start,
              1.0 / 86400);
  QTest::keyClick(window.get(), Qt::Key_Down);
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_EQ(host.jumps, 2);
  EXPECT_NEAR(host.observation.value().instantUT, window->lines()[second + 1].window.start,
              1.0 / 86400);
  // Standing at its start now, the span is the lit one.
  EXPECT_EQ(window->view().marked, std::optional<std::size_t>(second + 1));
  // A click on the plot or the readings jumps nowhere.
  QTest::mouseClick(child("imgRadio"), Qt::LeftButton, {}, QPoint(40, 60));
  EXPECT_EQ(host.jumps, 2);
}

// The filter is the events window's: with a site it leaves out the greyed spans, without one
// it does nothing; the time basis is the window's own and moves every line's clock.
TEST_F(RadioWindowTest, SiteFilterAndTimeBasis) {
  const std::size_t all = window->lines().size();
  QTest::mouseClick(child("imgVisibleOnly"), Qt::LeftButton);  // hidden without a site
  EXPECT_EQ(window->lines().size(), all);
  setSite(kBerlin);
  EXPECT_TRUE(child("imgVisibleOnly")->isVisible());
  const auto greyed = std::count_if(window->lines().begin(), window->lines().end(),
                                    [](const RadioLine& l) { return l.greyed; });
  ASSERT_GT(greyed, 0);
  // The events window open beside it follows the toggle at once, and toggles it back.
  TMoonEvents events(host.links());
  events.show();
  events.redraw();
  const std::size_t eventLines = events.lines().size();
  QTest::mouseClick(child("imgVisibleOnly"), Qt::LeftButton);
  EXPECT_EQ(window->lines().size(), all - static_cast<std::size_t>(greyed));
  const std::vector<QAction*> entries = events.menu().actions();
  EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const QAction* a) {
    return a->text() == "Visible only" && a->isChecked();
  }));
  EXPECT_LT(events.lines().size(), eventLines);
  events.setVisibleOnly(false);
  EXPECT_EQ(window->lines().size(), all);
  events.setVisibleOnly(true);
  EXPECT_EQ(window->lines().size(), all - static_cast<std::size_t>(greyed));
  const QString ini = QString::fromStdString((host.directory() / kIniFileName).string());
  EXPECT_TRUE(QSettings(ini, QSettings::IniFormat).value("Events/VisibleOnly").toBool());

  Observation next = host.observation.value();
  next.zoneOffset = kNewYork;
  host.observation.set(next);
  const RadioWindow first = window->lines().front().window;
  QTest::mouseClick(child("imgTime"), Qt::LeftButton);
  EXPECT_TRUE(QSettings(ini, QSettings::IniFormat).value("Radio/LocalTime").toBool());
  // December on New York's clock starts five hours later: its first span too, or later.
  EXPECT_GE(window->lines().front().window.start, at(kNewYork, 2026, 12, 1, 0, 0));
  EXPECT_GE(window->lines().front().window.start, first.start);
}

// The picture: the ring of the instant where CM III and Io's phase put it, the night's track
// lit inside a region, the month's track covering far more of the plot.
TEST_F(RadioWindowTest, PlotMarksTheInstantAndDrawsTheTrack) {
  const JulianDay now = host.observation.value().instantUT;
  const QRect plot = kRadioPlotRect;
  const int x = plot.left() + static_cast<int>(CentralMeridianIII(now) / 360 * plot.width());
  const int y = plot.bottom() + 1 - static_cast<int>(GeocentricPhase(1, now) / 360 * plot.height());
  const QImage image = window->listImage().convertToFormat(QImage::Format_RGB32);
  int white = 0;
  for (int dy = -4; dy <= 4; ++dy)
    for (int dx = -6; dx <= 6; ++dx)
      if (plot.contains(x + dx, y + dy) && image.pixel(x + dx, y + dy) == qRgb(255, 255, 255))
        ++white;
  EXPECT_GE(white, 8) << x << "," << y;
  const auto lit = [this, plot] {
    const QImage shown = window->listImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int j = plot.top(); j <= plot.bottom(); ++j)
      for (int i = plot.left(); i <= plot.right(); ++i) n += shown.pixel(i, j) == qRgb(255, 255, 0);
    return n;
  };
  const int night = lit();
  QTest::mouseClick(child("imgMonthTrack"), Qt::LeftButton);
  EXPECT_TRUE(window->monthTrack());
  EXPECT_GT(lit(), 4 * night);
  EXPECT_GT(night, 0);
}

// The page: the plot above, every line in a box of its own under it, inside the page.
TEST(RadioPage, EveryLineHasItsPlaceUnderThePlot) {
  RadioPageInput input{{12, 2026}, {true, kNewYork}, kBerlin, false, true, {}, {}};
  input.lines = RadioLinesOf(input.month, kNewYork, kBerlin);
  input.track = RadioTrackOf(RadioMonthSpan(input.month, kNewYork), 20.0 / 1440);
  QImage page(1240, 1754, QImage::Format_RGB32);
  page.setDotsPerMeterX(5906);  // 150 dots per inch
  page.setDotsPerMeterY(5906);
  page.fill(Qt::white);
  QPainter painter(&page);
  const RadioPageParts parts = DrawRadioPage(painter, page.size(), input);
  painter.end();
  ASSERT_EQ(parts.rows.size(), input.lines.size());
  const QRect sheet(QPoint(0, 0), page.size());
  for (std::size_t i = 0; i < parts.rows.size(); ++i) {
    EXPECT_TRUE(sheet.contains(parts.rows[i])) << i;
    EXPECT_GT(parts.rows[i].top(), parts.plot.bottom()) << i;
    EXPECT_TRUE(i == 0 || !parts.rows[i].intersects(parts.rows[i - 1])) << i;
  }
  EXPECT_TRUE(RadioSubtitle(input).contains(QStringLiteral("52.52\u00b0N")) ||
              RadioSubtitle(input).contains(QStringLiteral("52.52")));
}

}  // namespace
}  // namespace kelvra
