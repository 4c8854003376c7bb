#include "core/event_export.h"

#include <cmath>
#include <cstdio>

#include "core/word_format.h"

namespace kelvra {
namespace {

constexpr std::size_t kFoldOctets = 75;        // octets per folded line, the line end not counted
constexpr double kHalfSecond = 0.5 / 86400.0;  // days

// The instant on a clock `offset` minutes behind UT, to the nearest second.
CivilDateTime civil(JulianDay ut, std::int32_t offset) {
  return CalDate(ut + kHalfSecond, offset);
}

// "20261208T211400Z": an RFC 5545 DATE-TIME in UTC.
std::string icalTime(JulianDay ut) {
  const CivilDateTime c = civil(ut, 0);
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", c.year, c.month, c.day, c.hour,
                c.minute, c.second);
  return text;
}

// "2026-12-08 21:14 UTC", for people reading an event's description.
std::string readableTime(JulianDay ut) {
  const CivilDateTime c = civil(ut, 0);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d UTC", c.year, c.month, c.day, c.hour,
                c.minute);
  return text;
}

// Degrees with one decimal and a point in any locale; never "-0.0".
std::string degrees(double value) {
  const long tenths = std::lround(value * 10);
  const long whole = tenths < 0 ? -tenths : tenths;
  char text[64];
  std::snprintf(text, sizeof text, "%s%ld.%ld", tenths < 0 ? "-" : "", whole / 10, whole % 10);
  return text;
}

// A UID's own characters: letters, digits, '-' and '.'; anything else becomes '-'.
std::string uidPart(std::string_view code) {
  std::string part;
  for (const char c : code) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-';
    part += plain ? c : '-';
  }
  return part;
}

std::string describe(const ExportPhenomenon& p, const ICalendarWords& words) {
  std::string text;
  for (const ExportInstant& instant : p.instants) {
    if (!text.empty()) text += '\n';
    text += instant.code + ' ' + readableTime(instant.ut);
    if (instant.altitudes) {
      text += FillWords(words.altitudes, {degrees(instant.altitudes->jupiterDeg),
                                          degrees(instant.altitudes->sunDeg)});
    }
  }
  return text;
}

}  // namespace

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string EscapeICalendarText(std::string_view text) {
  std::string escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') {
      escaped += '\\';
      escaped += c;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      escaped += "\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string FoldICalendarLine(std::string_view line) {
  std::string folded;
  std::size_t room = kFoldOctets;  // the first part has 75 octets, the others 74 after the space
  while (line.size() > room) {
    std::size_t cut = room;
    // Back up to the first octet of a character: continuation octets are 10xxxxxx.
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    if (cut == 0) cut = room;  // not UTF-8: cut anyway rather than loop
    folded.append(line.substr(0, cut));
    folded += "\r\n ";
    line.remove_prefix(cut);
    room = kFoldOctets - 1;
  }
  folded.append(line);
  folded += "\r\n";
  return folded;
}

std::string ICalendarText(const std::vector<ExportPhenomenon>& phenomena, JulianDay stampUT,
                          int alarmMinutes, const ICalendarWords& words) {
  std::string text;
  const auto put = [&text](const std::string& line) { text += FoldICalendarLine(line); };
  put("BEGIN:VCALENDAR");
  put("VERSION:2.0");
  put("PRODID:-//Kelvra95//Moon events//EN");
  put("CALSCALE:GREGORIAN");
  const std::string stamp = icalTime(stampUT);
  for (const ExportPhenomenon& p : phenomena) {
    put("BEGIN:VEVENT");
    put("UID:" + uidPart(p.code) + '-' + icalTime(p.uidStart) + "@kelvra95");
    put("DTSTAMP:" + stamp);
    put("DTSTART:" + icalTime(p.start));
    // DTEND must lie after DTSTART (RFC 5545, 3.8.2.2); an event of one instant leaves it out,
    // which makes it end where it starts (3.6.1).
    if (icalTime(p.end) != icalTime(p.start)) put("DTEND:" + icalTime(p.end));
    put("SUMMARY:" + EscapeICalendarText(p.summary));
    const std::string description = describe(p, words);
    if (!description.empty()) put("DESCRIPTION:" + EscapeICalendarText(description));
    put("TRANSP:TRANSPARENT");  // an event in the sky does not make the observer busy
    if (alarmMinutes > 0) {
      put("BEGIN:VALARM");
      put("ACTION:DISPLAY");
      put("DESCRIPTION:" + EscapeICalendarText(p.summary));
      put("TRIGGER:-PT" + std::to_string(alarmMinutes) + 'M');
      put("END:VALARM");
    }
    put("END:VEVENT");
  }
  put("END:VCALENDAR");
  return text;
}

std::string CsvText(const std::vector<ExportLine>& lines) {
  std::string text = "date,time,utc,code,description,jupiter_alt,sun_alt\r\n";
  for (const ExportLine& line : lines) {
    const CivilDateTime local = civil(line.ut, line.offset);
    const CivilDateTime utc = civil(line.ut, 0);
    char date[64], time[64], iso[64];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", local.year, local.month, local.day);
    std::snprintf(time, sizeof time, "%02d:%02d", local.hour, local.minute);
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.year, utc.month, utc.day,
                  utc.hour, utc.minute, utc.second);
    text += std::string(date) + ',' + time + ',' + iso + ',' + CsvField(line.code) + ',' +
            CsvField(line.description) + ',';
    if (line.altitudes) {
      text += degrees(line.altitudes->jupiterDeg) + ',' + degrees(line.altitudes->sunDeg);
    } else {
      text += ',';
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace kelvra
