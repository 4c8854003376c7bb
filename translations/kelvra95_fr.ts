<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>kelvra::CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>stray argument &apos;%1&apos;</source>
        <translation>argument en trop &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>kelvra::CommandLists</name>
    <message>
        <source>&apos;%1&apos; is not a month YYYY-MM nor a day YYYY-MM-DD</source>
        <translation>&apos;%1&apos; n&apos;est ni un mois YYYY-MM ni un jour YYYY-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month YYYY-MM</source>
        <translation>&apos;%1&apos; n&apos;est pas un mois YYYY-MM</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number from %3 (a point as the decimal separator)</source>
        <extracomment>&quot;latitude &apos;x&apos; is not a number from -90 to 90 (...)&quot;: the value&apos;s name, the text, the range.</extracomment>
        <translation>%1 &apos;%2&apos; n&apos;est pas un nombre de la plage %3 (avec un point comme séparateur décimal)</translation>
    </message>
    <message>
        <source>site &apos;%1&apos; is not LAT,LON or LAT,LON,HEIGHT</source>
        <translation>le lieu d&apos;observation &apos;%1&apos; n&apos;a pas la forme LAT,LON ou LAT,LON,HEIGHT</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altitude</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2%3&apos;</source>
        <translation>%1: option inconnue &apos;%2%3&apos;</translation>
    </message>
    <message>
        <source>%1: the month is missing (YYYY-MM or YYYY-MM-DD)</source>
        <translation>%1: le mois manque (YYYY-MM ou YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>%1: the month is missing (YYYY-MM)</source>
        <translation>%1: le mois manque (YYYY-MM)</translation>
    </message>
    <message>
        <source>%1: stray argument &apos;%2&apos;</source>
        <translation>%1: argument en trop &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: --utc and --local exclude each other</source>
        <translation>%1: --utc et --local s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>format &apos;%1&apos; is not one of %2</source>
        <translation>le format &apos;%1&apos; n&apos;est pas l&apos;un de %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output demande un nom de fichier</translation>
    </message>
    <message>
        <source>Site %1; visible only</source>
        <translation>Lieu d&apos;observation %1 ; visibles seulement</translation>
    </message>
    <message>
        <source>Site %1</source>
        <translation>Lieu d&apos;observation %1</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate</source>
        <translation>Hors de 1900-2100 : moins précis</translation>
    </message>
    <message>
        <source>%1  not visible from the site</source>
        <extracomment>An event&apos;s line, then two spaces and the note.</extracomment>
        <translation>%1  invisible du lieu d&apos;observation</translation>
    </message>
    <message>
        <source>--visible needs a site: give --site LAT,LON[,HEIGHT] or set one in the program</source>
        <translation>--visible demande un lieu d&apos;observation : donnez --site LAT,LON[,HEIGHT] ou choisissez-en un dans le programme</translation>
    </message>
    <message>
        <source>Moon events %1, %2</source>
        <extracomment>The list&apos;s first line: the month (2026-12) and the clock.</extracomment>
        <translation>Phénomènes des satellites %1, %2</translation>
    </message>
    <message>
        <source>Moon events, the night of %1 (noon to noon), %2</source>
        <extracomment>The list&apos;s first line: the day (2026-12-08) and the clock.</extracomment>
        <translation>Phénomènes des satellites, nuit du %1 (de midi à midi), %2</translation>
    </message>
    <message>
        <source>longitude &apos;%1&apos; is not a whole number from 0 to 359</source>
        <translation>la longitude &apos;%1&apos; n&apos;est pas un nombre entier de 0 à 359</translation>
    </message>
    <message>
        <source>Red Spot at System II longitude %1°</source>
        <translation>Tache rouge à la longitude %1° du Système II</translation>
    </message>
    <message>
        <source>Red Spot transit, System II %1°</source>
        <translation>Passage de la Tache rouge, Système II %1°</translation>
    </message>
    <message>
        <source>Red Spot transits %1, %2</source>
        <extracomment>The list&apos;s first line: the month (2026-12) and the clock.</extracomment>
        <translation>Passages de la Tache rouge %1, %2</translation>
    </message>
    <message>
        <source>%1  not visible from the site: %2</source>
        <extracomment>A day&apos;s transits, then two spaces and those not visible.</extracomment>
        <translation>%1  invisibles du lieu d&apos;observation : %2</translation>
    </message>
</context>
<context>
    <name>kelvra::CommandOutput</name>
    <message>
        <source>%1 is not a regular file; the defaults are used</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; les valeurs par défaut s&apos;appliquent</translation>
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
        <translation>Usage : kelvra95 [options]
       kelvra95 events YYYY-MM[-DD] [--utc | --local] [--site LAT,LON[,HEIGHT]]
                       [--visible] [--format text|csv|ics] [--output FILE]
       kelvra95 grs YYYY-MM [--longitude L] [--utc | --local] [--format text|csv]
                    [--output FILE]

Sans sous-commande, Kelvra95 ouvre ses fenêtres : les quatre grands satellites
de Jupiter tels que l&apos;instrument de l&apos;observateur les montre. Les options
propres à Qt (-platform, -style, ...) s&apos;appliquent.

Options :
  -h, --help       ce texte
  -v, --version    la version du programme

Sous-commandes (ni fenêtre ni écran ; les réglages sont lus, jamais écrits) :
  events           les phénomènes des satellites et les phénomènes mutuels du
                   mois, comme la fenêtre des phénomènes les liste ; avec un
                   jour, ceux de cette nuit (de midi à midi sur l&apos;horloge)
  grs              les passages de la Tache rouge du mois, comme la fenêtre GTR
                   les liste, avec la dérive enregistrée
  --utc, --local   l&apos;horloge ; par défaut celle de la fenêtre
  --site LAT,LON[,HEIGHT]
                   le lieu d&apos;observation en degrés (nord et est positifs) et en
                   mètres, avec un point comme séparateur décimal ; par défaut
                   le lieu enregistré, s&apos;il y en a un
  --visible        seulement les phénomènes visibles du lieu d&apos;observation
  --longitude L    la longitude de la Tache rouge dans le Système II, de 0 à 359
                   degrés ; par défaut celle enregistrée
  --format F       text (par défaut), csv ou ics (events) : les fichiers que
                   la fenêtre des phénomènes exporte
  --output FILE    écrit FILE en entier, ou le laisse tel qu&apos;il était

Exemples :
  kelvra95 events 2026-12-08 --local --visible
  kelvra95 events 2026-12 --format ics --output jupiter-2026-12.ics
  kelvra95 grs 2026-12 --format csv

Code de sortie : 0 terminé, 1 le fichier n&apos;a pas pu être écrit, 2 une option ou
une valeur impossible à prendre (signalée sur la sortie d&apos;erreur).
</translation>
    </message>
    <message>
        <source>%1; see kelvra95 --help</source>
        <extracomment>A fault on the command line, pointing to the help; keep &quot;kelvra95 --help&quot;.</extracomment>
        <translation>%1 ; voir kelvra95 --help</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3</source>
        <extracomment>&quot;month 13 is outside 1 to 12&quot;: the value&apos;s name, the value, its range.</extracomment>
        <translation>%1 %2 est hors de la plage %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values: &quot;1 to 12&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>local time (%1)</source>
        <translation>temps local (%1)</translation>
    </message>
    <message>
        <source>Universal Time (%1)</source>
        <translation>temps universel (%1)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;; nothing was written</source>
        <translation>impossible d&apos;écrire « %1 » ; rien n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>kelvra::DateRules</name>
    <message>
        <source>Invalid Date: Following the conversion from the Julian
<byte value="xd"/>Calendar to the Gregorian Calendar, the date following
<byte value="xd"/>4 October 1582 was 15 October 1582. Any date between 
<byte value="xd"/>these has no meaning.</source>
        <translation>Date non valide : lors du passage du calendrier julien
<byte value="xd"/>au calendrier grégorien, le jour suivant le
<byte value="xd"/>4 octobre 1582 fut le 15 octobre 1582. Une date entre
<byte value="xd"/>les deux n&apos;a aucun sens.</translation>
    </message>
    <message>
        <source>Date must lie between 1 and %1</source>
        <translation>Le jour doit être compris entre 1 et %1</translation>
    </message>
</context>
<context>
    <name>kelvra::EntryField</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>kelvra::EventReminders</name>
    <message>
        <source>in %1 min</source>
        <extracomment>Time left until an event, %1 whole minutes (the reminder&apos;s line and notification).</extracomment>
        <translation>dans %1 min</translation>
    </message>
    <message>
        <source>%1 — %2; %3</source>
        <extracomment>A reminder&apos;s notification: %1 &quot;5 21:40 I.Sh.I&quot;, %2 the event in words, %3 &quot;in 10 min&quot;.</extracomment>
        <translation>%1 — %2 ; %3</translation>
    </message>
</context>
<context>
    <name>kelvra::EventWords</name>
    <message>
        <source>start %1, maximum %2, end %3</source>
        <extracomment>A mutual occultation&apos;s contacts: %1 start, %2 maximum, %3 end (times).</extracomment>
        <translation>début %1, maximum %2, fin %3</translation>
    </message>
    <message>
        <source>light falls %1, umbra %2–%3 (maximum %4), light whole %5</source>
        <extracomment>A mutual eclipse: %1 the light starts to fall, %2-%3 the umbra, %4 maximum, %5 the light is whole again (times).</extracomment>
        <translation>baisse de lumière %1, ombre %2–%3 (maximum %4), lumière rétablie %5</translation>
    </message>
    <message>
        <source>light falls %1, maximum %2, light whole %3</source>
        <extracomment>A penumbral mutual eclipse: %1 light starts to fall, %2 maximum, %3 light whole again.</extracomment>
        <translation>baisse de lumière %1, maximum %2, lumière rétablie %3</translation>
    </message>
    <message>
        <source>at Jupiter&apos;s limb</source>
        <extracomment>Where the eclipsed or occulted moon stands: at the edge of Jupiter&apos;s disc.</extracomment>
        <translation>au bord de Jupiter</translation>
    </message>
    <message>
        <source>on Jupiter&apos;s disc</source>
        <extracomment>Where the eclipsed or occulted moon stands: in front of Jupiter&apos;s disc.</extracomment>
        <translation>devant le disque de Jupiter</translation>
    </message>
    <message>
        <source>eye</source>
        <extracomment>Who sees a mutual event&apos;s drop in light: the naked eye at the eyepiece.</extracomment>
        <translation>œil</translation>
    </message>
    <message>
        <source>photometry</source>
        <extracomment>Who sees a mutual event&apos;s drop in light: a camera measuring it.</extracomment>
        <translation>photométrie</translation>
    </message>
    <message>
        <source>graze</source>
        <extracomment>A drop in light barely measurable (a grazing event).</extracomment>
        <translation>rasant</translation>
    </message>
    <message>
        <source>light lost %1%, %2</source>
        <extracomment>%1 per cent of the light lost at maximum, %2 &quot;Δm 0.52 eye&quot;.</extracomment>
        <translation>perte de lumière %1 %, %2</translation>
    </message>
    <message>
        <source>: Jupiter %1°, Sun %2°</source>
        <extracomment>After an instant in a calendar event&apos;s description: %1 Jupiter&apos;s, %2 the Sun&apos;s altitude.</extracomment>
        <translation> : Jupiter %1°, Soleil %2°</translation>
    </message>
    <message>
        <source>Drifting %1° a month</source>
        <extracomment>The Great Red Spot&apos;s drift in longitude: %1 signed degrees, e.g. &quot;+1.5&quot;.</extracomment>
        <translation>Dérive de %1° par mois</translation>
    </message>
    <message>
        <source>Drifting %1° a month from %2</source>
        <extracomment>%1 signed degrees, e.g. &quot;+1.5&quot;; %2 the date it is counted from, 2026-11-15.</extracomment>
        <translation>Dérive de %1° par mois depuis le %2</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganymède</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Callisto</translation>
    </message>
    <message>
        <source>%1 eclipses %2</source>
        <translation>%1 éclipse %2</translation>
    </message>
    <message>
        <source>%1 occults %2</source>
        <translation>%1 occulte %2</translation>
    </message>
    <message>
        <source>ingress</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>egress</source>
        <translation>sortie</translation>
    </message>
    <message>
        <source>disappearance</source>
        <translation>disparition</translation>
    </message>
    <message>
        <source>reappearance</source>
        <translation>réapparition</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>maximum</translation>
    </message>
</context>
<context>
    <name>kelvra::ExportFile</name>
    <message>
        <source>Events</source>
        <extracomment>The word of the file name offered for the month&apos;s events: &quot;Kelvra95 Events 2026-12&quot;.</extracomment>
        <translation>Phénomènes</translation>
    </message>
    <message>
        <source>Export the month&apos;s events</source>
        <translation>Exporter les phénomènes du mois</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>kelvra::GRSDriftSettings</name>
    <message>
        <source>%1: %2 = %3 is not a number from %4 and is ignored</source>
        <extracomment>%1 the settings file, %2 the key, %3 its value, %4 the range (&quot;-9.9 to 9.9&quot;)</extracomment>
        <translation>%1 : %2 = %3 n&apos;est pas un nombre de %4 et est ignoré</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is outside %4 and is ignored</source>
        <translation>%1 : %2 = %3 est en dehors de %4 et est ignoré</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a date from %4 and is ignored; so is %5 = %6</source>
        <translation>%1 : %2 = %3 n&apos;est pas une date de %4 et est ignoré, de même que %5 = %6</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a date from %4 and is ignored</source>
        <translation>%1 : %2 = %3 n&apos;est pas une date de %4 et est ignoré</translation>
    </message>
    <message>
        <source>%1: %2 = %3 has no %4 (a date from %5) and is ignored</source>
        <translation>%1 : %2 = %3 n&apos;a pas de %4 (une date de %5) et est ignoré</translation>
    </message>
</context>
<context>
    <name>kelvra::GRSPage</name>
    <message>
        <source>Jupiter&apos;s GRS Transits: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Passages de la GTR de Jupiter : %1 %2</translation>
    </message>
    <message>
        <source>[Local Time - Red Spot at Jovian System II Logitude %1°]</source>
        <extracomment>%1 the longitude in degrees; &quot;Logitude&quot; is the page&apos;s old spelling of &quot;Longitude&quot;</extracomment>
        <translation>[Temps local - Grande Tache rouge à la longitude %1° (Système II)]</translation>
    </message>
    <message>
        <source>[Universal Time - Red Spot at Jovian System II Logitude %1°]</source>
        <translation>[Temps universel - Grande Tache rouge à la longitude %1° (Système II)]</translation>
    </message>
    <message>
        <source>Drifting %1° a month from %2</source>
        <extracomment>%1 the signed drift in degrees (&quot;+1.5&quot;), %2 the date it counts from (2026-11-15)</extracomment>
        <translation>Dérive %1° par mois depuis le %2</translation>
    </message>
    <message>
        <source>Drifting %1° a month</source>
        <extracomment>%1 the signed drift in degrees (&quot;+1.5&quot;)</extracomment>
        <translation>Dérive %1° par mois</translation>
    </message>
</context>
<context>
    <name>kelvra::JpegLoader</name>
    <message>
        <source>File &quot;%1&quot; is either missing or damaged.<byte value="xd"/>
Contact: %2</source>
        <translation>Le fichier « %1 » est absent ou endommagé.<byte value="xd"/>
Contact : %2</translation>
    </message>
</context>
<context>
    <name>kelvra::Languages</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The new language holds from the next start of Kelvra95.</source>
        <translation>La nouvelle langue s’applique au prochain démarrage de Kelvra95.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>kelvra::LightCurveModel</name>
    <message>
        <source>%1 %2 eclipses %3</source>
        <extracomment>%1 the event&apos;s code (&quot;3E2&quot;), which stays first and is followed by a space; %2 and %3 moons</extracomment>
        <translation>%1 %2 éclipse %3</translation>
    </message>
    <message>
        <source>%1 %2 occults %3</source>
        <translation>%1 %2 occulte %3</translation>
    </message>
    <message>
        <source>Light falls %1</source>
        <extracomment>%1 the time the eclipsed moon&apos;s light begins to fall</extracomment>
        <translation>Début de baisse %1</translation>
    </message>
    <message>
        <source>Umbra %1–%2</source>
        <extracomment>%1 and %2 the times the moon enters and leaves the umbra</extracomment>
        <translation>Ombre %1–%2</translation>
    </message>
    <message>
        <source>Maximum %1</source>
        <translation>Maximum %1</translation>
    </message>
    <message>
        <source>Light whole %1</source>
        <extracomment>%1 the time the eclipsed moon&apos;s light is whole again</extracomment>
        <translation>Lumière rétablie %1</translation>
    </message>
    <message>
        <source>Start %1</source>
        <translation>Début %1</translation>
    </message>
    <message>
        <source>End %1</source>
        <translation>Fin %1</translation>
    </message>
    <message>
        <source>Duration %1 min</source>
        <translation>Durée %1 min</translation>
    </message>
    <message>
        <source>Depth %1% of %2&apos;s light</source>
        <extracomment>%1 the per cent of light lost at the maximum, %2 the eclipsed moon</extracomment>
        <translation>Profondeur %1 % (%2)</translation>
    </message>
    <message>
        <source>Depth %1% of the pair&apos;s light</source>
        <translation>Profondeur %1 % (les deux)</translation>
    </message>
    <message>
        <source>Grey: Jupiter below %1° or the Sun above %2°</source>
        <translation>Gris : Jupiter sous %1° ou Soleil au-dessus de %2°</translation>
    </message>
</context>
<context>
    <name>kelvra::LightCurvePage</name>
    <message>
        <source>Light Curve of a Mutual Event</source>
        <translation>Courbe de lumière d&apos;un phénomène mutuel</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Temps local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Temps universel</translation>
    </message>
    <message>
        <source>No mutual event within a year.</source>
        <translation>Aucun phénomène mutuel d&apos;ici un an.</translation>
    </message>
    <message>
        <source>Flux 1 outside the event; uniform discs, no limb darkening.</source>
        <translation>Flux 1 hors du phénomène ; disques uniformes, sans assombrissement centre-bord.</translation>
    </message>
    <message>
        <source>Site %1°%2 %3°%4</source>
        <extracomment>%1 latitude, %2 N or S, %3 longitude, %4 E or W</extracomment>
        <translation>Lieu d&apos;observation %1°%2 %3°%4</translation>
    </message>
</context>
<context>
    <name>kelvra::MainPictures</name>
    <message>
        <source>Now</source>
        <extracomment>The button that sets the date and time to the present; 43 pixels wide.</extracomment>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Interval</source>
        <extracomment>The animation&apos;s step, the caption of its little dialog.</extracomment>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsExport</name>
    <message>
        <source>%1 transit</source>
        <translation>%1 : passage</translation>
    </message>
    <message>
        <source>%1 occultation</source>
        <translation>%1 : occultation</translation>
    </message>
    <message>
        <source>%1 shadow transit</source>
        <translation>%1 : passage de l&apos;ombre</translation>
    </message>
    <message>
        <source>%1 eclipse</source>
        <translation>%1 : éclipse</translation>
    </message>
    <message>
        <source>%1 of the light</source>
        <extracomment>A penumbral eclipse&apos;s magnitude, %1 &quot;Q31%&quot;: a share of the moon&apos;s light.</extracomment>
        <translation>%1 de la lumière</translation>
    </message>
    <message>
        <source>light falls</source>
        <translation>baisse de lumière</translation>
    </message>
    <message>
        <source>umbra start</source>
        <translation>début de l&apos;ombre</translation>
    </message>
    <message>
        <source>start</source>
        <translation>début</translation>
    </message>
    <message>
        <source>maximum %1</source>
        <extracomment>A mutual event&apos;s maximum, %1 its magnitude and light lost.</extracomment>
        <translation>maximum %1</translation>
    </message>
    <message>
        <source>umbra end</source>
        <translation>fin de l&apos;ombre</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>light whole</source>
        <translation>lumière rétablie</translation>
    </message>
    <message>
        <source>%1, maximum %2; %3</source>
        <extracomment>A mutual event in words: %1 &quot;Europa occults Io&quot;, %2 its magnitude and light lost, %3 its contacts&apos; times.</extracomment>
        <translation>%1, maximum %2 ; %3</translation>
    </message>
    <message>
        <source>The events could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>Les phénomènes n&apos;ont pas pu être exportés.
Impossible d&apos;écrire « %1 ».</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsList</name>
    <message>
        <source>total</source>
        <translation>totale</translation>
    </message>
    <message>
        <source>annular</source>
        <translation>annulaire</translation>
    </message>
    <message>
        <source>penumbral, %1 of the light, not the diameter</source>
        <extracomment>%1 the share of the moon&apos;s light lost, &quot;Q31%&quot;.</extracomment>
        <translation>pénombre, %1 de la lumière, non du diamètre</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>%1 the share of the moon&apos;s diameter covered, &quot;45%&quot;.</extracomment>
        <translation>magnitude %1</translation>
    </message>
    <message>
        <source>of %1&apos;s light</source>
        <extracomment>Whose light a mutual eclipse takes: %1 the eclipsed moon.</extracomment>
        <translation>de la lumière du satellite %1</translation>
    </message>
    <message>
        <source>of the pair&apos;s light</source>
        <translation>de la lumière des deux satellites</translation>
    </message>
    <message>
        <source>%1: %2, %3
%4
light lost at maximum: %5% %6, %7</source>
        <extracomment>A mutual event&apos;s tooltip: %1 code, %2 what happens, %3 magnitude; %4 the contacts&apos; times; %5 per cent of light lost, %6 whose light, %7 &quot;Δm 0.52 eye&quot;.</extracomment>
        <translation>%1 : %2, %3
%4
perte de lumière au maximum : %5 % %6, %7</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Aucun phénomène</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate</source>
        <translation>Hors 1900-2100 : moins précis</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsPage</name>
    <message>
        <source>limb</source>
        <extracomment>The page&apos;s short mark of a moon at the edge of Jupiter&apos;s disc (fits a narrow column).</extracomment>
        <translation>bord</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The page&apos;s short mark of a moon in front of Jupiter&apos;s disc.</extracomment>
        <translation>disque</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Moon Events: %1 %2</source>
        <extracomment>The page&apos;s title: %1 the month&apos;s name, %2 the year.</extracomment>
        <translation>Phénomènes des satellites de Jupiter : %1 %2</translation>
    </message>
    <message>
        <source>Mutual events: day, start, maximum, end, code (2O1 Europa occults Io, 3E1 Ganymede eclipses Io), magnitude (T total, A annular</source>
        <extracomment>The legend&apos;s start; the codes and the letters T, A (and Q) stay as printed. The legend goes on with the next two parts: mind the open parenthesis.</extracomment>
        <translation>Phénomènes mutuels : jour, début, maximum, fin, code (2O1 Europe occulte Io, 3E1 Ganymède éclipse Io), magnitude (T totale, A annulaire</translation>
    </message>
    <message>
        <source>, Q penumbral: the light lost, not the diameter). Eclipses add the light&apos;s fall before the start and its return after the end</source>
        <extracomment>Added after &quot;A annular&quot; in a month with eclipses; it closes the parenthesis.</extracomment>
        <translation>, Q pénombre : la lumière perdue, non le diamètre). Les éclipses ajoutent la baisse de lumière avant le début et son retour après la fin</translation>
    </message>
    <message>
        <source>), Δm the drop in magnitude at maximum and who sees it (eye 0.5 or more, photometry 0.1 to 0.5, graze under 0.1).</source>
        <extracomment>The legend&apos;s next part; its &quot;)&quot; closes the magnitude&apos;s parenthesis. eye, photometry, graze: the words printed after Δm.</extracomment>
        <translation>), Δm la baisse en magnitude au maximum et qui la voit (œil 0.5 ou plus, photométrie 0.1 à 0.5, rasant sous 0.1).</translation>
    </message>
    <message>
        <source> A time on another day than the maximum&apos;s has its day.</source>
        <translation> Une heure d&apos;un autre jour que celui du maximum porte son jour.</translation>
    </message>
    <message>
        <source> limb, disc: the moon at Jupiter&apos;s limb or on its disc.</source>
        <extracomment>limb, disc: the marks printed after a magnitude, as translated there.</extracomment>
        <translation> bord, disque : le satellite au bord de Jupiter ou devant son disque.</translation>
    </message>
    <message>
        <source>, visible events only</source>
        <translation>, phénomènes visibles seulement</translation>
    </message>
    <message>
        <source>Times to the minute at the first and last contact with the disc or its shadow; hidden instants left out.</source>
        <translation>Heures à la minute aux premier et dernier contacts avec le disque ou son ombre ; instants cachés omis.</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate.</source>
        <translation>Hors 1900-2100 : moins précis.</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsSky</name>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5, Sun ≤ %6</source>
        <extracomment>The site: %1°%2 latitude and N/S, %3°%4 longitude and E/W (letters kept), %5 the least altitude of Jupiter, %6 the greatest of the Sun for an event to count as visible.</extracomment>
        <translation>%1°%2 %3°%4, Jupiter ≥ %5, Soleil ≤ %6</translation>
    </message>
    <message>
        <source>Jupiter %1, Sun %2</source>
        <extracomment>Altitudes above the horizon: %1 Jupiter&apos;s, %2 the Sun&apos;s, &quot;34.2°&quot;.</extracomment>
        <translation>Jupiter %1, Soleil %2</translation>
    </message>
    <message>
        <source>Up all day, Tr %1</source>
        <extracomment>Jupiter never sets that day; Tr: its transit of the meridian, %1 its time. Short: the list&apos;s top line.</extracomment>
        <translation>Levé tout le jour, Tr %1</translation>
    </message>
    <message>
        <source>Below the horizon all day</source>
        <extracomment>Jupiter never rises that day. Short: the list&apos;s top line.</extracomment>
        <translation>Sous l&apos;horizon tout le jour</translation>
    </message>
    <message>
        <source>Rise %1 Tr %2 Set %3</source>
        <extracomment>Jupiter&apos;s rise, transit of the meridian and set that day (times). Short: the list&apos;s top line, 160 pixels wide.</extracomment>
        <translation>Lev. %1 Tr %2 Cou. %3</translation>
    </message>
