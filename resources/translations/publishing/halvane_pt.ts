<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Introduza um intervalo de páginas.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Introduza as páginas pretendidas.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Só pode inserir até 50 páginas.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Só pode introduzir números de página entre 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Só pode introduzir números de página entre 2 e 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Capa:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimir em:</translation>
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
        <translation>Verso</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Papel da capa:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserção de páginas:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimir na frente</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimir no verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserir antes das páginas:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Papel das páginas:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalação de transparências:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimir nas folhas de fundo</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Papel das folhas de fundo:</translation>
    </message>
</context>
</TS>
