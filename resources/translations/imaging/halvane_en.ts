<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ImagingTab</name>
    <message>
        <source>Print quality</source>
        <translation>Print quality</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
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
        <source>Print grays with black toner</source>
        <translation>Print grays with black toner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Gloss mode</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halftone screen</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Color reproduction</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Color conversion</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE optimization</translation>
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
        <translation>Adjustment Settings</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL(hue, saturation and lightness)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Color balance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Hue Adjustment</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Lightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Color levels</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Adjustment Settings</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
</context>
</TS>
