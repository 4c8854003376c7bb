#include "ui/lightcurve/light_curve_plot.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/common/site_settings.h"

namespace kelvra {
namespace {

constexpr double kMargin = 2.0 / 1440;  // days: the level part either side of the light's contacts

// The page's words in the user's language.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(kelvra::LightCurvePage)
};

// "23:06" on the basis' clock.
QString minuteText(JulianDay ut, const TimeBasis& basis) {
  const CivilDateTime t = CalDate(std::round(ut * 1440) / 1440, basis.offset());
  return QStringLiteral("%1:%2").arg(t.hour, 2, 10, QChar('0')).arg(t.minute, 2, 10, QChar('0'));
}

}  // namespace

CurvePlotStyle ScreenPlotStyle(const QFont& listFont) {
  return {QColor(120, 160, 160),
          QColor(0, 255, 255),
          QColor(255, 255, 0),
          kNotVisibleOnScreen,
          QColor(48, 48, 48),
          QColor(255, 136, 255),
          QColor(255, 80, 80),
          listFont,
          1};
}

double FluxAxisSpan(double lowestFlux) {
  const double depth = 1 - std::clamp(lowestFlux, 0.0, 1.0);
  for (const double span : {0.05, 0.1, 0.2, 0.25, 0.5}) {
    if (depth * 1.1 <= span) return span;
  }
  return 1;
}

