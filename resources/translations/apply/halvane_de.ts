<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <name>ZelDialog</name>
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
</context>
</TS>
