<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>kelvra::CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>stray argument &apos;%1&apos;</source>
        <translation>überzähliges Argument &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>kelvra::CommandLists</name>
    <message>
        <source>&apos;%1&apos; is not a month YYYY-MM nor a day YYYY-MM-DD</source>
        <translation>&apos;%1&apos; ist weder ein Monat YYYY-MM noch ein Tag YYYY-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month YYYY-MM</source>
        <translation>&apos;%1&apos; ist kein Monat YYYY-MM</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number from %3 (a point as the decimal separator)</source>
        <extracomment>&quot;latitude &apos;x&apos; is not a number from -90 to 90 (...)&quot;: the value&apos;s name, the text, the range.</extracomment>
        <translation>%1 &apos;%2&apos; ist keine Zahl im Bereich %3 (mit Punkt als Dezimaltrennzeichen)</translation>
    </message>
    <message>
        <source>site &apos;%1&apos; is not LAT,LON or LAT,LON,HEIGHT</source>
        <translation>Beobachtungsort &apos;%1&apos; hat nicht die Form LAT,LON oder LAT,LON,HEIGHT</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2%3&apos;</source>
        <translation>%1: unbekannte Option &apos;%2%3&apos;</translation>
    </message>
    <message>
        <source>%1: the month is missing (YYYY-MM or YYYY-MM-DD)</source>
        <translation>%1: der Monat fehlt (YYYY-MM oder YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>%1: the month is missing (YYYY-MM)</source>
        <translation>%1: der Monat fehlt (YYYY-MM)</translation>
    </message>
    <message>
        <source>%1: stray argument &apos;%2&apos;</source>
        <translation>%1: überzähliges Argument &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: --utc and --local exclude each other</source>
        <translation>%1: --utc und --local schließen einander aus</translation>
    </message>
    <message>
        <source>format &apos;%1&apos; is not one of %2</source>
        <translation>Format &apos;%1&apos; ist keines von %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Site %1; visible only</source>
        <translation>Beobachtungsort %1; nur sichtbare</translation>
    </message>
    <message>
        <source>Site %1</source>
        <translation>Beobachtungsort %1</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate</source>
        <translation>Außerhalb 1900-2100: weniger genau</translation>
    </message>
    <message>
        <source>%1  not visible from the site</source>
        <extracomment>An event&apos;s line, then two spaces and the note.</extracomment>
        <translation>%1  vom Beobachtungsort nicht sichtbar</translation>
    </message>
    <message>
        <source>--visible needs a site: give --site LAT,LON[,HEIGHT] or set one in the program</source>
        <translation>--visible braucht einen Beobachtungsort: --site LAT,LON[,HEIGHT] angeben oder einen im Programm einstellen</translation>
    </message>
    <message>
        <source>Moon events %1, %2</source>
        <extracomment>The list&apos;s first line: the month (2026-12) and the clock.</extracomment>
        <translation>Ereignisse der Jupitermonde %1, %2</translation>
    </message>
    <message>
        <source>Moon events, the night of %1 (noon to noon), %2</source>
        <extracomment>The list&apos;s first line: the day (2026-12-08) and the clock.</extracomment>
        <translation>Ereignisse der Jupitermonde, Nacht vom %1 (Mittag bis Mittag), %2</translation>
    </message>
    <message>
        <source>longitude &apos;%1&apos; is not a whole number from 0 to 359</source>
        <translation>Länge &apos;%1&apos; ist keine ganze Zahl von 0 bis 359</translation>
    </message>
    <message>
        <source>Red Spot at System II longitude %1°</source>
        <translation>Roter Fleck auf Länge %1° in System II</translation>
    </message>
    <message>
        <source>Red Spot transit, System II %1°</source>
        <translation>Durchgang des Roten Flecks, System II %1°</translation>
    </message>
    <message>
        <source>Red Spot transits %1, %2</source>
        <extracomment>The list&apos;s first line: the month (2026-12) and the clock.</extracomment>
        <translation>Durchgänge des Roten Flecks %1, %2</translation>
    </message>
    <message>
        <source>%1  not visible from the site: %2</source>
        <extracomment>A day&apos;s transits, then two spaces and those not visible.</extracomment>
        <translation>%1  vom Beobachtungsort nicht sichtbar: %2</translation>
    </message>
</context>
<context>
    <name>kelvra::CommandOutput</name>
    <message>
        <source>%1 is not a regular file; the defaults are used</source>
        <translation>%1 ist keine gewöhnliche Datei; es gelten die Voreinstellungen</translation>
    </message>
    <message>
        <source>Usage: kelvra95 [options]
       kelvra95 events YYYY-MM[-DD] [--utc | --local] [--site LAT,LON[,HEIGHT]]
                       [--visible] [--format text|csv|ics] [--output FILE]
       kelvra95 grs YYYY-MM [--longitude L] [--utc | --local] [--format text|csv]
                    [--output FILE]

Without a subcommand Kelvra95 opens its windows: Jupiter&apos;s four large moons as the
observer&apos;s instrument shows them. Qt&apos;s own options (-platform, -style, ...) apply.

Options:
  -h, --help       this text
  -v, --version    the program&apos;s version

Subcommands (no window, no display; the settings are read, never written):
  events           the month&apos;s moon events and mutual events as the events window
                   lists them; with a day, that night&apos;s (noon to noon on the clock)
  grs              the month&apos;s Red Spot transits as the GRS window lists them, with
                   the stored drift
  --utc, --local   the clock; by default the one the window keeps
  --site LAT,LON[,HEIGHT]
                   the observer&apos;s site in degrees (north, east positive) and metres,
                   points as decimal separators; by default the stored site, if any
  --visible        only the events visible from the site
  --longitude L    the Red Spot&apos;s System II longitude, 0 to 359 degrees; by default
                   the stored one
  --format F       text (the default), csv, or ics (events): the files the events
                   window exports
  --output FILE    writes FILE whole, or leaves it as it was

Examples:
  kelvra95 events 2026-12-08 --local --visible
  kelvra95 events 2026-12 --format ics --output jupiter-2026-12.ics
  kelvra95 grs 2026-12 --format csv

Exit status: 0 done, 1 the file could not be written, 2 an option or value it cannot
take (said on standard error).
</source>
        <extracomment>The whole --help text. Keep the command and option names, the YYYY-MM forms, the format names and the examples as they are; keep the columns aligned and lines under 80 characters.</extracomment>
        <translation>Aufruf: kelvra95 [Optionen]
       kelvra95 events YYYY-MM[-DD] [--utc | --local] [--site LAT,LON[,HEIGHT]]
                       [--visible] [--format text|csv|ics] [--output FILE]
       kelvra95 grs YYYY-MM [--longitude L] [--utc | --local] [--format text|csv]
                    [--output FILE]

Ohne Unterbefehl öffnet Kelvra95 seine Fenster: Jupiters vier große Monde, wie
das Instrument des Beobachters sie zeigt. Qts eigene Optionen (-platform,
-style, ...) gelten.

Optionen:
  -h, --help       dieser Text
  -v, --version    die Version des Programms

Unterbefehle (kein Fenster, keine Anzeige; Einstellungen werden gelesen, nie
geschrieben):
  events           die Ereignisse der Jupitermonde und die gegenseitigen
                   Ereignisse des Monats, wie das Ereignisfenster sie auflistet;
                   mit einem Tag die jener Nacht (Mittag bis Mittag auf der Uhr)
  grs              die Durchgänge des Roten Flecks im Monat, wie das GRF-Fenster
                   sie auflistet, mit der gespeicherten Drift
  --utc, --local   die Uhr; sonst die, die das Fenster verwendet
  --site LAT,LON[,HEIGHT]
                   der Beobachtungsort in Grad (Nord, Ost positiv) und Metern,
                   Punkt als Dezimaltrennzeichen; sonst der gespeicherte
                   Beobachtungsort, falls vorhanden
  --visible        nur die vom Beobachtungsort sichtbaren Ereignisse
  --longitude L    die Länge des Roten Flecks in System II, 0 bis 359 Grad;
                   sonst die gespeicherte
  --format F       text (Voreinstellung), csv oder ics (events): die Dateien,
                   die das Ereignisfenster exportiert
  --output FILE    schreibt FILE ganz oder lässt die Datei, wie sie war

Beispiele:
  kelvra95 events 2026-12-08 --local --visible
  kelvra95 events 2026-12 --format ics --output jupiter-2026-12.ics
  kelvra95 grs 2026-12 --format csv

Exit-Status: 0 erledigt, 1 die Datei konnte nicht geschrieben werden, 2 eine
Option oder ein Wert, der nicht passt (auf der Standardfehlerausgabe gemeldet).
</translation>
    </message>
    <message>
        <source>%1; see kelvra95 --help</source>
        <extracomment>A fault on the command line, pointing to the help; keep &quot;kelvra95 --help&quot;.</extracomment>
        <translation>%1; siehe kelvra95 --help</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3</source>
        <extracomment>&quot;month 13 is outside 1 to 12&quot;: the value&apos;s name, the value, its range.</extracomment>
        <translation>%1 %2 liegt außerhalb des Bereichs %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values: &quot;1 to 12&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>local time (%1)</source>
        <translation>Ortszeit (%1)</translation>
    </message>
    <message>
        <source>Universal Time (%1)</source>
        <translation>Weltzeit (%1)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kann nicht auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;; nothing was written</source>
        <translation>kann &quot;%1&quot; nicht schreiben; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>kelvra::DateRules</name>
    <message>
        <source>Invalid Date: Following the conversion from the Julian
<byte value="xd"/>Calendar to the Gregorian Calendar, the date following
<byte value="xd"/>4 October 1582 was 15 October 1582. Any date between 
<byte value="xd"/>these has no meaning.</source>
        <translation>Ungültiges Datum: Nach der Umstellung vom Julianischen
<byte value="xd"/>auf den Gregorianischen Kalender folgte auf den
<byte value="xd"/>4. Oktober 1582 der 15. Oktober 1582. Ein Datum dazwischen
<byte value="xd"/>hat keine Bedeutung.</translation>
    </message>
    <message>
        <source>Date must lie between 1 and %1</source>
        <translation>Der Tag muss zwischen 1 und %1 liegen</translation>
    </message>
</context>
<context>
    <name>kelvra::EntryField</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>kelvra::EventReminders</name>
    <message>
        <source>in %1 min</source>
        <extracomment>Time left until an event, %1 whole minutes (the reminder&apos;s line and notification).</extracomment>
        <translation>in %1 min</translation>
    </message>
    <message>
        <source>%1 — %2; %3</source>
        <extracomment>A reminder&apos;s notification: %1 &quot;5 21:40 I.Sh.I&quot;, %2 the event in words, %3 &quot;in 10 min&quot;.</extracomment>
        <translation>%1 — %2; %3</translation>
    </message>
</context>
<context>
    <name>kelvra::EventWords</name>
    <message>
        <source>start %1, maximum %2, end %3</source>
        <extracomment>A mutual occultation&apos;s contacts: %1 start, %2 maximum, %3 end (times).</extracomment>
        <translation>Beginn %1, Maximum %2, Ende %3</translation>
    </message>
    <message>
        <source>light falls %1, umbra %2–%3 (maximum %4), light whole %5</source>
        <extracomment>A mutual eclipse: %1 the light starts to fall, %2-%3 the umbra, %4 maximum, %5 the light is whole again (times).</extracomment>
        <translation>Lichtabfall %1, Kernschatten %2–%3 (Maximum %4), Licht wieder voll %5</translation>
    </message>
    <message>
        <source>light falls %1, maximum %2, light whole %3</source>
        <extracomment>A penumbral mutual eclipse: %1 light starts to fall, %2 maximum, %3 light whole again.</extracomment>
        <translation>Lichtabfall %1, Maximum %2, Licht wieder voll %3</translation>
    </message>
    <message>
        <source>at Jupiter&apos;s limb</source>
        <extracomment>Where the eclipsed or occulted moon stands: at the edge of Jupiter&apos;s disc.</extracomment>
        <translation>am Jupiterrand</translation>
    </message>
    <message>
        <source>on Jupiter&apos;s disc</source>
        <extracomment>Where the eclipsed or occulted moon stands: in front of Jupiter&apos;s disc.</extracomment>
        <translation>vor der Jupiterscheibe</translation>
    </message>
    <message>
        <source>eye</source>
        <extracomment>Who sees a mutual event&apos;s drop in light: the naked eye at the eyepiece.</extracomment>
        <translation>Auge</translation>
    </message>
    <message>
        <source>photometry</source>
        <extracomment>Who sees a mutual event&apos;s drop in light: a camera measuring it.</extracomment>
        <translation>Photometrie</translation>
    </message>
    <message>
        <source>graze</source>
        <extracomment>A drop in light barely measurable (a grazing event).</extracomment>
        <translation>streifend</translation>
    </message>
    <message>
        <source>light lost %1%, %2</source>
        <extracomment>%1 per cent of the light lost at maximum, %2 &quot;Δm 0.52 eye&quot;.</extracomment>
        <translation>Lichtverlust %1 %, %2</translation>
    </message>
    <message>
        <source>: Jupiter %1°, Sun %2°</source>
        <extracomment>After an instant in a calendar event&apos;s description: %1 Jupiter&apos;s, %2 the Sun&apos;s altitude.</extracomment>
        <translation>: Jupiter %1°, Sonne %2°</translation>
    </message>
    <message>
        <source>Drifting %1° a month</source>
        <extracomment>The Great Red Spot&apos;s drift in longitude: %1 signed degrees, e.g. &quot;+1.5&quot;.</extracomment>
        <translation>Drift %1° pro Monat</translation>
    </message>
    <message>
        <source>Drifting %1° a month from %2</source>
        <extracomment>%1 signed degrees, e.g. &quot;+1.5&quot;; %2 the date it is counted from, 2026-11-15.</extracomment>
        <translation>Drift %1° pro Monat seit %2</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganymed</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Kallisto</translation>
    </message>
    <message>
        <source>%1 eclipses %2</source>
        <translation>%1 verfinstert %2</translation>
    </message>
    <message>
        <source>%1 occults %2</source>
        <translation>%1 bedeckt %2</translation>
    </message>
    <message>
        <source>ingress</source>
        <translation>Eintritt</translation>
    </message>
    <message>
        <source>egress</source>
        <translation>Austritt</translation>
    </message>
    <message>
        <source>disappearance</source>
        <translation>Verschwinden</translation>
    </message>
    <message>
        <source>reappearance</source>
        <translation>Wiedererscheinen</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>Maximum</translation>
    </message>
</context>
<context>
    <name>kelvra::ExportFile</name>
    <message>
        <source>Events</source>
        <extracomment>The word of the file name offered for the month&apos;s events: &quot;Kelvra95 Events 2026-12&quot;.</extracomment>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Export the month&apos;s events</source>
        <translation>Ereignisse des Monats exportieren</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>kelvra::GRSDriftSettings</name>
    <message>
        <source>%1: %2 = %3 is not a number from %4 and is ignored</source>
        <extracomment>%1 the settings file, %2 the key, %3 its value, %4 the range (&quot;-9.9 to 9.9&quot;)</extracomment>
        <translation>%1: %2 = %3 ist keine Zahl im Bereich %4 und wird ignoriert</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is outside %4 and is ignored</source>
        <translation>%1: %2 = %3 liegt außerhalb von %4 und wird ignoriert</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a date from %4 and is ignored; so is %5 = %6</source>
        <translation>%1: %2 = %3 ist kein Datum im Bereich %4 und wird ignoriert, ebenso %5 = %6</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a date from %4 and is ignored</source>
        <translation>%1: %2 = %3 ist kein Datum im Bereich %4 und wird ignoriert</translation>
    </message>
    <message>
        <source>%1: %2 = %3 has no %4 (a date from %5) and is ignored</source>
        <translation>%1: %2 = %3 hat kein %4 (ein Datum im Bereich %5) und wird ignoriert</translation>
    </message>
</context>
<context>
    <name>kelvra::GRSPage</name>
    <message>
        <source>Jupiter&apos;s GRS Transits: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Jupiters GRF-Durchgänge: %1 %2</translation>
    </message>
    <message>
        <source>[Local Time - Red Spot at Jovian System II Logitude %1°]</source>
        <extracomment>%1 the longitude in degrees; &quot;Logitude&quot; is the page&apos;s old spelling of &quot;Longitude&quot;</extracomment>
        <translation>[Ortszeit - Großer Roter Fleck auf Länge %1° (System II)]</translation>
    </message>
    <message>
        <source>[Universal Time - Red Spot at Jovian System II Logitude %1°]</source>
        <translation>[Weltzeit - Großer Roter Fleck auf Länge %1° (System II)]</translation>
    </message>
    <message>
        <source>Drifting %1° a month from %2</source>
        <extracomment>%1 the signed drift in degrees (&quot;+1.5&quot;), %2 the date it counts from (2026-11-15)</extracomment>
        <translation>Drift %1° pro Monat seit %2</translation>
    </message>
    <message>
        <source>Drifting %1° a month</source>
        <extracomment>%1 the signed drift in degrees (&quot;+1.5&quot;)</extracomment>
        <translation>Drift %1° pro Monat</translation>
    </message>
</context>
<context>
    <name>kelvra::JpegLoader</name>
    <message>
        <source>File &quot;%1&quot; is either missing or damaged.<byte value="xd"/>
Contact: %2</source>
        <translation>Die Datei &quot;%1&quot; fehlt oder ist beschädigt.<byte value="xd"/>
Kontakt: %2</translation>
    </message>
</context>
<context>
    <name>kelvra::Languages</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The new language holds from the next start of Kelvra95.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Kelvra95.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Sprache des Systems</translation>
    </message>
</context>
<context>
    <name>kelvra::LightCurveModel</name>
    <message>
        <source>%1 %2 eclipses %3</source>
        <extracomment>%1 the event&apos;s code (&quot;3E2&quot;), which stays first and is followed by a space; %2 and %3 moons</extracomment>
        <translation>%1 %2 verfinstert %3</translation>
    </message>
    <message>
        <source>%1 %2 occults %3</source>
        <translation>%1 %2 bedeckt %3</translation>
    </message>
    <message>
        <source>Light falls %1</source>
        <extracomment>%1 the time the eclipsed moon&apos;s light begins to fall</extracomment>
        <translation>Lichtabfall %1</translation>
    </message>
    <message>
        <source>Umbra %1–%2</source>
        <extracomment>%1 and %2 the times the moon enters and leaves the umbra</extracomment>
        <translation>Umbra %1–%2</translation>
    </message>
    <message>
        <source>Maximum %1</source>
        <translation>Maximum %1</translation>
    </message>
    <message>
        <source>Light whole %1</source>
        <extracomment>%1 the time the eclipsed moon&apos;s light is whole again</extracomment>
        <translation>Licht wieder voll %1</translation>
    </message>
    <message>
        <source>Start %1</source>
        <translation>Beginn %1</translation>
    </message>
    <message>
        <source>End %1</source>
        <translation>Ende %1</translation>
    </message>
    <message>
        <source>Duration %1 min</source>
        <translation>Dauer %1 min</translation>
    </message>
    <message>
        <source>Depth %1% of %2&apos;s light</source>
        <extracomment>%1 the per cent of light lost at the maximum, %2 the eclipsed moon</extracomment>
        <translation>Tiefe %1 % von %2s Licht</translation>
    </message>
    <message>
        <source>Depth %1% of the pair&apos;s light</source>
        <translation>Tiefe %1 % des Lichts beider</translation>
    </message>
    <message>
        <source>Grey: Jupiter below %1° or the Sun above %2°</source>
        <translation>Grau: Jupiter unter %1° oder Sonne über %2°</translation>
    </message>
</context>
<context>
    <name>kelvra::LightCurvePage</name>
    <message>
        <source>Light Curve of a Mutual Event</source>
        <translation>Lichtkurve eines gegenseitigen Ereignisses</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Weltzeit</translation>
    </message>
    <message>
        <source>No mutual event within a year.</source>
        <translation>Kein gegenseitiges Ereignis innerhalb eines Jahres.</translation>
    </message>
    <message>
        <source>Flux 1 outside the event; uniform discs, no limb darkening.</source>
        <translation>Fluss 1 außerhalb des Ereignisses; gleichmäßig helle Scheiben, ohne Randverdunkelung.</translation>
    </message>
    <message>
        <source>Site %1°%2 %3°%4</source>
        <extracomment>%1 latitude, %2 N or S, %3 longitude, %4 E or W</extracomment>
        <translation>Beobachtungsort %1°%2 %3°%4</translation>
    </message>
</context>
<context>
    <name>kelvra::MainPictures</name>
    <message>
        <source>Now</source>
        <extracomment>The button that sets the date and time to the present; 43 pixels wide.</extracomment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Interval</source>
        <extracomment>The animation&apos;s step, the caption of its little dialog.</extracomment>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsExport</name>
    <message>
        <source>%1 transit</source>
        <translation>%1-Durchgang</translation>
    </message>
    <message>
        <source>%1 occultation</source>
        <translation>%1-Bedeckung</translation>
    </message>
    <message>
        <source>%1 shadow transit</source>
        <translation>%1-Schattendurchgang</translation>
    </message>
    <message>
        <source>%1 eclipse</source>
        <translation>%1-Verfinsterung</translation>
    </message>
    <message>
        <source>%1 of the light</source>
        <extracomment>A penumbral eclipse&apos;s magnitude, %1 &quot;Q31%&quot;: a share of the moon&apos;s light.</extracomment>
        <translation>%1 des Lichts</translation>
    </message>
    <message>
        <source>light falls</source>
        <translation>Lichtabfall</translation>
    </message>
    <message>
        <source>umbra start</source>
        <translation>Beginn Kernschatten</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>maximum %1</source>
        <extracomment>A mutual event&apos;s maximum, %1 its magnitude and light lost.</extracomment>
        <translation>Maximum %1</translation>
    </message>
    <message>
        <source>umbra end</source>
        <translation>Ende Kernschatten</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>light whole</source>
        <translation>Licht wieder voll</translation>
    </message>
    <message>
        <source>%1, maximum %2; %3</source>
        <extracomment>A mutual event in words: %1 &quot;Europa occults Io&quot;, %2 its magnitude and light lost, %3 its contacts&apos; times.</extracomment>
        <translation>%1, Maximum %2; %3</translation>
    </message>
    <message>
        <source>The events could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>Die Ereignisse konnten nicht exportiert werden.
„%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsList</name>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>annular</source>
        <translation>ringförmig</translation>
    </message>
    <message>
        <source>penumbral, %1 of the light, not the diameter</source>
        <extracomment>%1 the share of the moon&apos;s light lost, &quot;Q31%&quot;.</extracomment>
        <translation>Halbschatten, %1 des Lichts, nicht des Durchmessers</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>%1 the share of the moon&apos;s diameter covered, &quot;45%&quot;.</extracomment>
        <translation>Größe %1</translation>
    </message>
    <message>
        <source>of %1&apos;s light</source>
        <extracomment>Whose light a mutual eclipse takes: %1 the eclipsed moon.</extracomment>
        <translation>des Lichts von %1</translation>
    </message>
    <message>
        <source>of the pair&apos;s light</source>
        <translation>des Lichts beider Monde</translation>
    </message>
    <message>
        <source>%1: %2, %3
%4
light lost at maximum: %5% %6, %7</source>
        <extracomment>A mutual event&apos;s tooltip: %1 code, %2 what happens, %3 magnitude; %4 the contacts&apos; times; %5 per cent of light lost, %6 whose light, %7 &quot;Δm 0.52 eye&quot;.</extracomment>
        <translation>%1: %2, %3
%4
Lichtverlust im Maximum: %5 % %6, %7</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Keine Ereignisse</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate</source>
        <translation>Außerhalb 1900-2100: ungenauer</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsPage</name>
    <message>
        <source>limb</source>
        <extracomment>The page&apos;s short mark of a moon at the edge of Jupiter&apos;s disc (fits a narrow column).</extracomment>
        <translation>Rand</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The page&apos;s short mark of a moon in front of Jupiter&apos;s disc.</extracomment>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Moon Events: %1 %2</source>
        <extracomment>The page&apos;s title: %1 the month&apos;s name, %2 the year.</extracomment>
        <translation>Ereignisse der Jupitermonde: %1 %2</translation>
    </message>
    <message>
        <source>Mutual events: day, start, maximum, end, code (2O1 Europa occults Io, 3E1 Ganymede eclipses Io), magnitude (T total, A annular</source>
        <extracomment>The legend&apos;s start; the codes and the letters T, A (and Q) stay as printed. The legend goes on with the next two parts: mind the open parenthesis.</extracomment>
        <translation>Gegenseitige Ereignisse: Tag, Beginn, Maximum, Ende, Code (2O1 Europa bedeckt Io, 3E1 Ganymed verfinstert Io), Größe (T total, A ringförmig</translation>
    </message>
    <message>
        <source>, Q penumbral: the light lost, not the diameter). Eclipses add the light&apos;s fall before the start and its return after the end</source>
        <extracomment>Added after &quot;A annular&quot; in a month with eclipses; it closes the parenthesis.</extracomment>
        <translation>, Q Halbschatten: der Lichtverlust, nicht der Durchmesser). Verfinsterungen nennen dazu den Lichtabfall vor dem Beginn und die Rückkehr des Lichts nach dem Ende</translation>
    </message>
    <message>
        <source>), Δm the drop in magnitude at maximum and who sees it (eye 0.5 or more, photometry 0.1 to 0.5, graze under 0.1).</source>
        <extracomment>The legend&apos;s next part; its &quot;)&quot; closes the magnitude&apos;s parenthesis. eye, photometry, graze: the words printed after Δm.</extracomment>
        <translation>), Δm der Helligkeitsabfall in Größenklassen im Maximum und wer ihn sieht (Auge ab 0.5, Photometrie 0.1 bis 0.5, streifend unter 0.1).</translation>
    </message>
    <message>
        <source> A time on another day than the maximum&apos;s has its day.</source>
        <translation> Eine Zeit an einem anderen Tag als dem des Maximums steht mit ihrem Tag.</translation>
    </message>
    <message>
        <source> limb, disc: the moon at Jupiter&apos;s limb or on its disc.</source>
        <extracomment>limb, disc: the marks printed after a magnitude, as translated there.</extracomment>
        <translation> Rand, Scheibe: der Mond am Jupiterrand oder vor der Jupiterscheibe.</translation>
    </message>
    <message>
        <source>, visible events only</source>
        <translation>, nur sichtbare Ereignisse</translation>
    </message>
    <message>
        <source>Times to the minute at the first and last contact with the disc or its shadow; hidden instants left out.</source>
        <translation>Zeiten auf die Minute beim ersten und letzten Kontakt mit der Scheibe oder ihrem Schatten; verborgene Zeitpunkte ausgelassen.</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate.</source>
        <translation>Außerhalb 1900-2100: ungenauer.</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsSky</name>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5, Sun ≤ %6</source>
        <extracomment>The site: %1°%2 latitude and N/S, %3°%4 longitude and E/W (letters kept), %5 the least altitude of Jupiter, %6 the greatest of the Sun for an event to count as visible.</extracomment>
        <translation>%1°%2 %3°%4, Jupiter ≥ %5, Sonne ≤ %6</translation>
    </message>
    <message>
        <source>Jupiter %1, Sun %2</source>
        <extracomment>Altitudes above the horizon: %1 Jupiter&apos;s, %2 the Sun&apos;s, &quot;34.2°&quot;.</extracomment>
        <translation>Jupiter %1, Sonne %2</translation>
    </message>
    <message>
        <source>Up all day, Tr %1</source>
        <extracomment>Jupiter never sets that day; Tr: its transit of the meridian, %1 its time. Short: the list&apos;s top line.</extracomment>
        <translation>Stets über Horizont, Tr %1</translation>
    </message>
    <message>
        <source>Below the horizon all day</source>
        <extracomment>Jupiter never rises that day. Short: the list&apos;s top line.</extracomment>
        <translation>Ganztags unter Horizont</translation>
    </message>
    <message>
        <source>Rise %1 Tr %2 Set %3</source>
        <extracomment>Jupiter&apos;s rise, transit of the meridian and set that day (times). Short: the list&apos;s top line, 160 pixels wide.</extracomment>
        <translation>Auf %1 Tr %2 Unt %3</translation>
    </message>
