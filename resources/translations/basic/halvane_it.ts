<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BookletTab</name>
    <message>
        <source>Booklet</source>
        <translation>Opuscolo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Rilegatura lato sinistro</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Rilegatura lato destro</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Piegatura opuscolo</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separazione</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Sfalsa lavori</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Ruota copie</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Piegatura a tre</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Lato di stampa</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direzione piegatura</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Numero di fogli</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Piegatura a metà</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforazione</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Metodo di perforazione:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Pinzatura:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posizione pinzatura:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Metodo di pinzatura</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Media size</source>
        <translation>Formato supporto</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo di supporto</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Fascicola</translation>
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
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Lato corto</translation>
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
        <source>Print size</source>
        <translation>Formato di stampa</translation>
    </message>
</context>
</TS>
