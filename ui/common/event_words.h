// The words core/ puts into the events' sentences, in the program's language: core/ knows no
// translations, so the windows hand it these. Only QtCore and core/ are needed here, so that any
// window may take the same words.
#pragma once

#include <QString>

#include <string_view>

#include "core/event_export.h"
#include "core/grs_prediction.h"
#include "core/moon_event_list.h"
#include "core/mutual_light.h"

namespace kelvra {

MutualEventWords TranslatedMutualEventWords();  // contacts, "at Jupiter's limb"
LightLossWords TranslatedLightLossWords();      // "eye", "light lost 38%, …"
ICalendarWords TranslatedICalendarWords();      // ": Jupiter 34.2°, Sun -12.0°"
GRSDriftWords TranslatedGRSDriftWords();        // "Drifting +1.5° a month from …"

// Given: a satellite number. Returns: its name in the program's language ("Ganymed" in
// German); empty outside 1..4.
QString MoonNameText(int moon);

// Given: a mutual event. Returns: what happens in words: "Europa occults Io", "Ganymede
// eclipses Io".
QString MutualEventSentence(const MutualEvent& event);

// Given: a phase in English words, as the log stores it ("ingress", "egress", "disappearance",
// "reappearance", "maximum"; its file and CSV keep them so). Returns: the word to show; an
// unknown word as it is.
QString PhaseWordText(std::string_view phase);

}  // namespace kelvra
