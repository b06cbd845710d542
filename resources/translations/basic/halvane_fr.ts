<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BookletTab</name>
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Reliure bord gauche</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Reliure bord droit</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Pliage du livret</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Séparation</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Décaler les travaux</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Pivoter les copies</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Pli roulé</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Face d'impression</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Sens du pli</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Nombre de feuilles</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Pli simple</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Méthode de perforation :</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Agrafage :</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Position d'agrafage :</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Méthode d'agrafage</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Media size</source>
        <translation>Format du support</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Type de support</translation>
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
        <translation>Assembler</translation>
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
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Bord long</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Bord court</translation>
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
        <source>Print size</source>
        <translation>Format d'impression</translation>
    </message>
</context>
</TS>