</context>
<context>
    <name>kelvra::ObservingLog</name>
    <message>
        <source>it is not a regular file</source>
        <translation>sie keine gewöhnliche Datei ist</translation>
    </message>
    <message>
        <source>it cannot be read or written</source>
        <translation>sie weder gelesen noch geschrieben werden kann</translation>
    </message>
    <message>
        <source>it is not an observing log</source>
        <translation>sie kein Beobachtungsprotokoll ist</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie beschädigt ist</translation>
    </message>
    <message>
        <source>it is another program&apos;s database, or a newer version&apos;s log</source>
        <translation>sie die Datenbank eines anderen Programms oder das Protokoll einer neueren Version ist</translation>
    </message>
    <message>
        <source> The stamps are kept only until Kelvra95 ends: export them as CSV before you close it.</source>
        <extracomment>After a sentence saying why the log cannot be kept in a file (it starts with a space).</extracomment>
        <translation> Die Zeitmarken bleiben nur erhalten, bis Kelvra95 endet: Exportieren Sie sie vor dem Beenden als CSV.</translation>
    </message>
    <message>
        <source>%1 is kept as it is, since %2. The observing log is written to: %3</source>
        <extracomment>%1 a file that is not this program&apos;s log, %2 why (&quot;it is damaged&quot;), %3 the log&apos;s file.</extracomment>
        <translation>Die Datei %1 bleibt unverändert, weil %2. Das Beobachtungsprotokoll wird hierhin geschrieben: %3</translation>
    </message>
    <message>
        <source>%1 is not a time: write it as 2026-12-09 17:03:12.3, in UT.</source>
        <extracomment>%1 what was typed; the example&apos;s form is the one read, whatever the language.</extracomment>
        <translation>%1 ist keine Zeit: Schreiben Sie sie als 2026-12-09 17:03:12.3, in UT.</translation>
    </message>
    <message>
        <source>The observing log could not be exported.
