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
    <message>
        <source>Booklet</source>
        <translation>Booklet</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Left edge binding</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Right edge binding</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Booklet fold</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Offset jobs</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Rotate copies</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Tri-Fold</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Print side</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direction of fold</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Number of sheets</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Bi-Fold</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Punch</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Punch Method:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Staple:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Staple location:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Staple method</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Folding mode</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Folding side</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Folding direction</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Folding method</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Staple</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Media size</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Media type</translation>
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
        <translation>Collate</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Long edge</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Short edge</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Print size</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imaging</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Print quality</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Print grays with black toner</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Gloss mode</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halftone screen</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Color reproduction</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Color conversion</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE optimization</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Color Balance</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Color adjustment</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Monochrome adjustment</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Color mode</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Job settings</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Job accounting</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Job name</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Job e-mail notification</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>User login</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Access code must be 4 numbers in length.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Enter a custom box number between 1 and 1000.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Value cannot contain the double quote (&quot;) character.</translation>
    </message>
    <message>
        <source>Enter a valid e-mail address.</source>
        <translation>Enter a valid e-mail address.</translation>
    </message>
    <message>
        <source>E-mail address cannot contain any spaces.</source>
        <translation>E-mail address cannot contain any spaces.</translation>
    </message>
    <message>
        <source>E-mail address should use only ASCII characters.</source>
        <translation>E-mail address should use only ASCII characters.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.</source>
        <translation>Enter the e-mail address in a valid format.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>For example: %1</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 64 character limit.</source>
        <translation>The custom job name field requires a name within a 64 character limit.</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>Account ID must be 1 to 8 numbers in length</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>You must add an account ID to the list.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>User name must be at least one character long.</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>This Account ID already exists.</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Access code</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Box number</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Use specific account ID</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Select account ID</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Account ID List</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>Account ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>Account ID:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Application defined</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Overwrite job name:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Use job name + date and time</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Replace existing file</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>User Login</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Job name:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Access code:</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Private print</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Custom box</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Proof and hold</translation>
    </message>
    <message>
        <source>Job storage</source>
        <translation>Job storage</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Account ID Error</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Edit Account ID</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>New Account ID</translation>
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
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Please enter the root password.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Could not authorize.</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installed options</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Root access is required to make changes to installable options</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Save Profiles</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Select profile:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Factory Default</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Private print</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Custom box</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Custom watermark</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>This name is reserved</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>A profile with this name already exists.</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>The profile could not be changed.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Save Profile</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>The profile could not be added. A maximum profile count of 25 has been reached.</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>This name is reserved</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>You must enter a profile name</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>The profile could not be saved.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Please type a page range.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Please enter your specified pages.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>You can only insert up to 50 pages.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>You can only enter page numbers between 3 and 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>You can only enter page numbers between 2 and 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Cover mode:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Front and back</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Print onto:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Media for cover:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Page insert:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Print onto front</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Print onto back</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insert before pages:</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Media for page:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Transparency interleaving:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Print onto backing</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Media for backing:</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Cover mode</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Page insert</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Transparency interleaving</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Error: Printer does not exist or lpstat failed.</translation>
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
    <name>TPXTab</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Login user name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>No notifications for policy conflicts</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continue printing</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancel printing</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Unable to connect to the server.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Server and user credentials have been authenticated and policies have been applied.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Credentials and policies will be checked again during printing.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Login failed. The user name or password you entered is incorrect.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>You do not have permission to print.</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Server, Port, and Login user information must be filled out.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>You must click Verify after making changes.</translation>
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
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>User login</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Value cannot contain the double quote (&quot;) character.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>User name must be at least one character long.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
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
        <translation>Fill</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Custom watermark:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repeat watermark</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Watermark/Stamp</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super watermark</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
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
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Error: Printer does not exist or lpoptions failed.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Error: The settings file could not be written.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Select a printer.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or other users can change it. No settings or profiles are read from it or stored in it; ask your administrator to remove it.</source>
        <translation>The folder %1 belongs to another user, or other users can change it. No settings or profiles are read from it or stored in it; ask your administrator to remove it.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your changes were not applied and are kept; click Apply again in a moment.</source>
        <translation>Error: The printing system (CUPS) cannot be reached. Your changes were not applied and are kept; click Apply again in a moment.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Select the printer again in a moment.</source>
        <translation>Error: The printing system (CUPS) cannot be reached. Select the printer again in a moment.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the printing system did not take them; click Apply again in a moment.</source>
        <translation>Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the printing system did not take them; click Apply again in a moment.</translation>
    </message>
    <message>
        <source>Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it answers.</source>
        <translation>Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it answers.</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Adjustment Settings</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL(hue, saturation and lightness)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Color balance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Hue Adjustment</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
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
        <translation>Lightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Color levels</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Adjustment Settings</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
</context>
</TS>
