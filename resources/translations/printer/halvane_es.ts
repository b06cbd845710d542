<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opciones instaladas</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Se requiere acceso root para cambiar las opciones instalables</translation>
    </message>
</context>
</TS>
