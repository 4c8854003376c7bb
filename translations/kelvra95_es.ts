<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>kelvra::CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>stray argument &apos;%1&apos;</source>
        <translation>argumento sobrante &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>kelvra::CommandLists</name>
    <message>
        <source>&apos;%1&apos; is not a month YYYY-MM nor a day YYYY-MM-DD</source>
        <translation>&apos;%1&apos; no es un mes YYYY-MM ni un día YYYY-MM-DD</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month YYYY-MM</source>
        <translation>&apos;%1&apos; no es un mes YYYY-MM</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number from %3 (a point as the decimal separator)</source>
        <extracomment>&quot;latitude &apos;x&apos; is not a number from -90 to 90 (...)&quot;: the value&apos;s name, the text, the range.</extracomment>
        <translation>%1 &apos;%2&apos; no es un número del intervalo %3 (con punto como separador decimal)</translation>
    </message>
    <message>
        <source>site &apos;%1&apos; is not LAT,LON or LAT,LON,HEIGHT</source>
        <translation>el lugar de observación &apos;%1&apos; no tiene la forma LAT,LON o LAT,LON,HEIGHT</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altitud</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2%3&apos;</source>
        <translation>%1: opción desconocida &apos;%2%3&apos;</translation>
    </message>
    <message>
        <source>%1: the month is missing (YYYY-MM or YYYY-MM-DD)</source>
        <translation>%1: falta el mes (YYYY-MM o YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>%1: the month is missing (YYYY-MM)</source>
        <translation>%1: falta el mes (YYYY-MM)</translation>
    </message>
    <message>
        <source>%1: stray argument &apos;%2&apos;</source>
        <translation>%1: argumento sobrante &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: --utc and --local exclude each other</source>
        <translation>%1: --utc y --local se excluyen mutuamente</translation>
    </message>
    <message>
        <source>format &apos;%1&apos; is not one of %2</source>
        <translation>el formato &apos;%1&apos; no es uno de %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>Site %1; visible only</source>
        <translation>Lugar de observación %1; solo visibles</translation>
    </message>
    <message>
        <source>Site %1</source>
        <translation>Lugar de observación %1</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate</source>
        <translation>Fuera de 1900-2100: menos preciso</translation>
    </message>
    <message>
        <source>%1  not visible from the site</source>
        <extracomment>An event&apos;s line, then two spaces and the note.</extracomment>
        <translation>%1  no visible desde el lugar de observación</translation>
    </message>
    <message>
        <source>--visible needs a site: give --site LAT,LON[,HEIGHT] or set one in the program</source>
        <translation>--visible necesita un lugar de observación: indique --site LAT,LON[,HEIGHT] o elija uno en el programa</translation>
    </message>
    <message>
        <source>Moon events %1, %2</source>
        <extracomment>The list&apos;s first line: the month (2026-12) and the clock.</extracomment>
        <translation>Fenómenos de las lunas %1, %2</translation>
    </message>
    <message>
        <source>Moon events, the night of %1 (noon to noon), %2</source>
        <extracomment>The list&apos;s first line: the day (2026-12-08) and the clock.</extracomment>
        <translation>Fenómenos de las lunas, noche del %1 (de mediodía a mediodía), %2</translation>
    </message>
    <message>
        <source>longitude &apos;%1&apos; is not a whole number from 0 to 359</source>
        <translation>la longitud &apos;%1&apos; no es un número entero de 0 a 359</translation>
    </message>
    <message>
        <source>Red Spot at System II longitude %1°</source>
        <translation>Mancha Roja en la longitud %1° del Sistema II</translation>
    </message>
    <message>
        <source>Red Spot transit, System II %1°</source>
        <translation>Tránsito de la Mancha Roja, Sistema II %1°</translation>
    </message>
    <message>
        <source>Red Spot transits %1, %2</source>
        <extracomment>The list&apos;s first line: the month (2026-12) and the clock.</extracomment>
        <translation>Tránsitos de la Mancha Roja %1, %2</translation>
    </message>
    <message>
        <source>%1  not visible from the site: %2</source>
        <extracomment>A day&apos;s transits, then two spaces and those not visible.</extracomment>
        <translation>%1  no visibles desde el lugar de observación: %2</translation>
    </message>
</context>
<context>
    <name>kelvra::CommandOutput</name>
    <message>
        <source>%1 is not a regular file; the defaults are used</source>
        <translation>%1 no es un archivo normal; se usan los valores predeterminados</translation>
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
        <translation>Uso: kelvra95 [opciones]
       kelvra95 events YYYY-MM[-DD] [--utc | --local] [--site LAT,LON[,HEIGHT]]
                       [--visible] [--format text|csv|ics] [--output FILE]
       kelvra95 grs YYYY-MM [--longitude L] [--utc | --local] [--format text|csv]
                    [--output FILE]

Sin subcomando, Kelvra95 abre sus ventanas: las cuatro grandes lunas de Júpiter
tal como las muestra el instrumento del observador. Las opciones propias de Qt
(-platform, -style, ...) se aplican.

Opciones:
  -h, --help       este texto
  -v, --version    la versión del programa

Subcomandos (sin ventana ni pantalla; los ajustes se leen, nunca se escriben):
  events           los fenómenos de las lunas y los fenómenos mutuos del mes,
                   como los lista la ventana de fenómenos; con un día, los de
                   esa noche (de mediodía a mediodía en el reloj)
  grs              los tránsitos de la Mancha Roja del mes, como los lista la
                   ventana de la GMR, con la deriva guardada
  --utc, --local   el reloj; por omisión el que usa la ventana
  --site LAT,LON[,HEIGHT]
                   el lugar de observación en grados (norte y este positivos) y
                   metros, con punto como separador decimal; por omisión el
                   lugar guardado, si lo hay
  --visible        solo los fenómenos visibles desde el lugar de observación
  --longitude L    la longitud de la Mancha Roja en el Sistema II, de 0 a 359
                   grados; por omisión la guardada
  --format F       text (por omisión), csv o ics (events): los archivos que
                   exporta la ventana de fenómenos
  --output FILE    escribe FILE entero, o lo deja como estaba

Ejemplos:
  kelvra95 events 2026-12-08 --local --visible
  kelvra95 events 2026-12 --format ics --output jupiter-2026-12.ics
  kelvra95 grs 2026-12 --format csv

Estado de salida: 0 hecho, 1 no se pudo escribir el archivo, 2 una opción o un
valor que no se puede aceptar (indicado en la salida de error estándar).
</translation>
    </message>
    <message>
        <source>%1; see kelvra95 --help</source>
        <extracomment>A fault on the command line, pointing to the help; keep &quot;kelvra95 --help&quot;.</extracomment>
        <translation>%1; véase kelvra95 --help</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3</source>
        <extracomment>&quot;month 13 is outside 1 to 12&quot;: the value&apos;s name, the value, its range.</extracomment>
        <translation>%1 %2 está fuera del intervalo %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values: &quot;1 to 12&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>local time (%1)</source>
        <translation>hora local (%1)</translation>
    </message>
    <message>
        <source>Universal Time (%1)</source>
        <translation>tiempo universal (%1)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;; nothing was written</source>
        <translation>no se puede escribir «%1»; no se escribió nada</translation>
    </message>
</context>
<context>
    <name>kelvra::DateRules</name>
    <message>
        <source>Invalid Date: Following the conversion from the Julian
<byte value="xd"/>Calendar to the Gregorian Calendar, the date following
<byte value="xd"/>4 October 1582 was 15 October 1582. Any date between 
<byte value="xd"/>these has no meaning.</source>
        <translation>Fecha no válida: en el paso del calendario juliano
<byte value="xd"/>al gregoriano, al 4 de octubre de 1582 le siguió
<byte value="xd"/>el 15 de octubre de 1582. Una fecha intermedia
<byte value="xd"/>no tiene sentido.</translation>
    </message>
    <message>
        <source>Date must lie between 1 and %1</source>
        <translation>El día debe estar entre 1 y %1</translation>
    </message>
</context>
<context>
    <name>kelvra::EntryField</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>kelvra::EventReminders</name>
    <message>
        <source>in %1 min</source>
        <extracomment>Time left until an event, %1 whole minutes (the reminder&apos;s line and notification).</extracomment>
        <translation>en %1 min</translation>
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
        <translation>inicio %1, máximo %2, fin %3</translation>
    </message>
    <message>
        <source>light falls %1, umbra %2–%3 (maximum %4), light whole %5</source>
        <extracomment>A mutual eclipse: %1 the light starts to fall, %2-%3 the umbra, %4 maximum, %5 the light is whole again (times).</extracomment>
        <translation>caída de luz %1, umbra %2–%3 (máximo %4), luz recuperada %5</translation>
    </message>
    <message>
        <source>light falls %1, maximum %2, light whole %3</source>
        <extracomment>A penumbral mutual eclipse: %1 light starts to fall, %2 maximum, %3 light whole again.</extracomment>
        <translation>caída de luz %1, máximo %2, luz recuperada %3</translation>
    </message>
    <message>
        <source>at Jupiter&apos;s limb</source>
        <extracomment>Where the eclipsed or occulted moon stands: at the edge of Jupiter&apos;s disc.</extracomment>
        <translation>en el limbo de Júpiter</translation>
    </message>
    <message>
        <source>on Jupiter&apos;s disc</source>
        <extracomment>Where the eclipsed or occulted moon stands: in front of Jupiter&apos;s disc.</extracomment>
        <translation>ante el disco de Júpiter</translation>
    </message>
    <message>
        <source>eye</source>
        <extracomment>Who sees a mutual event&apos;s drop in light: the naked eye at the eyepiece.</extracomment>
        <translation>ojo</translation>
    </message>
    <message>
        <source>photometry</source>
        <extracomment>Who sees a mutual event&apos;s drop in light: a camera measuring it.</extracomment>
        <translation>fotometría</translation>
    </message>
    <message>
        <source>graze</source>
        <extracomment>A drop in light barely measurable (a grazing event).</extracomment>
        <translation>rasante</translation>
    </message>
    <message>
        <source>light lost %1%, %2</source>
        <extracomment>%1 per cent of the light lost at maximum, %2 &quot;Δm 0.52 eye&quot;.</extracomment>
        <translation>luz perdida %1 %, %2</translation>
    </message>
    <message>
        <source>: Jupiter %1°, Sun %2°</source>
        <extracomment>After an instant in a calendar event&apos;s description: %1 Jupiter&apos;s, %2 the Sun&apos;s altitude.</extracomment>
        <translation>: Júpiter %1°, Sol %2°</translation>
    </message>
    <message>
        <source>Drifting %1° a month</source>
        <extracomment>The Great Red Spot&apos;s drift in longitude: %1 signed degrees, e.g. &quot;+1.5&quot;.</extracomment>
        <translation>Deriva de %1° al mes</translation>
    </message>
    <message>
        <source>Drifting %1° a month from %2</source>
        <extracomment>%1 signed degrees, e.g. &quot;+1.5&quot;; %2 the date it is counted from, 2026-11-15.</extracomment>
        <translation>Deriva de %1° al mes desde el %2</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Ío</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganímedes</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Calisto</translation>
    </message>
    <message>
        <source>%1 eclipses %2</source>
        <translation>%1 eclipsa a %2</translation>
    </message>
    <message>
        <source>%1 occults %2</source>
        <translation>%1 oculta a %2</translation>
    </message>
    <message>
        <source>ingress</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>egress</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>disappearance</source>
        <translation>desaparición</translation>
    </message>
    <message>
        <source>reappearance</source>
        <translation>reaparición</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>máximo</translation>
    </message>
</context>
<context>
    <name>kelvra::ExportFile</name>
    <message>
        <source>Events</source>
        <extracomment>The word of the file name offered for the month&apos;s events: &quot;Kelvra95 Events 2026-12&quot;.</extracomment>
        <translation>Fenómenos</translation>
    </message>
    <message>
        <source>Export the month&apos;s events</source>
        <translation>Exportar los fenómenos del mes</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>kelvra::GRSDriftSettings</name>
    <message>
        <source>%1: %2 = %3 is not a number from %4 and is ignored</source>
        <extracomment>%1 the settings file, %2 the key, %3 its value, %4 the range (&quot;-9.9 to 9.9&quot;)</extracomment>
        <translation>%1: %2 = %3 no es un número de %4 y se ignora</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is outside %4 and is ignored</source>
        <translation>%1: %2 = %3 está fuera de %4 y se ignora</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a date from %4 and is ignored; so is %5 = %6</source>
        <translation>%1: %2 = %3 no es una fecha de %4 y se ignora, igual que %5 = %6</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a date from %4 and is ignored</source>
        <translation>%1: %2 = %3 no es una fecha de %4 y se ignora</translation>
    </message>
    <message>
        <source>%1: %2 = %3 has no %4 (a date from %5) and is ignored</source>
        <translation>%1: %2 = %3 no tiene %4 (una fecha de %5) y se ignora</translation>
    </message>
</context>
<context>
    <name>kelvra::GRSPage</name>
    <message>
        <source>Jupiter&apos;s GRS Transits: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Tránsitos de la GMR de Júpiter: %1 %2</translation>
    </message>
    <message>
        <source>[Local Time - Red Spot at Jovian System II Logitude %1°]</source>
        <extracomment>%1 the longitude in degrees; &quot;Logitude&quot; is the page&apos;s old spelling of &quot;Longitude&quot;</extracomment>
        <translation>[Hora local - Gran Mancha Roja en la longitud %1° (Sistema II)]</translation>
    </message>
    <message>
        <source>[Universal Time - Red Spot at Jovian System II Logitude %1°]</source>
        <translation>[Tiempo universal - Gran Mancha Roja en la longitud %1° (Sistema II)]</translation>
    </message>
    <message>
        <source>Drifting %1° a month from %2</source>
        <extracomment>%1 the signed drift in degrees (&quot;+1.5&quot;), %2 the date it counts from (2026-11-15)</extracomment>
        <translation>Deriva %1° al mes desde el %2</translation>
    </message>
    <message>
        <source>Drifting %1° a month</source>
        <extracomment>%1 the signed drift in degrees (&quot;+1.5&quot;)</extracomment>
        <translation>Deriva %1° al mes</translation>
    </message>
</context>
<context>
    <name>kelvra::JpegLoader</name>
    <message>
        <source>File &quot;%1&quot; is either missing or damaged.<byte value="xd"/>
Contact: %2</source>
        <translation>El archivo «%1» falta o está dañado.<byte value="xd"/>
Contacto: %2</translation>
    </message>
</context>
<context>
    <name>kelvra::Languages</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The new language holds from the next start of Kelvra95.</source>
        <translation>El nuevo idioma se aplica a partir del próximo inicio de Kelvra95.</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>kelvra::LightCurveModel</name>
    <message>
        <source>%1 %2 eclipses %3</source>
        <extracomment>%1 the event&apos;s code (&quot;3E2&quot;), which stays first and is followed by a space; %2 and %3 moons</extracomment>
        <translation>%1 %2 eclipsa a %3</translation>
    </message>
    <message>
        <source>%1 %2 occults %3</source>
        <translation>%1 %2 oculta a %3</translation>
    </message>
    <message>
        <source>Light falls %1</source>
        <extracomment>%1 the time the eclipsed moon&apos;s light begins to fall</extracomment>
        <translation>Inicio de caída %1</translation>
    </message>
    <message>
        <source>Umbra %1–%2</source>
        <extracomment>%1 and %2 the times the moon enters and leaves the umbra</extracomment>
        <translation>Umbra %1–%2</translation>
    </message>
    <message>
        <source>Maximum %1</source>
        <translation>Máximo %1</translation>
    </message>
    <message>
        <source>Light whole %1</source>
        <extracomment>%1 the time the eclipsed moon&apos;s light is whole again</extracomment>
        <translation>Luz restablecida %1</translation>
    </message>
    <message>
        <source>Start %1</source>
        <translation>Inicio %1</translation>
    </message>
    <message>
        <source>End %1</source>
        <translation>Fin %1</translation>
    </message>
    <message>
        <source>Duration %1 min</source>
        <translation>Duración %1 min</translation>
    </message>
    <message>
        <source>Depth %1% of %2&apos;s light</source>
        <extracomment>%1 the per cent of light lost at the maximum, %2 the eclipsed moon</extracomment>
        <translation>Profundidad %1 % (%2)</translation>
    </message>
    <message>
        <source>Depth %1% of the pair&apos;s light</source>
        <translation>Profundidad %1 % (las dos)</translation>
    </message>
    <message>
        <source>Grey: Jupiter below %1° or the Sun above %2°</source>
        <translation>Gris: Júpiter bajo %1° o Sol sobre %2°</translation>
    </message>
</context>
<context>
    <name>kelvra::LightCurvePage</name>
    <message>
        <source>Light Curve of a Mutual Event</source>
        <translation>Curva de luz de un fenómeno mutuo</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Tiempo universal</translation>
    </message>
    <message>
        <source>No mutual event within a year.</source>
        <translation>Ningún fenómeno mutuo en un año.</translation>
    </message>
    <message>
        <source>Flux 1 outside the event; uniform discs, no limb darkening.</source>
        <translation>Flujo 1 fuera del fenómeno; discos uniformes, sin oscurecimiento del limbo.</translation>
    </message>
    <message>
        <source>Site %1°%2 %3°%4</source>
        <extracomment>%1 latitude, %2 N or S, %3 longitude, %4 E or W</extracomment>
        <translation>Lugar de observación %1°%2 %3°%4</translation>
    </message>
</context>
<context>
    <name>kelvra::MainPictures</name>
    <message>
        <source>Now</source>
        <extracomment>The button that sets the date and time to the present; 43 pixels wide.</extracomment>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Interval</source>
        <extracomment>The animation&apos;s step, the caption of its little dialog.</extracomment>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsExport</name>
    <message>
        <source>%1 transit</source>
        <translation>Tránsito de %1</translation>
    </message>
    <message>
        <source>%1 occultation</source>
        <translation>Ocultación de %1</translation>
    </message>
    <message>
        <source>%1 shadow transit</source>
        <translation>Tránsito de la sombra de %1</translation>
    </message>
    <message>
        <source>%1 eclipse</source>
        <translation>Eclipse de %1</translation>
    </message>
    <message>
        <source>%1 of the light</source>
        <extracomment>A penumbral eclipse&apos;s magnitude, %1 &quot;Q31%&quot;: a share of the moon&apos;s light.</extracomment>
        <translation>%1 de la luz</translation>
    </message>
    <message>
        <source>light falls</source>
        <translation>caída de luz</translation>
    </message>
    <message>
        <source>umbra start</source>
        <translation>inicio de la umbra</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>maximum %1</source>
        <extracomment>A mutual event&apos;s maximum, %1 its magnitude and light lost.</extracomment>
        <translation>máximo %1</translation>
    </message>
    <message>
        <source>umbra end</source>
        <translation>fin de la umbra</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>light whole</source>
        <translation>luz recuperada</translation>
    </message>
    <message>
        <source>%1, maximum %2; %3</source>
        <extracomment>A mutual event in words: %1 &quot;Europa occults Io&quot;, %2 its magnitude and light lost, %3 its contacts&apos; times.</extracomment>
        <translation>%1, máximo %2; %3</translation>
    </message>
    <message>
        <source>The events could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>No se pudieron exportar los fenómenos.
No se puede escribir «%1».</translation>
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
        <translation>anular</translation>
    </message>
    <message>
        <source>penumbral, %1 of the light, not the diameter</source>
        <extracomment>%1 the share of the moon&apos;s light lost, &quot;Q31%&quot;.</extracomment>
        <translation>penumbral, %1 de la luz, no del diámetro</translation>
    </message>
    <message>
        <source>magnitude %1</source>
        <extracomment>%1 the share of the moon&apos;s diameter covered, &quot;45%&quot;.</extracomment>
        <translation>magnitud %1</translation>
    </message>
    <message>
        <source>of %1&apos;s light</source>
        <extracomment>Whose light a mutual eclipse takes: %1 the eclipsed moon.</extracomment>
        <translation>de la luz de %1</translation>
    </message>
    <message>
        <source>of the pair&apos;s light</source>
        <translation>de la luz de ambas lunas</translation>
    </message>
    <message>
        <source>%1: %2, %3
%4
light lost at maximum: %5% %6, %7</source>
        <extracomment>A mutual event&apos;s tooltip: %1 code, %2 what happens, %3 magnitude; %4 the contacts&apos; times; %5 per cent of light lost, %6 whose light, %7 &quot;Δm 0.52 eye&quot;.</extracomment>
        <translation>%1: %2, %3
%4
luz perdida en el máximo: %5 % %6, %7</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Sin fenómenos</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate</source>
        <translation>Fuera de 1900-2100: menos preciso</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsPage</name>
    <message>
        <source>limb</source>
        <extracomment>The page&apos;s short mark of a moon at the edge of Jupiter&apos;s disc (fits a narrow column).</extracomment>
        <translation>limbo</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The page&apos;s short mark of a moon in front of Jupiter&apos;s disc.</extracomment>
        <translation>disco</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Moon Events: %1 %2</source>
        <extracomment>The page&apos;s title: %1 the month&apos;s name, %2 the year.</extracomment>
        <translation>Fenómenos de las lunas de Júpiter: %1 %2</translation>
    </message>
    <message>
        <source>Mutual events: day, start, maximum, end, code (2O1 Europa occults Io, 3E1 Ganymede eclipses Io), magnitude (T total, A annular</source>
        <extracomment>The legend&apos;s start; the codes and the letters T, A (and Q) stay as printed. The legend goes on with the next two parts: mind the open parenthesis.</extracomment>
        <translation>Fenómenos mutuos: día, inicio, máximo, fin, código (2O1 Europa oculta a Ío, 3E1 Ganímedes eclipsa a Ío), magnitud (T total, A anular</translation>
    </message>
    <message>
        <source>, Q penumbral: the light lost, not the diameter). Eclipses add the light&apos;s fall before the start and its return after the end</source>
        <extracomment>Added after &quot;A annular&quot; in a month with eclipses; it closes the parenthesis.</extracomment>
        <translation>, Q penumbral: la luz perdida, no el diámetro). Los eclipses añaden la caída de la luz antes del inicio y su regreso tras el fin</translation>
    </message>
    <message>
        <source>), Δm the drop in magnitude at maximum and who sees it (eye 0.5 or more, photometry 0.1 to 0.5, graze under 0.1).</source>
        <extracomment>The legend&apos;s next part; its &quot;)&quot; closes the magnitude&apos;s parenthesis. eye, photometry, graze: the words printed after Δm.</extracomment>
        <translation>), Δm la caída de magnitud en el máximo y quién la ve (ojo 0.5 o más, fotometría 0.1 a 0.5, rasante bajo 0.1).</translation>
    </message>
    <message>
        <source> A time on another day than the maximum&apos;s has its day.</source>
        <translation> Una hora de otro día que el del máximo lleva su día.</translation>
    </message>
    <message>
        <source> limb, disc: the moon at Jupiter&apos;s limb or on its disc.</source>
        <extracomment>limb, disc: the marks printed after a magnitude, as translated there.</extracomment>
        <translation> limbo, disco: la luna en el limbo de Júpiter o ante su disco.</translation>
    </message>
    <message>
        <source>, visible events only</source>
        <translation>, solo fenómenos visibles</translation>
    </message>
    <message>
        <source>Times to the minute at the first and last contact with the disc or its shadow; hidden instants left out.</source>
        <translation>Horas al minuto en el primer y el último contacto con el disco o su sombra; instantes ocultos omitidos.</translation>
    </message>
    <message>
        <source>Outside 1900-2100: less accurate.</source>
        <translation>Fuera de 1900-2100: menos preciso.</translation>
    </message>
