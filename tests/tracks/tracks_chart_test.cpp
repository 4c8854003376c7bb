#include "ui/tracks/tracks_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

#include "ui/common/side_window.h"

namespace kelvra {
namespace {

TracksInput monthOf(std::uint16_t month, std::uint16_t year, ViewKind view = ViewKind::AstroScope,
                    bool northern = true, TimeBasis basis = {}) {
  return {month, year, view, northern, basis};
}

TracksChart chartOf(const TracksInput& input) {
  return ComputeTracksChart(input);
}

std::vector<int> dayNumbers(const TracksChart& chart) {
  std::vector<int> days;
  for (const DayBand& band : chart.bands) days.push_back(band.day);
  return days;
}

std::vector<int> oddDaysUpTo(int last) {
  std::vector<int> days;
  for (int day = 1; day <= last; day += 2) days.push_back(day);
  return days;
}

std::tuple<int, int, int, int> key(const TrackDot& dot) {
  return {dot.step, dot.satellite, dot.column, dot.row};
}

bool sameDots(const TracksChart& a, const TracksChart& b) {
  if (a.dots.size() != b.dots.size()) return false;
  for (std::size_t i = 0; i < a.dots.size(); ++i)
    if (key(a.dots[i]) != key(b.dots[i])) return false;
  return true;
}

TEST(TracksChart, ThirtyOneDayMonthDrawsAllButTheLastThreeStepsDownToRow401) {
  const TracksChart chart = chartOf(monthOf(1, 2000));
  int lastStep = 0;
  for (const TrackDot& dot : chart.dots) lastStep = std::max<int>(lastStep, dot.step);
  // N = 48 x 31 = 1488 steps; the screen draws n = 0 .. 1484.
  EXPECT_EQ(lastStep, 1484);
  for (const TrackDot& dot : chart.dots) {
    // trunc(403 x 1484 / 1488) = trunc(401.917) = 401
    if (dot.step == 1484) {
      EXPECT_EQ(dot.row, 401);
    }
    if (dot.step == 0) {
      EXPECT_EQ(dot.row, 0);
    }
    // trunc(403 x 3 / 1488) = 0 and trunc(403 x 4 / 1488) = 1
    if (dot.step == 3) {
      EXPECT_EQ(dot.row, 0);
    }
    if (dot.step == 4) {
      EXPECT_EQ(dot.row, 1);
    }
  }
  EXPECT_EQ(dayNumbers(chart), oddDaysUpTo(31));
}

TEST(TracksChart, FebruaryFollowsTheGregorianLeapRule) {
  const TracksChart leap = chartOf(monthOf(2, 2000));
  EXPECT_EQ(dayNumbers(leap), oddDaysUpTo(29));
  // Day 29 of 29 runs from trunc(28 x 403 / 29) = 389 to the chart's foot.
  EXPECT_EQ(leap.bands.back().top, 389);
  EXPECT_EQ(leap.bands.back().bottom, 403);
  // Day 3 starts at trunc(2 x 13.897) = 27, day 2 (black, unnumbered) at 13.
  EXPECT_EQ(leap.bands[1].top, 27);
  EXPECT_EQ(leap.bands[0].bottom, 13);

  const TracksChart common = chartOf(monthOf(2, 1900));
  EXPECT_EQ(dayNumbers(common), oddDaysUpTo(27));
  int lastStep = 0;
  for (const TrackDot& dot : common.dots) lastStep = std::max<int>(lastStep, dot.step);
  EXPECT_EQ(lastStep, 48 * 28 - 4);
}

// Every half-hour sample of March 2010 for Binoculars in the Southern hemisphere, where the
// table gives s = +1, checked against the ephemeris directly.
TEST(TracksChart, DrawsEverySampleOutsideTheBandAndInsideItOnlyInFront) {
  const TracksChart chart = chartOf(monthOf(3, 2010, ViewKind::Binoculars, false));
  std::map<std::pair<int, int>, int> drawn;  // (step, satellite) -> column
  for (const TrackDot& dot : chart.dots) drawn[{dot.step, dot.satellite}] = dot.column;

  JupiterState state;
  JulianDay jd = JulianDayFromDate(1, 3, 2010, 0, 0, 0, 0);
  int behind = 0;
  int atCentre = 0;
  for (int n = 0; n < 48 * 31 - 3; ++n, jd += 1.0 / 48) {
    c(jd, state);
    for (int k = 1; k <= 4; ++k) {
      const int l = static_cast<int>(state.X[k] * 2.995539033457249);
      const auto found = drawn.find({n, k});
      const bool inFront = std::cos(state.U[k]) > 0;
      if (std::abs(l) >= 7 || (std::abs(l) <= 5 && inFront)) {
        ASSERT_NE(found, drawn.end()) << "step " << n << " satellite " << k << " l " << l;
        EXPECT_EQ(found->second, 79 - l);
        if (l == 0) ++atCentre;
      } else {
        EXPECT_EQ(found, drawn.end()) << "step " << n << " satellite " << k << " l " << l;
        if (std::abs(l) <= 5) ++behind;
      }
    }
  }
  // The month holds transits and occultations, so both rules were exercised.
  EXPECT_GT(atCentre, 0);
  EXPECT_GT(behind, 0);
  std::set<int> columns;
  for (const TrackDot& dot : chart.dots) columns.insert(dot.column);
  EXPECT_EQ(columns.count(73), 0u);
  EXPECT_EQ(columns.count(85), 0u);
  EXPECT_EQ(columns.count(72), 1u);
  EXPECT_EQ(columns.count(86), 1u);
}

TEST(TracksChart, MirrorsLikeTheSideView) {
  const TracksChart scope = chartOf(monthOf(7, 2024, ViewKind::AstroScope, true));
  EXPECT_TRUE(sameDots(scope, chartOf(monthOf(7, 2024, ViewKind::StarDiagonal, true))));
  EXPECT_TRUE(sameDots(scope, chartOf(monthOf(7, 2024, ViewKind::Binoculars, false))));

  // The other hemisphere puts every dot at 79 + l instead of 79 - l, the same in the band.
  const TracksChart south = chartOf(monthOf(7, 2024, ViewKind::AstroScope, false));
  ASSERT_EQ(south.dots.size(), scope.dots.size());
  for (std::size_t i = 0; i < scope.dots.size(); ++i)
    EXPECT_EQ(south.dots[i].column, 158 - scope.dots[i].column);
}

TEST(TracksChart, LocalTimeOneHourBehindUniversalTimeRaisesEveryTrackByTwoSteps) {
  const TracksChart universal = chartOf(monthOf(5, 2021));
  // UT = local + 60 minutes.
  const TracksChart local = chartOf(monthOf(5, 2021, ViewKind::AstroScope, true, {true, 60}));

  // Local step n is universal step n + 2: same satellites, same columns.
  std::set<std::tuple<int, int, int>> shifted;  // (step, satellite, column)
  for (const TrackDot& dot : universal.dots)
    if (dot.step >= 2) shifted.insert({dot.step - 2, dot.satellite, dot.column});
  std::set<std::tuple<int, int, int>> moved;
  const int lastCommon = 48 * 31 - 4 - 2;
  for (const TrackDot& dot : local.dots)
    if (dot.step <= lastCommon) moved.insert({dot.step, dot.satellite, dot.column});
  std::erase_if(shifted, [&](const auto& dot) { return std::get<0>(dot) > lastCommon; });
  EXPECT_EQ(moved, shifted);
  EXPECT_NE(moved.size(), 0u);
}

TEST(TracksChart, UniversalTimeStartsAtZeroHoursUTWhateverTheZone) {
  const TracksMonth month =
      TracksMonthFor(monthOf(8, 1995, ViewKind::AstroScope, true, {false, -330}));
  EXPECT_EQ(month.days, 31);
  EXPECT_EQ(month.steps, 1488);
  EXPECT_DOUBLE_EQ(month.start, 2449930.5);  // 2000-01-01 0h UT is 2451544.5; 1614 days earlier
  EXPECT_EQ(month.mirror, 1);
}

// A drawn chart, read pixel by pixel.
class TracksChartImage : public ::testing::Test {
 protected:
  QColor at(int x, int y) const { return image.pixelColor(x, y); }

