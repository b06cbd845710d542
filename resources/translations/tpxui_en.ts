<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Login failed. The user name or password you entered is incorrect.</translation>
    </message>
    <message>
        <source>Not enough credit is available to print this job. Recharge your credit.</source>
        <translation>Not enough credit is available to print this job. Recharge your credit.</translation>
    </message>
    <message>
        <source>Printing is canceled</source>
        <translation>Printing is canceled.</translation>
    </message>
    <message>
        <source>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</source>
        <translation>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Unable to connect to the server.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>You do not have permission to print.</translation>
    </message>
    <message>
        <source>You have the following print restrictions:</source>
        <translation>You have the following print restrictions:</translation>
    </message>
</context>
</TS>
