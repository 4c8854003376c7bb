<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
</TS>