</context>
<context>
    <name>kelvra::MoonEventsSky</name>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5, Sun ≤ %6</source>
        <extracomment>The site: %1°%2 latitude and N/S, %3°%4 longitude and E/W (letters kept), %5 the least altitude of Jupiter, %6 the greatest of the Sun for an event to count as visible.</extracomment>
        <translation>%1°%2 %3°%4, Júpiter ≥ %5, Sol ≤ %6</translation>
    </message>
    <message>
        <source>Jupiter %1, Sun %2</source>
        <extracomment>Altitudes above the horizon: %1 Jupiter&apos;s, %2 the Sun&apos;s, &quot;34.2°&quot;.</extracomment>
        <translation>Júpiter %1, Sol %2</translation>
    </message>
    <message>
        <source>Up all day, Tr %1</source>
        <extracomment>Jupiter never sets that day; Tr: its transit of the meridian, %1 its time. Short: the list&apos;s top line.</extracomment>
        <translation>Arriba todo el día, Tr %1</translation>
    </message>
    <message>
        <source>Below the horizon all day</source>
        <extracomment>Jupiter never rises that day. Short: the list&apos;s top line.</extracomment>
        <translation>Bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>Rise %1 Tr %2 Set %3</source>
        <extracomment>Jupiter&apos;s rise, transit of the meridian and set that day (times). Short: the list&apos;s top line, 160 pixels wide.</extracomment>
        <translation>Orto %1 Tr %2 Oc. %3</translation>
    </message>
