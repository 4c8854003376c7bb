#include "core/moon_event_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <utility>

#include "core/moons.h"
#include "core/mutual_light.h"
#include "core/word_format.h"

namespace kelvra {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kSecondsPerDay = 86400;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Days searched beyond each end of the month: longer than any phenomenon lasts (Callisto's,
// the longest, under 5 hours over 1900-2100), so every line knows both its instants.
constexpr double kMargin = 0.25;
constexpr double kMillisecond = 1.0 / 86400000;  // days

// Given: an instant and the month's start (days, UT). Returns: whole minutes from the month's
// start to the instant rounded to the nearest minute; the offset is whole minutes, so this is
// the nearest minute of the local clock too.
long long minutesAfter(JulianDay start, JulianDay t) {
  return std::llround((t - start) * kMinutesPerDay);
}

// Given: the month's start (days, UT), an instant or none (days, UT), and the side an
// instant that is not known lies on. Returns: the instant rounded to the listed minute.
JulianDay listedMinute(JulianDay start, std::optional<JulianDay> t, double unknown) {
  if (!t) return unknown;
  return start + static_cast<double>(minutesAfter(start, *t)) / kMinutesPerDay;
}

// Whether a phenomenon of the given moon and kind is going on at t (days, UT): a disappearance
// or reappearance at that moment is then hidden from the observer.
bool goingOn(const std::vector<MoonEvent>& events, int moon, MoonEventKind kind, JulianDay t) {
  return std::any_of(events.begin(), events.end(), [&](const MoonEvent& e) {
    return e.moon == moon && e.kind == kind && e.start.value_or(-kInfinity) < t &&
           t < e.end.value_or(kInfinity);
  });
}

// An eclipse's instants are hidden behind the disc, an occultation's in Jupiter's shadow;
// transits and shadow transits are always in view.
bool visible(const std::vector<MoonEvent>& events, const MoonEvent& e, JulianDay t) {
  switch (e.kind) {
    case MoonEventKind::Eclipse:
      return !goingOn(events, e.moon, MoonEventKind::Occultation, t);
    case MoonEventKind::Occultation:
      return !goingOn(events, e.moon, MoonEventKind::Eclipse, t);
    case MoonEventKind::Transit:
    case MoonEventKind::ShadowTransit:
      break;
  }
  return true;
}

}  // namespace

std::optional<MoonEventMonth> MonthOfMoonEvents(int year, int month, bool localTime,
                                                std::int32_t timeZoneOffset) {
  if (year < 0 || year > 9999 || month < 1 || month > 12) return std::nullopt;
  const std::int32_t offset = TimeBasis{localTime, timeZoneOffset}.offset();
  const auto y = static_cast<std::uint16_t>(year);
  const auto m = static_cast<std::uint16_t>(month);
  const auto nextYear = static_cast<std::uint16_t>(month == 12 ? year + 1 : year);
  const auto next = static_cast<std::uint16_t>(month == 12 ? 1 : month + 1);
  return MoonEventMonth{JulianDayFromDate(1, m, y, 0, 0, 0, offset),
                        JulianDayFromDate(1, next, nextYear, 0, 0, 0, offset), offset};
}

std::vector<MoonEventLine> MoonEventLinesOf(const std::vector<MoonEvent>& events,
                                            const MoonEventMonth& month) {
  const long long lastMinute = minutesAfter(month.start, month.end);  // the next month's first
  std::vector<MoonEventLine> lines;
  for (const MoonEvent& e : events) {
    for (const MoonEventPhase phase : {MoonEventPhase::Start, MoonEventPhase::End}) {
      const std::optional<JulianDay> t = phase == MoonEventPhase::Start ? e.start : e.end;
      if (!t || !visible(events, e, *t)) continue;
      const long long minute = minutesAfter(month.start, *t);
      if (minute < 0 || minute >= lastMinute) continue;
      const JulianDay instant = month.start + static_cast<double>(minute) / kMinutesPerDay;
      const CivilDateTime shown = CalDate(instant, month.offset);
      const MoonEventLine line{shown.day,
                               shown.hour,
                               shown.minute,
                               e.moon,
                               e.kind,
                               phase,
                               instant,
                               listedMinute(month.start, e.start, -kInfinity),
                               listedMinute(month.start, e.end, kInfinity),
                               *t};
      lines.push_back(line);
    }
  }
  SortMoonEventLines(lines);
  return lines;
}

std::vector<MoonEventLine> MutualEventLinesOf(const std::vector<MutualEvent>& events,
                                              const MoonEventMonth& month) {
  const long long lastMinute = minutesAfter(month.start, month.end);
  std::vector<MoonEventLine> lines;
  for (const MutualEvent& e : events) {
    if (e.passiveHidden) continue;
    const long long minute = minutesAfter(month.start, e.maximum);
    if (minute < 0 || minute >= lastMinute) continue;
    const JulianDay instant = month.start + static_cast<double>(minute) / kMinutesPerDay;
    const CivilDateTime shown = CalDate(instant, month.offset);
    const MoonEventKind kind =
        e.kind == MutualEventKind::Eclipse ? MoonEventKind::Eclipse : MoonEventKind::Occultation;
    lines.push_back({shown.day, shown.hour, shown.minute, e.passive, kind, MoonEventPhase::Maximum,
                     instant, listedMinute(month.start, e.lightStart, -kInfinity),
                     listedMinute(month.start, e.lightEnd, kInfinity), e.maximum, e});
  }
  SortMoonEventLines(lines);
  return lines;
}

void SortMoonEventLines(std::vector<MoonEventLine>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const MoonEventLine& a, const MoonEventLine& b) {
    if (a.instant != b.instant) return a.instant < b.instant;
    if (a.mutual.has_value() != b.mutual.has_value()) return b.mutual.has_value();
    if (a.moon != b.moon) return a.moon < b.moon;
    return a.exact < b.exact;
  });
}

