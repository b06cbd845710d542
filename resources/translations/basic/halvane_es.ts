<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BookletTab</name>
    <message>
        <source>Booklet</source>
        <translation>Folleto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Encuadernación izquierda</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Encuadernación derecha</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Plegado del folleto</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Desplazar trabajos</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Girar copias</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Plegado tríptico</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Cara de impresión</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Dirección del plegado</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Número de hojas</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Plegado díptico</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforación</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Método de perforación:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Grapado:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posición de grapa:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grapado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Media size</source>
        <translation>Tamaño del soporte</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de soporte</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Intercalar</translation>
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
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Borde largo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Borde corto</translation>
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
        <source>Print size</source>
        <translation>Tamaño de impresión</translation>
    </message>
</context>
</TS>
