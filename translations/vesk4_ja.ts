<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CHeaderExport</name>
    <message>
        <source>page %1 &quot;%2&quot;</source>
        <translation>ページ %1「%2」</translation>
    </message>
    <message>
        <source>Cannot write the C header: the patterns of %1 cannot be laid out.</source>
        <translation>Cヘッダを書き出せません: %1のパターンを配置できません。</translation>
    </message>
    <message>
        <source>Cannot write the C header: the pattern size %1 x %2 of %3 does not fit the size bytes of its block.</source>
        <translation>Cヘッダを書き出せません: %3のパターンサイズ %1 x %2 がブロックのサイズのバイトに収まりません。</translation>
    </message>
    <message>
        <source>Cannot write the C header: pattern %1 of %2 holds the value %3, which is no byte (0-255).</source>
        <translation>Cヘッダを書き出せません: %2のパターン %1 の値 %3 は 1 バイト (0～255) に収まりません。</translation>
    </message>
    <message>
        <source>Cannot write the C header: entry %1 of the &quot;4色&quot; palette of page 0 holds %2, which is no byte (0-255).</source>
        <translation>Cヘッダを書き出せません: ページ 0 の「4色」パレットのエントリ %1 の値 %2 は 1 バイト (0～255) に収まりません。</translation>
    </message>
    <message>
        <source>Cannot write the C header: %1</source>
        <translation>Cヘッダを書き出せません: %1</translation>
    </message>
    <message>
        <source>Cannot write the C header: its %1 bytes of data are more than %2 MiB.</source>
        <translation>Cヘッダを書き出せません: データの %1 バイトが %2 MiB を超えています。</translation>
    </message>
    <message>
        <source>Cannot write the C header: map cell %1,%2 holds %3, which is no byte (0-255).</source>
        <translation>Cヘッダを書き出せません: マップのセル %1,%2 の値 %3 は 1 バイト (0～255) に収まりません。</translation>
    </message>
</context>
<context>
    <name>ColourMode</name>
    <message>
        <source>256色</source>
        <translation>256色</translation>
    </message>
    <message>
        <source>16色</source>
        <translation>16色</translation>
    </message>
    <message>
        <source>4色</source>
        <translation>4色</translation>
    </message>
    <message>
        <source>2色</source>
        <translation>2色</translation>
    </message>
    <message>
        <source>2色Ex</source>
        <translation>2色Ex</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
</context>
<context>
    <name>GlyphImport</name>
    <message>
        <source>The size must be %1 to %2 pixels, not %3.</source>
        <translation>サイズは %1～%2 ピクセルにしてください (%3 は指定できません)。</translation>
    </message>
    <message>
        <source>Fonts can only be drawn with Qt&apos;s graphical application running.</source>
        <translation>フォントはグラフィカルなアプリケーションの実行中にしか描画できません。</translation>
    </message>
    <message>
        <source>No font given.</source>
        <translation>フォントが指定されていません。</translation>
    </message>
    <message>
        <source>Cannot read the font file %1: it is a folder.</source>
        <translation>フォントファイル %1 を読み込めません: フォルダです。</translation>
    </message>
    <message>
        <source>Cannot read the font file %1: %2</source>
        <translation>フォントファイル %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>The font file %1 is larger than %2 MiB.</source>
        <translation>フォントファイル %1 が %2 MiB を超えています。</translation>
    </message>
    <message>
        <source>%1 is not a font file Qt&apos;s font engine reads.</source>
        <translation>%1 は読み込めるフォントファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot find the font file %1.</source>
        <translation>フォントファイル %1 が見つかりません。</translation>
    </message>
    <message>
        <source>There is no font file or installed font named %1.</source>
        <translation>%1 という名前のフォントファイルもインストール済みのフォントもありません。</translation>
    </message>
    <message>
        <source>The installed font %1 cannot be drawn.</source>
        <translation>インストール済みのフォント %1 は描画できません。</translation>
    </message>
    <message>
        <source>There is no character page %1; pages are 0 to %2.</source>
        <translation>キャラクタのページ %1 はありません。ページは 0～%2 です。</translation>
    </message>
    <message>
        <source>There are no characters to import.</source>
        <translation>読み込む文字がありません。</translation>
    </message>
    <message>
        <source>The first pattern must be 0 or more, not %1.</source>
        <translation>先頭パターンは 0 以上にしてください (%1 は指定できません)。</translation>
    </message>
    <message>
        <source>Page %1 has patterns of %2 x %3 cells, which cannot be laid out on its sheet.</source>
        <translation>ページ %1 のパターンは %2 x %3 セルで、シートに配置できません。</translation>
    </message>
    <message>
        <source>%1 characters from pattern %2 need %3 patterns; a page has at most %4.</source>
        <translation>パターン %2 から %1 文字を置くには %3 個のパターンが必要ですが、1 ページのパターンは最大 %4 個です。</translation>
    </message>
    <message>
        <source>Page %1&apos;s sheet holds %2 patterns of %3 x %4 cells; %5 characters from pattern %6 need %7.</source>
        <translation>ページ %1 のシートに入る %3 x %4 セルのパターンは %2 個ですが、パターン %6 から %5 文字を置くには %7 個必要です。</translation>
    </message>
