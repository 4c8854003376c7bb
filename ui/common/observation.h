// What every window shows: one instant seen on one clock, through one view, by one theory, from
// one site. The main window writes it, the events list adds the line it has selected, and each
// side window reads it and hears of a change once, told what changed.
#pragma once

#include <QFlags>
#include <QObject>

#include <cstdint>
#include <optional>
#include <string>

#include "core/calendar.h"
#include "core/modern_positions.h"
#include "core/view.h"
#include "ui/common/site_settings.h"

namespace kelvra {

// Why the main window's instant changed, for a window that follows it.
enum class InstantChange {
  Set,     // the user set it: a date or time field, the month list, Now
  Tick,    // real time's clock
  Frame,   // an animation frame
  Jump,    // a side window took the main window to one of its lines
  Redraw,  // the main window drew itself again (activated, a new view or magnification): the
           // instant changes with it only when a field's edit was taken meanwhile
};

// A calendar month.
struct ListMonth {
  std::uint16_t month;  // 1..12
  std::uint16_t year;   // 0..9999
  bool operator==(const ListMonth&) const = default;
};

// A line of the events list, named so that any window can find it again in a list of its own
// (in either time basis, filtered or not).
struct EventLineId {
  std::string code;   // the line's code as the list shows it: "I.Sh.I", "2O1"
  JulianDay instant;  // days, UT: the instant the line lists, a whole minute
  bool operator==(const EventLineId&) const = default;
};

struct Observation {
  JulianDay instantUT = 0;      // days, UT: the instant the main window shows, a whole second
  std::int32_t zoneOffset = 0;  // minutes, UT = local + offset: the zone of the main window's
                                // clock, taken once at start-up; local time in every window
  ViewKind view = ViewKind::AstroScope;
  bool northernHemisphere = true;
  PositionTheory positions = PositionTheory::Classic;  // which theory places the moons
  std::optional<SiteSetting> site = std::nullopt;      // none: nothing is greyed or filtered
  // With a site, the lists show only what Jupiter is up for (Events/VisibleOnly): one toggle
  // for the events and radio lists and the reminders, so a window never shows a stale face.
  bool visibleOnly = false;
  // The events list's selected line; none while the list is closed.
  std::optional<EventLineId> selected = std::nullopt;
  bool operator==(const Observation&) const = default;

  // The instant on the main window's clock, and its month: the one its date fields show.
  CivilDateTime civil() const { return CalDate(instantUT, zoneOffset); }
  ListMonth month() const;
  // +1 or -1 as in the side view; the tracks chart mirrors with its negative.
  std::int32_t eastWestSign() const { return SignsFor(view, northernHemisphere).EastWestSign; }
};

// What changed between two observations.
enum class ObservationChange : unsigned {
  Instant = 1 << 0,
  Month = 1 << 1,  // the month of the main window's date fields (Observation::month)
  Zone = 1 << 2,
  View = 1 << 3,  // the view or the hemisphere
  Theory = 1 << 4,
  Site = 1 << 5,
  Selection = 1 << 6,
  Filter = 1 << 7,  // visibleOnly
};
Q_DECLARE_FLAGS(ObservationChanges, ObservationChange)

ObservationChanges ChangesBetween(const Observation& before, const Observation& after);

// Holds the observation and tells each change once.
class ObservationOwner : public QObject {
  Q_OBJECT
 public:
  explicit ObservationOwner(const Observation& first = {}, QObject* parent = nullptr);

  const Observation& value() const { return value_; }

  // Takes `next`. When anything differs, tells every listener once what did and, for the
  // instant, `why`; nothing else is told. A listener may set again (the events list its
  // selection): that is told as a change of its own.
  void set(const Observation& next, InstantChange why = InstantChange::Set);

 signals:
  void changed(ObservationChanges what, InstantChange why);

 private:
  Observation value_;
};

}  // namespace kelvra

// Outside the namespace, where it hides no other operator| (Qt's keys').
Q_DECLARE_OPERATORS_FOR_FLAGS(kelvra::ObservationChanges)
