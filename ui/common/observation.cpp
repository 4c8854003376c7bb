#include "ui/common/observation.h"

namespace kelvra {

ListMonth Observation::month() const {
  const CivilDateTime shown = civil();
  return {shown.month, shown.year};
}

ObservationChanges ChangesBetween(const Observation& before, const Observation& after) {
  ObservationChanges what;
  what.setFlag(ObservationChange::Instant, before.instantUT != after.instantUT);
  what.setFlag(ObservationChange::Month, before.month() != after.month());
  what.setFlag(ObservationChange::Zone, before.zoneOffset != after.zoneOffset);
  what.setFlag(ObservationChange::View,
               before.view != after.view || before.northernHemisphere != after.northernHemisphere);
  what.setFlag(ObservationChange::Theory, before.positions != after.positions);
  what.setFlag(ObservationChange::Site, before.site != after.site);
  what.setFlag(ObservationChange::Selection, before.selected != after.selected);
  what.setFlag(ObservationChange::Filter, before.visibleOnly != after.visibleOnly);
  return what;
}

ObservationOwner::ObservationOwner(const Observation& first, QObject* parent)
    : QObject(parent), value_(first) {}

void ObservationOwner::set(const Observation& next, InstantChange why) {
  const ObservationChanges what = ChangesBetween(value_, next);
  if (!what) return;
  value_ = next;
  emit changed(what, why);
}

}  // namespace kelvra