void DrawLightCurvePlot(QPainter& painter, const QRect& area, const LightCurve& curve,
                        const TimeBasis& basis, std::optional<JulianDay> now,
                        const CurvePlotStyle& style) {
  painter.save();
  painter.setFont(style.font);
  const QFontMetrics metrics(style.font, painter.device());
  const int row = metrics.height();
  const double line = style.line;
  const int labelWidth = metrics.horizontalAdvance(QStringLiteral("0.00")) + row / 3;
  const QRectF box(area.left() + labelWidth, area.top() + row / 2,
                   area.width() - labelWidth - row / 2, area.height() - row / 2 - 2.5 * row);
  const JulianDay from = curve.event.lightStart - kMargin, to = curve.event.lightEnd + kMargin;
  const double span = FluxAxisSpan(curve.lowestFlux);
  const auto xOf = [&](JulianDay ut) {
    return box.left() + (ut - from) / (to - from) * (box.width() - line);
  };
  const auto yOf = [&](double flux) {
    return box.top() + std::clamp((1 - flux) / span, 0.0, 1.0) * (box.height() - line);
  };

  for (const HiddenSpan& h : curve.hidden) {
    painter.fillRect(QRectF(QPointF(xOf(h.from), box.top()), QPointF(xOf(h.to), box.bottom())),
                     style.hiddenBand);
  }
  // The flux axis: a tick and a label every fifth of the span.
  painter.fillRect(QRectF(box.left() - line, box.top(), line, box.height()), style.axis);
  painter.fillRect(QRectF(box.left() - line, box.bottom(), box.width() + line, line), style.axis);
  painter.setPen(style.label);
  for (int i = 0; i <= 5; ++i) {
    const double flux = 1 - span * i / 5;
    const double y = yOf(flux);
    painter.fillRect(QRectF(box.left() - 3 * line, y, 2 * line, line), style.axis);
    // At a point: a rectangle would clip the glyphs it rounds across.
    const QString label = QString::number(flux, 'f', 2);
    painter.drawText(QPointF(std::round(box.left() - 4 * line - metrics.horizontalAdvance(label)),
                             std::round(y - row / 2.0 + metrics.ascent())),
                     label);
  }
  // The contacts and the maximum on the time axis: the first and last under it, the maximum a
  // row lower, so that the three never overlap.
  const std::array<JulianDay, 3> marks{curve.event.lightStart, curve.event.maximum,
                                       curve.event.lightEnd};
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const double x = xOf(marks[i]);
    painter.fillRect(QRectF(x, box.top(), line, box.height()), QColor(style.hiddenBand));
    painter.fillRect(QRectF(x, box.bottom() + line, line, 3 * line), style.mark);
    const QString text = minuteText(marks[i], basis);
    const double width = metrics.horizontalAdvance(text);
    const double left = std::clamp(x - width / 2, double(area.left()), area.right() + 1 - width);
    painter.setPen(style.mark);
    painter.drawText(QPointF(std::round(left), std::round(box.bottom() + 4 * line +
                                                          (i == 1 ? row : 0) + metrics.ascent())),
                     text);
  }
  // The curve, then its hidden parts again in grey.
  QPolygonF points;
  points.reserve(static_cast<qsizetype>(curve.samples.size()));
  for (const LightSample& s : curve.samples) points << QPointF(xOf(s.point.ut), yOf(s.point.flux));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(style.curve, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPolyline(points);
  for (const HiddenSpan& h : curve.hidden) {
    painter.save();
    painter.setClipRect(
        QRectF(QPointF(xOf(h.from), area.top()), QPointF(xOf(h.to), area.bottom())));
    painter.setPen(QPen(style.hidden, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(points);
    painter.restore();
  }
  if (now && *now >= from && *now <= to) {
    painter.fillRect(QRectF(xOf(*now), box.top(), line, box.height()), style.now);
  }
  painter.restore();
}

PageHeights DrawLightCurvePage(QPainter& painter, QSize page, const LightCurvePageInput& input) {
  const QString title = Text::tr("Light Curve of a Mutual Event");
  const QString basisName =
      input.basis.localTime ? Text::tr("Local Time") : Text::tr("Universal Time");
  if (!input.curve) {
    const PageHeights heights =
        PrintPageTitle(painter, page, title, QStringLiteral("[%1]").arg(basisName));
    QFont text(QStringLiteral("Times New Roman"));
    text.setPointSizeF(12);
    painter.setFont(text);
    painter.drawText(QRect(0, heights.TitleHeight, page.width(), page.height() / 10),
                     Qt::AlignCenter, Text::tr("No mutual event within a year."));
    PrintPageFooter(painter, page, heights.FooterHeight);
    return heights;
  }
  const LightCurve& curve = *input.curve;
  const CivilDateTime date =
      CalDate(std::round(curve.event.maximum * 1440) / 1440, input.basis.offset());
  QString subtitle = QStringLiteral("%1, %2-%3-%4  [%5]")
                         .arg(LightCurveName(curve.event))
                         .arg(date.year, 4, 10, QChar('0'))
                         .arg(date.month, 2, 10, QChar('0'))
                         .arg(date.day, 2, 10, QChar('0'))
                         .arg(basisName);
  const PageHeights heights = PrintPageTitle(painter, page, title, subtitle);
  const int margin = page.width() / 12;  // dots
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(10);
  const double dot = page.width() / 560.0;  // dots: a line of about a third of a point
  const CurvePlotStyle style{
      Qt::black, Qt::black, Qt::black, kNotVisibleOnPage, QColor(232, 232, 232),
      Qt::black, Qt::black, font,      std::max(1.0, dot)};
  const QRect plot(margin, heights.TitleHeight + margin / 3, page.width() - 2 * margin,
                   page.height() * 2 / 5);
  DrawLightCurvePlot(painter, plot, curve, input.basis, std::nullopt, style);

  QFont text(QStringLiteral("Times New Roman"));
  text.setPointSizeF(12);
  painter.setFont(text);
  painter.setPen(Qt::black);
  const int row = QFontMetrics(text, painter.device()).height();
  QStringList lines = LightCurveFigures(curve, input.basis);
  lines << Text::tr("Flux 1 outside the event; uniform discs, no limb darkening.");
  if (input.site) {
    const ObserverSite& at = input.site->place;
    //: %1 latitude, %2 N or S, %3 longitude, %4 E or W
    lines << Text::tr("Site %1\u00b0%2 %3\u00b0%4")
                 .arg(std::abs(at.latitudeDeg), 0, 'f', 2)
                 .arg(at.latitudeDeg < 0 ? 'S' : 'N')
                 .arg(std::abs(at.longitudeDeg), 0, 'f', 2)
                 .arg(at.longitudeDeg < 0 ? 'W' : 'E');
    if (!curve.hidden.empty()) lines << HiddenLegend(input.site->limits);
  }
  int y = plot.bottom() + 2 * row;
  for (const QString& l : lines) {
    painter.drawText(QRect(margin, y, page.width() - 2 * margin, row), Qt::AlignLeft, l);
    y += row;
  }
  PrintPageFooter(painter, page, heights.FooterHeight);
  return heights;
}

}  // namespace kelvra