</context>
<context>
    <name>kelvra::ObservingLog</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read or written</source>
        <translation>il ne peut être ni lu ni écrit</translation>
    </message>
    <message>
        <source>it is not an observing log</source>
        <translation>ce n&apos;est pas un journal d&apos;observation</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it is another program&apos;s database, or a newer version&apos;s log</source>
        <translation>c&apos;est la base de données d&apos;un autre programme, ou le journal d&apos;une version plus récente</translation>
    </message>
    <message>
        <source> The stamps are kept only until Kelvra95 ends: export them as CSV before you close it.</source>
        <extracomment>After a sentence saying why the log cannot be kept in a file (it starts with a space).</extracomment>
        <translation> Les pointages ne sont conservés que jusqu&apos;à la fermeture de Kelvra95 : exportez-les en CSV avant de le fermer.</translation>
    </message>
    <message>
        <source>%1 is kept as it is, since %2. The observing log is written to: %3</source>
        <extracomment>%1 a file that is not this program&apos;s log, %2 why (&quot;it is damaged&quot;), %3 the log&apos;s file.</extracomment>
        <translation>Le fichier %1 est conservé tel quel, car %2. Le journal d&apos;observation est écrit dans : %3</translation>
    </message>
    <message>
        <source>%1 is not a time: write it as 2026-12-09 17:03:12.3, in UT.</source>
        <extracomment>%1 what was typed; the example&apos;s form is the one read, whatever the language.</extracomment>
        <translation>%1 n&apos;est pas une heure : écrivez-la sous la forme 2026-12-09 17:03:12.3, en TU.</translation>
    </message>
    <message>
        <source>The observing log could not be exported.
