#include "ui/common/event_words.h"

#include <QCoreApplication>

#include <array>

#include "core/moons.h"

namespace kelvra {
namespace {

// QT_TRANSLATE_NOOP marks each text for lupdate where it is written; this looks it up.
std::string words(const char* english) {
  return QCoreApplication::translate("kelvra::EventWords", english).toStdString();
}

}  // namespace

MutualEventWords TranslatedMutualEventWords() {
  // The same English as the struct's defaults, spelt out here for lupdate to find.
  return {
      //: A mutual occultation's contacts: %1 start, %2 maximum, %3 end (times).
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "start %1, maximum %2, end %3")),
      //: A mutual eclipse: %1 the light starts to fall, %2-%3 the umbra, %4 maximum, %5 the
      //: light is whole again (times).
      words(QT_TRANSLATE_NOOP("kelvra::EventWords",
                              "light falls %1, umbra %2\u2013%3 (maximum %4), light whole %5")),
      //: A penumbral mutual eclipse: %1 light starts to fall, %2 maximum, %3 light whole again.
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "light falls %1, maximum %2, light whole %3")),
      //: Where the eclipsed or occulted moon stands: at the edge of Jupiter's disc.
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "at Jupiter's limb")),
      //: Where the eclipsed or occulted moon stands: in front of Jupiter's disc.
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "on Jupiter's disc")),
  };
}

LightLossWords TranslatedLightLossWords() {
  return {
      //: Who sees a mutual event's drop in light: the naked eye at the eyepiece.
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "eye")),
      //: Who sees a mutual event's drop in light: a camera measuring it.
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "photometry")),
      //: A drop in light barely measurable (a grazing event).
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "graze")),
      //: %1 per cent of the light lost at maximum, %2 "Δm 0.52 eye".
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "light lost %1%, %2")),
  };
}

ICalendarWords TranslatedICalendarWords() {
  //: After an instant in a calendar event's description: %1 Jupiter's, %2 the Sun's altitude.
  return {words(QT_TRANSLATE_NOOP("kelvra::EventWords", ": Jupiter %1\u00B0, Sun %2\u00B0"))};
}

GRSDriftWords TranslatedGRSDriftWords() {
  return {
      //: The Great Red Spot's drift in longitude: %1 signed degrees, e.g. "+1.5".
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "Drifting %1\u00B0 a month")),
      //: %1 signed degrees, e.g. "+1.5"; %2 the date it is counted from, 2026-11-15.
      words(QT_TRANSLATE_NOOP("kelvra::EventWords", "Drifting %1\u00B0 a month from %2")),
  };
}

QString MoonNameText(int moon) {
  static constexpr std::array<const char*, 5> kNames = {
      "", QT_TRANSLATE_NOOP("kelvra::EventWords", "Io"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "Europa"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "Ganymede"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "Callisto")};
  if (moon < 1 || moon > 4) return {};
  // The table's names are core's (MoonName), which the English text keeps.
  return QCoreApplication::translate("kelvra::EventWords", kNames[static_cast<std::size_t>(moon)]);
}

QString MutualEventSentence(const MutualEvent& event) {
  const QString sentence = event.kind == MutualEventKind::Eclipse
                               //: A mutual event: %1 the moon whose shadow falls on moon %2.
                               ? QCoreApplication::translate("kelvra::EventWords", "%1 eclipses %2")
                               //: A mutual event: %1 the moon passing in front of moon %2.
                               : QCoreApplication::translate("kelvra::EventWords", "%1 occults %2");
  return sentence.arg(MoonNameText(event.active), MoonNameText(event.passive));
}

QString PhaseWordText(std::string_view phase) {
  static constexpr std::array<const char*, 5> kPhases = {
      QT_TRANSLATE_NOOP("kelvra::EventWords", "ingress"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "egress"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "disappearance"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "reappearance"),
      QT_TRANSLATE_NOOP("kelvra::EventWords", "maximum")};
  for (const char* word : kPhases) {
    if (phase == word) return QCoreApplication::translate("kelvra::EventWords", word);
  }
  return QString::fromUtf8(phase.data(), static_cast<qsizetype>(phase.size()));
}

}  // namespace kelvra
