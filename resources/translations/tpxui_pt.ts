<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Falha no início de sessão. O nome de utilizador ou a palavra-passe introduzidos estão incorretos.</translation>
    </message>
    <message>
        <source>Not enough credit is available to print this job. Recharge your credit.</source>
        <translation>Não existe crédito suficiente para imprimir este trabalho. Recarregue o seu crédito.</translation>
    </message>
    <message>
        <source>Printing is canceled</source>
        <translation>A impressão foi cancelada.</translation>
    </message>
    <message>
        <source>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</source>
        <translation>Este trabalho será cancelado porque atingiu uma ou mais das suas quotas.
Contacte o administrador para obter mais informações.</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Não é possível ligar ao servidor.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Não tem permissão para imprimir.</translation>
    </message>
    <message>
        <source>You have the following print restrictions:</source>
        <translation>Tem as seguintes restrições de impressão:</translation>
    </message>
</context>
</TS>