Cannot write %1.</source>
        <translation>Le journal d&apos;observation n&apos;a pas pu être exporté.
Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The observing log cannot be written in %1.</source>
        <extracomment>%1 the folders tried, joined by &quot; nor in &quot;.</extracomment>
        <translation>Le journal d&apos;observation ne peut pas être écrit dans %1.</translation>
    </message>
    <message>
        <source> nor in </source>
        <translation> ni dans </translation>
    </message>
    <message>
        <source>No observing log could be made in %1.</source>
        <translation>Aucun journal d&apos;observation n&apos;a pu être créé dans %1.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <extracomment>%1 the log&apos;s file, %2 the database&apos;s own words for the failure.</extracomment>
        <translation>%1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
</context>
<context>
    <name>kelvra::ObservingLogDialog</name>
    <message>
        <source>%1 %2 (%3 UT)</source>
        <extracomment>A contact offered for a stamp: %1 its code &quot;I.Sh.I&quot;, %2 its phase &quot;ingress&quot;, %3 its time.</extracomment>
        <translation>%1 %2 (%3 TU)</translation>
    </message>
    <message>
        <source>Kelvra95 – Observing log</source>
        <translation>Kelvra95 – Journal d&apos;observation</translation>
    </message>
    <message>
        <source>Observed UT</source>
        <translation>Observé (TU)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Predicted UT</source>
        <translation>Prédit (TU)</translation>
    </message>
    <message>
        <source>O−C (s)</source>
        <extracomment>Observed minus computed time, in seconds.</extracomment>
        <translation>O−C (s)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Observing log</source>
        <translation>Journal d&apos;observation</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Kept in memory for this run</source>
        <translation>Conservé en mémoire pour cette session</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservé dans %1</translation>
    </message>
    <message>
        <source>Delete the timing of %1 UT?</source>
        <translation>Supprimer le pointage de %1 TU ?</translation>
    </message>
    <message>
        <source>Export the observing log</source>
        <translation>Exporter le journal d&apos;observation</translation>
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
        <translation>Aucun programme n&apos;a pu ouvrir le fichier d&apos;aide. Ouvrez-le dans un navigateur web :