Cannot write %1.</source>
        <translation>Das Beobachtungsprotokoll konnte nicht exportiert werden.
%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The observing log cannot be written in %1.</source>
        <extracomment>%1 the folders tried, joined by &quot; nor in &quot;.</extracomment>
        <translation>Das Beobachtungsprotokoll kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source> nor in </source>
        <translation> und nicht in </translation>
    </message>
    <message>
        <source>No observing log could be made in %1.</source>
        <translation>In %1 konnte kein Beobachtungsprotokoll angelegt werden.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <extracomment>%1 the log&apos;s file, %2 the database&apos;s own words for the failure.</extracomment>
        <translation>%1 konnte nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>kelvra::ObservingLogDialog</name>
    <message>
        <source>%1 %2 (%3 UT)</source>
        <extracomment>A contact offered for a stamp: %1 its code &quot;I.Sh.I&quot;, %2 its phase &quot;ingress&quot;, %3 its time.</extracomment>
        <translation>%1 %2 (%3 UT)</translation>
    </message>
    <message>
        <source>Kelvra95 – Observing log</source>
        <translation>Kelvra95 – Beobachtungsprotokoll</translation>
    </message>
    <message>
        <source>Observed UT</source>
        <translation>Beobachtet (UT)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Predicted UT</source>
        <translation>Vorhergesagt (UT)</translation>
    </message>
    <message>
        <source>O−C (s)</source>
        <extracomment>Observed minus computed time, in seconds.</extracomment>
        <translation>B−R (s)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Observing log</source>
        <translation>Beobachtungsprotokoll</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Kept in memory for this run</source>
        <translation>Nur für diesen Lauf im Speicher</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Delete the timing of %1 UT?</source>
        <translation>Die Zeitnahme von %1 UT löschen?</translation>
    </message>
    <message>
        <source>Export the observing log</source>
        <translation>Beobachtungsprotokoll exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <extracomment>The file box&apos;s filter; keep &quot;(*.csv)&quot;.</extracomment>
        <translation>CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>kelvra::OpenDocument</name>
    <message>
        <source>No program could open the Help File. Open it in a web browser:
