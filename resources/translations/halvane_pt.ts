<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Recolha de dados</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Avisos legais</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Esquema</translation>
    </message>
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
        <source>Finishing</source>
        <translation>Acabamento</translation>
    </message>
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
    <message>
        <source>Folding mode</source>
        <translation>Modo de dobra</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lado da dobra</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Direção da dobra</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Método de dobra</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Agrafar</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Geral</translation>
    </message>
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
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualidade de impressão</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Sobreposição</translation>
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
        <source>Print grays with black toner</source>
        <translation>Cinzentos com toner preto</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
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
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brilhante</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Definições...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retícula de meios-tons</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reprodução de cor</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversão de cor</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Otimização CIE</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 ppp</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Equilíbrio de cor</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Ajuste de cor</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Ajuste monocromático</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modo de cor</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Definições do trabalho</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidade de trabalhos</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome do trabalho</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificação do trabalho\npor e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Início de sessão do utilizador</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>O código de acesso deve ter 4 algarismos.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Introduza um número de caixa personalizada entre 1 e 1000.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>O valor não pode conter o carácter aspas (&quot;).</translation>
    </message>
    <message>
        <source>Enter a valid e-mail address.</source>
        <translation>Introduza um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>E-mail address cannot contain any spaces.</source>
        <translation>O endereço de e-mail não pode conter espaços.</translation>
    </message>
    <message>
        <source>E-mail address should use only ASCII characters.</source>
        <translation>O endereço de e-mail deve usar apenas caracteres ASCII.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.</source>
        <translation>Introduza o endereço de e-mail num formato válido.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Por exemplo: %1</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 64 character limit.</source>
        <translation>O campo do nome de trabalho personalizado requer um nome com no máximo 64 caracteres.</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>O ID de conta deve ter de 1 a 8 algarismos</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Tem de adicionar um ID de conta à lista.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>O nome de utilizador deve ter pelo menos um carácter.</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Este ID de conta já existe.</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Código de acesso</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Número da caixa</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Indicar ID de conta</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Selecionar ID de conta</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Lista de IDs de conta</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de conta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de conta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definido pela aplicação</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Substituir nome\ndo trabalho:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Nome do trabalho + data e hora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Substituir ficheiro existente</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Início de sessão do utilizador</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nome do trabalho:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Código de acesso:</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impressão privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Caixa personalizada</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prova e retenção</translation>
    </message>
    <message>
        <source>Job storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Erro de ID de conta</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Editar ID de conta</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Novo ID de conta</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Avisos legais</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Pedido de palavra-passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Introduza a palavra-passe de root.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Não foi possível autorizar.</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impressoras</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opções instaladas</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>É necessário acesso root para alterar as opções instaláveis</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Guardar perfis</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Selecionar perfil:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Padrão de fábrica</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalhe</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impressão privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Caixa personalizada</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Marca de água personalizada</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Este nome está reservado</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Já existe um perfil com este nome.</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Não foi possível alterar o perfil.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Não foi possível adicionar o perfil. Foi atingido o número máximo de 25 perfis.</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Este nome está reservado</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Tem de introduzir um nome de perfil</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Não foi possível guardar o perfil.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publicação</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Introduza um intervalo de páginas.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Introduza as páginas pretendidas.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Só pode inserir até 50 páginas.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Só pode introduzir números de página entre 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Só pode introduzir números de página entre 2 e 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Capa:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimir em:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Verso</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Papel da capa:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserção de páginas:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimir na frente</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimir no verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserir antes das páginas:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Papel das páginas:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalação de transparências:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimir folhas de fundo</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Papel das folhas de fundo:</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserção de páginas</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalação de transparências</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inativa</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>A imprimir</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Erro: a impressora não existe ou o lpstat falhou.</translation>
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
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TPXTab</name>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nome de utilizador de início de sessão</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Sem notificações para conflitos de políticas</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continuar a impressão</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancelar a impressão</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Não foi possível ligar ao servidor.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>O servidor e as credenciais do utilizador foram autenticados e as políticas foram aplicadas.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>As credenciais e as políticas serão verificadas novamente durante a impressão.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Falha no início de sessão. O nome de utilizador ou a palavra-passe introduzidos estão incorretos.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Não tem permissão para imprimir.</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>É necessário preencher o servidor, a porta e os dados de início de sessão.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Depois de efetuar alterações, tem de clicar em Verificar.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Recolha de dados</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Pedimos-lhe que nos ajude a melhorar a nossa aplicação e/ou os nossos produtos fornecendo informações de utilização.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>A aplicação NÃO recolhe quaisquer dados pessoais.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Relativamente à recolha de dados, leia a POLÍTICA DE PRIVACIDADE seguinte.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sim, quero ajudar a melhorar os vossos produtos</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>Não, não desejo participar nesta funcionalidade</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>Início de sessão do utilizador</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Início de sessão do utilizador</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>O valor não pode conter o carácter aspas (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>O nome de utilizador deve ter pelo menos um carácter.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Marca de água</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preenchimento</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Marca de água personalizada:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repetir marca de água</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Marca de água/Carimbo</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super marca de água</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
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
        <translation>Não execute o %1 como root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Parece que as impressoras instaladas foram alteradas.
A recarregar a lista.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Definições aplicadas.</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Erro: a impressora não existe ou o lpoptions falhou.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Erro: não foi possível escrever o ficheiro de definições.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Pedido de palavra-passe</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Selecione uma impressora.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or other users can change it. No settings or profiles are read from it or stored in it; ask your administrator to remove it.</source>
        <translation>A pasta %1 pertence a outro utilizador, ou outros utilizadores podem alterá-la. Nenhuma definição ou perfil é lido dela ou guardado nela; peça ao seu administrador para a remover.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your changes were not applied and are kept; click Apply again in a moment.</source>
        <translation>Erro: não é possível contactar o sistema de impressão (CUPS). As suas alterações não foram aplicadas e foram mantidas; clique novamente em Aplicar daqui a pouco.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Select the printer again in a moment.</source>
        <translation>Erro: não é possível contactar o sistema de impressão (CUPS). Selecione novamente a impressora daqui a pouco.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the printing system did not take them; click Apply again in a moment.</source>
        <translation>Erro: não é possível contactar o sistema de impressão (CUPS). As suas definições foram guardadas, mas o sistema de impressão não as aceitou; clique novamente em Aplicar daqui a pouco.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it answers.</source>
        <translation>Erro: não é possível contactar o sistema de impressão (CUPS). As impressoras serão listadas assim que ele responder.</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Definições de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (matiz, saturação e luminosidade)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Equilíbrio de cor</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Ajuste de matiz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosidade</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Níveis de cor</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Definições de ajuste</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
</context>
</TS>
