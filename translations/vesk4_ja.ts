<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>vesk4::MainMenu</name>
    <message>
        <source>The editor will show its texts in Japanese from its next start.</source>
        <translation>次回の起動から日本語で表示します。</translation>
    </message>
    <message>
        <source>The editor will show its texts in English from its next start.</source>
        <translation>次回の起動から英語で表示します。</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
</context>
</TS>
