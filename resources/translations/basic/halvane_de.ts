<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BookletTab</name>
    <message>
        <source>Booklet</source>
        <translation>Broschüre</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Bindung links</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Bindung rechts</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Broschürenfalz</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Trennung</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Aufträge versetzen</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Kopien drehen</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Wickelfalz</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Anzahl Blätter</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Einbruchfalz</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Lochen</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Lochungsart:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Heften:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Heftposition:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Heftart</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Media size</source>
        <translation>Mediengröße</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Druckgröße</translation>
    </message>
</context>
</TS>
