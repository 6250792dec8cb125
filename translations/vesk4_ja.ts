<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>vesk4::RecoveryKeeper</name>
    <message>
        <source>Recovery</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>The recovery data is damaged and was not loaded. It was kept as %1.
%2</source>
        <translation>復元データが壊れているため読み込めませんでした。%1 として残しました。
%2</translation>
    </message>
    <message>
        <source>There is recovery data of edits from an editor that did not close. Restore it?</source>
        <translation>前回終了しなかった編集の復元データがあります。復元しますか？</translation>
    </message>
    <message>
        <source>There is recovery data of edits to %1 from an editor that did not close. Restore it?</source>
        <translation>前回終了しなかった編集（%1）の復元データがあります。復元しますか？</translation>
    </message>
</context>
</TS>
