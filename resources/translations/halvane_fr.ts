<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Collecte de données</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finition</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Mentions légales</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Collecte de données</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Nous vous demandons de nous aider à améliorer notre application et/ou nos produits en fournissant des informations d&apos;utilisation.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>L&apos;application NE collecte AUCUNE donnée personnelle.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Concernant la collecte de données, veuillez lire la POLITIQUE DE CONFIDENTIALITÉ ci-dessous.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Oui, je veux contribuer à améliorer vos produits</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>Non, je ne souhaite pas participer à cette fonction</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>Connexion utilisateur</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>Halvane</source>
        <translation>Halvane</translation>
    </message>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Veuillez ne pas exécuter %1 en tant que root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Il semble que vos imprimantes installées aient changé.
Rechargement de la liste.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Paramètres appliqués.</translation>
    </message>
</context>
</TS>