</context>
<context>
    <name>kelvra::ObservingLog</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read or written</source>
        <translation>no se puede leer ni escribir</translation>
    </message>
    <message>
        <source>it is not an observing log</source>
        <translation>no es un registro de observación</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it is another program&apos;s database, or a newer version&apos;s log</source>
        <translation>es la base de datos de otro programa o el registro de una versión más reciente</translation>
    </message>
    <message>
        <source> The stamps are kept only until Kelvra95 ends: export them as CSV before you close it.</source>
        <extracomment>After a sentence saying why the log cannot be kept in a file (it starts with a space).</extracomment>
        <translation> Las marcas de tiempo solo se conservan hasta que Kelvra95 termine: expórtelas como CSV antes de cerrarlo.</translation>
    </message>
    <message>
        <source>%1 is kept as it is, since %2. The observing log is written to: %3</source>
        <extracomment>%1 a file that is not this program&apos;s log, %2 why (&quot;it is damaged&quot;), %3 the log&apos;s file.</extracomment>
        <translation>El archivo %1 se conserva tal cual, ya que %2. El registro de observación se escribe en: %3</translation>
    </message>
    <message>
        <source>%1 is not a time: write it as 2026-12-09 17:03:12.3, in UT.</source>
        <extracomment>%1 what was typed; the example&apos;s form is the one read, whatever the language.</extracomment>
        <translation>%1 no es una hora: escríbala como 2026-12-09 17:03:12.3, en TU.</translation>
    </message>
    <message>
        <source>The observing log could not be exported.
