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
        <source>No events</source>
        <translation>Aucun phénomène</translation>
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
    <name>kelvra::EntryField</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
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
</TS>