%1</source>
        <translation>Kein Programm konnte die Hilfedatei öffnen. Öffnen Sie sie in einem Webbrowser:
%1</translation>
    </message>
</context>
<context>
    <name>kelvra::PageLayout</name>
    <message>
        <source>The page could not be printed.
%1</source>
        <translation>Die Seite konnte nicht gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>No printer is available - save the page as a PDF</source>
        <translation>Kein Drucker verfügbar - Seite als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be saved as a PDF.
Cannot write &quot;%1&quot;.</source>
        <translation>Die Seite konnte nicht als PDF gespeichert werden.
&quot;%1&quot; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Printed by Kelvra95 V1.14  (%1)</source>
        <extracomment>The page&apos;s footer; %1 is the program&apos;s web address.</extracomment>
        <translation>Gedruckt mit Kelvra95 V1.14  (%1)</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Der Drucker &quot;%1&quot; konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The printing system reported an error.</source>
        <translation>Das Drucksystem hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>[Universal Time]</source>
        <translation>[Weltzeit]</translation>
    </message>
    <message>
        <source>[Local Time, UTC%1%2:%3]</source>
        <extracomment>The page&apos;s clock: the sign, the hours and the minutes of its offset from UT.</extracomment>
        <translation>[Ortszeit, UTC%1%2:%3]</translation>
    </message>
