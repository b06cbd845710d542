<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Échec de la connexion. Le nom d&apos;utilisateur ou le mot de passe saisi est incorrect.</translation>
    </message>
    <message>
        <source>Not enough credit is available to print this job. Recharge your credit.</source>
        <translation>Le crédit disponible est insuffisant pour imprimer cette tâche. Rechargez votre crédit.</translation>
    </message>
    <message>
        <source>Printing is canceled</source>
        <translation>L&apos;impression est annulée.</translation>
    </message>
    <message>
        <source>This job will be canceled because you have reached one or more of your quotas.
Contact your administrator for further information.</source>
        <translation>Cette tâche sera annulée car vous avez atteint un ou plusieurs de vos quotas.
Contactez votre administrateur pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossible de se connecter au serveur.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Vous n&apos;êtes pas autorisé à imprimer.</translation>
    </message>
    <message>
        <source>You have the following print restrictions:</source>
        <translation>Vous avez les restrictions d&apos;impression suivantes :</translation>
    </message>
</context>
</TS>
