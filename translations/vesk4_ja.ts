<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
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