%1</translation>
    </message>
</context>
<context>
    <name>kelvra::PageLayout</name>
    <message>
        <source>The page could not be printed.
%1</source>
        <translation>La page n&apos;a pas pu être imprimée.
%1</translation>
    </message>
    <message>
        <source>No printer is available - save the page as a PDF</source>
        <translation>Aucune imprimante disponible - enregistrer la page en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be saved as a PDF.
Cannot write &quot;%1&quot;.</source>
        <translation>La page n&apos;a pas pu être enregistrée en PDF.
Impossible d&apos;écrire « %1 ».</translation>
    </message>
    <message>
        <source>Printed by Kelvra95 V1.14  (%1)</source>
        <extracomment>The page&apos;s footer; %1 is the program&apos;s web address.</extracomment>
        <translation>Imprimé par Kelvra95 V1.14  (%1)</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The printing system reported an error.</source>
        <translation>Le système d&apos;impression a signalé une erreur.</translation>
    </message>
    <message>
        <source>[Universal Time]</source>
        <translation>[Temps universel]</translation>
    </message>
    <message>
        <source>[Local Time, UTC%1%2:%3]</source>
        <extracomment>The page&apos;s clock: the sign, the hours and the minutes of its offset from UT.</extracomment>
        <translation>[Temps local, UTC%1%2:%3]</translation>
    </message>
