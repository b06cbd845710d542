<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installierte Optionen</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Zum Ändern der installierbaren Optionen sind Root-Rechte erforderlich</translation>
    </message>
</context>
</TS>