Cannot write %1.</source>
        <translation>No se pudo exportar el registro de observación.
No se puede escribir %1.</translation>
    </message>
    <message>
        <source>The observing log cannot be written in %1.</source>
        <extracomment>%1 the folders tried, joined by &quot; nor in &quot;.</extracomment>
        <translation>El registro de observación no se puede escribir en %1.</translation>
    </message>
    <message>
        <source> nor in </source>
        <translation> ni en </translation>
    </message>
    <message>
        <source>No observing log could be made in %1.</source>
        <translation>No se pudo crear ningún registro de observación en %1.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <extracomment>%1 the log&apos;s file, %2 the database&apos;s own words for the failure.</extracomment>
        <translation>No se pudo escribir %1 (%2).</translation>
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
        <translation>Kelvra95 – Registro de observación</translation>
    </message>
    <message>
        <source>Observed UT</source>
        <translation>Observado (TU)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Predicted UT</source>
        <translation>Previsto (TU)</translation>
    </message>
    <message>
        <source>O−C (s)</source>
        <extracomment>Observed minus computed time, in seconds.</extracomment>
        <translation>O−C (s)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Observing log</source>
        <translation>Registro de observación</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>E&amp;xportar CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Kept in memory for this run</source>
        <translation>Guardado en memoria para esta sesión</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Delete the timing of %1 UT?</source>
        <translation>¿Eliminar la medición de %1 TU?</translation>
    </message>
    <message>
        <source>Export the observing log</source>
        <translation>Exportar el registro de observación</translation>
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
        <translation>Ningún programa pudo abrir el archivo de ayuda. Ábralo en un navegador web:
%1</translation>
    </message>
</context>
<context>
    <name>kelvra::PageLayout</name>
    <message>
        <source>The page could not be printed.
%1</source>
        <translation>No se pudo imprimir la página.
%1</translation>
    </message>
    <message>
        <source>No printer is available - save the page as a PDF</source>
        <translation>No hay ninguna impresora - guardar la página como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be saved as a PDF.
Cannot write &quot;%1&quot;.</source>
        <translation>No se pudo guardar la página como PDF.
No se puede escribir «%1».</translation>
    </message>
    <message>
        <source>Printed by Kelvra95 V1.14  (%1)</source>
        <extracomment>The page&apos;s footer; %1 is the program&apos;s web address.</extracomment>
        <translation>Impreso con Kelvra95 V1.14  (%1)</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir la impresora «%1».</translation>
    </message>
    <message>
        <source>The printing system reported an error.</source>
        <translation>El sistema de impresión informó de un error.</translation>
    </message>
    <message>
        <source>[Universal Time]</source>
        <translation>[Tiempo universal]</translation>
    </message>
    <message>
        <source>[Local Time, UTC%1%2:%3]</source>
        <extracomment>The page&apos;s clock: the sign, the hours and the minutes of its offset from UT.</extracomment>
        <translation>[Hora local, UTC%1%2:%3]</translation>
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
        <translation>Radio de Júpiter %1</translation>
    </message>
    <message>
        <source>Jupiter radio %1 until %2, in daylight</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;), %2 the time its window ends</extracomment>
        <translation>Radio de Júpiter %1 hasta las %2, de día</translation>
    </message>
    <message>
        <source>Jupiter radio %1 until %2</source>
        <translation>Radio de Júpiter %1 hasta las %2</translation>
    </message>
    <message>
        <source>%1 start</source>
        <extracomment>%1 the source region (&quot;Io-B&quot;): its window opens</extracomment>
        <translation>%1 inicio</translation>
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
        <translation>Ventanas de radio de Júpiter: %1 %2</translation>
    </message>
    <message>
        <source>the month&apos;s track</source>
        <translation>traza del mes</translation>
    </message>
    <message>
        <source>the track of the night from %1-%2-%3 12:00</source>
        <extracomment>%1-%2-%3 the year, month and day the night begins, at noon</extracomment>
        <translation>traza de la noche desde %1-%2-%3 12:00</translation>
    </message>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5°, visible only</source>
        <extracomment>%1 latitude, %2 N or S, %3 longitude, %4 E or W, %5 Jupiter&apos;s least altitude</extracomment>
        <translation>%1°%2 %3°%4, Júpiter ≥ %5°, solo visibles</translation>
    </message>
    <message>
        <source>%1°%2 %3°%4, Jupiter ≥ %5°</source>
        <translation>%1°%2 %3°%4, Júpiter ≥ %5°</translation>
    </message>
    <message>
        <source>Central meridian, System III (degrees)</source>
        <translation>Meridiano central, Sistema III (grados)</translation>
    </message>
    <message>
        <source>Io&apos;s phase (degrees)</source>
        <translation>Fase de Ío (grados)</translation>
    </message>
    <message>
        <source>No windows this month</source>
        <translation>Ninguna ventana este mes</translation>
    </message>
