<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Color</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Error de inicio de sesión. El nombre de usuario o la contraseña que ha introducido no son correctos.</translation>
    </message>
    <message>
        <source>Not enough credit is available to print this job. Recharge your credit.</source>
        <translation>No hay crédito suficiente para imprimir este trabajo. Recargue su crédito.</translation>
    </message>
    <message>
        <source>Printing is canceled</source>
        <translation>La impresión se ha cancelado.</translation>
    </message>
    <message>
        <source>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</source>
        <translation>Este trabajo se cancelará porque ha alcanzado una o varias de sus cuotas.
Póngase en contacto con el administrador para obtener más información.</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>No se puede conectar con el servidor.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>No tiene permiso para imprimir.</translation>
    </message>
    <message>
        <source>You have the following print restrictions:</source>
        <translation>Tiene las siguientes restricciones de impresión:</translation>
    </message>
</context>
</TS>
