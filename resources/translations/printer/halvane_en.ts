<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installed options</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Root access is required to make changes to installable options</translation>
    </message>
</context>
</TS>
