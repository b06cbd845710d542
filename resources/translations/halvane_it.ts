<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Raccolta dati</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Note legali</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finitura</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Generale</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Note legali</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Raccolta dati</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Ti chiediamo di aiutarci a migliorare la nostra applicazione e/o i nostri prodotti fornendo informazioni sull&apos;utilizzo.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>L&apos;applicazione NON raccoglie alcun dato personale.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Per quanto riguarda la raccolta dei dati, leggi l&apos;INFORMATIVA SULLA PRIVACY riportata di seguito.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sì, voglio aiutare a migliorare i vostri prodotti</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, non desidero partecipare a questa funzione</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>Accesso utente</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Non eseguire %1 come root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Sembra che le stampanti installate siano cambiate.
Ricaricamento dell&apos;elenco in corso.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Impostazioni applicate.</translation>
    </message>
</context>
</TS>
