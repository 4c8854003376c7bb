<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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