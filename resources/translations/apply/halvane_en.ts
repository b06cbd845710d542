<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Please enter the root password.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Could not authorize.</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Error: Printer does not exist or lpoptions failed.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Error: The settings file could not be written.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Select a printer.</translation>
    </message>
</context>
</TS>
