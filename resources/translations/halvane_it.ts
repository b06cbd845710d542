<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Raccolta dati</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Note legali</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Opuscolo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Rilegatura lato sinistro</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Rilegatura lato destro</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Piegatura opuscolo</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finitura</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separazione</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Sfalsa lavori</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Ruota copie</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Piegatura a tre</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Lato di stampa</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direzione piegatura</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Numero di fogli</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Piegatura a metà</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforazione</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Metodo di perforazione:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Pinzatura:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posizione pinzatura:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Metodo di pinzatura</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modalità di piegatura</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lato di piegatura</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Direzione piegatura</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Metodo di piegatura</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Pinzatura</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Formato supporto</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo di supporto</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Fascicola</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Lato corto</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Formato di stampa</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualità di stampa</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Stampa i grigi con toner nero</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
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
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modalità lucida</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Regolazione</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retino mezzitoni</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Riproduzione del colore</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversione del colore</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Ottimizzazione CIE</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Bilanciamento colore</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Regolazione colore</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Regolazione monocromatica</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modalità colore</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Impostazioni lavoro</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilità lavori</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome lavoro</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notifica lavoro\nvia e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Il codice di accesso deve essere di 4 cifre.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Immettere un numero di casella personalizzata tra 1 e 1000.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Il valore non può contenere il carattere virgolette (&quot;).</translation>
    </message>
    <message>
        <source>Enter a valid e-mail address.</source>
        <translation>Immettere un indirizzo e-mail valido.</translation>
    </message>
    <message>
        <source>E-mail address cannot contain any spaces.</source>
        <translation>L&apos;indirizzo e-mail non può contenere spazi.</translation>
    </message>
    <message>
        <source>E-mail address should use only ASCII characters.</source>
        <translation>L&apos;indirizzo e-mail deve contenere solo caratteri ASCII.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.</source>
        <translation>Immettere l&apos;indirizzo e-mail in un formato valido.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Ad esempio: %1</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 64 character limit.</source>
        <translation>Il campo del nome lavoro personalizzato richiede un nome di massimo 64 caratteri.</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>L&apos;ID account deve essere di 1-8 cifre</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>È necessario aggiungere un ID account all&apos;elenco.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Il nome utente deve contenere almeno un carattere.</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Questo ID account esiste già.</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Codice di accesso</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Numero casella</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Inserisci ID account</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Seleziona ID account</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Elenco ID account</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID account</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID account:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definito dall’applicazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Sovrascrivi\nnome lavoro:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Nome lavoro + data e ora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Sostituisci file esistente</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nome lavoro:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Codice di accesso:</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Stampa riservata</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Casella personalizzata</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prova e attesa</translation>
    </message>
    <message>
        <source>Job storage</source>
        <translation>Archiviazione lavoro</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Errore ID account</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Modifica ID account</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nuovo ID account</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Note legali</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Inserire la password di root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorizzazione non riuscita.</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Stampanti</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opzioni installate</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Per modificare le opzioni installabili è necessario l&apos;accesso root</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Salva profili</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Seleziona profilo:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Impostazioni fabbrica</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Dettaglio</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Stampa privata</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Casella personale</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Filigrana personalizzata</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Questo nome è riservato</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Esiste già un profilo con questo nome.</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Impossibile modificare il profilo.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Impossibile aggiungere il profilo. È stato raggiunto il numero massimo di 25 profili.</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Questo nome è riservato</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>È necessario inserire un nome di profilo</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Digitare un intervallo di pagine.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Immettere le pagine desiderate.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>È possibile inserire al massimo 50 pagine.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>È possibile immettere solo numeri di pagina compresi tra 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>È possibile immettere solo numeri di pagina compresi tra 2 e 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Copertina:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Anteriore</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Anteriore e posteriore</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Stampa su:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Esterno</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interno</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Posteriore</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Supporto per copertina:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserimento pagine:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Stampa sul fronte</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Stampa sul retro</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserisci prima delle pagine:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Supporto per pagine:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Interfogli per lucidi:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Stampa sugli interfogli</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Supporto per interfogli:</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Copertina</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserimento pagine</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Interfogli per lucidi</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>In stampa</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Errore: la stampante non esiste o lpstat non è riuscito.</translation>
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
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TPXTab</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nome utente di accesso</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Nessuna notifica per conflitti con i criteri</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continua la stampa</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annulla la stampa</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossibile connettersi al server.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Il server e le credenziali dell&apos;utente sono stati autenticati e i criteri sono stati applicati.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Le credenziali e i criteri verranno controllati di nuovo durante la stampa.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Accesso non riuscito. Il nome utente o la password immessi non sono corretti.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Non si dispone dell&apos;autorizzazione per stampare.</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>È necessario compilare server, porta e dati di accesso dell&apos;utente.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Dopo aver apportato modifiche è necessario fare clic su Verifica.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Raccolta dati</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Ti chiediamo di aiutarci a migliorare la nostra applicazione e/o i nostri prodotti fornendo informazioni sull&apos;utilizzo.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>L&apos;applicazione NON raccoglie alcun dato personale.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Per quanto riguarda la raccolta dei dati, leggi l&apos;INFORMATIVA SULLA PRIVACY riportata di seguito.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sì, voglio aiutare a migliorare i vostri prodotti</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, non desidero partecipare a questa funzione</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Il valore non può contenere il carattere virgolette (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Il nome utente deve contenere almeno un carattere.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Filigrana personalizzata:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Ripeti filigrana</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Filigrana/Timbro</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super filigrana</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
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
        <translation>Non eseguire %1 come root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Sembra che le stampanti installate siano cambiate.
Ricaricamento dell&apos;elenco in corso.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Impostazioni applicate.</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Errore: la stampante non esiste o lpoptions non è riuscito.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Errore: impossibile scrivere il file delle impostazioni.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Selezionare una stampante.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or other users can change it. No settings or profiles are read from it or stored in it; ask your administrator to remove it.</source>
        <translation>La cartella %1 appartiene a un altro utente, oppure altri utenti possono modificarla. Nessuna impostazione o profilo viene letto da essa o salvato in essa; chiedere all&apos;amministratore di rimuoverla.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your changes were not applied and are kept; click Apply again in a moment.</source>
        <translation>Errore: il sistema di stampa (CUPS) non è raggiungibile. Le modifiche non sono state applicate e vengono conservate; fare di nuovo clic su Applica tra un momento.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Select the printer again in a moment.</source>
        <translation>Errore: il sistema di stampa (CUPS) non è raggiungibile. Selezionare di nuovo la stampante tra un momento.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the printing system did not take them; click Apply again in a moment.</source>
        <translation>Errore: il sistema di stampa (CUPS) non è raggiungibile. Le impostazioni sono state salvate, ma il sistema di stampa non le ha recepite; fare di nuovo clic su Applica tra un momento.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it answers.</source>
        <translation>Errore: il sistema di stampa (CUPS) non è raggiungibile. Le stampanti verranno elencate non appena risponderà.</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (tonalità, saturazione e luminosità)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Bilanciamento del colore</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Regolazione della tonalità</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Livelli di colore</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
</context>
</TS>
