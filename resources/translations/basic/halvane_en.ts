<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BookletTab</name>
    <message>
        <source>Booklet</source>
        <translation>Booklet</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Left edge binding</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Right edge binding</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Booklet fold</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Offset jobs</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Rotate copies</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Tri-Fold</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Print side</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direction of fold</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Number of sheets</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Bi-Fold</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Punch</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Punch Method:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Staple:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Staple location:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Staple method</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Media size</source>
        <translation>Media size</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Media type</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Collate</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Long edge</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Short edge</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Print size</translation>
    </message>
</context>
</TS>
