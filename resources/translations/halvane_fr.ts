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
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Reliure bord gauche</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Reliure bord droit</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Pliage du livret</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Séparation</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Décaler les travaux</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Pivoter les copies</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Pli roulé</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Face d&apos;impression</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Sens du pli</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Nombre de feuilles</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Pli simple</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Méthode de perforation :</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Agrafage :</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Position d&apos;agrafage :</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Méthode d&apos;agrafage</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Mode de pliage</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Face de pliage</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Sens du pli</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Méthode de pliage</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Agrafage</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Format du support</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Type de support</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Bord long</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Bord court</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Format d&apos;impression</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualité d&apos;impression</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Gris avec le toner noir</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>ZIR</source>
        <translation>ZIR</translation>
    </message>
    <message>
        <source>Thriftink</source>
        <translation>Thriftink</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Mode brillant</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trame de demi-teintes</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproduction des couleurs</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversion des couleurs</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimisation CIE</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 ppp</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>TSL/Balance des couleurs</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Réglage monochrome</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Mode couleur</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Paramètres de tâche</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Comptabilité des tâches</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nom de la tâche</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notification de tâche\npar e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Connexion utilisateur</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Le code d&apos;accès doit comporter 4 chiffres.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Saisissez un numéro de boîte personnalisée entre 1 et 1000.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>La valeur ne peut pas contenir le caractère guillemet (&quot;).</translation>
    </message>
    <message>
        <source>Enter a valid e-mail address.</source>
        <translation>Saisissez une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>E-mail address cannot contain any spaces.</source>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espaces.</translation>
    </message>
    <message>
        <source>E-mail address should use only ASCII characters.</source>
        <translation>L&apos;adresse e-mail ne doit contenir que des caractères ASCII.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.</source>
        <translation>Saisissez l&apos;adresse e-mail dans un format valide.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Par exemple : %1</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 64 character limit.</source>
        <translation>Le champ du nom de tâche personnalisé exige un nom de 64 caractères au plus.</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>L&apos;ID de compte doit comporter de 1 à 8 chiffres</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Vous devez ajouter un ID de compte à la liste.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Le nom d&apos;utilisateur doit comporter au moins un caractère.</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Cet ID de compte existe déjà.</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Code d&apos;accès</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Numéro de boîte</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Saisir un ID de compte</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Choisir un ID de compte</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Liste des ID de compte</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de compte</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de compte :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Défini par l’application</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Remplacer le nom\nde tâche :</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Nom de tâche + date et heure</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Remplacer le fichier existant</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Connexion utilisateur</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nom de la tâche :</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Code d&apos;accès :</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impression privée</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Boîte personnalisée</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Épreuve et attente</translation>
    </message>
    <message>
        <source>Job storage</source>
        <translation>Stockage de tâche</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Erreur d&apos;ID de compte</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Modifier l&apos;ID de compte</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nouvel ID de compte</translation>
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
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Veuillez saisir le mot de passe root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisation impossible.</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Options installées</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Des droits root sont nécessaires pour modifier les options installables</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Enregistrer les profils</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Choisir un profil :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Paramètres du fabricant</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impression privée</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Boîte personnelle</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Filigrane personnalisé</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Ce nom est réservé</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Un profil portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Le profil n&apos;a pas pu être modifié.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Le profil n&apos;a pas pu être ajouté. Le nombre maximal de 25 profils est atteint.</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Ce nom est réservé</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Vous devez saisir un nom de profil</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Le profil n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Veuillez saisir une plage de pages.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Veuillez saisir les pages voulues.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Vous ne pouvez insérer que 50 pages au maximum.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page entre 3 et 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page entre 2 et 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Couverture :</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Avant et arrière</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimer sur :</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Support de couverture :</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Insertion de pages :</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimer au recto</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimer au verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insérer avant les pages :</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Support des pages :</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalaires de transparents :</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimer les intercalaires</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Support des intercalaires :</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Insertion de pages</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalaires de transparents</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Erreur : l&apos;imprimante n&apos;existe pas ou lpstat a échoué.</translation>
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
    <name>TPXTab</name>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nom d&apos;utilisateur de connexion</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Aucune notification en cas de conflit de règles</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Poursuivre l&apos;impression</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annuler l&apos;impression</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossible de se connecter au serveur.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Le serveur et les identifiants de l&apos;utilisateur ont été authentifiés et les règles ont été appliquées.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Les identifiants et les règles seront de nouveau vérifiés lors de l&apos;impression.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Échec de la connexion. Le nom d&apos;utilisateur ou le mot de passe saisi est incorrect.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Vous n&apos;êtes pas autorisé à imprimer.</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Le serveur, le port et le nom d&apos;utilisateur de connexion doivent être renseignés.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Vous devez cliquer sur Vérifier après avoir effectué des modifications.</translation>
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
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Connexion utilisateur</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>La valeur ne peut pas contenir le caractère guillemet (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Le nom d&apos;utilisateur doit comporter au moins un caractère.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Filigrane personnalisé :</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Répéter le filigrane</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Filigrane/Tampon</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super filigrane</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
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
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Erreur : l&apos;imprimante n&apos;existe pas ou lpoptions a échoué.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Erreur : impossible d&apos;écrire le fichier de paramètres.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Sélectionnez une imprimante.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or other users can change it. No settings or profiles are read from it or stored in it; ask your administrator to remove it.</source>
        <translation>Le dossier %1 appartient à un autre utilisateur, ou d&apos;autres utilisateurs peuvent le modifier. Aucun réglage ni profil n&apos;y est lu ni enregistré ; demandez à votre administrateur de le supprimer.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your changes were not applied and are kept; click Apply again in a moment.</source>
        <translation>Erreur : le système d&apos;impression (CUPS) est injoignable. Vos modifications n&apos;ont pas été appliquées et sont conservées ; cliquez de nouveau sur Appliquer dans un instant.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Select the printer again in a moment.</source>
        <translation>Erreur : le système d&apos;impression (CUPS) est injoignable. Sélectionnez de nouveau l&apos;imprimante dans un instant.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the printing system did not take them; click Apply again in a moment.</source>
        <translation>Erreur : le système d&apos;impression (CUPS) est injoignable. Vos paramètres ont été enregistrés, mais le système d&apos;impression ne les a pas pris en compte ; cliquez de nouveau sur Appliquer dans un instant.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it answers.</source>
        <translation>Erreur : le système d&apos;impression (CUPS) est injoignable. Les imprimantes seront affichées dès qu&apos;il répondra.</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Paramètres de réglage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>TSL (teinte, saturation et luminosité)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balance des couleurs</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Réglage de la teinte</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Niveaux de couleur</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Paramètres de réglage</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
</context>
</TS>