</context>
<context>
    <name>kelvra::Pictures</name>
    <message>
        <source>LOC</source>
        <extracomment>The clock button&apos;s face, 3 letters at most: local time.</extracomment>
        <translation>OZ</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioModel</name>
    <message>
        <source>Jupiter radio %1</source>
        <extracomment>A calendar entry&apos;s title: %1 the source region (&quot;Io-B&quot;, &quot;non-Io-A&quot;)</extracomment>
        <translation>Jupiter-Radio %1</translation>
    </message>
    <message>
        <source>Jupiter radio %1 until %2, in daylight</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;), %2 the time its window ends</extracomment>
        <translation>Jupiter-Radio %1 bis %2, bei Tageslicht</translation>
    </message>
    <message>
        <source>Jupiter radio %1 until %2</source>
        <translation>Jupiter-Radio %1 bis %2</translation>
    </message>
    <message>
        <source>%1 start</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;): its window opens</extracomment>
        <translation>%1 Beginn</translation>
    </message>
    <message>
        <source>%1 end</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;): its window closes</extracomment>
        <translation>%1 Ende</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioPage</name>
    <message>
        <source>Jupiter&apos;s Radio Windows: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Jupiters Radiofenster: %1 %2</translation>
    </message>
    <message>
        <source>the month&apos;s track</source>
        <translation>Spur des Monats</translation>
    </message>
    <message>
        <source>the track of the night from %1-%2-%3 12:00</source>
        <extracomment>%1-%2-%3 the year, month and day the night begins, at noon</extracomment>
        <translation>Spur der Nacht ab %1-%2-%3 12:00</translation>
    </message>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5°, visible only</source>
        <extracomment>%1 latitude, %2 N or S, %3 longitude, %4 E or W, %5 Jupiter&apos;s least altitude</extracomment>
        <translation>%1°%2 %3°%4, Jupiter ≥ %5°, nur sichtbare</translation>
    </message>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5°</source>
        <translation>%1°%2 %3°%4, Jupiter ≥ %5°</translation>
    </message>
    <message>
        <source>Central meridian, System III (degrees)</source>
        <translation>Zentralmeridian, System III (Grad)</translation>
    </message>
    <message>
        <source>Io&apos;s phase (degrees)</source>
        <translation>Phase von Io (Grad)</translation>
    </message>
    <message>
        <source>No windows this month</source>
        <translation>Keine Fenster in diesem Monat</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioPicture</name>
    <message>
        <source>CM III %1  Io %2</source>
        <extracomment>CM III: the central meridian in System III; %1 its longitude, %2 Io&apos;s phase</extracomment>
        <translation>ZM III %1  Io %2</translation>
    </message>
    <message>
        <source>Europa %1  Ganymede %2</source>
        <extracomment>%1 Europa&apos;s phase, %2 Ganymede&apos;s</extracomment>
        <translation>Europa %1  Ganymed %2</translation>
    </message>
    <message>
        <source>Shaded: daylight, 20 MHz often blocked by the ionosphere</source>
        <translation>Hinterlegt: Tageslicht, 20 MHz oft von der Ionosphäre blockiert</translation>
    </message>
    <message>
        <source>Shaded: daylight (ionosphere)</source>
        <translation>Hinterlegt: Tag (Ionosphäre)</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Keine Fenster</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>One letter on a small button: the month&apos;s track</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