  QImage image{kChartWidth, kChartHeight, QImage::Format_RGB32};
};

const QColor kCyan(0, 255, 255);
const QColor kGrey(40, 40, 40);
const QColor kBlack(0, 0, 0);

// The modern chart lies where the classic one does within the classic series' error (0.19
// radii, under a column at 3 columns a radius), and moves the dots that error reaches.
TEST(TracksChart, ModernPositionsStayWithinAColumnOfTheClassicOnes) {
  for (const auto& [month, year] : {std::pair{12, 2026}, std::pair{6, 1990}}) {
    TracksInput input = monthOf(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year),
                                ViewKind::Binoculars);
    const TracksChart classic = chartOf(input);
    input.positions = PositionTheory::Modern;
    const TracksChart modern = chartOf(input);
    EXPECT_EQ(modern.bands.size(), classic.bands.size());
    std::map<std::pair<int, int>, int> classicColumn;  // (step, satellite) -> column
    for (const TrackDot& dot : classic.dots) classicColumn[{dot.step, dot.satellite}] = dot.column;
    int shared = 0, moved = 0;
    for (const TrackDot& dot : modern.dots) {
      const auto found = classicColumn.find({dot.step, dot.satellite});
      if (found == classicColumn.end()) continue;
      ++shared;
      EXPECT_LE(std::abs(dot.column - found->second), 1) << "step " << dot.step;
      if (dot.column != found->second) ++moved;
      EXPECT_EQ(dot.row, static_cast<int>(403.0 * dot.step / (48 * DaysInMonth(month, year))));
    }
    EXPECT_GT(shared, 0.97 * classic.dots.size());
    EXPECT_GT(moved, 50);
    EXPECT_LT(moved, shared / 4);
  }
}

TEST_F(TracksChartImage, DrawsBandLinesDayBandsAndDots) {
  image.fill(Qt::red);
  TracksChart chart;
  chart.bands = {{1, 0, 13}, {3, 26, 39}};
  chart.dots = {{20, 100, 1, 0}, {21, 100, 2, 0}, {21, 100, 3, 1}, {79, 200, 4, 2}};
  DrawTracksChart(image, chart, ListFont(96));

  for (const int row : {0, 12, 13, 25, 200, 402}) {
    EXPECT_EQ(at(74, row), kCyan) << row;
    EXPECT_EQ(at(86, row), kCyan) << row;
    EXPECT_EQ(at(80, row), kBlack) << row;
    EXPECT_EQ(at(159, row), kBlack) << row;
  }
  // Day 1 covers rows 0..12 left and right of the band, but not column 159.
  for (const int row : {0, 12, 26, 38}) {
    EXPECT_EQ(at(0, row), kGrey) << row;
    EXPECT_EQ(at(73, row), kGrey) << row;
    EXPECT_EQ(at(75, row), kBlack) << row;
    EXPECT_EQ(at(85, row), kBlack) << row;
    EXPECT_EQ(at(87, row), kGrey) << row;
    EXPECT_EQ(at(158, row), kGrey) << row;
  }
  EXPECT_EQ(at(0, 13), kBlack);  // day 2: black
  EXPECT_EQ(at(158, 25), kBlack);

  // The day numbers: cyan on grey, starting at column 3.
  int cyanInNumber = 0;
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 13; ++y) cyanInNumber += at(x, y) == kCyan ? 1 : 0;
  EXPECT_GT(cyanInNumber, 3);
  for (int y = 0; y < 13; ++y) EXPECT_NE(at(2, y), kCyan);

  EXPECT_EQ(at(20, 100), QColor(255, 255, 255));  // Io
  EXPECT_EQ(at(21, 100), QColor(255, 128, 0));    // Ganymede drawn after Europa
  EXPECT_EQ(at(79, 200), QColor(136, 187, 234));  // Callisto
}

TEST(ListFont, IsArialEightPointsOnlyAtNinetySixPixelsPerInch) {
  EXPECT_EQ(ListFont(96).pointSize(), 8);
  EXPECT_EQ(ListFont(120).pointSize(), 7);
  EXPECT_EQ(ListFont(72).pointSize(), 7);
  EXPECT_EQ(ListFont(96).family(), QStringLiteral("Arial"));
}

}  // namespace
}  // namespace kelvra
