<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>vesk4::FileDialog</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>This is not a graphics editor file. Change the extension and save?</source>
        <translation>This is not a graphics editor file. Change the extension and save?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Export Image Data for ELK</source>
        <translation>Export Image Data for ELK</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>This is not an MPLAB include file. Change the extension and save?</source>
        <translation>This is not an MPLAB include file. Change the extension and save?</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirm Save</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>File Information</translation>
    </message>
    <message>
        <source>A file with the same name exists. Overwrite it?</source>
        <translation>A file with the same name exists. Overwrite it?</translation>
    </message>
    <message>
        <source>This file cannot be opened. Choose a file with the extension &quot;.egd&quot;.</source>
        <translation>This file cannot be opened. Choose a file with the extension &quot;.egd&quot;.</translation>
    </message>
    <message>
        <source>The file name contains a character such as &quot;/&quot; that cannot be used. Choose folders in the list on the left.</source>
        <translation>The file name contains a character such as &quot;/&quot; that cannot be used. Choose folders in the list on the left.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vesk4::FilePanel</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Export PIC Data</source>
        <translation>Export PIC Data</translation>
    </message>
</context>
<context>
    <name>vesk4::MessageBoxes</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