</context>
<context>
    <name>kelvra::Pictures</name>
    <message>
        <source>LOC</source>
        <extracomment>The clock button&apos;s face, 3 letters at most: local time.</extracomment>
        <translation>LOC</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>TU</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioModel</name>
    <message>
        <source>Jupiter radio %1</source>
        <extracomment>A calendar entry&apos;s title: %1 the source region (&quot;Io-B&quot;, &quot;non-Io-A&quot;)</extracomment>
        <translation>Radio Jupiter %1</translation>
    </message>
    <message>
        <source>Jupiter radio %1 until %2, in daylight</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;), %2 the time its window ends</extracomment>
        <translation>Radio Jupiter %1 jusqu&apos;à %2, de jour</translation>
    </message>
    <message>
        <source>Jupiter radio %1 until %2</source>
        <translation>Radio Jupiter %1 jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 start</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;): its window opens</extracomment>
        <translation>%1 début</translation>
    </message>
    <message>
        <source>%1 end</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;): its window closes</extracomment>
        <translation>%1 fin</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioPage</name>
    <message>
        <source>Jupiter&apos;s Radio Windows: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Fenêtres radio de Jupiter : %1 %2</translation>
    </message>
    <message>
        <source>the month&apos;s track</source>
        <translation>trace du mois</translation>
    </message>
    <message>
        <source>the track of the night from %1-%2-%3 12:00</source>
        <extracomment>%1-%2-%3 the year, month and day the night begins, at noon</extracomment>
        <translation>trace de la nuit du %1-%2-%3 12:00</translation>
    </message>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5°, visible only</source>
        <extracomment>%1 latitude, %2 N or S, %3 longitude, %4 E or W, %5 Jupiter&apos;s least altitude</extracomment>
        <translation>%1°%2 %3°%4, Jupiter ≥ %5°, visibles seulement</translation>
    </message>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5°</source>
        <translation>%1°%2 %3°%4, Jupiter ≥ %5°</translation>
    </message>
    <message>
        <source>Central meridian, System III (degrees)</source>
        <translation>Méridien central, Système III (degrés)</translation>
    </message>
    <message>
        <source>Io&apos;s phase (degrees)</source>
        <translation>Phase d&apos;Io (degrés)</translation>
    </message>
    <message>
        <source>No windows this month</source>
        <translation>Aucune fenêtre ce mois-ci</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioPicture</name>
    <message>
        <source>CM III %1  Io %2</source>
        <extracomment>CM III: the central meridian in System III; %1 its longitude, %2 Io&apos;s phase</extracomment>
        <translation>MC III %1  Io %2</translation>
    </message>
    <message>
        <source>Europa %1  Ganymede %2</source>
        <extracomment>%1 Europa&apos;s phase, %2 Ganymede&apos;s</extracomment>
        <translation>Europe %1  Ganymède %2</translation>
    </message>
    <message>
        <source>Shaded: daylight, 20 MHz often blocked by the ionosphere</source>
        <translation>Ombré : jour, 20 MHz souvent bloqués par l&apos;ionosphère</translation>
    </message>
    <message>
        <source>Shaded: daylight (ionosphere)</source>
        <translation>Ombré : jour (ionosphère)</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Aucune fenêtre</translation>
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
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values: &quot;-90 to 90&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>kelvra::SettingsPlace</name>
    <message>
        <source>%1 is not a regular file; the defaults are used.
