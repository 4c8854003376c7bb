#include "core/observing_log.h"

#include <cmath>
#include <cstdio>

#include "core/event_export.h"

namespace kelvra {
namespace {

constexpr double kTenthsPerDay = 864000;

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string s = text;
  // "-0.0" for a value that rounds to zero: written without its sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

// Tenths since 1970 as calendar fields (the proleptic Gregorian calendar of Unix time).
std::string isoText(std::int64_t tenths, char between, const char* after) {
  std::int64_t days = tenths / static_cast<std::int64_t>(kTenthsPerDay);
  std::int64_t rest = tenths % static_cast<std::int64_t>(kTenthsPerDay);
  if (rest < 0) {
    rest += static_cast<std::int64_t>(kTenthsPerDay);
    --days;
  }
  // Days to a civil date (H. Hinnant's algorithm).
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t year = yoe + era * 400 + (month <= 2);
  char text[80];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld%c%02lld:%02lld:%02lld.%lld%s",
                static_cast<long long>(year), static_cast<long long>(month),
                static_cast<long long>(day), between, static_cast<long long>(rest / 36000),
                static_cast<long long>(rest / 600 % 60), static_cast<long long>(rest / 10 % 60),
                static_cast<long long>(rest % 10), after);
  return text;
}

std::int64_t daysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

LogContact ContactOfLine(const MoonEventLine& line) {
  if (line.mutual) return {MutualEventCode(*line.mutual), "maximum", line.exact};
  const bool passage =
      line.kind == MoonEventKind::Transit || line.kind == MoonEventKind::ShadowTransit;
  const bool start = line.phase == MoonEventPhase::Start;
  const char* phase =
      passage ? (start ? "ingress" : "egress") : (start ? "disappearance" : "reappearance");
  return {MoonEventCode(line.moon, line.kind, line.phase), phase, line.exact};
}

std::optional<std::size_t> NearestContact(const std::vector<MoonEventLine>& lines, JulianDay ut) {
  std::optional<std::size_t> best;
  double bestDistance = kProposedContactMinutes / 1440;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double distance = std::abs(lines[i].exact - ut);
    if (distance <= bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

JulianDay LogInstantDays(std::int64_t tenths) {
  return JulianDayFromUnixTime(static_cast<double>(tenths) / 10);
}

std::int64_t LogInstantTenths(JulianDay ut) {
  return std::llround(UnixTimeFromJulianDay(ut) * 10);
}

std::optional<double> ObservedMinusComputed(const LogRecord& record) {
  if (!record.predicted) return std::nullopt;
  // From the epoch on both sides, so the difference keeps the tenth.
  return static_cast<double>(record.observedTenths) / 10 - UnixTimeFromJulianDay(*record.predicted);
}

std::string LogTimeText(JulianDay ut) {
  return isoText(LogInstantTenths(ut), ' ', "");
}

std::optional<std::int64_t> ParseLogTime(const std::string& text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, consumed = 0;
  char between = 0;
  if (std::sscanf(text.c_str(), " %4d-%2d-%2d%c%2d:%2d%n", &y, &mo, &d, &between, &h, &mi,
                  &consumed) != 6 ||
      (between != ' ' && between != 'T'))
    return std::nullopt;
  std::string rest = text.substr(static_cast<std::size_t>(consumed));
  int tenths = 0, seconds = 0;
  if (!rest.empty() && rest[0] == ':') {
    int used = 0;
    if (std::sscanf(rest.c_str(), ":%2d%n", &seconds, &used) != 1 || used != 3) return std::nullopt;
    rest = rest.substr(3);
    if (!rest.empty() && (rest[0] == '.' || rest[0] == ',')) {
      if (rest.size() < 2 || rest[1] < '0' || rest[1] > '9') return std::nullopt;
      tenths = rest[1] - '0';
      rest = rest.substr(2);
    }
  }
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == 'Z')) rest.pop_back();
  if (!rest.empty()) return std::nullopt;
  if (y < 1 || mo < 1 || mo > 12 || d < 1 || h > 23 || mi > 59 || seconds > 59 || h < 0 || mi < 0 ||
      seconds < 0)
    return std::nullopt;
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d > kDays[mo - 1] + (mo == 2 && leap)) return std::nullopt;
  return ((daysFromCivil(y, mo, d) * 24 + h) * 60 + mi) * 600 + seconds * 10 + tenths;
}

std::string LogCsvText(const std::vector<LogRecord>& records) {
  std::string text =
      "code,phase,predicted_ut,observed_ut,o_c_s,latitude,longitude,height_m,note\r\n";
  for (const LogRecord& r : records) {
    text += CsvField(r.code) + ',' + CsvField(r.phase) + ',';
    if (r.predicted) text += isoText(LogInstantTenths(*r.predicted), 'T', "Z");
    text += ',' + isoText(r.observedTenths, 'T', "Z") + ',';
    if (const std::optional<double> oc = ObservedMinusComputed(r)) text += fixed(*oc, 1);
    text += ',';
    if (r.site) {
      text += fixed(r.site->latitudeDeg, 5) + ',' + fixed(r.site->longitudeDeg, 5) + ',' +
              fixed(r.site->heightM, 0);
    } else {
      text += ",,";
    }
    text += ',' + CsvField(r.note) + "\r\n";
  }
  return text;
}

}  // namespace kelvra
