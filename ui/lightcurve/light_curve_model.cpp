#include "ui/lightcurve/light_curve_model.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/moon_event_list.h"
#include "core/sky.h"
#include "ui/common/event_words.h"

namespace kelvra {
namespace {

constexpr double kMinute = 1.0 / 1440;   // days
constexpr double kMargin = 2 * kMinute;  // days: the curve's level part either side
constexpr double kLongestEvent = 0.25;   // days: longer than any mutual event's light
constexpr double kChunk = 32;            // days searched at a time for the next event
constexpr int kChunks = 12;              // a year: a season's gap is some five years

// The words of the window, the page and the export in the user's language.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(kelvra::LightCurveModel)
};

bool shownInList(const MutualEvent& e) {
  return !e.passiveHidden;
}

std::optional<ChosenEvent> selectedEvent(const EventLineId& line) {
  for (const MutualEvent& e : FindMutualEvents(line.instant - kLongestEvent, 2 * kLongestEvent)) {
    const double minute = std::round(e.maximum * 1440) / 1440;
    if (MutualEventCode(e) == line.code && std::abs(minute - line.instant) < kSamePhenomenonDays) {
      return ChosenEvent{e, CurveReason::Selected};
    }
  }
  return std::nullopt;
}

// "23:06:12" on the basis' clock, with the date's day when it is not `day`.
QString clockText(JulianDay ut, const TimeBasis& basis, int day) {
  const CivilDateTime t = CalDate(std::round(ut * 86400) / 86400, basis.offset());
  QString text = QStringLiteral("%1:%2:%3")
                     .arg(t.hour, 2, 10, QChar('0'))
                     .arg(t.minute, 2, 10, QChar('0'))
                     .arg(t.second, 2, 10, QChar('0'));
  return t.day == day ? text : QString::number(t.day) + ' ' + text;
}

std::vector<HiddenSpan> hiddenSpans(JulianDay from, JulianDay to, const SiteSetting& site) {
  std::vector<HiddenSpan> spans;
  const int minutes = static_cast<int>(std::ceil((to - from) / kMinute));
  bool previousHidden = false;
  for (int k = 0; k <= minutes; ++k) {
    const JulianDay t = std::min(to, from + k * kMinute);
    const bool hidden = !SkyAt(t, site.place, site.limits).visible;
    if (hidden && previousHidden) {
      spans.back().to = std::min(to, t + kMinute / 2);
    } else if (hidden) {
      spans.push_back({std::max(from, t - kMinute / 2), std::min(to, t + kMinute / 2)});
    }
    previousHidden = hidden;
  }
  return spans;
}

}  // namespace

LightCurve LightCurveOf(const MutualEvent& event, CurveReason reason,
                        const std::optional<SiteSetting>& site) {
  LightCurve curve{
      event, reason, MutualLightSamples(event, kLightCurveStep), 1 - MutualLightLost(event),
      {},    {}};
  curve.drop = MagnitudeDropOf(curve.lowestFlux);
  if (site) curve.hidden = hiddenSpans(event.lightStart - kMargin, event.lightEnd + kMargin, *site);
  return curve;
}

std::optional<ChosenEvent> ChooseMutualEvent(const Observation& observation) {
  if (observation.selected) {
    if (std::optional<ChosenEvent> chosen = selectedEvent(*observation.selected)) return chosen;
  }
  const JulianDay t = observation.instantUT;
  for (int k = 0; k < kChunks; ++k) {
    const JulianDay from = t - kLongestEvent + k * kChunk;
    std::optional<ChosenEvent> best;
    for (const MutualEvent& e : FindMutualEvents(from, kChunk)) {
      if (!shownInList(e) || e.lightEnd <= t) continue;
      const bool goingOn = e.lightStart <= t;
      if (!best || e.lightStart < best->event.lightStart) {
        best = ChosenEvent{e, goingOn ? CurveReason::GoingOn : CurveReason::Next};
      }
    }
    if (best) return best;
  }
  return std::nullopt;
}

bool LightCurveModel::follow(const Observation& observation) {
  const JulianDay t = observation.instantUT;
  const bool sameQuestion = observation.site == site_ && observation.selected == selected_;
  if (sameQuestion && t >= searched_ && t < validTo_) {
    if (!curve_ || curve_->reason == CurveReason::Selected) return false;
    const CurveReason reason =
        t < curve_->event.lightStart ? CurveReason::Next : CurveReason::GoingOn;
    if (reason == curve_->reason) return false;
    curve_->reason = reason;
    return true;
  }
  const std::optional<ChosenEvent> chosen = ChooseMutualEvent(observation);
  searched_ = t;
  validTo_ = !chosen                                   ? t + kChunks * kChunk - 1
             : chosen->reason == CurveReason::Selected ? t + 1e9
                                                       : chosen->event.lightEnd;
  const bool siteChanged = observation.site != site_;
  site_ = observation.site;
  selected_ = observation.selected;
  if (!chosen) {
    const bool had = curve_.has_value();
    curve_.reset();
    return had;
  }
  if (curve_ && !siteChanged && curve_->event.maximum == chosen->event.maximum &&
      curve_->event.active == chosen->event.active &&
      curve_->event.passive == chosen->event.passive) {
    const bool changed = curve_->reason != chosen->reason;
    curve_->reason = chosen->reason;
    return changed;
  }
  curve_ = LightCurveOf(chosen->event, chosen->reason, observation.site);
  return true;
}