</context>
<context>
    <name>kelvra::SettingsKey</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of values: &quot;classic, modern or X&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values: &quot;-90 to 90&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>kelvra::SettingsPlace</name>
    <message>
        <source>%1 is not a regular file; the defaults are used.
The changed settings hold until the program exits.</source>
        <translation>%1 ist keine gewöhnliche Datei; es gelten die Voreinstellungen.
Geänderte Einstellungen gelten bis zum Ende des Programms.</translation>
    </message>
    <message>
        <source>%1 is read-only; the settings are not saved to it.
The changed settings hold until the program exits.</source>
        <translation>%1 ist schreibgeschützt; die Einstellungen werden nicht darin gespeichert.
Geänderte Einstellungen gelten bis zum Ende des Programms.</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1.
The changed settings hold until the program exits.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden in
%1.
Geänderte Einstellungen gelten bis zum Ende des Programms.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
</context>
<context>
    <name>kelvra::SideWindowForm</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Local time</source>
        <extracomment>The menu entry that switches the window between local time and Universal Time.</extracomment>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Universal or local time</source>
        <translation>Weltzeit oder Ortszeit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1, %2 %3, local time</source>
        <extracomment>The list&apos;s accessible name: the window, the month&apos;s name, the year.</extracomment>
        <translation>%1, %2 %3, Ortszeit</translation>
    </message>
    <message>
        <source>%1, %2 %3, Universal Time</source>
        <translation>%1, %2 %3, Weltzeit</translation>
    </message>
</context>
<context>
    <name>kelvra::SideWindowKind</name>
    <message>
        <source>Great Red Spot transits</source>
        <translation>Durchgänge des Großen Roten Flecks</translation>
    </message>
    <message>
        <source>Red Spot</source>
        <translation>Roter Fleck</translation>
    </message>
    <message>
        <source>Satellite tracks</source>
        <translation>Bahnen der Monde</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Bahnen</translation>
    </message>
    <message>
        <source>Light curve</source>
        <translation>Lichtkurve</translation>
    </message>
    <message>
        <source>Radio storms</source>
        <translation>Radiostürme</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Moon events</source>
        <translation>Mondereignisse</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
</context>
<context>
    <name>kelvra::SiteSettings</name>
    <message>
        <source>%1: %2 = %3 is outside %4 and is ignored</source>
        <extracomment>A value in the settings file: the file, the key, the value, the range.</extracomment>
        <translation>%1: %2 = %3 liegt außerhalb des Bereichs %4 und wird ignoriert</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a number from %4 and is ignored</source>
        <translation>%1: %2 = %3 ist keine Zahl im Bereich %4 und wird ignoriert</translation>
    </message>
</context>
<context>
    <name>kelvra::SkinWords</name>
    <message>
        <source>Version 1.14</source>
        <translation>Version 1.14</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>GRS Longitude</source>
        <translation>Länge des GRF</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>° a month</source>
        <translation>°/Monat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>kelvra::TAboutWin</name>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About Kelvra95</source>
        <translation>Über Kelvra95</translation>
    </message>
</context>
<context>
    <name>kelvra::TGRSLongitude</name>
    <message>
        <source>GRS Longitude</source>
        <translation>Länge des GRF</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Degrees, System II</source>
        <translation>Grad, System II</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Degrees a month</source>
        <translation>Grad pro Monat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The day the longitude held on, year-month-day</source>
        <translation>Der Tag, an dem die Länge galt, Jahr-Monat-Tag</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>„%1“ ist kein gültiges Datum</translation>
    </message>
</context>
<context>
    <name>kelvra::TGRSTransits</name>
    <message>
        <source>Red Spot longitude…</source>
        <translation>Länge des Roten Flecks…</translation>
    </message>
    <message>
        <source>Red Spot at System II longitude %1°</source>
        <translation>Roter Fleck auf Länge %1° in System II</translation>
    </message>
    <message>
        <source>not visible from the site: %1</source>
        <translation>vom Beobachtungsort nicht sichtbar: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s GRS Transits</source>
        <translation>Jupiters GRF-Durchgänge</translation>
    </message>
