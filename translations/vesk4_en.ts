<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
</context>
<context>
    <name>vesk4::RecoveryKeeper</name>
    <message>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>The recovery data is damaged and was not loaded. It was kept as %1.
%2</source>
        <translation>The recovery data is damaged and was not loaded. It was kept as %1.
%2</translation>
    </message>
    <message>
        <source>There is recovery data of edits from an editor that did not close. Restore it?</source>
        <translation>There is recovery data of edits from an editor that did not close. Restore it?</translation>
    </message>
    <message>
        <source>There is recovery data of edits to %1 from an editor that did not close. Restore it?</source>
        <translation>There is recovery data of edits to %1 from an editor that did not close. Restore it?</translation>
    </message>
</context>
</TS>
