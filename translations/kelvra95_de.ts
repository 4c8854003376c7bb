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
        <source>No events</source>
        <translation>Keine Ereignisse</translation>
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
    <name>kelvra::EntryField</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
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
</TS>