</context>
<context>
    <name>kelvra::RadioPicture</name>
    <message>
        <source>CM III %1  Io %2</source>
        <extracomment>CM III: the central meridian in System III; %1 its longitude, %2 Io&apos;s phase</extracomment>
        <translation>MC III %1  Ío %2</translation>
    </message>
    <message>
        <source>Europa %1  Ganymede %2</source>
        <extracomment>%1 Europa&apos;s phase, %2 Ganymede&apos;s</extracomment>
        <translation>Europa %1  Ganímedes %2</translation>
    </message>
    <message>
        <source>Shaded: daylight, 20 MHz often blocked by the ionosphere</source>
        <translation>Sombreado: de día, 20 MHz a menudo bloqueados por la ionosfera</translation>
    </message>
    <message>
        <source>Shaded: daylight (ionosphere)</source>
        <translation>Sombreado: día (ionosfera)</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Ninguna ventana</translation>
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
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of values: &quot;-90 to 90&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>kelvra::SettingsPlace</name>
    <message>
        <source>%1 is not a regular file; the defaults are used.
The changed settings hold until the program exits.</source>
        <translation>%1 no es un archivo normal; se usan los valores predeterminados.
Los ajustes cambiados valen hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>%1 is read-only; the settings are not saved to it.
The changed settings hold until the program exits.</source>
        <translation>%1 es de solo lectura; los ajustes no se guardan en él.
Los ajustes cambiados valen hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1.
The changed settings hold until the program exits.</source>
        <translation>No se pudieron guardar los ajustes en
%1.
Los ajustes cambiados valen hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
</context>
<context>
    <name>kelvra::SideWindowForm</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Local time</source>
        <extracomment>The menu entry that switches the window between local time and Universal Time.</extracomment>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Universal or local time</source>
        <translation>Tiempo universal u hora local</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1, %2 %3, local time</source>
        <extracomment>The list&apos;s accessible name: the window, the month&apos;s name, the year.</extracomment>
        <translation>%1, %2 de %3, hora local</translation>
    </message>
    <message>
        <source>%1, %2 %3, Universal Time</source>
        <translation>%1, %2 de %3, tiempo universal</translation>
    </message>
</context>
<context>
    <name>kelvra::SideWindowKind</name>
    <message>
        <source>Great Red Spot transits</source>
        <translation>Tránsitos de la Gran Mancha Roja</translation>
    </message>
    <message>
        <source>Red Spot</source>
        <translation>Mancha Roja</translation>
    </message>
    <message>
        <source>Satellite tracks</source>
        <translation>Trayectorias de los satélites</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trayectorias</translation>
    </message>
    <message>
        <source>Light curve</source>
        <translation>Curva de luz</translation>
    </message>
    <message>
        <source>Radio storms</source>
        <translation>Tormentas de radio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Moon events</source>
        <translation>Fenómenos de las lunas</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Fenómenos</translation>
    </message>
</context>
<context>
    <name>kelvra::SiteSettings</name>
    <message>
        <source>%1: %2 = %3 is outside %4 and is ignored</source>
        <extracomment>A value in the settings file: the file, the key, the value, the range.</extracomment>
        <translation>%1: %2 = %3 está fuera del intervalo %4 y se ignora</translation>
    </message>
    <message>
        <source>%1: %2 = %3 is not a number from %4 and is ignored</source>
        <translation>%1: %2 = %3 no es un número del intervalo %4 y se ignora</translation>
    </message>
</context>
<context>
    <name>kelvra::SkinWords</name>
    <message>
        <source>Version 1.14</source>
        <translation>Versión 1.14</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Contacto:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>GRS Longitude</source>
        <translation>Longitud de la GMR</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <source>° a month</source>
        <translation>° al mes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>kelvra::TAboutWin</name>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About Kelvra95</source>
        <translation>Acerca de Kelvra95</translation>
    </message>
</context>
<context>
    <name>kelvra::TGRSLongitude</name>
    <message>
        <source>GRS Longitude</source>
        <translation>Longitud de la GMR</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Degrees, System II</source>
        <translation>Grados, Sistema II</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <source>Degrees a month</source>
        <translation>Grados al mes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>The day the longitude held on, year-month-day</source>
        <translation>El día en que valía la longitud, año-mes-día</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«%1» no es una fecha válida</translation>
    </message>
</context>
<context>
    <name>kelvra::TGRSTransits</name>
    <message>
        <source>Red Spot longitude…</source>
        <translation>Longitud de la Mancha Roja…</translation>
    </message>
    <message>
        <source>Red Spot at System II longitude %1°</source>
        <translation>Mancha Roja en la longitud %1° del Sistema II</translation>
    </message>
    <message>
        <source>not visible from the site: %1</source>
        <translation>no visibles desde el lugar de observación: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s GRS Transits</source>
        <translation>Tránsitos de la GMR de Júpiter</translation>
    </message>
</context>
<context>
    <name>kelvra::TInterval</name>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Interval in minutes</source>
        <translation>Intervalo en minutos</translation>
    </message>
