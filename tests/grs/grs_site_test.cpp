// The GRS window and page with an observer's site: a transit is greyed exactly when Jupiter
// is below the least altitude (or the Sun above its greatest) at the minute the list shows.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "core/sky.h"
#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/settings_place.h"
#include "ui/common/widgets.h"
#include "ui/grs/grs_page.h"
#include "ui/grs/grs_transits.h"

namespace kelvra {
namespace {

constexpr double kLatitude = 50;       // degrees
constexpr double kLeastAltitude = 20;  // degrees, Jupiter's least altitude for the test
constexpr int kDay = 10;               // 10 January 2026, Jupiter at opposition
constexpr int kZone = -60;             // minutes: one hour east of Greenwich, listed in local time

// Whether `image` holds a pixel of exactly `colour` in the box.
bool holds(const QImage& image, QRect box, QColor colour) {
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      if (image.pixel(x, y) == colour.rgb()) return true;
  return false;
}

class GRSSiteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }

  GRSSiteTest() {
    host.observation.set(januaryFrom(std::nullopt));
    host.record.GRSLocalTime = true;
    const auto rows = PredictGRSTransits(2026, 1, host.record.RSLongitude, true, kZone);
    time = rows[kDay - 1].times.front();
    // The listed minute in local time, one hour ahead of UT: written out here on purpose.
    instant =
        JulianDayFromDate(kDay, 1, 2026, 0, 0, 0, 0) + (time.hour * 60 + time.minute - 60) / 1440.0;
    edgeLongitude = longitudeAtLeastAltitude();
  }

  double altitudeAt(double longitude) const {
    return JupiterHorizontal(instant, {kLatitude, longitude, 0}).altitudeDeg;
  }

  // A longitude where Jupiter stands at the least altitude at the transit's instant, rising
  // eastward (the altitude grows with the longitude there).
  double longitudeAtLeastAltitude() const {
    double low = -180;
    while (low < 180 &&
           !(altitudeAt(low) < kLeastAltitude && altitudeAt(low + 1) >= kLeastAltitude))
      low += 1;
    double high = low + 1;
    for (int i = 0; i < 60; ++i) {
      const double middle = (low + high) / 2;
      (altitudeAt(middle) < kLeastAltitude ? low : high) = middle;
    }
    return high;
  }

  SiteSetting siteAt(double longitude) const {
    return {{kLatitude, longitude, 0}, {kLeastAltitude, -6}};
  }
  // January 2026 on the zone's clock, seen from `site`.
  static Observation januaryFrom(const std::optional<SiteSetting>& site) {
    return {.instantUT = testing::MidMonth(1, 2026), .zoneOffset = kZone, .site = site};
  }

  // The first transit's cell of day kDay in the window's list.
  QRect cell() const {
    const int top = GRSRowTop(kDay - 1, 31, kGRSListHeight);
    return QRect(QPoint(35, top), QPoint(74, GRSRowTop(kDay, 31, kGRSListHeight) - 1));
  }
  const QImage& list() { return window.findChild<ImageView*>("imgGRS")->image(); }

  testing::MessageLog messages;
  testing::FakeHost host;
  TGRSTransits window{host.links()};
  GRSTime time{};
  JulianDay instant = 0;
  double edgeLongitude = 0;
};

