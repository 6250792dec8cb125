<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>vesk4::FileWatch</name>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Reload it and discard the changes not saved here?
No keeps the document as it is here.</source>
        <translation>ファイル「%1」は他のプログラムで変更されました。
読み込み直して、保存していない変更を破棄しますか？
「いいえ」を選ぶと、編集中の内容をそのまま残します。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Reload it?
No keeps the document as it is here.</source>
        <translation>ファイル「%1」は他のプログラムで変更されました。
読み込み直しますか？
「いいえ」を選ぶと、編集中の内容をそのまま残します。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was deleted or moved by another program.
The document is kept here, unsaved.</source>
        <translation>ファイル「%1」は他のプログラムで削除または移動されました。
編集中の内容は未保存のまま残しています。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program since it was opened or saved.
Overwrite it?</source>
        <translation>ファイル「%1」は他のプログラムで変更されています。
上書きしますか？</translation>
    </message>
</context>
</TS>