</context>
<context>
    <name>IncludeExport</name>
    <message>
        <source>page %1 &quot;%2&quot;</source>
        <translation>ページ %1「%2」</translation>
    </message>
    <message>
        <source>Cannot export %1: patterns of %2 x %3 cells cannot be laid out (the width must be at least 1, and at most %4 in the two-colour modes).</source>
        <translation>%1を出力できません: %2 x %3 セルのパターンは配置できません (幅は 1 以上、2色のモードでは %4 以下にしてください)。</translation>
    </message>
    <message>
        <source>Cannot export %1: its name has characters that code page 932 cannot hold.</source>
        <translation>%1を出力できません: 名前にコードページ 932 で表せない文字があります。</translation>
    </message>
    <message>
        <source>Cannot export: code page 932 is not available.</source>
        <translation>出力できません: コードページ 932 を使えません。</translation>
    </message>
    <message>
        <source>Cannot export %1: its %2 patterns of %3 x %4 cells would make the include file larger than %5 MiB.</source>
        <translation>%1を出力できません: %3 x %4 セルのパターン %2 個で、PICデータが %5 MiB を超えてしまいます。</translation>
    </message>
    <message>
        <source>page %1 &quot;%2&quot;: patterns of %3 x %4 cells cannot be laid out (the width must be at least 1, and at most %5 in the two-colour modes)</source>
        <translation>ページ %1「%2」: %3 x %4 セルのパターンは配置できません (幅は 1 以上、2色のモードでは %5 以下にしてください)</translation>
    </message>
    <message>
        <source>Cannot lay out %1.</source>
        <translation>配置できません: %1。</translation>
    </message>
    <message>
        <source>Cell %1,%2 lies in none of the %3 pattern(s) of page %4 &quot;%5&quot;.</source>
        <translation>セル %1,%2 はページ %4「%5」の %3 個のパターンのどれにも入っていません。</translation>
    </message>
