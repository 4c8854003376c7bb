#include "ui/events/moon_events_export.h"

#include <QDir>
#include <QStringList>

#include "core/moon_events.h"
#include "core/moons.h"
#include "core/mutual_events.h"
#include "core/mutual_light.h"

namespace kelvra {
namespace {

std::string kindName(MoonEventKind kind) {
  switch (kind) {
    case MoonEventKind::Transit:
      return "transit";
    case MoonEventKind::ShadowTransit:
      return "shadow transit";
    case MoonEventKind::Occultation:
      return "occultation";
    case MoonEventKind::Eclipse:
      return "eclipse";
  }
  return {};
}

std::string phaseName(const MoonEventLine& line) {
  const bool contact =
      line.kind == MoonEventKind::Transit || line.kind == MoonEventKind::ShadowTransit;
  if (line.phase == MoonEventPhase::Start) return contact ? "ingress" : "disappearance";
  if (line.phase == MoonEventPhase::End) return contact ? "egress" : "reappearance";
  return "maximum";
}

// "Io shadow transit", "Europa occults Io".
std::string summaryOf(const MoonEventLine& line) {
  if (line.mutual) {
    const MutualEvent& e = *line.mutual;
    return std::string(MoonName(e.active)) +
           (e.kind == MutualEventKind::Eclipse ? " eclipses " : " occults ") +
           std::string(MoonName(e.passive));
  }
  return std::string(MoonName(line.moon)) + ' ' + kindName(line.kind);
}

// A mutual event's magnitude as listed, a penumbral one's said to be light, and the passive
// moon's place against Jupiter when near it, then the light lost and who sees it:
// "45%, light lost 38%, Δm 0.52 eye", "65%, at Jupiter's limb, light lost ...".
std::string magnitudeOf(const MutualEvent& e) {
  std::string text = MutualEventMagnitude(e);
  if (e.penumbral) text += " of the light";
  const std::string where = AgainstJupiterText(PassiveAgainstJupiter(e));
  if (!where.empty()) text += ", " + where;
  return text + ", " + MutualLossText(e);
}

std::optional<ExportAltitudes> altitudesAt(JulianDay ut, const std::optional<SiteSetting>& site) {
  if (!site) return std::nullopt;
  const SkyAtInstant sky = ShownSky(SkyAt(ut, site->place, site->limits), site->limits);
  return ExportAltitudes{sky.jupiterAltitudeDeg, sky.sunAltitudeDeg};
}

ExportPhenomenon phenomenonOf(const MoonEventLine& line, const std::vector<MoonEventLine>& around,
                              const std::optional<SiteSetting>& site) {
  ExportPhenomenon p;
  p.code = MoonEventPhenomenonCode(line);
  p.summary = summaryOf(line);
  p.uidStart = line.eventStart;
  if (line.mutual) {
    // One line stands for the whole event: its contacts and maximum are all seen.
    const MutualEvent& e = *line.mutual;
    const std::string code = MutualEventCode(e) + ' ';
    const auto instant = [&](const std::string& what, JulianDay ut) {
      const JulianDay minute = ListedMinuteOf(line, ut);
      p.instants.push_back({code + what, minute, altitudesAt(minute, site)});
    };
    // An umbral eclipse's UID keeps its umbra's start, as before the light's contacts were given.
    p.uidStart = ListedMinuteOf(line, e.start);
    const bool eclipse = e.kind == MutualEventKind::Eclipse;
    if (eclipse) instant("light falls", e.lightStart);
    if (!e.penumbral) instant(eclipse ? "umbra start" : "start", e.start);
    instant("maximum " + magnitudeOf(e), line.instant);
    if (!e.penumbral) instant(eclipse ? "umbra end" : "end", e.end);
    if (eclipse) instant("light whole", e.lightEnd);
  } else {
    for (const MoonEventLine& other : around) {
      if (SameMoonEventPhenomenon(line, other)) {
        p.instants.push_back(
            {FormatMoonEventLine(other).code, other.instant, altitudesAt(other.instant, site)});
      }
    }
    // `around` holds every line of the month, so the line itself is always found; kept sound
    // should a caller pass less.
    if (p.instants.empty()) {
      p.instants.push_back(
          {FormatMoonEventLine(line).code, line.instant, altitudesAt(line.instant, site)});
    }
  }
  p.start = p.instants.front().ut;
  p.end = p.instants.back().ut;
  return p;
}

}  // namespace

std::string MoonEventDescription(const MoonEventLine& line, std::int32_t offset) {
  if (!line.mutual) return summaryOf(line) + ", " + phaseName(line);
  return summaryOf(line) + ", maximum " + magnitudeOf(*line.mutual) + "; " +
         MutualContactsText(line, offset);
}

std::vector<ExportLine> ExportLinesOf(const std::vector<MoonEventLine>& shown, std::int32_t offset,
                                      const std::optional<SiteSetting>& site) {
  std::vector<ExportLine> lines;
  lines.reserve(shown.size());
  for (const MoonEventLine& line : shown) {
    lines.push_back({line.instant, offset, FormatMoonEventLine(line).code,
                     MoonEventDescription(line, offset), altitudesAt(line.instant, site)});
  }
  return lines;
}

std::vector<ExportPhenomenon> ExportPhenomenaOf(const std::vector<MoonEventLine>& shown,
                                                const std::vector<MoonEventLine>& around,
                                                const std::optional<SiteSetting>& site) {
  std::vector<ExportPhenomenon> phenomena;
  for (const MoonEventPhenomenon& p : MoonEventPhenomena(shown)) {
    phenomena.push_back(phenomenonOf(shown[p.line], around, site));
  }
  return phenomena;
}

std::string MoonEventsExportText(ExportFormat format, const std::vector<MoonEventLine>& shown,
                                 const std::vector<MoonEventLine>& around, std::int32_t offset,
                                 const std::optional<SiteSetting>& site, JulianDay stampUT,
                                 int alarmMinutes) {
  if (format == ExportFormat::Csv) return CsvText(ExportLinesOf(shown, offset, site));
  return ICalendarText(ExportPhenomenaOf(shown, around, site), stampUT, alarmMinutes);
}

QString ExportFailedText(const QString& path) {
  return QStringLiteral("The events could not be exported.\nCannot write \"%1\".")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace kelvra