QString LightCurveName(const MutualEvent& event) {
  //: %1 the event's code ("3E2"), which stays first and is followed by a space; %2 and %3 moons
  const QString name = event.kind == MutualEventKind::Eclipse
                           ? Text::tr("%1 %2 eclipses %3")
                           //: %1 the event's code ("2O1"), which stays first and is followed by a
                           //: space; %2 and %3 moons
                           : Text::tr("%1 %2 occults %3");
  return name.arg(QString::fromStdString(MutualEventCode(event)), MoonNameText(event.active),
                  MoonNameText(event.passive));
}

QStringList LightCurveFigures(const LightCurve& curve, const TimeBasis& basis) {
  const MutualEvent& e = curve.event;
  const int day = CalDate(std::round(e.maximum * 86400) / 86400, basis.offset()).day;
  const auto at = [&](JulianDay ut) { return clockText(ut, basis, day); };
  QStringList lines;
  if (e.kind == MutualEventKind::Eclipse) {
    //: %1 the time the eclipsed moon's light begins to fall
    lines << Text::tr("Light falls %1").arg(at(e.lightStart));
    if (!e.penumbral) {
      //: %1 and %2 the times the moon enters and leaves the umbra
      lines << Text::tr("Umbra %1\u2013%2").arg(at(e.start), at(e.end));
    }
    lines << Text::tr("Maximum %1").arg(at(e.maximum));
    //: %1 the time the eclipsed moon's light is whole again
    lines << Text::tr("Light whole %1").arg(at(e.lightEnd));
  } else {
    lines << Text::tr("Start %1").arg(at(e.start)) << Text::tr("Maximum %1").arg(at(e.maximum))
          << Text::tr("End %1").arg(at(e.end));
  }
  lines << Text::tr("Duration %1 min").arg((e.lightEnd - e.lightStart) * 1440, 0, 'f', 1);
  const double depth = (1 - curve.lowestFlux) * 100;  // per cent
  //: %1 the per cent of light lost at the maximum, %2 the eclipsed moon
  lines << (e.kind == MutualEventKind::Eclipse
                ? Text::tr("Depth %1% of %2's light")
                      .arg(depth, 0, 'f', 1)
                      .arg(MoonNameText(e.passive))
                //: %1 the per cent of the two moons' light lost at the maximum
                : Text::tr("Depth %1% of the pair's light").arg(depth, 0, 'f', 1))
        << MagnitudeDropLine(curve.drop);
  return lines;
}

QString MagnitudeDropLine(const MagnitudeDrop& drop) {
  return QString::fromStdString(MagnitudeDropText(drop, TranslatedLightLossWords()));
}

QString HiddenLegend(const VisibilityLimits& limits) {
  return Text::tr("Grey: Jupiter below %1\u00b0 or the Sun above %2\u00b0")
      .arg(QString::number(limits.minJupiterAltitudeDeg))
      .arg(QString::number(limits.maxSunAltitudeDeg).replace('-', QChar(0x2212)));
}

std::string LightCurveCsv(const LightCurve& curve) {
  const JulianDay maximum = std::round(curve.event.maximum * 86400) / 86400;
  const CivilDateTime m = CalDate(maximum, 0);
  const JulianDay midnight = JulianDayFromDate(m.day, m.month, m.year, 0, 0, 0, 0);
  QString text = QStringLiteral("# %1 %2-%3-%4 %5:%6:%7 UT\r\nminutes,flux,distance_km\r\n")
                     .arg(QString::fromStdString(MutualEventCode(curve.event)))
                     .arg(m.year, 4, 10, QChar('0'))
                     .arg(m.month, 2, 10, QChar('0'))
                     .arg(m.day, 2, 10, QChar('0'))
                     .arg(m.hour, 2, 10, QChar('0'))
                     .arg(m.minute, 2, 10, QChar('0'))
                     .arg(m.second, 2, 10, QChar('0'));
  for (const LightSample& s : curve.samples) {
    // QString::number writes a point whatever the locale.
    text += QString::number((s.point.ut - midnight) * 1440, 'f', 3) + ',' +
            QString::number(s.point.flux, 'f', 4) + ',' + QString::number(s.distanceKm, 'f', 1) +
            QStringLiteral("\r\n");
  }
  return text.toStdString();
}

}  // namespace kelvra
