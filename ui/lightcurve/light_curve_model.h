// What the light-curve window shows, apart from the widget: which mutual event (the events
// list's selected line, else the one going on at the main window's instant, else the next), its
// predicted curve and figures, the parts not visible from the site, and the curve as CSV.
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "core/calendar.h"
#include "core/mutual_events.h"
#include "core/mutual_light.h"
#include "ui/common/observation.h"
#include "ui/common/site_settings.h"

namespace kelvra {

// minutes: the curve's step, on screen, on the page and in the export; a 0.1-minute curve of the
// season's longest eclipse takes some 14 ms.
inline constexpr double kLightCurveStep = 0.1;

// Why the event is the one shown.
enum class CurveReason { Selected, GoingOn, Next };

// Spans of the curve (days, UT) when the event is not visible from the site.
struct HiddenSpan {
  JulianDay from, to;  // days, UT
};

// One event's curve and what the window, the page and the export say of it.
struct LightCurve {
  MutualEvent event;
  CurveReason reason;
  std::vector<LightSample> samples;  // kLightCurveStep apart, with the contacts and maximum
  double lowestFlux;                 // 0..1: the flux at the maximum
  MagnitudeDrop drop;                // at the maximum
  std::vector<HiddenSpan> hidden;    // with a site: Jupiter low or the Sun up; else empty
};

// Given: an event as FindMutualEvents gives it; why it is shown; the site or none.
// Returns: its curve at kLightCurveStep with the figures and, with a site, the spans not visible
// (judged minute by minute, SkyAt).
LightCurve LightCurveOf(const MutualEvent& event, CurveReason reason,
                        const std::optional<SiteSetting>& site);

// Given: an observation. Returns: the event the window shows and why: the events list's
// selected line when it is a mutual event's, else the visible event (passive moon not hidden)
// going on at the instant that started first, else the next to start within a year; none when
// there is none. Within a season about 2 ms; a year without events some 25 ms.
struct ChosenEvent {
  MutualEvent event;
  CurveReason reason;
};
std::optional<ChosenEvent> ChooseMutualEvent(const Observation& observation);

// Follows the observation with the curve it calls for, computed again only when the event, the
// reason or the site changes; an instant moving forward within the event chosen takes no search.
class LightCurveModel {
 public:
  // Returns: true when the curve shown changed.
  bool follow(const Observation& observation);
  const std::optional<LightCurve>& curve() const { return curve_; }

 private:
  std::optional<LightCurve> curve_;
  std::optional<SiteSetting> site_;
  std::optional<EventLineId> selected_;
  JulianDay searched_ = 0;  // days, UT: the instant the last search was made for
  JulianDay validTo_ = -1;  // days, UT: up to when its answer stands, going forward
};

// "2O1 Europa occults Io".
QString LightCurveName(const MutualEvent& event);

// The figures under the plot, a line each, on the clock of `basis`: the contacts and maximum,
// the duration, the depth as per cent and magnitude with its word, whose light.
QStringList LightCurveFigures(const LightCurve& curve, const TimeBasis& basis);

// The drop as MagnitudeDropText gives it, "Δm 0.65 eye", in the user's language.
QString MagnitudeDropLine(const MagnitudeDrop& drop);

// The line saying what grey means, with the site's limits: "Grey: Jupiter below 5° or the Sun
// above −6°".
QString HiddenLegend(const VisibilityLimits& limits);

// The curve as the campaigns exchange it: "# 2E1 2026-10-01 12:14:42 UT", the column row
// "minutes,flux,distance_km", then a row a point: minutes since 0h UT of the maximum's date
// (3 decimals), flux (4 decimals), distance (km, 1 decimal; LightSample's); points whatever
// the locale, lines ending in CRLF as the events' CSV.
std::string LightCurveCsv(const LightCurve& curve);

}  // namespace kelvra
