<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Anmeldung fehlgeschlagen. Der eingegebene Benutzername oder das Kennwort ist falsch.</translation>
    </message>
    <message>
        <source>Not enough credit is available to print this job. Recharge your credit.</source>
        <translation>Für diesen Druckauftrag ist nicht genügend Guthaben vorhanden. Laden Sie Ihr Guthaben auf.</translation>
    </message>
    <message>
        <source>Printing is canceled</source>
        <translation>Der Druck wird abgebrochen.</translation>
    </message>
    <message>
        <source>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</source>
        <translation>Dieser Auftrag wird abgebrochen, da Sie eines oder mehrere Ihrer Kontingente erreicht haben.
Weitere Informationen erhalten Sie von Ihrem Administrator.</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Verbindung zum Server nicht möglich.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Sie haben keine Berechtigung zum Drucken.</translation>
    </message>
    <message>
        <source>You have the following print restrictions:</source>
        <translation>Für Sie gelten folgende Druckeinschränkungen:</translation>
    </message>
</context>
</TS>