</context>
<context>
    <name>kelvra::TInterval</name>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Interval in minutes</source>
        <translation>Intervall in Minuten</translation>
    </message>
</context>
<context>
    <name>kelvra::TLightCurve</name>
    <message>
        <source>selected</source>
        <extracomment>The event shown is the one selected in the events list</extracomment>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>going on</source>
        <extracomment>The event shown is going on now</extracomment>
        <translation>läuft</translation>
    </message>
    <message>
        <source>next</source>
        <extracomment>The event shown is the next to come</extracomment>
        <translation>nächstes</translation>
    </message>
    <message>
        <source>Export curve…</source>
        <translation>Kurve exportieren…</translation>
    </message>
    <message>
        <source>No mutual event</source>
        <extracomment>Two lines in the window, the second under the first</extracomment>
        <translation>Kein gegenseitiges Ereignis</translation>
    </message>
    <message>
        <source>within a year</source>
        <translation>innerhalb eines Jahres</translation>
    </message>
    <message>
        <source>local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Weltzeit</translation>
    </message>
    <message>
        <source>Light curve, %1, %2, %3</source>
        <extracomment>%1 the event (&quot;2O1 Europa occults Io&quot;), %2 its date, %3 the time basis</extracomment>
        <translation>Lichtkurve, %1, %2, %3</translation>
    </message>
    <message>
        <source>Light curve, %1</source>
        <extracomment>%1 the time basis</extracomment>
        <translation>Lichtkurve, %1</translation>
    </message>
    <message>
        <source>Light Curve</source>
        <translation>Lichtkurve</translation>
    </message>
    <message>
        <source>There is no mutual event to export within a year.</source>
        <translation>Innerhalb eines Jahres gibt es kein gegenseitiges Ereignis zum Exportieren.</translation>
    </message>
    <message>
        <source>Export the light curve</source>
        <translation>Lichtkurve exportieren</translation>
    </message>
    <message>
        <source>The light curve could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>Die Lichtkurve konnte nicht exportiert werden.
„%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kelvra::TMoonEvents</name>
    <message>
        <source>Kelvra95 – Reminders</source>
        <translation>Kelvra95 – Erinnerungen</translation>
    </message>
    <message>
        <source>Minutes before each event (0: no reminders):</source>
        <translation>Minuten vor jedem Ereignis (0: keine Erinnerungen):</translation>
    </message>
    <message>
        <source>Visible only</source>
        <translation>Nur sichtbare</translation>
    </message>
    <message>
        <source>Only the events visible from the site</source>
        <translation>Nur die vom Beobachtungsort sichtbaren Ereignisse</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Erinnerungen…</translation>
    </message>
    <message>
        <source>Stamp the time</source>
        <translation>Zeitmarke setzen</translation>
    </message>
    <message>
        <source>Observing log…</source>
        <translation>Beobachtungsprotokoll…</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Erinnerung: %1</translation>
    </message>
    <message>
        <source>going on</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>not visible from the site</source>
        <translation>vom Beobachtungsort nicht sichtbar</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Moon Events</source>
        <translation>Ereignisse der Jupitermonde</translation>
    </message>
</context>
<context>
    <name>kelvra::TRadio</name>
    <message>
        <source>The radio windows could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>Die Radiofenster konnten nicht exportiert werden.
„%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Visible only</source>
        <translation>Nur sichtbare</translation>
    </message>
    <message>
        <source>Only the windows Jupiter is up for at the site</source>
        <translation>Nur die Fenster, in denen Jupiter am Beobachtungsort über dem Horizont steht</translation>
    </message>
    <message>
        <source>Month&apos;s track</source>
        <translation>Spur des Monats</translation>
    </message>
    <message>
        <source>The night&apos;s or the month&apos;s track</source>
        <translation>Spur der Nacht oder des Monats</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Io&apos;s phase up, the central meridian in System III across, the regions Io-A to Io-D boxed, the non-Io bands behind; the month&apos;s track</source>
        <translation>Phase von Io nach oben, Zentralmeridian in System III nach rechts, die Bereiche Io-A bis Io-D umrahmt, die non-Io-Bänder dahinter; die Spur des Monats</translation>
    </message>
    <message>
        <source>Io&apos;s phase up, the central meridian in System III across, the regions Io-A to Io-D boxed, the non-Io bands behind; the night&apos;s track</source>
        <translation>Phase von Io nach oben, Zentralmeridian in System III nach rechts, die Bereiche Io-A bis Io-D umrahmt, die non-Io-Bänder dahinter; die Spur der Nacht</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Keine Fenster</translation>
    </message>
    <message>
        <source>going on</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>Jupiter below its least altitude</source>
        <translation>Jupiter unter seiner Mindesthöhe</translation>
    </message>
    <message>
        <source>in daylight: the ionosphere often blocks it</source>
        <translation>bei Tageslicht: die Ionosphäre blockiert oft</translation>
    </message>
    <message>
        <source>Export the month&apos;s radio windows</source>
        <translation>Radiofenster des Monats exportieren</translation>
    </message>
</context>
<context>
    <name>kelvra::TSatTracks</name>
    <message>
        <source>Day 1 at the top, a row each half hour, odd days banded: each moon&apos;s distance east or west of Jupiter, the band down the middle, west on the left; Io white, Europa yellow, Ganymede orange, Callisto light blue</source>
        <translation>Tag 1 oben, eine Zeile je halbe Stunde, ungerade Tage hinterlegt: der Abstand jedes Mondes östlich oder westlich von Jupiter, das Band in der Mitte, Westen links; Io weiß, Europa gelb, Ganymed orange, Kallisto hellblau</translation>
    </message>
    <message>
        <source>Day 1 at the top, a row each half hour, odd days banded: each moon&apos;s distance east or west of Jupiter, the band down the middle, east on the left; Io white, Europa yellow, Ganymede orange, Callisto light blue</source>
        <translation>Tag 1 oben, eine Zeile je halbe Stunde, ungerade Tage hinterlegt: der Abstand jedes Mondes östlich oder westlich von Jupiter, das Band in der Mitte, Osten links; Io weiß, Europa gelb, Ganymed orange, Kallisto hellblau</translation>
    </message>
</context>
<context>
    <name>kelvra::TSiteDialog</name>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>° north</source>
        <translation>° Nord</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>° east</source>
        <translation>° Ost</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Jupiter&apos;s least altitude</source>
        <translation>Mindesthöhe Jupiters</translation>
    </message>
    <message>
        <source>Sun&apos;s greatest altitude</source>
        <translation>Höchste Sonnenhöhe</translation>
    </message>
    <message>
        <source>Observing site</source>
        <translation>Beobachtungsort</translation>
    </message>
    <message>
        <source>Enter keeps, Escape cancels.
No site: empty latitude and longitude.</source>
        <translation>Enter übernimmt, Escape bricht ab.
