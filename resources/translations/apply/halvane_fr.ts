<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Veuillez saisir le mot de passe root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisation impossible.</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Erreur : l'imprimante n'existe pas ou lpoptions a échoué.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Erreur : impossible d'écrire le fichier de paramètres.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Sélectionnez une imprimante.</translation>
    </message>
</context>
</TS>