The changed settings hold until the program exits.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; les valeurs par défaut s&apos;appliquent.
Les réglages modifiés valent jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>%1 is read-only; the settings are not saved to it.
The changed settings hold until the program exits.</source>
        <translation>%1 est en lecture seule ; les réglages n&apos;y sont pas enregistrés.
Les réglages modifiés valent jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1.
The changed settings hold until the program exits.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans
%1.
Les réglages modifiés valent jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
</context>
<context>
    <name>kelvra::SideWindowForm</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Local time</source>
        <extracomment>The menu entry that switches the window between local time and Universal Time.</extracomment>
        <translation>Temps local</translation>
    </message>
    <message>
        <source>Universal or local time</source>
        <translation>Temps universel ou temps local</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1, %2 %3, local time</source>
        <extracomment>The list&apos;s accessible name: the window, the month&apos;s name, the year.</extracomment>
        <translation>%1, %2 %3, temps local</translation>
    </message>
    <message>
        <source>%1, %2 %3, Universal Time</source>
        <translation>%1, %2 %3, temps universel</translation>
    </message>
</context>
<context>
    <name>kelvra::SideWindowKind</name>
    <message>
        <source>Great Red Spot transits</source>
        <translation>Passages de la Grande Tache rouge</translation>
    </message>
    <message>
        <source>Red Spot</source>
        <translation>Tache rouge</translation>
    </message>
    <message>
        <source>Satellite tracks</source>
        <translation>Trajectoires des satellites</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trajectoires</translation>
    </message>
    <message>
        <source>Light curve</source>
        <translation>Courbe de lumière</translation>
    </message>
    <message>
        <source>Radio storms</source>
        <translation>Orages radio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Moon events</source>
        <translation>Phénomènes des satellites</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Phénomènes</translation>
    </message>
</context>
<context>
    <name>kelvra::SiteSettings</name>
    <message>
        <source>%1: %2 = %3 is outside %4 and is ignored</source>
        <extracomment>A value in the settings file: the file, the key, the value, the range.</extracomment>
        <translation>%1 : %2 = %3 est hors de la plage %4 et n&apos;est pas pris en compte</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a number from %4 and is ignored</source>
        <translation>%1 : %2 = %3 n&apos;est pas un nombre de la plage %4 et n&apos;est pas pris en compte</translation>
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
        <translation>Contact :</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web :</translation>
    </message>
    <message>
        <source>GRS Longitude</source>
        <translation>Longitude de la GTR</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>° a month</source>
        <translation>° par mois</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>kelvra::TAboutWin</name>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About Kelvra95</source>
        <translation>À propos de Kelvra95</translation>
    </message>
</context>
<context>
    <name>kelvra::TGRSLongitude</name>
    <message>
        <source>GRS Longitude</source>
        <translation>Longitude de la GTR</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Degrees, System II</source>
        <translation>Degrés, Système II</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>Degrees a month</source>
        <translation>Degrés par mois</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>The day the longitude held on, year-month-day</source>
        <translation>Le jour où la longitude était valable, année-mois-jour</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>« %1 » n&apos;est pas une date valide</translation>
    </message>
</context>
<context>
    <name>kelvra::TGRSTransits</name>
    <message>
        <source>Red Spot longitude…</source>
        <translation>Longitude de la Tache rouge…</translation>
    </message>
    <message>
        <source>Red Spot at System II longitude %1°</source>
        <translation>Tache rouge à la longitude %1° du Système II</translation>
    </message>
    <message>
        <source>not visible from the site: %1</source>
        <translation>non visibles depuis le lieu d&apos;observation : %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s GRS Transits</source>
        <translation>Passages de la GTR de Jupiter</translation>
    </message>
</context>
<context>
    <name>kelvra::TInterval</name>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Interval in minutes</source>
        <translation>Intervalle en minutes</translation>
    </message>