Kein Beobachtungsort: Breite und Länge leer lassen.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3</source>
        <extracomment>%1 the field&apos;s name as the dialog shows it, %2 and %3 the ends of its range.</extracomment>
        <translation>%1 muss zwischen %2 und %3 liegen</translation>
    </message>
</context>
<context>
    <name>kelvra::TViewer</name>
    <message>
        <source>Hour must lie between 0 and %1</source>
        <translation>Die Stunde muss zwischen 0 und %1 liegen</translation>
    </message>
    <message>
        <source>Minute must lie between 0 and %1</source>
        <translation>Die Minute muss zwischen 0 und %1 liegen</translation>
    </message>
    <message>
        <source>Second must lie between 0 and %1</source>
        <translation>Die Sekunde muss zwischen 0 und %1 liegen</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Real time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Animate…</source>
        <translation>Animieren…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Magnify</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Southern hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Halbkugel</translation>
    </message>
    <message>
        <source>Modern positions</source>
        <translation>Moderne Positionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Observing site…</source>
        <translation>Beobachtungsort…</translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>The four orbits seen from above Jupiter&apos;s north pole, the Earth below</source>
        <translation>Die vier Bahnen von oberhalb des Jupiter-Nordpols gesehen, die Erde unten</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>Beside the day, month and year fields: about five letters at most.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Beside the hour, minute and second fields: about five letters at most.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>View:</source>
        <extracomment>Beside the list of instruments (telescope, binoculars, star diagonal): five letters.</extracomment>
        <translation>Optik</translation>
    </message>
    <message>
        <source>Astro Scope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Binoculars</source>
        <translation>Fernglas</translation>
    </message>
    <message>
        <source>Star Diagonal</source>
        <translation>Zenitspiegel</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Optik</translation>
    </message>
    <message>
        <source>The instrument the views are drawn for</source>
        <translation>Das Instrument, für das die Ansichten gezeichnet werden</translation>
    </message>
    <message>
        <source>Central Meridian</source>
        <translation>Zentralmeridian</translation>
    </message>
    <message>
        <source>System I:</source>
        <translation>System I:</translation>
    </message>
    <message>
        <source>System II:</source>
        <translation>System II:</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Abstände</translation>
    </message>
    <message>
        <source>Angle from Inferior Conj. (degrees)</source>
        <extracomment>Three short lines, each about 14 letters at most.</extracomment>
        <translation>Winkel ab unterer Konj. (Grad)</translation>
    </message>
    <message>
        <source>N - S</source>
        <extracomment>The panel&apos;s north-south heading, over the values&apos; N and S marks: keep the letters.</extracomment>
        <translation>N - S</translation>
    </message>
    <message>
        <source>E - W</source>
        <extracomment>The panel&apos;s east-west heading, over the values&apos; E and W marks: keep the letters.</extracomment>
        <translation>E - W</translation>
    </message>
    <message>
        <source>Modern positions</source>
        <comment>data panel caption: two lines of 8 letters</comment>
        <translation>Moderne Theorie</translation>
    </message>
    <message>
        <source>North down, east left</source>
        <translation>Norden unten, Osten links</translation>
    </message>
    <message>
        <source>North up, east left</source>
        <translation>Norden oben, Osten links</translation>
    </message>
    <message>
        <source>North down, east right</source>
        <translation>Norden unten, Osten rechts</translation>
    </message>
    <message>
        <source>North up, east right</source>
        <translation>Norden oben, Osten rechts</translation>
    </message>
    <message>
        <source>crossing Jupiter&apos;s disc</source>
        <translation>im Durchgang vor der Jupiterscheibe</translation>
    </message>
    <message>
        <source>hidden behind Jupiter</source>
        <translation>hinter Jupiter verborgen</translation>
    </message>
    <message>
        <source>in front of Jupiter</source>
        <translation>vor Jupiter</translation>
    </message>
    <message>
        <source>behind Jupiter</source>
        <translation>hinter Jupiter</translation>
    </message>
    <message>
        <source>beyond the view&apos;s edge</source>
        <translation>jenseits des Bildrands</translation>
    </message>
    <message>
        <source>in Jupiter&apos;s shadow</source>
        <translation>im Schatten Jupiters</translation>
    </message>
    <message>
        <source>its shadow on the disc</source>
        <translation>sein Schatten auf der Scheibe</translation>
    </message>
    <message>
        <source>%1% of its light in another moon&apos;s shadow</source>
        <translation>%1 % seines Lichts im Schatten eines anderen Mondes</translation>
    </message>
    <message>
        <source>behind %1</source>
        <extracomment>%1 is the moon in front.</extracomment>
        <translation>hinter %1</translation>
    </message>
    <message>
        <source>%1 %2 radii west, %3</source>
        <extracomment>%1 the moon, %2 its distance in Jupiter&apos;s radii, %3 where it stands (&quot;in front of Jupiter&quot;, ...).</extracomment>
        <translation>%1 %2 Radien westlich, %3</translation>
    </message>
    <message>
        <source>%1 %2 radii east, %3</source>
        <translation>%1 %2 Radien östlich, %3</translation>
    </message>
    <message>
        <source>System I: %1°</source>
        <translation>System I: %1°</translation>
    </message>
    <message>
        <source>System II: %1°</source>
        <translation>System II: %1°</translation>
    </message>
    <message>
        <source>%1 north-south: %2 radii%3</source>
        <extracomment>%1 the moon, %2 the distance, %3 its N or S mark.</extracomment>
        <translation>%1 Nord-Süd: %2 Radien%3</translation>
    </message>
    <message>
        <source>%1 east-west: %2 radii%3</source>
        <extracomment>%1 the moon, %2 the distance, %3 its E or W mark.</extracomment>
        <translation>%1 Ost-West: %2 Radien%3</translation>
    </message>
    <message>
        <source>%1 angle from inferior conjunction: %2°</source>
        <translation>%1 Winkel ab unterer Konjunktion: %2°</translation>
    </message>
    <message>
        <source>Northern</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <source>Southern</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <source>Eyepiece view</source>
        <translation>Okularansicht</translation>
    </message>
</context>
<context>
    <name>kelvra::TracksPage</name>
    <message>
        <source>an Astronomical Telescope</source>
        <extracomment>Completes &quot;[As viewed through %1 - ...]&quot;</extracomment>
        <translation>ein astronomisches Teleskop</translation>
    </message>
    <message>
        <source>Binoculars</source>
        <translation>ein Fernglas</translation>
    </message>
    <message>
        <source>a Star Diagonal</source>
        <translation>einen Zenitspiegel</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Satellites: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Jupitermonde: %1 %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Weltzeit</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <source>[As viewed through %1 - %2 - %3]</source>
        <extracomment>%1 the instrument (&quot;an Astronomical Telescope&quot;), %2 the time basis, %3 the hemisphere</extracomment>
        <translation>[Gesehen durch %1 - %2 - %3]</translation>
    </message>
</context>
</TS>
