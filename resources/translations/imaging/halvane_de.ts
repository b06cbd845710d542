<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ImagingTab</name>
    <message>
        <source>Print quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Überfüllung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Grautöne mit schwarzem Toner drucken</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>ZIR</source>
        <translation>ZIR</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
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
        <source>Gloss mode</source>
        <translation>Glanzmodus</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halbtonraster</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Farbwiedergabe</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Farbkonvertierung</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE-Optimierung</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (Farbton, Sättigung und Helligkeit)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Farbtonanpassung</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Farbstufen</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
</context>
</TS>
