<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impressoras</translation>
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
        <translation>Opções instaladas</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>É necessário acesso root para alterar as opções instaláveis</translation>
    </message>
</context>
</TS>
