// The light curve as a plot, for the window's chart and the printed page alike, and the page.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

#include <optional>

#include "core/calendar.h"
#include "ui/common/page_layout.h"
#include "ui/lightcurve/light_curve_model.h"

class QPainter;

namespace kelvra {

// How the plot is drawn: on the black chart or on white paper.
struct CurvePlotStyle {
  QColor axis, label, curve, hidden, hiddenBand, mark, now;
  QFont font;
  double line;  // the curve's width, in the painter's units
};
CurvePlotStyle ScreenPlotStyle(const QFont& listFont);

// Given: the flux at maximum, 0..1.
// Returns: the share of flux the axis spans below 1 (0.05, 0.1, 0.2, 0.25, 0.5 or 1): the
// least that holds the dip with a tenth to spare, so a 3 % dip fills some 60 % of the height.
double FluxAxisSpan(double lowestFlux);

// Draws the curve into `area`: the flux axis on the left (1 at the top, labelled every fifth of
// its span), time across from the light's first loss less 2 minutes to its return plus 2, the
// first loss, the maximum and the return marked on the time axis with their minutes on the
// clock of `basis`; the spans not visible from the site on a grey band, the curve grey there;
// `now` (days, UT) as a line across when it lies in the plot.
void DrawLightCurvePlot(QPainter& painter, const QRect& area, const LightCurve& curve,
                        const TimeBasis& basis, std::optional<JulianDay> now,
                        const CurvePlotStyle& style);

// What the printed page shows.
struct LightCurvePageInput {
  const LightCurve* curve;  // none: no mutual event within a year, which the page says
  TimeBasis basis;
  std::optional<SiteSetting> site;
};

// The page of `page` dots: the title block naming the event, its date and the time basis,
// the plot across the page's upper half, the figures under it and, with a site, the site and
// what grey means. Without an event: the title and a line saying there is none.
PageHeights DrawLightCurvePage(QPainter& painter, QSize page, const LightCurvePageInput& input);

}  // namespace kelvra
