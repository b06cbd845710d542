<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Please type a page range.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Please enter your specified pages.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>You can only insert up to 50 pages.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>You can only enter page numbers between 3 and 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>You can only enter page numbers between 2 and 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Cover mode:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Front and back</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Print onto:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Media for cover:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Page insert:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Print onto front</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Print onto back</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insert before pages:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Media for page:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Transparency interleaving:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Print onto backing</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Media for backing:</translation>
    </message>
</context>
</TS>
