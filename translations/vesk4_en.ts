<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>vesk4::FileWatch</name>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Reload it and discard the changes not saved here?
No keeps the document as it is here.</source>
        <translation>The file &quot;%1&quot; was changed by another program.
Reload it and discard the changes not saved here?
No keeps the document as it is here.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Reload it?
No keeps the document as it is here.</source>
        <translation>The file &quot;%1&quot; was changed by another program.
Reload it?
No keeps the document as it is here.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was deleted or moved by another program.
The document is kept here, unsaved.</source>
        <translation>The file &quot;%1&quot; was deleted or moved by another program.
The document is kept here, unsaved.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program since it was opened or saved.
Overwrite it?</source>
        <translation>The file &quot;%1&quot; was changed by another program since it was opened or saved.
Overwrite it?</translation>
    </message>
</context>
</TS>
