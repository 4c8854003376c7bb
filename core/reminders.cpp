#include "core/reminders.h"

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kMillisecond = 1.0 / 86400000;  // days

bool givenAlready(const ReminderKey& key, const std::vector<ReminderKey>& given) {
  return std::any_of(given.begin(), given.end(), [&](const ReminderKey& g) {
    return g.code == key.code && std::abs(g.start - key.start) < kSamePhenomenonDays;
  });
}

}  // namespace

RemindersNow RemindersDueAt(const std::vector<MoonEventLine>& lines, JulianDay now, int leadMinutes,
                            const std::vector<ReminderKey>& given) {
  if (leadMinutes < 1 || leadMinutes > kReminderLeadMax) return {};
  const double lead = leadMinutes / kMinutesPerDay;  // days
  const JulianDay reached = now + kMillisecond;
  std::vector<Reminder> ahead;
  for (const MoonEventPhenomenon& p : MoonEventPhenomena(lines)) {
    const Reminder r{{p.code, p.start}, p.line, p.first, p.first - lead};
    const bool begun = r.event <= reached;
    if (!begun && r.event <= now + kReminderAhead && !givenAlready(r.key, given)) {
      ahead.push_back(r);
    }
  }
  std::stable_sort(ahead.begin(), ahead.end(),
                   [](const Reminder& a, const Reminder& b) { return a.event < b.event; });
  RemindersNow result;
  for (const Reminder& r : ahead) {
    if (r.moment <= reached) {
      result.due.push_back(r);
    } else if (!result.next) {
      result.next = r;
    }
  }
  result.askAgain = result.next ? result.next->moment : now + kReminderAhead - lead;
  return result;
}

}  // namespace kelvra
