<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Failure</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>it begins with a blank</source>
        <translation>先頭が空白です</translation>
    </message>
    <message>
        <source>it holds a comma</source>
        <translation>カンマを含んでいます</translation>
    </message>
    <message>
        <source>it holds a double quote</source>
        <translation>ダブルクォートを含んでいます</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>制御文字を含んでいます</translation>
    </message>
    <message>
        <source>The file ends before %1.</source>
        <translation>%1を読む前にファイルが終わっています。</translation>
    </message>
    <message>
        <source>Expected a whole number for %1, found &quot;%2&quot;.</source>
        <translation>%1には整数が必要ですが、「%2」がありました。</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range -32768 to 32767.</source>
        <translation>%1が %2 で、範囲 -32768～32767 の外です。</translation>
    </message>
    <message>
        <source>The file holds binary data (byte 0x%1) in %2; it is no project file.</source>
        <translation>%2にバイナリデータ (バイト 0x%1) があります。プロジェクトファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is no valid Shift-JIS (code page 932) text.</source>
        <translation>%1が正しい Shift-JIS (コードページ 932) のテキストではありません。</translation>
    </message>
    <message>
        <source>the colour mode of page %1</source>
        <translation>ページ %1 のカラーモード</translation>
    </message>
    <message>
        <source>the name of page %1</source>
        <translation>ページ %1 の名前</translation>
    </message>
    <message>
        <source>the pattern width of page %1</source>
        <translation>ページ %1 のパターンの幅</translation>
    </message>
    <message>
        <source>the pattern height of page %1</source>
        <translation>ページ %1 のパターンの高さ</translation>
    </message>
    <message>
        <source>the pattern count of page %1</source>
        <translation>ページ %1 のパターン数</translation>
    </message>
    <message>
        <source>the output flag of page %1</source>
        <translation>ページ %1 のデータ出力のフラグ</translation>
    </message>
    <message>
        <source>Pal4 entry %1 of page %2</source>
        <translation>ページ %2 の Pal4 のエントリ %1</translation>
    </message>
    <message>
        <source>Pal8 entry %1 of page %2</source>
        <translation>ページ %2 の Pal8 のエントリ %1</translation>
    </message>
    <message>
        <source>Pal16 entry %1 of page %2</source>
        <translation>ページ %2 の Pal16 のエントリ %1</translation>
    </message>
    <message>
        <source>The file begins with a UTF-8 byte order mark; a project file is Shift-JIS (code page 932) text without one.</source>
        <translation>ファイルが UTF-8 のバイトオーダーマークで始まっています。プロジェクトファイルはバイトオーダーマークのない Shift-JIS (コードページ 932) のテキストです。</translation>
    </message>
    <message>
        <source>the format number</source>
        <translation>フォーマット番号</translation>
    </message>
    <message>
        <source>the pixel cell at x %1, y %2 of page %3</source>
        <translation>ページ %3 の x %1, y %2 のピクセルのセル</translation>
    </message>
    <message>
        <source>the map cell at x %1, y %2 of page %3</source>
        <translation>ページ %3 の x %1, y %2 のマップのセル</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; of page %2 cannot be stored in a project file: %3.</source>
        <translation>ページ %2 の名前「%1」はプロジェクトファイルに保存できません: %3。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; of page %2 holds a character that Shift-JIS (code page 932) cannot store.</source>
        <translation>ページ %2 の名前「%1」に Shift-JIS (コードページ 932) で保存できない文字があります。</translation>
    </message>
    <message>
        <source>Writing the project file failed: %1</source>
        <translation>プロジェクトファイルを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Cannot write %1: no program reads from it</source>
        <translation>%1 に書き込めません: 読み出しているプログラムがありません</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
    <message>
        <source>%1 is not open for reading.</source>
        <translation>%1 は読み込み用に開かれていません。</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 is larger than %2, more than a file of its kind holds; it was not read.</source>
        <translation>%1 は %2 を超えていて、この種類のファイルとしては大きすぎるため、読み込みませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 はファイルではなくフォルダです。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 is a pipe that no program writes into.</source>
        <translation>%1 は書き込むプログラムのないパイプです。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
</TS>