std::vector<MoonEventLine> ListMoonEvents(int year, int month, bool localTime,
                                          std::int32_t timeZoneOffset) {
  const auto span = MonthOfMoonEvents(year, month, localTime, timeZoneOffset);
  if (!span) return {};
  const double days = span->end - span->start + 2 * kMargin;
  std::vector<MoonEventLine> lines =
      MoonEventLinesOf(FindMoonEvents(span->start - kMargin, days), *span);
  const std::vector<MoonEventLine> mutual =
      MutualEventLinesOf(FindMutualEvents(span->start - kMargin, days), *span);
  lines.insert(lines.end(), mutual.begin(), mutual.end());
  SortMoonEventLines(lines);
  return lines;
}

std::vector<MoonEventLine> MoonEventLinesAround(const MoonEventMonth& month) {
  const MoonEventMonth wide{month.start - 1, month.end + 1, month.offset};
  return MoonEventLinesOf(FindMoonEvents(wide.start - kMargin, wide.end - wide.start + 2 * kMargin),
                          wide);
}

JulianDay DayStartOf(JulianDay ut, std::int32_t offset) {
  const CivilDateTime c = CalDate(ut, offset);
  return JulianDayFromDate(c.day, c.month, c.year, 0, 0, 0, offset);
}

std::vector<std::size_t> MoonEventLinesGoingOn(const std::vector<MoonEventLine>& lines,
                                               JulianDay ut) {
  const JulianDay t = ut + kMillisecond;
  std::vector<std::size_t> going;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].eventStart <= t && t < lines[i].eventEnd) going.push_back(i);
  }
  return going;
}

JulianDay MoonEventJumpInstant(const MoonEventLine& line) {
  const double seconds = line.exact * kSecondsPerDay;
  if (line.phase == MoonEventPhase::Maximum) return std::round(seconds) / kSecondsPerDay;
  // The list marks a phenomenon between its listed minutes, which may fall inside the contacts;
  // the jump lands where both the picture and the mark say it is under way.
  const double tolerance = kMillisecond * kSecondsPerDay;
  if (line.phase == MoonEventPhase::Start) {
    return std::max(std::ceil(seconds - tolerance), std::round(line.eventStart * kSecondsPerDay)) /
           kSecondsPerDay;
  }
  return std::min(std::floor(seconds + tolerance), std::round(line.eventEnd * kSecondsPerDay) - 1) /
         kSecondsPerDay;
}

std::string MoonEventCode(int moon, MoonEventKind kind, MoonEventPhase phase) {
  if (moon < 1 || moon > 4) return {};
  if (phase == MoonEventPhase::Maximum) return {};
  // By kind (MoonEventKind's order): its abbreviation, then the start's and the end's letter.
  struct Notation {
    const char* what;
    const char* start;
    const char* end;
  };
  static constexpr Notation kNotations[] = {
      {"Tr", "I", "E"}, {"Oc", "D", "R"}, {"Sh", "I", "E"}, {"Ec", "D", "R"}};
  const Notation& notation = kNotations[static_cast<int>(kind)];
  const char* what = notation.what;
  const char* when = phase == MoonEventPhase::Start ? notation.start : notation.end;
  return std::string(kMoons[static_cast<std::size_t>(moon)].code) + '.' + what + '.' + when;
}

