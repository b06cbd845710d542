<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Inserire la password di root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorizzazione non riuscita.</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Errore: la stampante non esiste o lpoptions non è riuscito.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Errore: impossibile scrivere il file delle impostazioni.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Selezionare una stampante.</translation>
    </message>
</context>
</TS>
