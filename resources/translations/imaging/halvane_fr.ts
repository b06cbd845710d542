<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ImagingTab</name>
    <message>
        <source>Print quality</source>
        <translation>Qualité d&apos;impression</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimer les gris avec le toner noir</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
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
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Mode brillant</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trame de demi-teintes</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproduction des couleurs</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversion des couleurs</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimisation CIE</translation>
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
        <translation>Paramètres de réglage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>TSL (teinte, saturation et luminosité)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balance des couleurs</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Réglage de la teinte</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Niveaux de couleur</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Paramètres de réglage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
</context>
</TS>
