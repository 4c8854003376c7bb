// The events list as an observer's site sees it: which lines can be seen, the altitudes behind
// that, Jupiter's rise, transit and set, and the texts that say so.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/moon_event_list.h"
#include "core/sky.h"
#include "ui/common/settings_key.h"
#include "ui/common/site_settings.h"

namespace kelvra {

// Whether two sites are the same place with the same limits (none equals none).
bool SameSite(const std::optional<SiteSetting>& a, const std::optional<SiteSetting>& b);

// Given: the month's lines; the site, or none.
// Returns: the sky at each line's own instant (a mutual event's: its maximum), one per line;
// empty without a site. The one place that decides whether a line is visible.
// Notes: SkyAt per line, about 13 microseconds each: computed once per month and site.
std::vector<SkyAtInstant> SkyOfLines(const std::vector<MoonEventLine>& lines,
                                     const std::optional<SiteSetting>& site);

// What a list or page shows of a month: its lines and, with a site, the sky at each.
struct MoonEventsShown {
  std::vector<MoonEventLine> lines;
  std::vector<SkyAtInstant> sky;  // one per line, or empty without a site
  // Whether line i is drawn greyed: with a site, the lines that cannot be seen.
  bool greyed(std::size_t i) const { return i < sky.size() && !sky[i].visible; }
};

// Given: the month's lines and their sky (SkyOfLines); visibleOnly, the filter.
// Returns: the lines to show: all of them, or with the filter and a site only the visible.
MoonEventsShown ShowMoonEvents(const std::vector<MoonEventLine>& lines,
                               const std::vector<SkyAtInstant>& sky, bool visibleOnly);

// Given: the site. Returns: it and its limits as the page's subtitle names them:
// "52.52°N 13.40°E, Jupiter ≥ 5°, Sun ≤ −6°".
QString MoonEventsSiteText(const SiteSetting& site);

// Given: the sky at a line's instant and the limits it was judged by. Returns: "Jupiter 34.2°,
// Sun −12.3°" for its tooltip, the altitudes as ShownSky rounds them.
QString MoonEventsSkyText(const SkyAtInstant& sky, const VisibilityLimits& limits);

// Given: Jupiter's passages of one day; offset, the list's clock (minutes, UT = clock +
// offset); upAtStart, whether Jupiter is above the horizon as the day starts.
// Returns: the list's top line, "Rise 05:12 Tr 11:40 Set 18:09", "—" for a passage that does
// not happen that day; with neither a rise nor a set, "Up all day, Tr 11:40" or "Below the
// horizon all day".
QString RiseTransitSetText(const RiseTransitSet& passages, std::int32_t offset, bool upAtStart);

}  // namespace kelvra