</context>
<context>
    <name>kelvra::TLightCurve</name>
    <message>
        <source>selected</source>
        <extracomment>The event shown is the one selected in the events list</extracomment>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>going on</source>
        <extracomment>The event shown is going on now</extracomment>
        <translation>en curso</translation>
    </message>
    <message>
        <source>next</source>
        <extracomment>The event shown is the next to come</extracomment>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>Export curve…</source>
        <translation>Exportar curva…</translation>
    </message>
    <message>
        <source>No mutual event</source>
        <extracomment>Two lines in the window, the second under the first</extracomment>
        <translation>Ningún fenómeno mutuo</translation>
    </message>
    <message>
        <source>within a year</source>
        <translation>en un año</translation>
    </message>
    <message>
        <source>local time</source>
        <translation>hora local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>tiempo universal</translation>
    </message>
    <message>
        <source>Light curve, %1, %2, %3</source>
        <extracomment>%1 the event (&quot;2O1 Europa occults Io&quot;), %2 its date, %3 the time basis</extracomment>
        <translation>Curva de luz, %1, %2, %3</translation>
    </message>
    <message>
        <source>Light curve, %1</source>
        <extracomment>%1 the time basis</extracomment>
        <translation>Curva de luz, %1</translation>
    </message>
    <message>
        <source>Light Curve</source>
        <translation>Curva de luz</translation>
    </message>
    <message>
        <source>There is no mutual event to export within a year.</source>
        <translation>No hay ningún fenómeno mutuo que exportar en un año.</translation>
    </message>
    <message>
        <source>Export the light curve</source>
        <translation>Exportar la curva de luz</translation>
    </message>
    <message>
        <source>The light curve could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>No se pudo exportar la curva de luz.
No se puede escribir «%1».</translation>
    </message>
</context>
<context>
    <name>kelvra::TMoonEvents</name>
    <message>
        <source>Kelvra95 – Reminders</source>
        <translation>Kelvra95 – Avisos</translation>
    </message>
    <message>
        <source>Minutes before each event (0: no reminders):</source>
        <translation>Minutos antes de cada fenómeno (0: sin avisos):</translation>
    </message>
    <message>
        <source>Visible only</source>
        <translation>Solo visibles</translation>
    </message>
    <message>
        <source>Only the events visible from the site</source>
        <translation>Solo los fenómenos visibles desde el lugar de observación</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Reminders…</source>
        <translation>Avisos…</translation>
    </message>
    <message>
        <source>Stamp the time</source>
        <translation>Marcar la hora</translation>
    </message>
    <message>
        <source>Observing log…</source>
        <translation>Registro de observación…</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>going on</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>not visible from the site</source>
        <translation>no visible desde el lugar de observación</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Moon Events</source>
        <translation>Fenómenos de las lunas de Júpiter</translation>
    </message>
</context>
<context>
    <name>kelvra::TRadio</name>
    <message>
        <source>The radio windows could not be exported.
Cannot write &quot;%1&quot;.</source>
        <translation>No se pudieron exportar las ventanas de radio.
No se puede escribir «%1».</translation>
    </message>
    <message>
        <source>Visible only</source>
        <translation>Solo visibles</translation>
    </message>
    <message>
        <source>Only the windows Jupiter is up for at the site</source>
        <translation>Solo las ventanas en que Júpiter está sobre el horizonte en el lugar de observación</translation>
    </message>
    <message>
        <source>Month&apos;s track</source>
        <translation>Traza del mes</translation>
    </message>
    <message>
        <source>The night&apos;s or the month&apos;s track</source>
        <translation>Traza de la noche o del mes</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Io&apos;s phase up, the central meridian in System III across, the regions Io-A to Io-D boxed, the non-Io bands behind; the month&apos;s track</source>
        <translation>Fase de Ío hacia arriba, meridiano central del Sistema III en horizontal, las regiones Io-A a Io-D enmarcadas, las bandas non-Io detrás; la traza del mes</translation>
    </message>
    <message>
        <source>Io&apos;s phase up, the central meridian in System III across, the regions Io-A to Io-D boxed, the non-Io bands behind; the night&apos;s track</source>
        <translation>Fase de Ío hacia arriba, meridiano central del Sistema III en horizontal, las regiones Io-A a Io-D enmarcadas, las bandas non-Io detrás; la traza de la noche</translation>
    </message>
    <message>
        <source>No windows</source>
        <translation>Ninguna ventana</translation>
    </message>
    <message>
        <source>going on</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>Jupiter below its least altitude</source>
        <translation>Júpiter por debajo de su altura mínima</translation>
    </message>
    <message>
        <source>in daylight: the ionosphere often blocks it</source>
        <translation>de día: la ionosfera suele bloquearla</translation>
    </message>
    <message>
        <source>Export the month&apos;s radio windows</source>
        <translation>Exportar las ventanas de radio del mes</translation>
    </message>
</context>
<context>
    <name>kelvra::TSatTracks</name>
    <message>
        <source>Day 1 at the top, a row each half hour, odd days banded: each moon&apos;s distance east or west of Jupiter, the band down the middle, west on the left; Io white, Europa yellow, Ganymede orange, Callisto light blue</source>
        <translation>Día 1 arriba, una fila por media hora, días impares sombreados: la distancia de cada luna al este o al oeste de Júpiter, la banda en el centro, el oeste a la izquierda; Ío blanco, Europa amarillo, Ganímedes naranja, Calisto azul claro</translation>
    </message>
    <message>
        <source>Day 1 at the top, a row each half hour, odd days banded: each moon&apos;s distance east or west of Jupiter, the band down the middle, east on the left; Io white, Europa yellow, Ganymede orange, Callisto light blue</source>
        <translation>Día 1 arriba, una fila por media hora, días impares sombreados: la distancia de cada luna al este o al oeste de Júpiter, la banda en el centro, el este a la izquierda; Ío blanco, Europa amarillo, Ganímedes naranja, Calisto azul claro</translation>
    </message>
</context>
<context>
    <name>kelvra::TSiteDialog</name>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>° north</source>
        <translation>° norte</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>° east</source>
        <translation>° este</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Jupiter&apos;s least altitude</source>
        <translation>Altura mínima de Júpiter</translation>
    </message>
    <message>
        <source>Sun&apos;s greatest altitude</source>
        <translation>Altura máxima del Sol</translation>
    </message>
    <message>
        <source>Observing site</source>
        <translation>Lugar de observación</translation>
    </message>
    <message>
        <source>Enter keeps, Escape cancels.
No site: empty latitude and longitude.</source>
        <translation>Intro guarda, Esc cancela.
Sin lugar de observación: latitud y longitud vacías.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3</source>
        <extracomment>%1 the field&apos;s name as the dialog shows it, %2 and %3 the ends of its range.</extracomment>
        <translation>%1 debe estar entre %2 y %3</translation>
    </message>
