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
    <name>vesk4::EditHistory</name>
    <message>
        <source>Name</source>
        <translation>ネーム</translation>
    </message>
    <message>
        <source>Size X</source>
        <translation>サイズ X</translation>
    </message>
    <message>
        <source>Size Y</source>
        <translation>サイズ Y</translation>
    </message>
    <message>
        <source>Pattern Count</source>
        <translation>パターン数</translation>
    </message>
    <message>
        <source>Output Data</source>
        <translation>データ出力</translation>
    </message>
    <message>
        <source>Colour Mode</source>
        <translation>色モード</translation>
    </message>
</context>
<context>
    <name>vesk4::FileDialog</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>This is not a graphics editor file. Change the extension and save?</source>
        <translation>グラフィックエディタ用のファイルではありません。拡張子を変更して保存しますか?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Export Image Data for ELK</source>
        <translation>ELK用画像データ出力</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>This is not an MPLAB include file. Change the extension and save?</source>
        <translation>MPLAB用のインクルードファイルではありません。拡張子を変更して保存しますか?</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>保存確認</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>A file with the same name exists. Overwrite it?</source>
        <translation>同じ名前のファイルがあります。上書き保存しますか?</translation>
    </message>
    <message>
        <source>This file cannot be opened. Choose a file with the extension &quot;.egd&quot;.</source>
        <translation>このファイルは開けません。拡張子が「.egd」のファイルを選択してください。</translation>
    </message>
    <message>
        <source>The file name contains a character such as &quot;/&quot; that cannot be used. Choose folders in the list on the left.</source>
        <translation>ファイル名に「/」など使えない文字が含まれています。フォルダは左の一覧から選んでください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
</context>
<context>
    <name>vesk4::FilePanel</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export PIC Data</source>
        <translation>PICデータ出力</translation>
    </message>
</context>
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
<context>
    <name>vesk4::FirmwareStatus</name>
    <message>
        <source>Size Limit...</source>
        <translation>サイズ上限...</translation>
    </message>
    <message>
        <source>Cell %1,%2  Outside the patterns</source>
        <translation>セル %1,%2  パターン外</translation>
    </message>
    <message>
        <source>Cell %1,%2  Pattern %3  Byte %4 Bit %5 (%6 bits)</source>
        <translation>セル %1,%2  パターン %3  バイト %4 ビット %5 (%6ビット)</translation>
    </message>
    <message>
        <source>%1  Mask %2</source>
        <translation>%1  マスク %2</translation>
    </message>
    <message>
        <source>%1  Offset %2</source>
        <translation>%1  オフセット %2</translation>
    </message>
    <message>
        <source>Size Limit</source>
        <translation>サイズ上限</translation>
    </message>
    <message>
        <source>Size limit of the PIC data (bytes, 0 for no limit):</source>
        <translation>PICデータのサイズ上限 (バイト、0 で上限なし)：</translation>
    </message>
    <message>
        <source>Cannot export</source>
        <translation>出力できません</translation>
    </message>
    <message>
        <source>The bytes the PIC data assembles. Right-click to set a size limit.</source>
        <translation>PICデータが組み立てるバイト数。右クリックでサイズ上限を設定します。</translation>
    </message>
    <message>
        <source>Total %1 / %2 bytes</source>
        <translation>合計 %1 / %2 バイト</translation>
    </message>
    <message>
        <source>Total %1 bytes</source>
        <translation>合計 %1 バイト</translation>
    </message>
</context>
<context>
    <name>vesk4::GlyphImportDialog</name>
    <message>
        <source>Font File</source>
        <translation>フォントファイル</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.bdf *.pcf *.pcf.gz);;All Files (*)</source>
        <translation>フォント (*.ttf *.otf *.ttc *.bdf *.pcf *.pcf.gz);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Import Characters</source>
        <translation>文字読込</translation>
    </message>
    <message>
        <source>Font File...</source>
        <translation>フォントファイル...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>First pattern</source>
        <translation>先頭パターン</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Characters missing from the font: %1</source>
        <translation>フォントにない文字: %1</translation>
    </message>
    <message>
        <source>Characters cut at their patterns: %1</source>
        <translation>パターンからはみ出して切れる文字: %1</translation>
    </message>
</context>
<context>
    <name>vesk4::GridPanel</name>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
</context>
<context>
    <name>vesk4::ImageImportDialog</name>
    <message>
        <source>Import Image</source>
        <translation>画像読込</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>しきい値</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>ディザ</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>vesk4::MainMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Export PIC Data...</source>
        <translation>PICデータ出力(&amp;E)...</translation>
    </message>
    <message>
        <source>Import Image...</source>
        <translation>画像読込...</translation>
    </message>
    <message>
        <source>Import Characters...</source>
        <translation>文字読込...</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>画像書出...</translation>
    </message>
    <message>
        <source>Read PIC Data...</source>
        <translation>PICデータ読込...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>次のページ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>前のページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Export C Header...</source>
        <translation>Cヘッダ出力...</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>上へずらし</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>下へずらし</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>左へずらし</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>右へずらし</translation>
    </message>
    <message>
        <source>Images (%1);;All Files (*)</source>
        <translation>画像 (%1);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>The file cannot be found. It is removed from the list of recent files.
