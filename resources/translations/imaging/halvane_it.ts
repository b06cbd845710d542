<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ImagingTab</name>
    <message>
        <source>Print quality</source>
        <translation>Qualità di stampa</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Stampa i grigi con toner nero</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
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
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modalità lucida</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Regolazione</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retino mezzitoni</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Riproduzione del colore</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversione del colore</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Ottimizzazione CIE</translation>
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
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (tonalità, saturazione e luminosità)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Bilanciamento del colore</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Regolazione della tonalità</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Livelli di colore</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
</context>
</TS>
