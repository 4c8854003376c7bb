#include "ui/radio/radio_picture.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/common/page_layout.h"
#include "ui/common/picture_style.h"
#include "ui/common/pictures.h"

namespace kelvra {
namespace {

const QColor kBand(40, 40, 40);
const QColor kDay(0, 255, 255);
const QColor kTime(255, 255, 0);
const QColor kMarked(30, 84, 88);     // going on at the main window's instant, as in the events
const QColor kDaylight(36, 48, 96);   // a span with the Sun up at the site
const QColor kGreyed(192, 192, 192);  // Jupiter below its least altitude all through
const QColor kTrackOut(0, 120, 120);  // the track outside every region
const QColor kTrackIn(255, 255, 0);   // inside one
constexpr int kDayX = 3, kTimeX = 20, kNameX = 100;  // pixels

// The window's and the page's words in the user's language.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(kelvra::RadioPicture)
};

// x across for a meridian, y up for a phase, in `area`.
QPointF placeOf(const QRect& area, double cm, double phase) {
  return {area.left() + cm / 360.0 * area.width(),
          area.bottom() + 1 - phase / 360.0 * area.height()};
}

// A range of degrees as one or two stretches within 0..360.
std::vector<std::pair<double, double>> stretches(double from, double to) {
  if (to - from >= 360) return {{0, 360}};
  if (from <= to) return {{from, to}};
  return {{from, 360}, {0, to}};
}

QString shortName(const RadioRegion& r) {
  const QString name = QString::fromUtf8(r.name.data(), static_cast<qsizetype>(r.name.size()));
  if (r.moon == 0) return name.startsWith(QStringLiteral("non-Io-")) ? 'n' + name.mid(7) : name;
  return name.startsWith(QStringLiteral("Io-")) ? name.mid(3) : name;
}

// The Io-independent bands filled (labels false), behind the track; or, over it, the boxes of
// the Io regions and every region's label.
void drawRegions(QPainter& painter, const QRect& area, bool page, int unit, bool labels) {
  const QFontMetrics metrics(painter.font());
  for (std::size_t i = 0; i < kRadioSourceRegions.size(); ++i) {
    const RadioRegion& r = kRadioSourceRegions[i];
    if (!labels && r.moon != 0) continue;
    const QColor colour = RadioRegionColour(i, page);
    const auto phases = r.moon == 0 ? std::vector<std::pair<double, double>>{{0, 360}}
                                    : stretches(r.phaseFrom, r.phaseTo);
    bool labelled = false;
    for (const auto& [cmFrom, cmTo] : stretches(r.cmFrom, r.cmTo)) {
      for (const auto& [phFrom, phTo] : phases) {
        const QRectF box(placeOf(area, cmFrom, phTo), placeOf(area, cmTo, phFrom));
        const QRect pixels = box.toAlignedRect().adjusted(0, 0, -1, -1) & area;
        if (!labels) {
          painter.fillRect(pixels, page ? QColor(232, 232, 232) : QColor(24, 34, 44));
          continue;
        }
        if (r.moon != 0) {
          painter.setPen(QPen(colour, unit));
          painter.setBrush(Qt::NoBrush);
          painter.drawRect(pixels);
        }
        const QString label =
            page ? QString::fromUtf8(r.name.data(), static_cast<qsizetype>(r.name.size()))
                 : shortName(r);
        if (labelled || pixels.width() < metrics.horizontalAdvance(label)) continue;
        painter.setPen(colour);
        const int y = r.moon == 0 ? pixels.top() + unit : pixels.top() + 2 * unit;
        painter.drawText(QRect(pixels.left() + 2 * unit, y, pixels.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, label);
        labelled = true;
      }
    }
  }
}

void drawTrack(QPainter& painter, const QRect& area, const RadioPlot& plot, int unit) {
  const QColor out = plot.page ? QColor(150, 150, 150) : kTrackOut;
  const QColor in = plot.page ? QColor(Qt::black) : kTrackIn;
  painter.save();
  painter.setClipRect(area);
  if (plot.dots) {
    for (const RadioTrackPoint& p : plot.track) {
      painter.setPen(QPen(p.inside ? in : out, unit));
      painter.drawPoint(placeOf(area, p.cm, p.phase));
    }
  }
  for (std::size_t i = 0; !plot.dots && i + 1 < plot.track.size(); ++i) {
    const RadioTrackPoint& a = plot.track[i];
    const RadioTrackPoint& b = plot.track[i + 1];
    painter.setPen(QPen(a.inside && b.inside ? in : out, unit));
    // A step through 360 is drawn as two pieces, off one edge and on at the other.
    double bcm = b.cm, bphase = b.phase;
    if (bcm < a.cm - 180) bcm += 360;
    if (bphase < a.phase - 180) bphase += 360;
    const QPointF from = placeOf(area, a.cm, a.phase), to = placeOf(area, bcm, bphase);
    painter.drawLine(from, to);
    if (bcm != b.cm || bphase != b.phase) {
      const QPointF shift = placeOf(area, b.cm, b.phase) - to;
      painter.drawLine(from + shift, to + shift);
    }
  }
  painter.restore();
}

void drawInstant(QPainter& painter, const QRect& area, const RadioPlot& plot, int unit) {
  if (!plot.instant) return;
  const QPointF at = placeOf(area, plot.instant->cm, plot.instant->phase);
  painter.setPen(QPen(plot.page ? QColor(200, 0, 0) : QColor(Qt::white), unit));
  painter.setBrush(Qt::NoBrush);
  const double r = 3.0 * unit;
  painter.drawEllipse(at, r, r);
  painter.drawLine(at - QPointF(r + 2 * unit, 0), at - QPointF(r - unit, 0));
  painter.drawLine(at + QPointF(r - unit, 0), at + QPointF(r + 2 * unit, 0));
}

void drawCell(QPainter& painter, QPoint at, const QString& text, const QColor& colour,
              const QColor& background) {
  painter.setBrush(background);
  DrawOpaqueText(painter, at, text, colour);
}

}  // namespace

QColor RadioRegionColour(std::size_t region, bool page) {
  static const QColor screen[] = {{255, 150, 40},  {255, 90, 90},   {90, 200, 255},
                                  {190, 130, 255}, {120, 160, 160}, {120, 160, 160}};
  static const QColor paper[] = {{200, 100, 0},  {200, 0, 0},     {0, 90, 200},
                                 {120, 40, 180}, {110, 110, 110}, {110, 110, 110}};
  if (region >= std::size(screen)) return page ? QColor(Qt::black) : style::kGlyph;
  return page ? paper[region] : screen[region];
}

void DrawRadioPlot(QPainter& painter, const QRect& area, const RadioPlot& plot, int unit) {
  painter.save();
  painter.fillRect(area, plot.page ? QColor(Qt::white) : QColor(Qt::black));
  drawRegions(painter, area, plot.page, unit, false);
  const QColor grid = plot.page ? QColor(190, 190, 190) : style::kWell.lighter(150);
  painter.setPen(QPen(grid, unit, Qt::DotLine));
  for (int degrees = 90; degrees < 360; degrees += 90) {
    painter.drawLine(placeOf(area, degrees, 0), placeOf(area, degrees, 360));
    painter.drawLine(placeOf(area, 0, degrees), placeOf(area, 360, degrees));
  }
  drawTrack(painter, area, plot, unit);
  drawRegions(painter, area, plot.page, unit, true);
  drawInstant(painter, area, plot, unit);
  painter.setPen(QPen(plot.page ? QColor(Qt::black) : style::kGlyphDim, unit));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(0, 0, -unit, -unit));
  painter.restore();
}

