<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Failure</name>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>it begins with a blank</source>
        <translation>it begins with a blank</translation>
    </message>
    <message>
        <source>it holds a comma</source>
        <translation>it holds a comma</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>it holds a double quote</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>it holds a control character</translation>
    </message>
    <message>
        <source>The file ends before %1.</source>
        <translation>The file ends before %1.</translation>
    </message>
    <message>
        <source>Expected a whole number for %1, found &quot;%2&quot;.</source>
        <translation>Expected a whole number for %1, found &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range -32768 to 32767.</source>
        <translation>%1 is %2, outside the range -32768 to 32767.</translation>
    </message>
    <message>
        <source>The file holds binary data (byte 0x%1) in %2; it is no project file.</source>
        <translation>The file holds binary data (byte 0x%1) in %2; it is no project file.</translation>
    </message>
    <message>
        <source>%1 is no valid Shift-JIS (code page 932) text.</source>
        <translation>%1 is no valid Shift-JIS (code page 932) text.</translation>
    </message>
    <message>
        <source>the colour mode of page %1</source>
        <translation>the colour mode of page %1</translation>
    </message>
    <message>
        <source>the name of page %1</source>
        <translation>the name of page %1</translation>
    </message>
    <message>
        <source>the pattern width of page %1</source>
        <translation>the pattern width of page %1</translation>
    </message>
    <message>
        <source>the pattern height of page %1</source>
        <translation>the pattern height of page %1</translation>
    </message>
    <message>
        <source>the pattern count of page %1</source>
        <translation>the pattern count of page %1</translation>
    </message>
    <message>
        <source>the output flag of page %1</source>
        <translation>the output flag of page %1</translation>
    </message>
    <message>
        <source>Pal4 entry %1 of page %2</source>
        <translation>Pal4 entry %1 of page %2</translation>
    </message>
    <message>
        <source>Pal8 entry %1 of page %2</source>
        <translation>Pal8 entry %1 of page %2</translation>
    </message>
    <message>
        <source>Pal16 entry %1 of page %2</source>
        <translation>Pal16 entry %1 of page %2</translation>
    </message>
    <message>
        <source>The file begins with a UTF-8 byte order mark; a project file is Shift-JIS (code page 932) text without one.</source>
        <translation>The file begins with a UTF-8 byte order mark; a project file is Shift-JIS (code page 932) text without one.</translation>
    </message>
    <message>
        <source>the format number</source>
        <translation>the format number</translation>
    </message>
    <message>
        <source>the pixel cell at x %1, y %2 of page %3</source>
        <translation>the pixel cell at x %1, y %2 of page %3</translation>
    </message>
    <message>
        <source>the map cell at x %1, y %2 of page %3</source>
        <translation>the map cell at x %1, y %2 of page %3</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; of page %2 cannot be stored in a project file: %3.</source>
        <translation>The name &quot;%1&quot; of page %2 cannot be stored in a project file: %3.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; of page %2 holds a character that Shift-JIS (code page 932) cannot store.</source>
        <translation>The name &quot;%1&quot; of page %2 holds a character that Shift-JIS (code page 932) cannot store.</translation>
    </message>
    <message>
        <source>Writing the project file failed: %1</source>
        <translation>Writing the project file failed: %1</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>The file</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Cannot write %1: no program reads from it</source>
        <translation>Cannot write %1: no program reads from it</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Cannot create %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>%1 is not open for reading.</source>
        <translation>%1 is not open for reading.</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 is larger than %2, more than a file of its kind holds; it was not read.</source>
        <translation>%1 is larger than %2, more than a file of its kind holds; it was not read.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 could not be read: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program writes into.</source>
        <translation>%1 is a pipe that no program writes into.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
</TS>
