// The events list as records for the file writers of core/event_export.h, and the file itself.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/event_export.h"
#include "core/moon_event_list.h"
#include "ui/common/export_file.h"
#include "ui/common/site_settings.h"

namespace kelvra {

// Given: one line; offset, the list's clock (minutes, UT = clock + offset). Returns: what it says
// in words, for a spreadsheet: "Io shadow transit, ingress"; a mutual event's "Europa occults
// Io, maximum 45%", with ", at Jupiter's limb" or ", on Jupiter's disc" when the passive moon
// stands there; an eclipse's with its contacts (MutualContactsText): "Europa eclipses Io,
// maximum 45%; light falls 22:58, umbra 23:01–23:11 (maximum 23:06), light whole 23:14", a
// penumbral one's magnitude "Q31% of the light".
std::string MoonEventDescription(const MoonEventLine& line, std::int32_t offset);

// Given: the lines shown (filtered or not); offset, the list's clock (minutes, UT = clock +
// offset); the site or none. Returns: one record per line, with the altitudes at its instant.
std::vector<ExportLine> ExportLinesOf(const std::vector<MoonEventLine>& shown, std::int32_t offset,
                                      const std::optional<SiteSetting>& site);

// Given: the lines shown; around, every line of the month and a day either side
// (MoonEventLinesAround), which tells which of a phenomenon's instants can be seen even where
// one falls in another month; the site or none.
// Returns: one record per phenomenon with a line among `shown`, in the order of their first
// shown line: from its first seen instant to its last (a mutual event from start to end, an
// eclipse's from the light's fall to its return, each contact named), with the altitudes at
// each.
std::vector<ExportPhenomenon> ExportPhenomenaOf(const std::vector<MoonEventLine>& shown,
                                                const std::vector<MoonEventLine>& around,
                                                const std::optional<SiteSetting>& site);

// What one export writes: the text of the file in the chosen format.
// Given: the lines shown, the month's lines around them, offset, site as above; stampUT (days,
// UT), the moment of export for DTSTAMP; alarmMinutes, the reminders' lead (0: off), which an
// iCalendar file gives each event as a VALARM.
std::string MoonEventsExportText(ExportFormat format, const std::vector<MoonEventLine>& shown,
                                 const std::vector<MoonEventLine>& around, std::int32_t offset,
                                 const std::optional<SiteSetting>& site, JulianDay stampUT,
                                 int alarmMinutes = 0);

// The message a file that could not be written gets.
QString ExportFailedText(const QString& path);

}  // namespace kelvra
