<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>ImagingTab</name>
    <message>
        <source>Print quality</source>
        <translation>Qualidade de impressão</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Sobreposição</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir cinzentos com toner preto</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
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
        <translation>Desligado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brilhante</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Definições...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retícula de meios-tons</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reprodução de cor</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversão de cor</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Otimização CIE</translation>
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
        <translation>Definições de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (matiz, saturação e luminosidade)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Equilíbrio de cor</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Ajuste de matiz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosidade</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Níveis de cor</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Definições de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
</context>
</TS>