std::vector<QString> RadioReadingRows(const RadioReadings& r) {
  const auto deg = [](double value, int decimals) {
    return QStringLiteral("%1\u00b0").arg(value, 0, 'f', decimals);
  };
  //: CM III: the central meridian in System III; %1 its longitude, %2 Io's phase
  return {Text::tr("CM III %1  Io %2").arg(deg(r.cm, 1), deg(r.io, 1)),
          //: %1 Europa's phase, %2 Ganymede's
          Text::tr("Europa %1  Ganymede %2").arg(deg(r.europa, 0), deg(r.ganymede, 0))};
}

QString RadioDaylightNote() {
  return Text::tr("Shaded: daylight, 20 MHz often blocked by the ionosphere");
}

int RadioListTop(const QFont& font, bool site) {
  const int row = QFontMetrics(font).height();
  return kRadioPlotRect.bottom() + 3 + (site ? 3 : 2) * row;
}

void DrawRadioScreen(QImage& list, const QFont& font, const RadioPlot& plot,
                     const RadioReadings& readings, const std::vector<RadioLine>& lines,
                     std::int32_t offset, const RadioListView& view) {
  QPainter painter(&list);
  painter.setFont(font);
  const int width = LogicalSize(list).width();
  const int height = LogicalSize(list).height();
  painter.fillRect(0, 0, width, height, Qt::black);
  DrawRadioPlot(painter, kRadioPlotRect, plot, 1);
  painter.setPen(Qt::NoPen);
  const int rowHeight = QFontMetrics(font).height();
  int y = kRadioPlotRect.bottom() + 3;
  for (const QString& row : RadioReadingRows(readings)) {
    drawCell(painter, {kDayX, y}, row, style::kGlyph, Qt::black);
    y += rowHeight;
  }
  if (view.site) {
    painter.fillRect(0, y, width, rowHeight, kDaylight);
    drawCell(painter, {kDayX, y}, Text::tr("Shaded: daylight (ionosphere)"), style::kGlyph,
             kDaylight);
    y += rowHeight;
  }
  if (lines.empty()) {
    drawCell(painter, {kDayX, y}, Text::tr("No windows"), style::kGlyph, Qt::black);
    return;
  }
  const int rows = std::max(1, (height - y) / rowHeight);
  const bool scrolls = static_cast<int>(lines.size()) > rows;
  const int textWidth = scrolls ? width - kRadioScrollBarWidth - 1 : width;
  const int listTop = y;
  for (std::size_t i = view.top; i < lines.size() && y + rowHeight <= height; ++i, y += rowHeight) {
    const RadioLine& line = lines[i];
    QColor background = line.day % 2 == 1 ? kBand : QColor(Qt::black);
    if (line.daytime) background = kDaylight;
    if (view.marked == i) background = kMarked;
    painter.fillRect(0, y, textWidth, rowHeight, background);
    const QStringList parts = RadioLineText(line, offset).split(' ');
    const auto shade = [&line](const QColor& c) { return line.greyed ? kGreyed : c; };
    drawCell(painter, {kDayX, y}, parts.value(0), shade(kDay), background);
    drawCell(painter, {kTimeX, y}, parts.value(1), shade(kTime), background);
    drawCell(painter, {kNameX, y}, parts.value(2),
             shade(RadioRegionColour(line.window.region, false)), background);
    if (i == view.selected)
      style::DrawPixelFrame(painter, {0, y, textWidth, rowHeight}, style::kGlyphDim);
  }
  if (scrolls) {
    const int barX = width - kRadioScrollBarWidth;
    const int span = height - listTop;
    const int total = static_cast<int>(lines.size());
    painter.fillRect(barX, listTop, kRadioScrollBarWidth, span, style::kWell);
    const int thumbTop = static_cast<int>(view.top) * span / total;
    const int thumbHeight = std::max(6, rows * span / total);
    painter.fillRect(barX, listTop + std::min(thumbTop, span - thumbHeight), kRadioScrollBarWidth,
                     thumbHeight, style::kFace);
  }
}

QImage RadioTrackButtonFace(QSize size, bool month, double ratio) {
  QImage image = FilledPicture(size.width(), size.height(), Qt::transparent, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  style::DrawFace(painter, QRect(QPoint(0, 0), size), month ? kMarked : style::kFace);
  painter.setPen(style::kGlyph);
  painter.setFont(style::PixelFont(QStringLiteral("Arial"), 11, true));
  painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter,
                   //: One letter on a small button: the month's track
                   month ? Text::tr("M")
                         //: One letter on a small button: the night's track
                         : Text::tr("N"));
  return image;
}

}  // namespace kelvra
