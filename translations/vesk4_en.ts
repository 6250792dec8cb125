<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>vesk4::MainMenu</name>
    <message>
        <source>The editor will show its texts in Japanese from its next start.</source>
        <translation>The editor will show its texts in Japanese from its next start.</translation>
    </message>
    <message>
        <source>The editor will show its texts in English from its next start.</source>
        <translation>The editor will show its texts in English from its next start.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
</TS>