</context>
<context>
    <name>kelvra::TLightCurve</name>
    <message>
        <source>selected</source>
        <extracomment>The event shown is the one selected in the events list</extracomment>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>going on</source>
        <extracomment>The event shown is going on now</extracomment>
        <translation>en cours</translation>
    </message>
    <message>
        <source>next</source>
        <extracomment>The event shown is the next to come</extracomment>
        <translation>suivant</translation>
    </message>
    <message>
        <source>Export curve…</source>
        <translation>Exporter la courbe…</translation>
    </message>
    <message>
        <source>No mutual event</source>
        <extracomment>Two lines in the window, the second under the first</extracomment>
        <translation>Aucun phénomène mutuel</translation>
    </message>
    <message>
        <source>within a year</source>
        <translation>d&apos;ici un an</translation>
    </message>
    <message>
        <source>local time</source>
        <translation>temps local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>temps universel</translation>
    </message>
    <message>
        <source>Light curve, %1, %2, %3</source>
        <extracomment>%1 the event (&quot;2O1 Europa occults Io&quot;), %2 its date, %3 the time basis</extracomment>
        <translation>Courbe de lumière, %1, %2, %3</translation>
    </message>
    <message>
        <source>Light curve, %1</source>
        <extracomment>%1 the time basis</extracomment>
        <translation>Courbe de lumière, %1</translation>
    </message>
    <message>
        <source>Light Curve</source>
        <translation>Courbe de lumière</translation>
    </message>
    <message>
        <source>There is no mutual event to export within a year.</source>
        <translation>Aucun phénomène mutuel à exporter d&apos;ici un an.</translation>
    </message>
    <message>
        <source>Export the light curve</source>
        <translation>Exporter la courbe de lumière</translation>
    </message>
    <message>
        <source>The light curve could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>La courbe de lumière n&apos;a pas pu être exportée.
Impossible d&apos;écrire « %1 ».</translation>
    </message>
</context>
<context>
    <name>kelvra::TMoonEvents</name>
    <message>
        <source>Kelvra95 – Reminders</source>
        <translation>Kelvra95 – Rappels</translation>
    </message>
    <message>
        <source>Minutes before each event (0: no reminders):</source>
        <translation>Minutes avant chaque phénomène (0 : aucun rappel) :</translation>
    </message>
    <message>
        <source>Visible only</source>
        <translation>Visibles seulement</translation>
    </message>
    <message>
        <source>Only the events visible from the site</source>
        <translation>Seulement les phénomènes visibles du lieu d&apos;observation</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Rappels…</translation>
    </message>
    <message>
        <source>Stamp the time</source>
        <translation>Pointer l&apos;heure</translation>
    </message>
    <message>
        <source>Observing log…</source>
        <translation>Journal d&apos;observation…</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Rappel : %1</translation>
    </message>
    <message>
        <source>going on</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>not visible from the site</source>
        <translation>invisible du lieu d&apos;observation</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Moon Events</source>
        <translation>Phénomènes des satellites de Jupiter</translation>
    </message>
</context>
<context>
    <name>kelvra::TRadio</name>
    <message>
        <source>The radio windows could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>Les fenêtres radio n&apos;ont pas pu être exportées.
Impossible d&apos;écrire « %1 ».</translation>
    </message>
    <message>
        <source>Visible only</source>
        <translation>Visibles seulement</translation>
    </message>
    <message>
        <source>Only the windows Jupiter is up for at the site</source>
        <translation>Seulement les fenêtres où Jupiter est levé au lieu d&apos;observation</translation>
    </message>
    <message>
        <source>Month&apos;s track</source>
        <translation>Trace du mois</translation>
    </message>
    <message>
        <source>The night&apos;s or the month&apos;s track</source>
        <translation>Trace de la nuit ou du mois</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Io&apos;s phase up, the central meridian in System III across, the regions Io-A to Io-D boxed, the non-Io bands behind; the month&apos;s track</source>
        <translation>Phase d&apos;Io vers le haut, méridien central du Système III en abscisse, les régions Io-A à Io-D encadrées, les bandes non-Io derrière ; la trace du mois</translation>
    </message>
    <message>
        <source>Io&apos;s phase up, the central meridian in System III across, the regions Io-A to Io-D boxed, the non-Io bands behind; the night&apos;s track</source>
        <translation>Phase d&apos;Io vers le haut, méridien central du Système III en abscisse, les régions Io-A à Io-D encadrées, les bandes non-Io derrière ; la trace de la nuit</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Aucune fenêtre</translation>
    </message>
    <message>
        <source>going on</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>Jupiter below its least altitude</source>
        <translation>Jupiter sous sa hauteur minimale</translation>
    </message>
    <message>
        <source>in daylight: the ionosphere often blocks it</source>
        <translation>de jour : l&apos;ionosphère la bloque souvent</translation>
    </message>
    <message>
        <source>Export the month&apos;s radio windows</source>
        <translation>Exporter les fenêtres radio du mois</translation>
    </message>
</context>
<context>
    <name>kelvra::TSatTracks</name>
    <message>
        <source>Day 1 at the top, a row each half hour, odd days banded: each moon&apos;s distance east or west of Jupiter, the band down the middle, west on the left; Io white, Europa yellow, Ganymede orange, Callisto light blue</source>
        <translation>Jour 1 en haut, une ligne par demi-heure, jours impairs sur fond gris : la distance de chaque satellite à l&apos;est ou à l&apos;ouest de Jupiter, la bande au milieu, l&apos;ouest à gauche ; Io blanc, Europe jaune, Ganymède orange, Callisto bleu clair</translation>
    </message>
    <message>
        <source>Day 1 at the top, a row each half hour, odd days banded: each moon&apos;s distance east or west of Jupiter, the band down the middle, east on the left; Io white, Europa yellow, Ganymede orange, Callisto light blue</source>
        <translation>Jour 1 en haut, une ligne par demi-heure, jours impairs sur fond gris : la distance de chaque satellite à l&apos;est ou à l&apos;ouest de Jupiter, la bande au milieu, l&apos;est à gauche ; Io blanc, Europe jaune, Ganymède orange, Callisto bleu clair</translation>
    </message>
</context>
<context>
    <name>kelvra::TSiteDialog</name>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>° north</source>
        <translation>° nord</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>° east</source>
        <translation>° est</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Jupiter&apos;s least altitude</source>
        <translation>Hauteur min. de Jupiter</translation>
    </message>
    <message>
        <source>Sun&apos;s greatest altitude</source>
        <translation>Hauteur max. du Soleil</translation>
    </message>
    <message>
        <source>Observing site</source>
        <translation>Lieu d&apos;observation</translation>
    </message>
    <message>
        <source>Enter keeps, Escape cancels.
No site: empty latitude and longitude.</source>
        <translation>Entrée valide, Échap annule.
Aucun lieu d&apos;observation : latitude et longitude vides.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3</source>
        <extracomment>%1 the field&apos;s name as the dialog shows it, %2 and %3 the ends of its range.</extracomment>
        <translation>%1 doit être comprise entre %2 et %3</translation>
    </message>
