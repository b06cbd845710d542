<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Pedido de palavra-passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Introduza a palavra-passe de root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Não foi possível autorizar.</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Erro: a impressora não existe ou o lpoptions falhou.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Erro: não foi possível escrever o ficheiro de definições.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Pedido de palavra-passe</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Selecione uma impressora.</translation>
    </message>
</context>
</TS>
