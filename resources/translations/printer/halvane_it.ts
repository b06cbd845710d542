<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Stampanti</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opzioni installate</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Per modificare le opzioni installabili è necessario l'accesso root</translation>
    </message>
</context>
</TS>
