<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ImagingTab</name>
    <message>
        <source>Print quality</source>
        <translation>Calidad de impresión</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Reventado</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir grises con tóner negro</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
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
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brillo</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trama de semitonos</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproducción del color</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversión del color</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimización CIE</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 ppp</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Configuración del ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (tono, saturación y luminosidad)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balance de color</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Ajuste de tono</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Niveles de color</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Configuración del ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
</context>
</TS>
