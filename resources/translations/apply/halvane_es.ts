<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Introduzca la contraseña de root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>No se pudo autorizar.</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Error: la impresora no existe o lpoptions ha fallado.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Error: no se pudo escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Seleccione una impresora.</translation>
    </message>
</context>
</TS>
