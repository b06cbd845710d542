<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Digitare un intervallo di pagine.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Immettere le pagine desiderate.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>È possibile inserire al massimo 50 pagine.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>È possibile immettere solo numeri di pagina compresi tra 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>È possibile immettere solo numeri di pagina compresi tra 2 e 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Copertina:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Anteriore</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Anteriore e posteriore</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Stampa su:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Esterno</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interno</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Posteriore</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Supporto per copertina:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserimento pagine:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Stampa sul fronte</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Stampa sul retro</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserisci prima delle pagine:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Supporto per pagine:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Interfogli per lucidi:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Stampa sugli interfogli</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Supporto per interfogli:</translation>
    </message>
</context>
</TS>
