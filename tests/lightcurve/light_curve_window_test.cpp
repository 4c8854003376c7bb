#include "ui/lightcurve/light_curve_window.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "core/calendar.h"
#include "core/moon_event_list.h"
#include "tests/support/fake_host.h"
#include "tests/support/message_log.h"
#include "tests/support/program_files.h"
#include "ui/common/widgets.h"
#include "ui/lightcurve/light_curve_plot.h"

namespace kelvra {
namespace {

JulianDay ut(int year, int month, int day, int hour, int minute, int second = 0) {
  return JulianDayFromDate(static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                           static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(hour),
                           static_cast<std::uint16_t>(minute), static_cast<std::uint16_t>(second),
                           0);
}

class LightCurveWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::InstallProgramFiles(); }
  LightCurveWindowTest() {
    window = std::make_unique<TLightCurve>(host.links());
    window->show();
  }
  void observe(JulianDay instant, std::optional<EventLineId> selected = std::nullopt,
               std::optional<SiteSetting> site = std::nullopt) {
    Observation next = host.observation.value();
    next.instantUT = instant;
    next.selected = selected;
    next.site = site;
    host.observation.set(next);
  }
  std::string shownCode() const {
    return window->curve() ? MutualEventCode(window->curve()->event) : std::string();
  }
  QString spoken() const {
    return window->findChild<ImageView*>("imgLightCurve")->spoken().description;
  }

  testing::MessageLog messages;
  testing::FakeHost host;
  std::unique_ptr<TLightCurve> window;
};

// The window shows the events list's selected mutual line, else the event going on, else the
// next; a selected line that is no mutual event's is passed over, and far from a season there is
// none. Events of December 2026, UT (the events list's lines).
TEST_F(LightCurveWindowTest, FollowsTheSelectionElseTheEventGoingOnElseTheNext) {
  const struct {
    JulianDay instant;
    std::optional<EventLineId> selected;
    const char* code;  // empty: none
    CurveReason reason;
  } cases[] = {
      {ut(2026, 12, 9, 15, 45), std::nullopt, "3E2", CurveReason::Next},
      {ut(2026, 12, 10, 0, 57), std::nullopt, "3E2", CurveReason::GoingOn},
      {ut(2026, 12, 9, 15, 45), EventLineId{"3O1", ut(2026, 12, 17, 6, 22)}, "3O1",
       CurveReason::Selected},
      {ut(2026, 12, 10, 0, 57), EventLineId{"I.Sh.I", ut(2026, 12, 10, 0, 50)}, "3E2",
       CurveReason::GoingOn},
      {ut(2000, 1, 15, 12, 0), std::nullopt, "", CurveReason::Next},
  };
  for (const auto& c : cases) {
    observe(c.instant, c.selected);
    EXPECT_EQ(shownCode(), c.code) << c.instant;
    if (window->curve()) {
      EXPECT_EQ(window->curve()->reason, c.reason) << c.instant;
    }
  }
  EXPECT_TRUE(spoken().contains(QStringLiteral("No mutual event"))) << spoken().toStdString();
  // Coming back into the season after a year without events finds the event again.
  observe(ut(2026, 12, 10, 0, 57));
  EXPECT_EQ(shownCode(), "3E2");
  EXPECT_TRUE(spoken().contains(QStringLiteral("Maximum 00:57:37"))) << spoken().toStdString();
}

