<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Data collection</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Legal notices</translation>
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
        <translation>Layout</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finishing</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imaging</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Legal Notices</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Save Profile</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
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
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Data Collection</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>We ask you to help improve our application and/or products by providing usage information.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>The application DOES NOT collect any personal data.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Regarding data collection, please read the PRIVACY POLICY as follows.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Yes, I want to help improve your products</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, I do not wish to take part in this feature</translation>
    </message>
</context>
<context>
    <name>UserLoginTab</name>
    <message>
        <source>User Login</source>
        <translation>User Login</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
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
        <translation>Please do not run %1 as root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>It looks like your installed printers have changed.
Reloading list now.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Settings applied.</translation>
    </message>
</context>
</TS>