std::string MutualEventCode(const MutualEvent& event) {
  const char what = event.kind == MutualEventKind::Eclipse ? 'E' : 'O';
  return std::to_string(event.active) + what + std::to_string(event.passive);
}

std::string MutualEventMagnitude(const MutualEvent& event) {
  if (event.total) return "T";
  if (event.annular) return "A";
  if (event.penumbral) {
    return 'Q' + std::to_string(std::clamp(std::lround(MutualLightLost(event) * 100), 1L, 99L)) +
           '%';
  }
  const long percent = std::clamp(std::lround(event.magnitude * 100), 1L, 99L);
  return std::to_string(percent) + '%';
}

JulianDay ListedMinuteOf(const MoonEventLine& line, JulianDay ut) {
  // The line's instant is a whole minute of the list, and offsets are whole minutes.
  return line.instant +
         static_cast<double>(std::llround((ut - line.instant) * kMinutesPerDay)) / kMinutesPerDay;
}

std::string ListClockText(JulianDay ut, std::int32_t offset, int day) {
  const CivilDateTime c = CalDate(ut, offset);
  char text[32];
  if (c.day == day) {
    std::snprintf(text, sizeof text, "%02d:%02d", c.hour, c.minute);
  } else {
    std::snprintf(text, sizeof text, "%d %02d:%02d", c.day, c.hour, c.minute);
  }
  return text;
}

std::string MutualContactsText(const MoonEventLine& line, std::int32_t offset,
                               const MutualEventWords& words) {
  if (!line.mutual) return {};
  const MutualEvent& e = *line.mutual;
  const auto at = [&](JulianDay t) {
    return ListClockText(ListedMinuteOf(line, t), offset, line.day);
  };
  const std::string maximum = at(line.instant);
  if (e.kind == MutualEventKind::Occultation) {
    return FillWords(words.occultation, {at(e.start), maximum, at(e.end)});
  }
  if (e.penumbral) return FillWords(words.penumbral, {at(e.lightStart), maximum, at(e.lightEnd)});
  return FillWords(words.eclipse,
                   {at(e.lightStart), at(e.start), at(e.end), maximum, at(e.lightEnd)});
}

std::string AgainstJupiterText(AgainstJupiter where, const MutualEventWords& words) {
  switch (where) {
    case AgainstJupiter::AtLimb:
      return words.atLimb;
    case AgainstJupiter::OnDisc:
      return words.onDisc;
    case AgainstJupiter::Clear:
      break;
  }
  return {};
}

MoonEventLineText FormatMoonEventLine(const MoonEventLine& line) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d", line.hour, line.minute);
  if (line.mutual) {
    return {std::to_string(line.day), time, MutualEventCode(*line.mutual),
            MutualEventMagnitude(*line.mutual)};
  }
  return {std::to_string(line.day), time, MoonEventCode(line.moon, line.kind, line.phase)};
}

bool MoonEventsAccurate(int year) {
  return year >= 1900 && year <= 2100;
}

std::string MoonEventPhenomenonCode(const MoonEventLine& line) {
  if (line.mutual) return MutualEventCode(*line.mutual);
  const std::string code = FormatMoonEventLine(line).code;
  return code.substr(0, code.rfind('.'));
}

bool SameMoonEventPhenomenon(const MoonEventLine& a, const MoonEventLine& b) {
  if (a.mutual.has_value() != b.mutual.has_value()) return false;
  if (a.mutual) {
    return a.mutual->active == b.mutual->active && a.mutual->passive == b.mutual->passive &&
           a.mutual->kind == b.mutual->kind &&
           std::abs(a.instant - b.instant) < kSamePhenomenonDays;
  }
  return a.moon == b.moon && a.kind == b.kind &&
         std::abs(a.eventStart - b.eventStart) < kSamePhenomenonDays;
}

std::vector<MoonEventPhenomenon> MoonEventPhenomena(const std::vector<MoonEventLine>& lines) {
  // A mutual event's one line, listed at its maximum, stands for the event from its first
  // contact, which the line lists as eventStart (MutualEventLinesOf): an eclipse's lightStart.
  const auto firstOf = [](const MoonEventLine& line) {
    return line.mutual ? line.eventStart : line.instant;
  };
  std::vector<MoonEventPhenomenon> phenomena;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto same = [&](const MoonEventPhenomenon& p) {
      return SameMoonEventPhenomenon(lines[p.line], lines[i]);
    };
    if (std::none_of(phenomena.begin(), phenomena.end(), same)) {
      phenomena.push_back(
          {MoonEventPhenomenonCode(lines[i]), lines[i].eventStart, firstOf(lines[i]), i});
    }
  }
  return phenomena;
}

}  // namespace kelvra