// The axis spans the least that holds the dip with room to spare: a fault scaling it to 0..1
// would flatten a 3 % dip into six pixels.
TEST(LightCurvePlot, ScalesTheFluxAxisSoThatAShallowDipIsPlain) {
  const struct {
    double lowest, span;
  } cases[] = {{0.97, 0.05}, {0.955, 0.05}, {0.95, 0.1}, {0.6, 0.5}, {0.2, 1}, {0, 1}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(FluxAxisSpan(c.lowest), c.span) << c.lowest;

  // A constructed 3 % dip, 10 minutes long, and the instant at its maximum.
  const double t0 = 2461384.5;  // days, UT
  MutualEvent event{MutualEventKind::Occultation,
                    2,
                    1,
                    t0 + 5.0 / 1440,
                    t0 + 10.0 / 1440,
                    t0 + 15.0 / 1440,
                    0.3,
                    false,
                    false,
                    false,
                    t0 + 5.0 / 1440,
                    t0 + 15.0 / 1440,
                    false};
  LightCurve curve{event, CurveReason::Next, {}, 0.97, MagnitudeDropOf(0.97), {}};
  for (int i = 0; i <= 200; ++i) {
    const double minute = 3 + i * 0.1;  // 3..23: the plot's span
    const double flux = 1 - 0.03 * std::max(0.0, 1 - std::abs(minute - 10) / 5);
    curve.samples.push_back({{t0 + minute / 1440, flux}, 0});
  }
  const QColor curveColour = ScreenPlotStyle(QFont()).curve,
               nowColour = ScreenPlotStyle(QFont()).now;
  const auto draw = [&](std::optional<JulianDay> now) {
    QImage image(160, 236, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawLightCurvePlot(painter, image.rect(), curve, {}, now, ScreenPlotStyle(QFont()));
    return image;
  };
  const auto rowsWith = [](const QImage& image, const QColor& colour) {
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == colour) top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    return std::pair{top, bottom};
  };
  const QImage plain = draw(std::nullopt);
  const auto [top, bottom] = rowsWith(plain, curveColour);
  EXPECT_GE(bottom - top, 100) << "a 3 % dip over some 190 rows of plot";
  EXPECT_EQ(rowsWith(plain, nowColour).second, -1) << "no instant, no mark";
  EXPECT_GE(rowsWith(draw(t0 + 10.0 / 1440), nowColour).second, bottom) << "the instant's mark";
  EXPECT_EQ(rowsWith(draw(t0 + 30.0 / 1440), nowColour).second, -1) << "outside: no mark";
}

// With a site where the Sun is up the whole curve is grey and the window says why.
TEST_F(LightCurveWindowTest, GreysTheCurveWhereTheSiteCannotSeeIt) {
  const SiteSetting noon{{0, 180, 0}, {}};  // 00:57 UT is 12:57 there
  observe(ut(2026, 12, 10, 0, 57), std::nullopt, noon);
  ASSERT_EQ(shownCode(), "3E2");
  const LightCurve& curve = *window->curve();
  ASSERT_EQ(curve.hidden.size(), 1u);
  EXPECT_LE(curve.hidden[0].from, curve.event.lightStart);
  EXPECT_GE(curve.hidden[0].to, curve.event.lightEnd);
  EXPECT_TRUE(spoken().contains(QStringLiteral("Grey: Jupiter below 5\u00b0")))
      << spoken().toStdString();
  const QImage& list = window->listImage();
  const QColor yellow = ScreenPlotStyle(QFont()).curve;
  int bright = 0;
  for (int y = 40; y < 250; ++y) {
    for (int x = 40; x < 160; ++x) bright += list.pixelColor(x, y) == yellow;
  }
  EXPECT_EQ(bright, 0) << "no part of the curve drawn as visible";
  observe(ut(2026, 12, 10, 0, 57));
  EXPECT_TRUE(window->curve()->hidden.empty());
}

// The curve written as the campaigns read it, with points under a locale of decimal commas;
// a place that cannot be written leaves nothing and says so.
TEST_F(LightCurveWindowTest, ExportsTheCurveAsCsvAndReadsItBack) {
  QLocale::setDefault(QLocale(QLocale::German));
  observe(ut(2026, 12, 10, 0, 57));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("curve.csv"));
  ASSERT_TRUE(window->exportTo(path));
  QLocale::setDefault(QLocale::c());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines[0], QStringLiteral("# 3E2 2026-12-10 00:57:37 UT"));
  EXPECT_EQ(lines[1], QStringLiteral("minutes,flux,distance_km"));
  EXPECT_EQ(lines.back(), QString());  // the last row ends its line too
  const LightCurve& curve = *window->curve();
  ASSERT_EQ(lines.size() - 3, static_cast<qsizetype>(curve.samples.size()));
  double previous = -1, lowest = 2, minuteOfLowest = 0;
  for (qsizetype i = 2; i + 1 < lines.size(); ++i) {
    const QStringList fields = lines[i].split(',');
    ASSERT_EQ(fields.size(), 3) << lines[i].toStdString();
    bool ok[3];
    const double minute = fields[0].toDouble(&ok[0]), flux = fields[1].toDouble(&ok[1]);
    fields[2].toDouble(&ok[2]);
    ASSERT_TRUE(ok[0] && ok[1] && ok[2]) << lines[i].toStdString();
    EXPECT_GT(minute, previous) << lines[i].toStdString();
    previous = minute;
    if (flux < lowest) lowest = flux, minuteOfLowest = minute;
  }
  EXPECT_EQ(lines[2].section(',', 1, 1), QStringLiteral("1.0000"));
  // The lowest row is the maximum's, 00:57:37.4 UT: minutes since 0h UT of 10 December, with
  // the window's flux.
  const QString maximumRow = QStringLiteral("57.624,%1,").arg(curve.lowestFlux, 0, 'f', 4);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
    return line.startsWith(maximumRow);
  })) << maximumRow.toStdString();
  EXPECT_NEAR(minuteOfLowest, 57.624, 0.0005);
  EXPECT_NEAR(lowest, curve.lowestFlux, 0.00005);
  EXPECT_NEAR(1 - lowest, 0.429, 0.0005);  // 42.9 % of Europa's light, the window's figure

  EXPECT_FALSE(window->exportTo(folder.filePath(QStringLiteral("missing/curve.csv"))));
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_TRUE(messages.errors[0].startsWith(QStringLiteral("The light curve could not be")));
}

}  // namespace
}  // namespace kelvra
