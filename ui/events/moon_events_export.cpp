#include "ui/events/moon_events_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include "core/moon_events.h"
#include "core/moons.h"
#include "core/mutual_events.h"
#include "core/mutual_light.h"
#include "ui/common/event_words.h"

namespace kelvra {
namespace {

// The messages' context for the translations: a tr() of their own keeps the context's name out
// of the message's text, which the help's check reads.
struct ExportWords {
  Q_DECLARE_TR_FUNCTIONS(kelvra::MoonEventsExport)
};

QString translated(const char* english) {
  return QCoreApplication::translate("kelvra::MoonEventsExport", english);
}

std::string phaseName(const MoonEventLine& line) {
  const bool contact =
      line.kind == MoonEventKind::Transit || line.kind == MoonEventKind::ShadowTransit;
  const char* phase = "maximum";
  if (line.phase == MoonEventPhase::Start) phase = contact ? "ingress" : "disappearance";
  if (line.phase == MoonEventPhase::End) phase = contact ? "egress" : "reappearance";
  return PhaseWordText(phase).toStdString();
}

// "Io shadow transit", "Europa occults Io".
std::string summaryOf(const MoonEventLine& line) {
  if (line.mutual) return MutualEventSentence(*line.mutual).toStdString();
  // By kind (MoonEventKind's order): %1 the moon.
  static constexpr const char* kKinds[] = {
      QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "%1 transit"),
      QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "%1 occultation"),
      QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "%1 shadow transit"),
      QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "%1 eclipse")};
  return translated(kKinds[static_cast<int>(line.kind)]).arg(MoonNameText(line.moon)).toStdString();
}

// A mutual event's magnitude as listed, a penumbral one's said to be light, and the passive
// moon's place against Jupiter when near it, then the light lost and who sees it:
// "45%, light lost 38%, Δm 0.52 eye", "65%, at Jupiter's limb, light lost ...".
std::string magnitudeOf(const MutualEvent& e) {
  std::string text = MutualEventMagnitude(e);
  if (e.penumbral) {
    //: A penumbral eclipse's magnitude, %1 "Q31%": a share of the moon's light.
    text = QCoreApplication::translate("kelvra::MoonEventsExport", "%1 of the light")
               .arg(QString::fromStdString(text))
               .toStdString();
  }
  const std::string where =
      AgainstJupiterText(PassiveAgainstJupiter(e), TranslatedMutualEventWords());
  if (!where.empty()) text += ", " + where;
  return text + ", " + MutualLossText(e, TranslatedLightLossWords());
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
    // The contacts' names: the light starts to fall, the umbra's contacts, the light is whole.
    const auto named = [](const char* english) { return translated(english).toStdString(); };
    if (eclipse)
      instant(named(QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "light falls")), e.lightStart);
    if (!e.penumbral) {
      instant(eclipse ? named(QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "umbra start"))
                      : named(QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "start")),
              e.start);
    }
    //: A mutual event's maximum, %1 its magnitude and light lost.
    instant(QCoreApplication::translate("kelvra::MoonEventsExport", "maximum %1")
                .arg(QString::fromStdString(magnitudeOf(e)))
                .toStdString(),
            line.instant);
    if (!e.penumbral) {
      instant(eclipse ? named(QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "umbra end"))
                      : named(QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "end")),
              e.end);
    }
    if (eclipse)
      instant(named(QT_TRANSLATE_NOOP("kelvra::MoonEventsExport", "light whole")), e.lightEnd);
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
  //: A mutual event in words: %1 "Europa occults Io", %2 its magnitude and light lost, %3 its
  //: contacts' times.
  return QCoreApplication::translate("kelvra::MoonEventsExport", "%1, maximum %2; %3")
      .arg(QString::fromStdString(summaryOf(line)),
           QString::fromStdString(magnitudeOf(*line.mutual)),
           QString::fromStdString(MutualContactsText(line, offset, TranslatedMutualEventWords())))
      .toStdString();
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
  return ICalendarText(ExportPhenomenaOf(shown, around, site), stampUT, alarmMinutes,
                       TranslatedICalendarWords());
}

QString ExportFailedText(const QString& path) {
  return ExportWords::tr("The events could not be exported.\nCannot write \"%1\".")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace kelvra