%1</source>
        <translation>ファイルが見つかりません。最近使ったファイルの一覧から外します。
%1</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>画像読込</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>画像書出</translation>
    </message>
    <message>
        <source>Export C Header</source>
        <translation>Cヘッダ出力</translation>
    </message>
    <message>
        <source>C Header (*.h);;All Files (*)</source>
        <translation>Cヘッダ (*.h);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Read PIC Data</source>
        <translation>PICデータ読込</translation>
    </message>
    <message>
        <source>PIC Data (*.inc);;All Files (*)</source>
        <translation>PICデータ (*.inc);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1
Version %2
Qt %3

MIT License, Copyright (c) 2026 The VESK4 editor developers</source>
        <translation>%1
バージョン %2
Qt %3

MIT License, Copyright (c) 2026 The VESK4 editor developers</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
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
<context>
    <name>vesk4::MainWindow</name>
    <message>
        <source>VESK4 Graphics Editor (Monochrome Edition Ver2.0)</source>
        <translation>VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>保存確認</translation>
    </message>
    <message>
        <source>The changes have not been saved. Save them?</source>
        <translation>変更が保存されていません。保存しますか？</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>保存できませんでした。</translation>
    </message>
    <message>
        <source>The PIC data could not be exported.</source>
        <translation>PICデータを出力できませんでした。</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>ずらし</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>消す</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>画像読込</translation>
    </message>
    <message>
        <source>Import Characters</source>
        <translation>文字読込</translation>
    </message>
    <message>
        <source>The image could not be read.</source>
        <translation>画像を読み込めませんでした。</translation>
    </message>
    <message>
        <source>%1 cells beyond the sheet were not imported.</source>
        <translation>シートの外にはみ出した %1 セルは読み込みませんでした。</translation>
    </message>
    <message>
        <source>%1 characters run over their patterns and are cut.</source>
        <translation>パターンからはみ出した %1 文字は切れています。</translation>
    </message>
    <message>
        <source>Characters missing from the font were left blank: %1</source>
        <translation>フォントにない文字は空白にしました: %1</translation>
    </message>
    <message>
        <source>The image could not be exported.</source>
        <translation>画像を書き出せませんでした。</translation>
    </message>
    <message>
        <source>The C header could not be exported.</source>
        <translation>Cヘッダを出力できませんでした。</translation>
    </message>
    <message>
        <source>The PIC data could not be read.</source>
        <translation>PICデータを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>vesk4::MessageBoxes</name>
    <message>
        <source>&amp;Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>vesk4::PalettePanel</name>
    <message>
        <source>256-col</source>
        <translation>256色</translation>
    </message>
    <message>
        <source>16-col</source>
        <translation>16色</translation>
    </message>
    <message>
        <source>4-col</source>
        <translation>4色</translation>
    </message>
    <message>
        <source>2-col</source>
        <translation>2色</translation>
    </message>
    <message>
        <source>2-col Ex</source>
        <translation>2色Ex</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>色選択</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>左：</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>右：</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
</context>
<context>
    <name>vesk4::PenTool</name>
    <message>
        <source>Draw</source>
        <translation>描画</translation>
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
<context>
    <name>vesk4::SettingsPanel</name>
    <message>
        <source>Character Settings</source>
        <translation>キャラクタ設定</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>ネーム：</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Patterns:</source>
        <translation>パターン数：</translation>
    </message>
    <message>
        <source>Output data:</source>
        <translation>データ出力：</translation>
    </message>
</context>
<context>
    <name>vesk4::ShapeTool</name>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>塗四角</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗潰</translation>
    </message>
</context>
<context>
    <name>vesk4::ToolButtons</name>
    <message>
        <source>Pen</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>ｺﾋﾟｰ</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>消す</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>左右</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>上下</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>面消</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>四角</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>塗四角</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗潰</translation>
    </message>
</context>
<context>
    <name>vesk4::ToolPanel</name>
    <message>
        <source>&amp;Pen</source>
        <translation>描画(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>範囲(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ｺﾋﾟｰ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>消す(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>回転(&amp;T)</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>左右(&amp;H)</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>上下(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>白黒(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>直線(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>四角(&amp;R)</translation>
    </message>
    <message>
        <source>Fille&amp;d Rectangle</source>
        <translation>塗四角(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>塗潰(&amp;F)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>描画モード</translation>
    </message>
</context>
</TS>
