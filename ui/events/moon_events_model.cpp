#include "ui/events/moon_events_model.h"

#include <QStringList>

#include <utility>

#include "ui/events/moon_events_list.h"
#include "ui/events/moon_events_sky.h"

namespace kelvra {

MoonEventsModel::Month MoonEventsModel::MonthOf(JulianDay ut, TimeBasis basis) {
  const CivilDateTime at = CalDate(ut, basis.offset());
  return {at.year, at.month, basis};
}

bool MoonEventsModel::show(const Month& month, const std::optional<SiteSetting>& site,
                           bool visibleOnly) {
  bool changed = false;
  if (!(month == month_)) {
    month_ = month;
    all_ = ListMoonEvents(month.year, month.month, month.basis.localTime, month.basis.zoneOffset);
    accurate_ = MoonEventsAccurate(month.year);
    allSky_ = SkyOfLines(all_, site_);
    changed = true;
  }
  if (!SameSite(site, site_)) {
    site_ = site;
    allSky_ = SkyOfLines(all_, site_);
    passagesDay_ = std::numeric_limits<double>::quiet_NaN();
    changed = true;
  }
  const bool only = site_ && visibleOnly;
  if (!changed && only == filtered_) return false;
  filtered_ = only;
  MoonEventsShown shown = ShowMoonEvents(all_, allSky_, only);
  greyed_.assign(shown.lines.size(), false);
  for (std::size_t i = 0; i < shown.lines.size(); ++i) greyed_[i] = shown.greyed(i);
  lines_ = std::move(shown.lines);
  sky_ = std::move(shown.sky);
  return true;
}

std::size_t MoonEventsModel::firstLineOfDay(int day) const {
  std::size_t first = 0;
  while (first + 1 < lines_.size() && lines_[first].day < day) ++first;
  return first;
}

std::vector<std::size_t> MoonEventsModel::goingOn(JulianDay ut) const {
  return MoonEventLinesGoingOn(lines_, ut);
}

bool MoonEventsModel::followPassages(JulianDay ut, std::int32_t offset) {
  if (!site_) {
    const bool had = !passages_.isEmpty();
    passages_.clear();
    return had;
  }
  const JulianDay day = DayStartOf(ut, offset);
  if (day == passagesDay_) return false;
  passagesDay_ = day;
  passages_ = RiseTransitSetText(JupiterRiseTransitSet(day, site_->place), offset,
                                 JupiterAboveHorizon(day, site_->place));
  return true;
}

QString MoonEventsModel::toolTip(std::size_t index) const {
  if (index >= lines_.size()) return {};
  QStringList parts;
  const QString own = MoonEventToolTip(lines_[index], month_.basis.offset());
  if (!own.isEmpty()) parts << own;
  if (index < sky_.size() && site_) parts << MoonEventsSkyText(sky_[index], site_->limits);
  return parts.join('\n');
}

std::string MoonEventsModel::exportText(ExportFormat format, JulianDay stampUT,
                                        int alarmMinutes) const {
  const std::optional<MoonEventMonth> month =
      MonthOfMoonEvents(month_.year, month_.month, month_.basis.localTime, month_.basis.zoneOffset);
  const std::vector<MoonEventLine> around = format == ExportFormat::ICalendar && month
                                                ? MoonEventLinesAround(*month)
                                                : std::vector<MoonEventLine>{};
  return MoonEventsExportText(format, lines_, around, month_.basis.offset(), site_, stampUT,
                              alarmMinutes);
}

}  // namespace kelvra
