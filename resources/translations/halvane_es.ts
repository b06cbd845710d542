<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Recopilación de datos</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Avisos legales</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Acabado</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Avisos legales</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publicación</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Recopilación de datos</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>Le pedimos que nos ayude a mejorar nuestra aplicación y/o productos proporcionando información de uso.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>La aplicación NO recopila ningún dato personal.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>En cuanto a la recopilación de datos, lea la POLÍTICA DE PRIVACIDAD que figura a continuación.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Sí, quiero ayudar a mejorar sus productos</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, no deseo participar en esta función</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>Inicio de sesión de usuario</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
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
        <translation>No ejecute %1 como root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Parece que las impresoras instaladas han cambiado.
Recargando la lista.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Configuración aplicada.</translation>
    </message>
</context>
</TS>