</context>
<context>
    <name>kelvra::TViewer</name>
    <message>
        <source>Hour must lie between 0 and %1</source>
        <translation>L&apos;heure doit être comprise entre 0 et %1</translation>
    </message>
    <message>
        <source>Minute must lie between 0 and %1</source>
        <translation>Les minutes doivent être comprises entre 0 et %1</translation>
    </message>
    <message>
        <source>Second must lie between 0 and %1</source>
        <translation>Les secondes doivent être comprises entre 0 et %1</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Real time</source>
        <translation>Temps réel</translation>
    </message>
    <message>
        <source>Animate…</source>
        <translation>Animer…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Magnify</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Southern hemisphere</source>
        <translation>Hémisphère sud</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hémisphère</translation>
    </message>
    <message>
        <source>Modern positions</source>
        <translation>Positions modernes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Observing site…</source>
        <translation>Lieu d&apos;observation…</translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Vue de dessus</translation>
    </message>
    <message>
        <source>The four orbits seen from above Jupiter&apos;s north pole, the Earth below</source>
        <translation>Les quatre orbites vues d&apos;au-dessus du pôle nord de Jupiter, la Terre en bas</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>Beside the day, month and year fields: about five letters at most.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Beside the hour, minute and second fields: about five letters at most.</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>View:</source>
        <extracomment>Beside the list of instruments (telescope, binoculars, star diagonal): five letters.</extracomment>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Astro Scope</source>
        <translation>Télescope</translation>
    </message>
    <message>
        <source>Binoculars</source>
        <translation>Jumelles</translation>
    </message>
    <message>
        <source>Star Diagonal</source>
        <translation>Renvoi coudé</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>The instrument the views are drawn for</source>
        <translation>L&apos;instrument pour lequel les vues sont dessinées</translation>
    </message>
    <message>
        <source>Central Meridian</source>
        <translation>Méridien central</translation>
    </message>
    <message>
        <source>System I:</source>
        <translation>Système I</translation>
    </message>
    <message>
        <source>System II:</source>
        <translation>Système II</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distances</translation>
    </message>
    <message>
        <source>Angle from Inferior Conj. (degrees)</source>
        <extracomment>Three short lines, each about 14 letters at most.</extracomment>
        <translation>Angle depuis conj. inf. (degrés)</translation>
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
        <translation>Théorie moderne</translation>
    </message>
    <message>
        <source>North down, east left</source>
        <translation>Nord en bas, est à gauche</translation>
    </message>
    <message>
        <source>North up, east left</source>
        <translation>Nord en haut, est à gauche</translation>
    </message>
    <message>
        <source>North down, east right</source>
        <translation>Nord en bas, est à droite</translation>
    </message>
    <message>
        <source>North up, east right</source>
        <translation>Nord en haut, est à droite</translation>
    </message>
    <message>
        <source>crossing Jupiter&apos;s disc</source>
        <translation>en passage devant le disque de Jupiter</translation>
    </message>
    <message>
        <source>hidden behind Jupiter</source>
        <translation>caché derrière Jupiter</translation>
    </message>
    <message>
        <source>in front of Jupiter</source>
        <translation>devant Jupiter</translation>
    </message>
    <message>
        <source>behind Jupiter</source>
        <translation>derrière Jupiter</translation>
    </message>
    <message>
        <source>beyond the view&apos;s edge</source>
        <translation>au-delà du bord de la vue</translation>
    </message>
    <message>
        <source>in Jupiter&apos;s shadow</source>
        <translation>dans l&apos;ombre de Jupiter</translation>
    </message>
    <message>
        <source>its shadow on the disc</source>
        <translation>son ombre sur le disque</translation>
    </message>
    <message>
        <source>%1% of its light in another moon&apos;s shadow</source>
        <translation>%1 % de sa lumière dans l&apos;ombre d&apos;un autre satellite</translation>
    </message>
    <message>
        <source>behind %1</source>
        <extracomment>%1 is the moon in front.</extracomment>
        <translation>derrière %1</translation>
    </message>
    <message>
        <source>%1 %2 radii west, %3</source>
        <extracomment>%1 the moon, %2 its distance in Jupiter&apos;s radii, %3 where it stands (&quot;in front of Jupiter&quot;, ...).</extracomment>
        <translation>%1 à %2 rayons à l&apos;ouest, %3</translation>
    </message>
    <message>
        <source>%1 %2 radii east, %3</source>
        <translation>%1 à %2 rayons à l&apos;est, %3</translation>
    </message>
    <message>
        <source>System I: %1°</source>
        <translation>Système I : %1°</translation>
    </message>
    <message>
        <source>System II: %1°</source>
        <translation>Système II : %1°</translation>
    </message>
    <message>
        <source>%1 north-south: %2 radii%3</source>
        <extracomment>%1 the moon, %2 the distance, %3 its N or S mark.</extracomment>
        <translation>%1 nord-sud : %2 rayons%3</translation>
    </message>
    <message>
        <source>%1 east-west: %2 radii%3</source>
        <extracomment>%1 the moon, %2 the distance, %3 its E or W mark.</extracomment>
        <translation>%1 est-ouest : %2 rayons%3</translation>
    </message>
    <message>
        <source>%1 angle from inferior conjunction: %2°</source>
        <translation>%1 angle depuis la conjonction inférieure : %2°</translation>
    </message>
    <message>
        <source>Northern</source>
        <translation>Hémisphère nord</translation>
    </message>
    <message>
        <source>Southern</source>
        <translation>Hémisphère sud</translation>
    </message>
    <message>
        <source>Eyepiece view</source>
        <translation>Vue à l&apos;oculaire</translation>
    </message>
</context>
<context>
    <name>kelvra::TracksPage</name>
    <message>
        <source>an Astronomical Telescope</source>
        <extracomment>Completes &quot;[As viewed through %1 - ...]&quot;</extracomment>
        <translation>un télescope astronomique</translation>
    </message>
    <message>
        <source>Binoculars</source>
        <translation>des jumelles</translation>
    </message>
    <message>
        <source>a Star Diagonal</source>
        <translation>un renvoi coudé</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Satellites: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Satellites de Jupiter : %1 %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Temps local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Temps universel</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hémisphère nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hémisphère sud</translation>
    </message>
    <message>
        <source>[As viewed through %1 - %2 - %3]</source>
        <extracomment>%1 the instrument (&quot;an Astronomical Telescope&quot;), %2 the time basis, %3 the hemisphere</extracomment>
        <translation>[Vu à travers %1 - %2 - %3]</translation>
    </message>
</context>
</TS>