</context>
<context>
    <name>kelvra::TViewer</name>
    <message>
        <source>Hour must lie between 0 and %1</source>
        <translation>La hora debe estar entre 0 y %1</translation>
    </message>
    <message>
        <source>Minute must lie between 0 and %1</source>
        <translation>Los minutos deben estar entre 0 y %1</translation>
    </message>
    <message>
        <source>Second must lie between 0 and %1</source>
        <translation>Los segundos deben estar entre 0 y %1</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>No se encuentra el archivo de ayuda</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Real time</source>
        <translation>Tiempo real</translation>
    </message>
    <message>
        <source>Animate…</source>
        <translation>Animar…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Magnify</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Southern hemisphere</source>
        <translation>Hemisferio sur</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hemisferio</translation>
    </message>
    <message>
        <source>Modern positions</source>
        <translation>Posiciones modernas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Observing site…</source>
        <translation>Lugar de observación…</translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Vista en planta</translation>
    </message>
    <message>
        <source>The four orbits seen from above Jupiter&apos;s north pole, the Earth below</source>
        <translation>Las cuatro órbitas vistas desde encima del polo norte de Júpiter, la Tierra abajo</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>Beside the day, month and year fields: about five letters at most.</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Beside the hour, minute and second fields: about five letters at most.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>View:</source>
        <extracomment>Beside the list of instruments (telescope, binoculars, star diagonal): five letters.</extracomment>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Astro Scope</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Binoculars</source>
        <translation>Prismáticos</translation>
    </message>
    <message>
        <source>Star Diagonal</source>
        <translation>Diagonal cenital</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>The instrument the views are drawn for</source>
        <translation>El instrumento para el que se dibujan las vistas</translation>
    </message>
    <message>
        <source>Central Meridian</source>
        <translation>Meridiano central</translation>
    </message>
    <message>
        <source>System I:</source>
        <translation>Sistema I:</translation>
    </message>
    <message>
        <source>System II:</source>
        <translation>Sistema II:</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distancias</translation>
    </message>
    <message>
        <source>Angle from Inferior Conj. (degrees)</source>
        <extracomment>Three short lines, each about 14 letters at most.</extracomment>
        <translation>Ángulo desde conj. inf. (grados)</translation>
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
        <translation>Teoría moderna</translation>
    </message>
    <message>
        <source>North down, east left</source>
        <translation>Norte abajo, este a la izquierda</translation>
    </message>
    <message>
        <source>North up, east left</source>
        <translation>Norte arriba, este a la izquierda</translation>
    </message>
    <message>
        <source>North down, east right</source>
        <translation>Norte abajo, este a la derecha</translation>
    </message>
    <message>
        <source>North up, east right</source>
        <translation>Norte arriba, este a la derecha</translation>
    </message>
    <message>
        <source>crossing Jupiter&apos;s disc</source>
        <translation>en tránsito por el disco de Júpiter</translation>
    </message>
    <message>
        <source>hidden behind Jupiter</source>
        <translation>oculto tras Júpiter</translation>
    </message>
    <message>
        <source>in front of Jupiter</source>
        <translation>delante de Júpiter</translation>
    </message>
    <message>
        <source>behind Jupiter</source>
        <translation>detrás de Júpiter</translation>
    </message>
    <message>
        <source>beyond the view&apos;s edge</source>
        <translation>más allá del borde de la vista</translation>
    </message>
    <message>
        <source>in Jupiter&apos;s shadow</source>
        <translation>en la sombra de Júpiter</translation>
    </message>
    <message>
        <source>its shadow on the disc</source>
        <translation>su sombra sobre el disco</translation>
    </message>
    <message>
        <source>%1% of its light in another moon&apos;s shadow</source>
        <translation>%1 % de su luz en la sombra de otra luna</translation>
    </message>
    <message>
        <source>behind %1</source>
        <extracomment>%1 is the moon in front.</extracomment>
        <translation>detrás de %1</translation>
    </message>
    <message>
        <source>%1 %2 radii west, %3</source>
        <extracomment>%1 the moon, %2 its distance in Jupiter&apos;s radii, %3 where it stands (&quot;in front of Jupiter&quot;, ...).</extracomment>
        <translation>%1 a %2 radios al oeste, %3</translation>
    </message>
    <message>
        <source>%1 %2 radii east, %3</source>
        <translation>%1 a %2 radios al este, %3</translation>
    </message>
    <message>
        <source>System I: %1°</source>
        <translation>Sistema I: %1°</translation>
    </message>
    <message>
        <source>System II: %1°</source>
        <translation>Sistema II: %1°</translation>
    </message>
    <message>
        <source>%1 north-south: %2 radii%3</source>
        <extracomment>%1 the moon, %2 the distance, %3 its N or S mark.</extracomment>
        <translation>%1 norte-sur: %2 radios%3</translation>
    </message>
    <message>
        <source>%1 east-west: %2 radii%3</source>
        <extracomment>%1 the moon, %2 the distance, %3 its E or W mark.</extracomment>
        <translation>%1 este-oeste: %2 radios%3</translation>
    </message>
    <message>
        <source>%1 angle from inferior conjunction: %2°</source>
        <translation>%1 ángulo desde la conjunción inferior: %2°</translation>
    </message>
    <message>
        <source>Northern</source>
        <translation>Hemisferio norte</translation>
    </message>
    <message>
        <source>Southern</source>
        <translation>Hemisferio sur</translation>
    </message>
    <message>
        <source>Eyepiece view</source>
        <translation>Vista del ocular</translation>
    </message>
</context>
<context>
    <name>kelvra::TracksPage</name>
    <message>
        <source>an Astronomical Telescope</source>
        <extracomment>Completes &quot;[As viewed through %1 - ...]&quot;</extracomment>
        <translation>un telescopio astronómico</translation>
    </message>
    <message>
        <source>Binoculars</source>
        <translation>prismáticos</translation>
    </message>
    <message>
        <source>a Star Diagonal</source>
        <translation>un espejo diagonal</translation>
    </message>
    <message>
        <source>Jupiter&apos;s Satellites: %1 %2</source>
        <extracomment>The printed page&apos;s title: %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Satélites de Júpiter: %1 %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Tiempo universal</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisferio norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisferio sur</translation>
    </message>
    <message>
        <source>[As viewed through %1 - %2 - %3]</source>
        <extracomment>%1 the instrument (&quot;an Astronomical Telescope&quot;), %2 the time basis, %3 the hemisphere</extracomment>
        <translation>[Visto a través de %1 - %2 - %3]</translation>
    </message>
</context>
</TS>
