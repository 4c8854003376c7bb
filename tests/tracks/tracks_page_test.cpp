#include "ui/tracks/tracks_page.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>
#include <vector>

#include "ui/common/page_layout.h"

namespace kelvra {
namespace {

constexpr int kDotsPerInch = 300;        // the simulated printer
constexpr int kPageWidth = 2480;         // dots, A4 at 300 dpi
constexpr int kPageHeight = 3508;        // dots
constexpr int kCentre = kPageWidth / 2;  // C
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kLightGrey = qRgb(184, 184, 184);

QImage blankPage() {
  QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
  const int dotsPerMetre = qRound(kDotsPerInch / 0.0254);
  page.setDotsPerMeterX(dotsPerMetre);
  page.setDotsPerMeterY(dotsPerMetre);
  page.fill(Qt::white);
  return page;
}

// Text height (dots) of `font` on the simulated printer.
int heightOf(const QFont& font, const QImage& page) {
  return QFontMetrics(font, &page).height();
}
int widthOf(const QFont& font, const QImage& page, const QString& text) {
  return QFontMetrics(font, &page).horizontalAdvance(text);
}

bool isInk(QRgb pixel) {
  return qGray(pixel) < 128;
}

// The smallest rectangle holding every dark pixel of `area`; empty when there is none.
QRect inkBox(const QImage& page, QRect area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (isInk(page.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

// April 2000 (30 days), Astro Scope, Universal Time, Northern hemisphere, on one page.
class TracksPage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    page_ = std::make_unique<QImage>(blankPage());
    QPainter painter(page_.get());
    labels_ = DrawTracksPage(painter, page_->size(), input_);
  }
  static void TearDownTestSuite() { page_.reset(); }

  static int titleHeight() {
    return 3 * heightOf(QFont(QStringLiteral("Times New Roman"), 24, QFont::Bold), *page_);
  }
  // The footer's band: twice the height of the font the page was begun with, the application's.
  static int footerHeight() { return 2 * heightOf(QGuiApplication::font(), *page_); }
  static int chartBottom() { return kPageHeight - footerHeight(); }
  static QRgb at(int x, int y) { return page_->pixel(x, y); }

  static inline const TracksInput input_{4, 2000, ViewKind::AstroScope, true, {}};
  static inline std::unique_ptr<QImage> page_;
  static inline std::vector<PlacedLabel> labels_;
};

TEST_F(TracksPage, FramesThePageLeavingItsLastColumnAndRowOut) {
  EXPECT_TRUE(isInk(at(0, 1000)));
  EXPECT_TRUE(isInk(at(kPageWidth - 2, 1000)));
  EXPECT_EQ(at(kPageWidth - 1, 1000), kWhite);
  EXPECT_TRUE(isInk(at(1000, 0)));
  EXPECT_TRUE(isInk(at(1000, kPageHeight - 2)));
  EXPECT_EQ(at(1000, kPageHeight - 1), kWhite);
}

TEST_F(TracksPage, CentresTitleAtEightyAndTheWholeSubtitleAtTwoHundredTen) {
  const QString title = TracksTitle(4, 2000);
  const QFont titleFont(QStringLiteral("Times New Roman"), 24, QFont::Bold);
  const QRect titleInk = inkBox(*page_, QRect(2, 2, kPageWidth - 4, 200));
  const int titleWidth = widthOf(titleFont, *page_, title);
  EXPECT_GE(titleInk.top(), 80);
  EXPECT_LT(titleInk.bottom(), 80 + heightOf(titleFont, *page_));
  EXPECT_GE(titleInk.left(), (kPageWidth - titleWidth) / 2);
  EXPECT_LE(titleInk.right(), (kPageWidth + titleWidth) / 2);
  EXPECT_GT(titleInk.width(), titleWidth * 9 / 10);

  const QString subtitle = TracksSubtitle(input_);
  ASSERT_EQ(subtitle.size(), 84);
  const QFont subtitleFont(QStringLiteral("Times New Roman"), 12);
  const int subtitleWidth = widthOf(subtitleFont, *page_, subtitle);
  // Down to the chart frame, above the first dots (they reach 2 dots above the frame).
  const QRect subtitleInk = inkBox(*page_, QRect(2, 205, kPageWidth - 4, titleHeight() - 208));
  EXPECT_GE(subtitleInk.top(), 210);
  EXPECT_LT(subtitleInk.bottom(), 210 + heightOf(subtitleFont, *page_));
  // Whole: the ink spans the full measured width, from "[" to "]".
  EXPECT_GE(subtitleInk.left(), (kPageWidth - subtitleWidth) / 2);
  EXPECT_LE(subtitleInk.left(), (kPageWidth - subtitleWidth) / 2 + 10);
  EXPECT_LE(subtitleInk.right(), (kPageWidth + subtitleWidth) / 2);
  EXPECT_GE(subtitleInk.right(), (kPageWidth + subtitleWidth) / 2 - 10);
}

TEST_F(TracksPage, KeepsTheFooterInTheBandMeasuredInTheDefaultFont) {
  QFont footerFont(QStringLiteral("Times New Roman"), 7);
  footerFont.setItalic(true);
  const int top = kPageHeight - static_cast<int>(0.75 * footerHeight());
  const int width = widthOf(footerFont, *page_, FooterLine());
  const QRect ink =
      inkBox(*page_, QRect(2, chartBottom() + 1, kPageWidth - 4, kPageHeight - 3 - chartBottom()));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.top(), top);
  EXPECT_LT(ink.bottom(), top + heightOf(footerFont, *page_));
  EXPECT_GE(ink.left(), (kPageWidth - width) / 2);
  EXPECT_LE(ink.right(), (kPageWidth + width) / 2);
  EXPECT_GT(ink.width(), width * 9 / 10);
}

TEST_F(TracksPage, FramesTheChartAndDrawsJupitersBandAtTheCentrePlusMinus22) {
  const int top = titleHeight();
  EXPECT_TRUE(isInk(at(200, top + 50)));
  EXPECT_TRUE(isInk(at(kPageWidth - 202, top + 50)));
  EXPECT_EQ(at(kPageWidth - 201, top + 50), kWhite);
  EXPECT_TRUE(isInk(at(300, top)));
  EXPECT_EQ(at(300, top - 1), kWhite);
  EXPECT_TRUE(isInk(at(300, chartBottom() - 1)));  // day 30 is white, so the frame shows

  auto blackShare = [&](int column) {
    int black = 0;
    for (int y = top; y < chartBottom(); ++y) black += at(column, y) == qRgb(0, 0, 0) ? 1 : 0;
    return static_cast<double>(black) / (chartBottom() - top);
  };
  EXPECT_GT(blackShare(kCentre - 22), 0.9);
  EXPECT_GT(blackShare(kCentre + 22), 0.9);
  for (const int column : {kCentre - 23, kCentre - 21, kCentre + 21, kCentre + 23})
    EXPECT_LT(blackShare(column), 0.5) << column;
}

TEST(TracksPageOf31Days, LastDaysBandStopsAboveTheFramesBottomLine) {
  QImage page = blankPage();
  QPainter painter(&page);
  DrawTracksPage(painter, page.size(), {1, 2000, ViewKind::AstroScope, true, false});
  painter.end();
  const int bottom = kPageHeight - 2 * heightOf(QGuiApplication::font(), page);  // excluded
  EXPECT_TRUE(isInk(page.pixel(300, bottom - 1)));  // day 31 is grey: the frame still shows
  EXPECT_EQ(page.pixel(300, bottom - 2), kLightGrey);
}

TEST_F(TracksPage, NumbersEveryDayOnGreyForOddDaysAndWhiteForEvenOnes) {
  const int top = titleHeight();
  const double perDay = static_cast<double>(chartBottom() - top) / 30;
  const QFont dayFont(QStringLiteral("Arial"), 10);
  const int inset = static_cast<int>(perDay - heightOf(dayFont, *page_)) / 2;
  for (int i = 0; i < 30; ++i) {
    const int y = top + static_cast<int>(i * perDay) + inset;
    const QString number = QString::number(i + 1);
    const QRect box(230, y, widthOf(dayFont, *page_, number), heightOf(dayFont, *page_));
    EXPECT_FALSE(inkBox(*page_, box).isEmpty()) << "day " << i + 1;
    EXPECT_EQ(at(215, y + 2), i % 2 == 0 ? kLightGrey : kWhite) << "day " << i + 1;
    EXPECT_EQ(at(kPageWidth - 215, y + 2), i % 2 == 0 ? kLightGrey : kWhite) << "day " << i + 1;
  }
}

TEST_F(TracksPage, NamesEachSatelliteOnceOnItsSideBelowTheChartsHead) {
  std::set<int> named;
  for (const PlacedLabel& label : labels_) {
    EXPECT_TRUE(named.insert(label.satellite).second) << "satellite " << label.satellite;
    EXPECT_GT(label.box.center().y(), titleHeight() + 100 - label.box.height());
    if (label.satellite % 2 == 1)
      EXPECT_GT(label.box.left(), kCentre) << "satellite " << label.satellite;
    else
      EXPECT_LT(label.box.right(), kCentre) << "satellite " << label.satellite;
  }
  // A month is long enough for every track to turn on its side.
  EXPECT_EQ(named, (std::set<int>{1, 2, 3, 4}));
  // Ganymede's name is printed in red.
  bool red = false;
  for (const PlacedLabel& label : labels_)
    if (label.satellite == 3)
      for (int y = label.box.top(); y <= label.box.bottom(); ++y)
        for (int x = label.box.left(); x <= label.box.right(); ++x)
          red = red || at(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);
}

TEST(FreeLabelBox, MovesANameDownByItsOwnHeightUntilItOverlapsNoEarlierOne) {
  const std::vector<PlacedLabel> earlier{{2, QRect(100, 500, 80, 40)},
                                         {4, QRect(150, 545, 80, 40)}};
  // Over the first (500..539), then over the second (545..584), then free from 590 on.
  EXPECT_EQ(FreeLabelBox(QRect(120, 510, 60, 40), earlier), QRect(120, 590, 60, 40));
  // Touching an earlier name's box is not overlapping it: the place is kept.
  EXPECT_EQ(FreeLabelBox(QRect(180, 500, 60, 40), earlier), QRect(180, 500, 60, 40));
  EXPECT_EQ(FreeLabelBox(QRect(100, 460, 40, 40), earlier), QRect(100, 460, 40, 40));
  EXPECT_EQ(FreeLabelBox(QRect(100, 461, 40, 40), {}), QRect(100, 461, 40, 40));
}

// December 2026, Astro Scope, Northern: "Europa--" fell on "Callisto--", and the names'
// boxes hid the discs printed before them. In either time basis and with either theory's
// positions no name overlaps another, and every disc printed (where that theory puts it)
// still shows a satellite's colour over its whole core.
TEST(TracksPageOfDecember2026, NamesCoverNeitherEachOtherNorAnyDisc) {
  const std::array<QRgb, 4> discColours{qRgb(0, 0, 0), qRgb(0, 128, 0), qRgb(255, 0, 0),
                                        qRgb(0, 0, 255)};
  for (const auto& [localTime, positions] :
       {std::pair{false, PositionTheory::Classic}, std::pair{true, PositionTheory::Classic},
        std::pair{false, PositionTheory::Modern}}) {
    SCOPED_TRACE(localTime ? "local time" : "Universal Time");
    SCOPED_TRACE(positions == PositionTheory::Modern ? "modern" : "classic");
    // Central Europe, UT = local - 60 minutes, for the local-time pass.
    TracksInput input{12, 2026, ViewKind::AstroScope, true, {localTime, -60}};
    input.positions = positions;
    QImage page = blankPage();
    QPainter painter(&page);
    const std::vector<PlacedLabel> labels = DrawTracksPage(painter, page.size(), input);
    painter.end();
    ASSERT_EQ(labels.size(), 4u);
    for (std::size_t i = 0; i < labels.size(); ++i)
      for (std::size_t j = i + 1; j < labels.size(); ++j)
        EXPECT_FALSE(labels[i].box.intersects(labels[j].box))
            << labels[i].satellite << " and " << labels[j].satellite;

    // The discs as the page places them: column C - x, row T + trunc(H n / N).
    const int top = 3 * heightOf(QFont(QStringLiteral("Times New Roman"), 24, QFont::Bold), page);
    const int height = kPageHeight - 2 * heightOf(QGuiApplication::font(), page) - top;
    const TracksMonth month = TracksMonthFor(input);
    int discs = 0;
    int underNames = 0;
    std::vector<QPoint> hidden;
    ForEachTrackStep(month, month.steps, [&](std::uint16_t n, const JupiterState& step) {
      const int y = top + static_cast<int>(static_cast<double>(height * n) / month.steps);
      for (int k = 1; k <= 4; ++k) {
        const int x = static_cast<int>(step.X[k] * 22.75092936802974) * month.mirror;
        if (!PageDotVisible(x, step.U[k])) continue;
        ++discs;
        const QRect core(kCentre - x - 1, y - 1, 2, 2);
        for (const PlacedLabel& label : labels) underNames += label.box.intersects(core) ? 1 : 0;
        for (int cy = core.top(); cy <= core.bottom(); ++cy)
          for (int cx = core.left(); cx <= core.right(); ++cx)
            if (std::find(discColours.begin(), discColours.end(), page.pixel(cx, cy)) ==
                discColours.end())
              hidden.push_back(QPoint(cx, cy));
      }
    });
    if (!hidden.empty())
      ADD_FAILURE() << hidden.size() << " disc pixels covered, the first at " << hidden.front().x()
                    << ", " << hidden.front().y();
    EXPECT_GT(discs, 4 * 1000);
    EXPECT_GT(underNames, 10);  // the names do stand among the tracks
  }
}

TEST(TracksSubtitle, NamesInstrumentTimeBasisAndHemisphereWhole) {
  EXPECT_EQ(TracksSubtitle({1, 2000, ViewKind::AstroScope, true, false}),
            QStringLiteral("[As viewed through an Astronomical Telescope - Universal Time - "
                           "Northern Hemisphere]"));
  EXPECT_EQ(TracksSubtitle({1, 2000, ViewKind::AstroScope, false, false}).size(), 84);
  EXPECT_EQ(TracksSubtitle({1, 2000, ViewKind::Binoculars, false, true}),
            QStringLiteral("[As viewed through Binoculars - Local Time - Southern Hemisphere]"));
  EXPECT_EQ(TracksSubtitle({1, 2000, ViewKind::StarDiagonal, true, true}),
            QStringLiteral("[As viewed through a Star Diagonal - Local Time - Northern "
                           "Hemisphere]"));
}

TEST(FooterLine, HasTwoSpacesBeforeTheAddress) {
  EXPECT_EQ(FooterLine(),
            QStringLiteral("Printed by Kelvra95 V1.14  (http://www.kelvra95.example.org)"));
}

TEST(PageDotVisible, HidesOnlyDiscsWithinTwentyTwoDotsBehindJupiter) {
  const double front = 0.0;   // radians, inferior conjunction
  const double behind = 3.0;  // radians, cos < 0
  EXPECT_TRUE(PageDotVisible(22, front));
  EXPECT_FALSE(PageDotVisible(22, behind));
  EXPECT_FALSE(PageDotVisible(-22, behind));
  EXPECT_FALSE(PageDotVisible(0, behind));
  EXPECT_TRUE(PageDotVisible(23, behind));
  EXPECT_TRUE(PageDotVisible(-23, behind));
}

// Steps of one track: offset x (dots) and whether the step is below the chart's head.
struct Step {
  int x;
  bool below;
};

// Returns the offset at which the name was printed and the step it was printed on, or -1s.
std::pair<int, int> followTrack(int satellite, std::initializer_list<Step> steps) {
  TrackLabel label;
  int index = 0;
  int printedAt = -1;
  int printedOn = -1;
  for (const Step& step : steps) {
    if (FollowTrackLabel(label, satellite, step.x, step.below)) {
      EXPECT_EQ(printedAt, -1) << "printed twice";
      printedAt = label.extreme;
      printedOn = index;
    }
    ++index;
  }
  return {printedAt, printedOn};
}

TEST(FollowTrackLabel, NamesTheFirstTurnOnTheSatellitesSideBelowTheHead) {
  // Io, right of the centre (x < 0): out to -300, then back in.
  EXPECT_EQ(followTrack(1, {{-100, true}, {-300, true}, {-250, true}, {-400, true}}),
            std::make_pair(-300, 2));
  // Europa, left of the centre: two equal offsets in a row count as a turn.
  EXPECT_EQ(followTrack(2, {{100, true}, {200, true}, {200, true}}), std::make_pair(200, 2));
  // Already on its side and moving in at the first step below the head: named on the next
  // step, at the first step's point.
  EXPECT_EQ(followTrack(4, {{500, false}, {600, false}, {550, true}, {500, true}}),
            std::make_pair(550, 3));
  // The head and the far side are ignored.
  EXPECT_EQ(followTrack(3, {{-500, false}, {-100, false}, {40, true}, {-50, true}, {-20, true}}),
            std::make_pair(-50, 4));
}

TEST(FollowTrackLabel, LeavesATrackThatNeverTurnsUnnamed) {
  EXPECT_EQ(followTrack(1, {{-10, true}, {-20, true}, {-30, true}, {10, true}}),
            std::make_pair(-1, -1));
  EXPECT_EQ(followTrack(2, {{300, false}, {200, false}, {100, false}}), std::make_pair(-1, -1));
}

}  // namespace
}  // namespace kelvra
