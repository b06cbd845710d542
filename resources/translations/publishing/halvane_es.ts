<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Escriba un intervalo de páginas.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Introduzca las páginas que desea.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Solo puede insertar hasta 50 páginas.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Solo puede introducir números de página entre 3 y 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Solo puede introducir números de página entre 2 y 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Portada:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Delantera</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Delantera y trasera</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimir en:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Trasera</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Soporte de portada:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserción de páginas:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimir en el anverso</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimir en el reverso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insertar antes de las páginas:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Soporte de páginas:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalado de transparencias:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimir en las hojas de fondo</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Soporte de hojas de fondo:</translation>
    </message>
</context>
</TS>
