<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Colore</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Accesso non riuscito. Il nome utente o la password immessi non sono corretti.</translation>
    </message>
    <message>
        <source>Not enough credit is available to print this job. Recharge your credit.</source>
        <translation>Il credito disponibile non è sufficiente per stampare questo lavoro. Ricaricare il credito.</translation>
    </message>
    <message>
        <source>Printing is canceled</source>
        <translation>La stampa è annullata.</translation>
    </message>
    <message>
        <source>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</source>
        <translation>Questo lavoro verrà annullato perché è stata raggiunta una o più quote.
Per ulteriori informazioni, contattare l&apos;amministratore.</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossibile connettersi al server.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Non si dispone dell&apos;autorizzazione per stampare.</translation>
    </message>
    <message>
        <source>You have the following print restrictions:</source>
        <translation>Sono presenti le seguenti restrizioni di stampa:</translation>
    </message>
</context>
</TS>
