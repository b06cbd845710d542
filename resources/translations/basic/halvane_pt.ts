<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>BookletTab</name>
    <message>
        <source>Booklet</source>
        <translation>Livreto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Encadernação à esquerda</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Encadernação à direita</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Dobra do livreto</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separação</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Deslocar trabalhos</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Rodar cópias</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Dobra tripla</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Lado de impressão</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direção da dobra</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Número de folhas</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Dobra dupla</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perfuração</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Método de perfuração:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Agrafar:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posição do agrafo:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de agrafar</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Media size</source>
        <translation>Tamanho do suporte</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de suporte</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Margem longa</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Margem curta</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamanho de impressão</translation>
    </message>
</context>
</TS>