TEST_F(GRSSiteTest, ATransitIsGreyedJustBelowTheLeastAltitudeAndNotJustAbove) {
  ASSERT_GT(edgeLongitude, -180);
  ASSERT_LT(edgeLongitude, 180);
  // 0.05 degrees of longitude move Jupiter by less than 0.05 degrees of altitude.
  const double above = edgeLongitude + 0.05, below = edgeLongitude - 0.05;
  ASSERT_GT(altitudeAt(above), kLeastAltitude);
  ASSERT_LT(altitudeAt(above), kLeastAltitude + 0.05);
  ASSERT_LT(altitudeAt(below), kLeastAltitude);
  // Jupiter opposite the Sun: the sky is dark, so only Jupiter's altitude decides.
  ASSERT_LT(SunHorizontal(instant, {kLatitude, edgeLongitude, 0}).altitudeDeg, -15);

  const QColor yellow(255, 255, 0);
  window.CalcGRS();
  EXPECT_TRUE(holds(list(), cell(), yellow));

  host.observation.set(januaryFrom(siteAt(above)));
  EXPECT_TRUE(holds(list(), cell(), yellow));
  EXPECT_FALSE(holds(list(), cell(), kNotVisibleOnScreen));

  host.observation.set(januaryFrom(siteAt(below)));
  EXPECT_FALSE(holds(list(), cell(), yellow));
  EXPECT_TRUE(holds(list(), cell(), kNotVisibleOnScreen));

  // The same in Universal Time: the instant, not the clock it is listed in, decides.
  host.record.GRSLocalTime = false;
  const auto utRows = PredictGRSTransits(2026, 1, host.record.RSLongitude, false, 0);
  const auto hidden = GRSTransitsNotVisible(utRows, 2026, 1, {}, siteAt(below));
  const auto aboveHidden = GRSTransitsNotVisible(utRows, 2026, 1, {}, siteAt(above));
  int flipped = 0;
  for (std::size_t i = 0; i < utRows.size(); ++i)
    for (std::size_t k = 0; k < utRows[i].times.size(); ++k)
      flipped += hidden[i][k] != aboveHidden[i][k];
  EXPECT_EQ(flipped, 1);
  // Without a site nothing is greyed.
  EXPECT_TRUE(GRSTransitsNotVisible(utRows, 2026, 1, {}, std::nullopt).empty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(GRSSiteTest, ThePageGreysTheSameTransitsAsTheWindow) {
  // An A4 page at 300 dots per inch.
  QImage page(2480, 3508, QImage::Format_RGB32);
  page.setDotsPerMeterX(11811);
  page.setDotsPerMeterY(11811);
  const auto darkest = [&](const std::optional<SiteSetting>& site, int day, int column) {
    page.fill(Qt::white);
    GRSPageInput input = window.pageInput(1, 2026);
    input.site = site;
    QPainter painter(&page);
    const PageHeights heights = DrawGRSPage(painter, page.size(), input);
    painter.end();
    const int listHeight = page.height() - heights.FooterHeight - heights.TitleHeight;
    const int top = heights.TitleHeight + GRSRowTop(day - 1, 31, listHeight) + 2;
    const int bottom = heights.TitleHeight + GRSRowTop(day, 31, listHeight) - 1;
    const int xc = (2480 - 700) / 2;
    int least = 255;
    for (int y = top; y < bottom; ++y)
      for (int x = xc + 200 * column; x < xc + 200 * column + 190; ++x)
        least = std::min(least, qGray(page.pixel(x, y)));
    return least;
  };
  EXPECT_EQ(darkest(std::nullopt, kDay, 1), 0);
  EXPECT_EQ(darkest(siteAt(edgeLongitude + 0.05), kDay, 1), 0);
  EXPECT_EQ(darkest(siteAt(edgeLongitude - 0.05), kDay, 1), qGray(kNotVisibleOnPage.rgb()));
  // A transit of the next day in daylight there: greyed too, whatever Jupiter does.
  const auto nextDay = PredictGRSTransits(2026, 1, host.record.RSLongitude, true, kZone)[kDay];
  std::size_t daylit = 0;
  while (daylit < nextDay.times.size()) {
    const GRSTime& next = nextDay.times[daylit];
    const JulianDay at = JulianDayFromDate(kDay + 1, 1, 2026, 0, 0, 0, 0) +
                         (next.hour * 60 + next.minute - 60) / 1440.0;
    if (SunHorizontal(at, {kLatitude, edgeLongitude, 0}).altitudeDeg > 0) break;
    ++daylit;
  }
  ASSERT_LT(daylit, nextDay.times.size());
  EXPECT_EQ(darkest(siteAt(edgeLongitude + 0.05), kDay + 1, static_cast<int>(daylit) + 1),
            qGray(kNotVisibleOnPage.rgb()));
}

}  // namespace
}  // namespace kelvra
