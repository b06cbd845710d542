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
    <message>
        <source>Booklet</source>
        <translation>Broschüre</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Bindung links</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Bindung rechts</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Broschürenfalz</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Endverarbeitung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Trennung</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Aufträge versetzen</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Kopien drehen</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Wickelfalz</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Anzahl Blätter</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Einbruchfalz</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Lochen</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Lochungsart:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Heften:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Heftposition:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Heftart</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Falzmodus</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Falzseite</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Falzart</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Heften</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Mediengröße</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Druckgröße</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Überfüllung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Grautöne mit Schwarztoner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>ZIR</source>
        <translation>ZIR</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Glanzmodus</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halbtonraster</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Farbwiedergabe</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Farbkonvertierung</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE-Optimierung</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Farbbalance</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Farbanpassung</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Schwarzweiß-Anpassung</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Farbmodus</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Auftragseinstellungen</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Auftragsabrechnung</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Auftragsname</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Auftragsbenachrichtigung\nper E-Mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Der Zugangscode muss aus 4 Ziffern bestehen.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Geben Sie eine Fachnummer zwischen 1 und 1000 ein.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Der Wert darf kein Anführungszeichen (&quot;) enthalten.</translation>
    </message>
    <message>
        <source>Enter a valid e-mail address.</source>
        <translation>Geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>E-mail address cannot contain any spaces.</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>E-mail address should use only ASCII characters.</source>
        <translation>Die E-Mail-Adresse darf nur ASCII-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.</source>
        <translation>Geben Sie die E-Mail-Adresse in einem gültigen Format ein.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Zum Beispiel: %1</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 64 character limit.</source>
        <translation>Das Feld für den eigenen Auftragsnamen erfordert einen Namen mit höchstens 64 Zeichen.</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>Die Konto-ID muss aus 1 bis 8 Ziffern bestehen</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Sie müssen der Liste eine Konto-ID hinzufügen.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Der Benutzername muss mindestens ein Zeichen lang sein.</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Diese Konto-ID ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Fachnummer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Konto-ID eingeben</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Konto-ID auswählen</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Konto-ID-Liste</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>Konto-ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>Konto-ID:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Von der Anwendung</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Auftragsname\nüberschreiben:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Auftragsname + Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Vorhandene Datei ersetzen</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Auftragsname:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Zugangscode:</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Privater Druck</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Eigene Box</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prüfen und halten</translation>
    </message>
    <message>
        <source>Job storage</source>
        <translation>Auftragsspeicher</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Fehler bei der Konto-ID</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Konto-ID bearbeiten</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Neue Konto-ID</translation>
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
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Passwortabfrage</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Bitte geben Sie das Root-Passwort ein.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisierung fehlgeschlagen.</translation>
    </message>
</context>
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
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Profile speichern</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Profil auswählen:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Vertraulicher Druck</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Eigene Box</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Eigenes Wasserzeichen</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Dieser Name ist reserviert</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Ein Profil mit diesem Namen gibt es bereits.</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Das Profil konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Das Profil konnte nicht hinzugefügt werden. Die Höchstzahl von 25 Profilen ist erreicht.</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Dieser Name ist reserviert</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Sie müssen einen Profilnamen eingeben</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publizieren</translation>
    </message>
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
        <translation>Zwischenblatt bedrucken</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Medium für Zwischenblätter:</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Seiten einfügen</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Folien-Zwischenblätter</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Fehler: Der Drucker existiert nicht oder lpstat ist fehlgeschlagen.</translation>
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
    <name>TPXTab</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Keine Benachrichtigungen bei Richtlinienkonflikten</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Druck fortsetzen</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Druck abbrechen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Überprüfen</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Keine Verbindung zum Server möglich.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Server und Anmeldedaten wurden bestätigt, die Richtlinien wurden übernommen.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Anmeldedaten und Richtlinien werden beim Drucken erneut geprüft.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Anmeldung fehlgeschlagen. Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Sie haben keine Berechtigung zum Drucken.</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Server, Port und Anmeldedaten müssen ausgefüllt sein.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Nach Änderungen müssen Sie auf »Überprüfen« klicken.</translation>
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
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Der Wert darf kein Anführungszeichen (&quot;) enthalten.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Der Benutzername muss mindestens ein Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Eigenes Wasserzeichen:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Wasserzeichen wiederholen</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Wasserzeichen/Stempel</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super-Wasserzeichen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
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
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Fehler: Der Drucker existiert nicht oder lpoptions ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Fehler: Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Passwortabfrage</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Wählen Sie einen Drucker aus.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or other users can change it. No settings or profiles are read from it or stored in it; ask your administrator to remove it.</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer, oder andere Benutzer können ihn ändern. Es werden keine Einstellungen oder Profile daraus gelesen oder darin gespeichert; bitten Sie Ihren Administrator, ihn zu entfernen.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your changes were not applied and are kept; click Apply again in a moment.</source>
        <translation>Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Ihre Änderungen wurden nicht übernommen und bleiben erhalten; klicken Sie gleich noch einmal auf »Übernehmen«.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Select the printer again in a moment.</source>
        <translation>Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Wählen Sie den Drucker gleich noch einmal aus.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the printing system did not take them; click Apply again in a moment.</source>
        <translation>Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Ihre Einstellungen wurden gespeichert, aber vom Drucksystem nicht übernommen; klicken Sie gleich noch einmal auf »Übernehmen«.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it answers.</source>
        <translation>Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Die Drucker werden aufgelistet, sobald es antwortet.</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (Farbton, Sättigung und Helligkeit)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Farbtonanpassung</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Farbstufen</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
</context>
</TS>