</context>
<context>
    <name>IncludeFile</name>
    <message>
        <source>The item %1 is wider than a column of eight cells.</source>
        <translation>項目 %1 は 8 セルの列の幅を超えています。</translation>
    </message>
    <message>
        <source>The item %1 is wider than four 2-bit palette indices.</source>
        <translation>項目 %1 は 2 ビットのパレット番号 4 個の幅を超えています。</translation>
    </message>
    <message>
        <source>The item %1 is wider than a 16-bit cell.</source>
        <translation>項目 %1 は 16 ビットのセルの幅を超えています。</translation>
    </message>
    <message>
        <source>The item %1 is no sum of two 16-bit cells.</source>
        <translation>項目 %1 は 16 ビットのセル 2 個の和になっていません。</translation>
    </message>
    <message>
        <source>The item %1 holds an index past the pattern&apos;s right edge.</source>
        <translation>項目 %1 はパターンの右端より先の番号を含んでいます。</translation>
    </message>
    <message>
        <source>Index %1 of the item %2 names a colour that an earlier entry of the page&apos;s palette row also holds; no cell gives it.</source>
        <translation>項目 %2 の番号 %1 が指す色は、ページのパレット行の前のエントリにもあります。この番号になるセルはありません。</translation>
    </message>
    <message>
        <source>The pair %1,%2 sets a colour bit where the mask bit is clear; no cell gives that.</source>
        <translation>組 %1,%2 はマスクのビットが 0 の位置に色のビットを立てています。このようになるセルはありません。</translation>
    </message>
    <message>
        <source>Pattern %1 needs the cell at x %2, y %3, beyond the 64 x 256 sheet a project file keeps.</source>
        <translation>パターン %1 は x %2, y %3 のセルを使いますが、そこはプロジェクトファイルが保存する 64 x 256 のシートの外です。</translation>
    </message>
    <message>
        <source>Pattern %1 gives the cell at x %2, y %3 another value than an earlier pattern that also covers it.</source>
        <translation>パターン %1 は x %2, y %3 のセルに、同じセルを含む前のパターンとは違う値を与えています。</translation>
    </message>
    <message>
        <source>The file begins with a UTF-8 byte order mark; an include file is Shift-JIS (code page 932) text without one.</source>
        <translation>ファイルが UTF-8 のバイトオーダーマークで始まっています。PICデータはバイトオーダーマークのない Shift-JIS (コードページ 932) のテキストです。</translation>
    </message>
    <message>
        <source>Text follows the closing lines.</source>
        <translation>終わりの行の後にテキストがあります。</translation>
    </message>
    <message>
        <source>A .global line after the first block.</source>
        <translation>最初のブロックの後に .global の行があります。</translation>
    </message>
    <message>
        <source>A size line that follows no label.</source>
        <translation>ラベルの後にないサイズの行があります。</translation>
    </message>
    <message>
        <source>The pattern number %1 is out of range (0 to %2).</source>
        <translation>パターン番号 %1 が範囲 (0～%2) の外です。</translation>
    </message>
    <message>
        <source>A ;PTN line without its pattern number.</source>
        <translation>パターン番号のない ;PTN の行です。</translation>
    </message>
    <message>
        <source>The size is no whole number of the 16-bit range.</source>
        <translation>サイズが 16 ビットの範囲の整数ではありません。</translation>
    </message>
    <message>
        <source>A data line without items.</source>
        <translation>項目のないデータの行です。</translation>
    </message>
    <message>
        <source>Item %1 is missing or is no hexadecimal number 0x...</source>
        <translation>項目 %1 がないか、16 進数 0x... ではありません。</translation>
    </message>
    <message>
        <source>Item %1 is wider than 32 bits.</source>
        <translation>項目 %1 が 32 ビットを超えています。</translation>
    </message>
    <message>
        <source>Item %1 is followed by &quot;%2&quot; where a comma or the line end belongs.</source>
        <translation>項目 %1 の後の、カンマか行末があるべき位置に「%2」があります。</translation>
    </message>
    <message>
        <source>A palette line after the data began.</source>
        <translation>データが始まった後にパレットの行があります。</translation>
    </message>
    <message>
        <source>Expected palette line %1 of the %2 palette of page 0.</source>
        <translation>ここにはページ 0 の %2 パレットのパレット行 %1 が必要です。</translation>
    </message>
    <message>
        <source>A block beyond the 31st; pages 0 to 30 hold at most 31.</source>
        <translation>32 個目以降のブロックです。ページ 0～30 に入るブロックは 31 個までです。</translation>
    </message>
    <message>
        <source>A ;PTN line before the first label.</source>
        <translation>最初のラベルより前に ;PTN の行があります。</translation>
    </message>
    <message>
        <source>Expected ;PTN %1 here.</source>
        <translation>ここには ;PTN %1 が必要です。</translation>
    </message>
    <message>
        <source>The closing lines are UTF-8 text; an include file is Shift-JIS (code page 932) text.</source>
        <translation>終わりの行が UTF-8 のテキストです。PICデータは Shift-JIS (コードページ 932) のテキストです。</translation>
    </message>
    <message>
        <source>The file ends without its closing lines (&quot;%1&quot;); it may have been cut short.</source>
        <translation>ファイルが終わりの行 (「%1」) なしで終わっています。途中で切れているかもしれません。</translation>
    </message>
    <message>
        <source>The %1 palette of page 0 has %2 of its %3 lines.</source>
        <translation>ページ 0 の %1 パレットは %3 行のうち %2 行しかありません。</translation>
    </message>
    <message>
        <source>The label is not followed by its two size lines (&quot;   .byte  W    ; chr sizeX&quot;, &quot;   .byte  H    ; chr sizeY&quot;).</source>
        <translation>ラベルの後にサイズの 2 行 (&quot;   .byte  W    ; chr sizeX&quot;, &quot;   .byte  H    ; chr sizeY&quot;) がありません。</translation>
    </message>
    <message>
        <source>Not understood: &quot;%1&quot;.</source>
        <translation>解釈できない行です: 「%1」</translation>
    </message>
    <message>
        <source>The block has no .global line; the export declares every block.</source>
        <translation>このブロックには .global の行がありません。出力はすべてのブロックを宣言します。</translation>
    </message>
    <message>
        <source>The .global line declares a block that does not follow.</source>
        <translation>この .global の行が宣言するブロックが後にありません。</translation>
    </message>
    <message>
        <source>The .global line names another label than block %1 has.</source>
        <translation>この .global の行はブロック %1 のラベルとは違うラベルを指しています。</translation>
    </message>
    <message>
        <source>The palette value is wider than 16 bits.</source>
        <translation>パレットの値が 16 ビットを超えています。</translation>
    </message>
    <message>
        <source>The palette word %1 is no colour of the colour-number table.</source>
        <translation>パレットの値 %1 は色番号の表にない色です。</translation>
    </message>
    <message>
        <source>The palette lines give page 0 a palette other than the editor&apos;s default; a project file does not keep it (opening a project resets every palette), so an export of the saved project writes the default palette.</source>
        <translation>パレットの行はページ 0 にエディタの既定とは違うパレットを与えています。プロジェクトファイルはこれを保存しない (プロジェクトを開くとすべてのパレットが既定に戻る) ため、保存したプロジェクトを出力すると既定のパレットが書き出されます。</translation>
    </message>
    <message>
        <source>A data line before the first label.</source>
        <translation>最初のラベルより前にデータの行があります。</translation>
    </message>
    <message>
        <source>A data line before the block&apos;s first ;PTN line.</source>
        <translation>ブロックの最初の ;PTN の行より前にデータの行があります。</translation>
    </message>
    <message>
        <source>Data lines outside the blocks are the map: 32 lines of 16 items; these are %1 lines, this one of %2 items.</source>
        <translation>ブロックの外のデータの行はマップで、16 項目の行が 32 行です。ここには %1 行あり、この行は %2 項目です。</translation>
    </message>
    <message>
        <source>Map item %1 is wider than 16 bits.</source>
        <translation>マップの項目 %1 が 16 ビットを超えています。</translation>
    </message>
    <message>
        <source>A pattern width below 1 cannot be laid out.</source>
        <translation>1 未満のパターンの幅は配置できません。</translation>
    </message>
    <message>
        <source>The label is no valid Shift-JIS (code page 932) text.</source>
        <translation>ラベルが正しい Shift-JIS (コードページ 932) のテキストではありません。</translation>
    </message>
    <message>
        <source>A project file cannot keep the name &quot;%1&quot;.</source>
        <translation>プロジェクトファイルには名前「%1」を保存できません。</translation>
    </message>
    <message>
        <source>Read as %1 the first block goes to page 1, and the blocks then reach page 31, which the export never writes.</source>
        <translation>%1 として読むと最初のブロックはページ 1 に入り、ブロックはページ 31 まで届きますが、ページ 31 は出力されません。</translation>
    </message>
    <message>
        <source>line %1: the data of %2 reads as %3 and as %4; it is read as %3.</source>
        <translation>%1 行目: %2 のデータは %3 としても %4 としても読めます。%3 として読みました。</translation>
    </message>
    <message>
        <source>%1 is in %2 and the palette lines in %3, so page 0 stays an unflagged %3 page with that palette and the blocks start at page 1.</source>
        <translation>%1 は %2、パレットの行は %3 のため、ページ 0 はそのパレットを持つデータ出力なしの %3 のページのままにし、ブロックはページ 1 から読みました。</translation>
    </message>
    <message>
        <source>%1 is in %2 but the file has no palette lines, so page 0 stays an unflagged %3 page and the blocks start at page 1.</source>
        <translation>%1 は %2 ですがファイルにパレットの行がないため、ページ 0 はデータ出力なしの %3 のページのままにし、ブロックはページ 1 から読みました。</translation>
    </message>
    <message>
        <source>Page %1 holds %2 patterns; the editor counts at most %3 and sets a larger count to 0 when it shows the page.</source>
        <translation>ページ %1 には %2 個のパターンがあります。エディタが数えるのは %3 個までで、それより多いパターン数はページを表示するときに 0 になります。</translation>
    </message>
    <message>
        <source>Pattern %1 has %2 data lines; read as %3, a pattern of %4 x %5 cells has %6.</source>
        <translation>パターン %1 のデータの行は %2 行ですが、%3 として読むと %4 x %5 セルのパターンは %6 行です。</translation>
    </message>
    <message>
        <source>The line has %1 items; read as %2, a row of a pattern %3 cells wide has %4.</source>
        <translation>この行の項目は %1 個ですが、%2 として読むと幅 %3 セルのパターンの 1 行は %4 個です。</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a page name has at most %2 bytes, so that the project made from the file opens again.</source>
        <translation>名前が %1 バイトあります。ファイルから作るプロジェクトを再び開けるよう、ページ名は最大 %2 バイトです。</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>The patterns of page %1 cover no cell of the sheet (%2 patterns of %3 x %4 cells).</source>
        <translation>ページ %1 のパターンはシートのどのセルも含んでいません (%3 x %4 セルのパターン %2 個)。</translation>
    </message>
    <message>
        <source>There is no page %1.</source>
        <translation>ページ %1 はありません。</translation>
    </message>
    <message>
        <source>The scale must be 1 to %1, not %2.</source>
        <translation>倍率は 1～%1 にしてください (%2 は指定できません)。</translation>
    </message>
    <message>
        <source>Cannot write the image: %1</source>
        <translation>画像を書き出せません: %1</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; at most %3 x %3 can be imported.</source>
        <translation>画像は %1 x %2 ピクセルです。読み込めるのは %3 x %3 ピクセルまでです。</translation>
    </message>
    <message>
        <source>Cannot read the image: %1</source>
        <translation>画像を読み込めません: %1</translation>
    </message>
    <message>
        <source>The threshold must be 0 to 255, not %1.</source>
        <translation>しきい値は 0～255 にしてください (%1 は指定できません)。</translation>
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
    <message>
        <source>Cannot create %1: the name is not valid UTF-8, and no file is written under it; give the output another name.</source>
        <translation>%1 を作成できません: 名前が正しい UTF-8 ではないため、この名前ではファイルを書き込みません。出力に別の名前を指定してください。</translation>
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
