#include "ui/tracks/tracks_page.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>

#include <array>
#include <cstdlib>

#include "core/moons.h"
#include "ui/common/event_words.h"
#include "ui/common/page_layout.h"

namespace kelvra {

namespace {

constexpr double kPageScale = 22.75092936802974;  // dots per Jupiter radius, 6120/269
constexpr int kBandHalfWidth = 22;                // dots, trunc(kPageScale)
constexpr int kChartHeadDots = 100;               // dots below the chart's top free of names
const QColor kLightGrey(184, 184, 184);

// The satellites' colours on paper, by satellite number (slot 0 unused).
const std::array<QColor, 5> kOnPaper = {QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 128, 0),
                                        QColor(255, 0, 0), QColor(0, 0, 255)};

// A track's name as printed, its dashes toward the track: the odd satellites are named right of
// the centre ("--Io"), the even ones left ("Europa--").
QString trackName(int satellite) {
  const QString name = MoonNameText(satellite);
  return satellite % 2 == 1 ? QStringLiteral("--") + name : name + QStringLiteral("--");
}

// The chart's place on the page, all in dots.
struct ChartArea {
  int top;     // T, TitleHeight
  int bottom;  // B, page height - FooterHeight
  int centre;  // C, page width div 2
  int width;   // PW
  int height() const { return bottom - top; }
};

//: Completes "[As viewed through %1 - ...]"
QString viewPhrase(ViewKind view) {
  switch (view) {
    case ViewKind::AstroScope:
      return QCoreApplication::translate("kelvra::TracksPage", "an Astronomical Telescope");
    case ViewKind::Binoculars:
      return QCoreApplication::translate("kelvra::TracksPage", "Binoculars");
    case ViewKind::StarDiagonal:
      return QCoreApplication::translate("kelvra::TracksPage", "a Star Diagonal");
  }
  return {};
}

// Frame, Jupiter's band and the days with their numbers.
void drawChartGround(QPainter& painter, const ChartArea& area, int days) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(200, area.top, (area.width - 201) - 200 - 1, area.bottom - area.top - 1);
  for (const int line : {area.centre - kBandHalfWidth, area.centre + kBandHalfWidth})
    painter.drawLine(line, area.top, line, area.bottom - 1);

  painter.setFont(QFont(QStringLiteral("Arial"), 10));
  const double rowsPerDay = static_cast<double>(area.height()) / days;
  const int inset = static_cast<int>(rowsPerDay - painter.fontMetrics().height()) / 2;
  for (int i = 0; i < days; ++i) {
    const int top = static_cast<int>(i * rowsPerDay);
    // A band runs one dot below its day; the last one stops short of the frame's bottom
    // line, which it would otherwise paint over.
    const int next = std::min(static_cast<int>((i + 1) * rowsPerDay), area.height() - 2);
    if (i % 2 == 0) {
      painter.setBrush(kLightGrey);
      const int left = area.centre - (kBandHalfWidth + 1) - 201;
      const int right = (area.width - 202) - (area.centre + kBandHalfWidth + 1);
      painter.fillRect(QRect(201, area.top + top + 1, left, next - top), kLightGrey);
      painter.fillRect(
          QRect(area.centre + kBandHalfWidth + 1, area.top + top + 1, right, next - top),
          kLightGrey);
    } else {
      painter.setBrush(Qt::white);
    }
    DrawOpaqueText(painter, QPoint(230, area.top + top + inset), QString::number(i + 1), Qt::black);
  }
}

// Prints a satellite's name beside its track's turning point at offset `extreme` (dots), or
// below that place when a name printed before would be in the way.
PlacedLabel drawLabel(QPainter& painter, const ChartArea& area, int satellite, int extreme, int y,
                      const std::vector<PlacedLabel>& earlier) {
  const QString text = trackName(satellite);
  const QFontMetrics metrics = painter.fontMetrics();
  const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) / 2;
  const int width = metrics.horizontalAdvance(text);
  const int x =
      satellite % 2 == 1 ? area.centre - extreme + gap : area.centre - extreme - gap - width;
  const QRect box = FreeLabelBox(
      QRect(QPoint(x, y - metrics.height() / 2), QSize(width, metrics.height())), earlier);
  painter.setPen(kOnPaper[satellite]);
  painter.drawText(box.left(), box.top() + metrics.ascent(), text);
  return {satellite, box};
}

