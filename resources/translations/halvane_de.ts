<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Datenerfassung</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
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
        <translation>Endverarbeitung</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publizieren</translation>
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
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Datenerfassung</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Wir bitten Sie, uns mit Nutzungsinformationen bei der Verbesserung unserer Anwendung und/oder Produkte zu helfen.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>Die Anwendung erfasst KEINE personenbezogenen Daten.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Bitte lesen Sie zur Datenerfassung die folgende DATENSCHUTZERKLÄRUNG.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Ja, ich möchte helfen, Ihre Produkte zu verbessern</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>Nein, ich möchte an dieser Funktion nicht teilnehmen</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
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
        <translation>Bitte führen Sie %1 nicht als root aus.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Ihre installierten Drucker haben sich anscheinend geändert.
Die Liste wird neu geladen.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Einstellungen übernommen.</translation>
    </message>
</context>
</TS>
