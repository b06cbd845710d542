<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Bitte geben Sie einen Seitenbereich ein.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Bitte geben Sie die gewünschten Seiten ein.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Sie können höchstens 50 Seiten einfügen.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Sie können nur Seitenzahlen zwischen 3 und 511 eingeben</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Sie können nur Seitenzahlen zwischen 2 und 511 eingeben</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Deckblatt:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Vorne und hinten</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Bedrucken:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Medium für Deckblatt:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Seiten einfügen:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Vorderseite bedrucken</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Rückseite bedrucken</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Vor Seiten einfügen:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Medium für Seiten:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Folien-Zwischenblätter:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Zwischenblätter bedrucken</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Medium für Zwischenblätter:</translation>
    </message>
</context>
</TS>