// One satellite's disc, unless it is hidden behind Jupiter.
void drawDot(QPainter& painter, const ChartArea& area, int satellite, int x, double u, int y) {
  if (!PageDotVisible(x, u)) return;
  painter.setPen(kOnPaper[satellite]);
  painter.setBrush(kOnPaper[satellite]);
  painter.drawEllipse(QRect(area.centre - x - 2, y - 2, 3, 3));
}

}  // namespace

QString TracksTitle(std::uint16_t month, std::uint16_t year) {
  //: The printed page's title: %1 the month's name, %2 the year
  return QCoreApplication::translate("kelvra::TracksPage", "Jupiter's Satellites: %1 %2")
      .arg(QLocale().monthName(month, QLocale::LongFormat))
      .arg(year);
}

QString TracksSubtitle(const TracksInput& input) {
  const QString basis = input.basis.localTime
                            ? QCoreApplication::translate("kelvra::TracksPage", "Local Time")
                            : QCoreApplication::translate("kelvra::TracksPage", "Universal Time");
  const QString hemisphere =
      input.northernHemisphere
          ? QCoreApplication::translate("kelvra::TracksPage", "Northern Hemisphere")
          : QCoreApplication::translate("kelvra::TracksPage", "Southern Hemisphere");
  //: %1 the instrument ("an Astronomical Telescope"), %2 the time basis, %3 the hemisphere
  return QCoreApplication::translate("kelvra::TracksPage", "[As viewed through %1 - %2 - %3]")
      .arg(viewPhrase(input.view), basis, hemisphere);
}

PageHeights PrintTracksTitle(QPainter& painter, QSize page, const TracksInput& input) {
  return PrintPageTitle(painter, page, TracksTitle(input.month, input.year), TracksSubtitle(input));
}

bool PageDotVisible(int x, double u) {
  return std::abs(x) > kPageScale || (std::abs(x) < kPageScale && InFrontOfJupiter(u));
}

QRect FreeLabelBox(QRect wanted, const std::vector<PlacedLabel>& earlier) {
  const auto inTheWay = [&](const PlacedLabel& label) { return label.box.intersects(wanted); };
  while (std::any_of(earlier.begin(), earlier.end(), inTheWay))
    wanted.translate(0, wanted.height());
  return wanted;
}

bool FollowTrackLabel(TrackLabel& label, int satellite, int x, bool belowChartHead) {
  if (label.placed || !belowChartHead) return false;
  const bool namedOnRight = satellite % 2 == 1;
  // Outward is away from the centre: negative offsets on the right, positive on the left.
  const int outward = namedOnRight ? -x : x;
  if (outward <= 0) return false;
  const int extremeOutward = namedOnRight ? -label.extreme : label.extreme;
  if (extremeOutward < outward) {
    label.extreme = x;
    return false;
  }
  label.placed = true;
  return true;
}

std::vector<PlacedLabel> PlotTracks(QPainter& painter, QSize page, const TracksInput& input,
                                    PageHeights heights) {
  const TracksMonth month = TracksMonthFor(input);
  const ChartArea area{heights.TitleHeight, page.height() - heights.FooterHeight, page.width() / 2,
                       page.width()};
  drawChartGround(painter, area, month.days);

  std::array<TrackLabel, 5> labels{};
  std::vector<PlacedLabel> placed;
  ForEachTrackStep(month, month.steps, [&](std::uint16_t n, const JupiterState& step) {
    const int y = area.top + static_cast<int>(static_cast<double>(area.height() * n) / month.steps);
    for (int k = 1; k <= 4; ++k) {
      const int x = static_cast<int>(step.X[k] * kPageScale) * month.mirror;
      if (FollowTrackLabel(labels[k], k, x, y > area.top + kChartHeadDots))
        placed.push_back(drawLabel(painter, area, k, labels[k].extreme, y, placed));
      drawDot(painter, area, k, x, step.U[k], y);
    }
  });
  return placed;
}

std::vector<PlacedLabel> DrawTracksPage(QPainter& painter, QSize page, const TracksInput& input) {
  const PageHeights heights = PrintTracksTitle(painter, page, input);
  PrintPageFooter(painter, page, heights.FooterHeight);
  return PlotTracks(painter, page, input, heights);
}

}  // namespace kelvra
