<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CHeaderExport</name>
    <message>
        <source>page %1 &quot;%2&quot;</source>
        <translation>page %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Cannot write the C header: the patterns of %1 cannot be laid out.</source>
        <translation>Cannot write the C header: the patterns of %1 cannot be laid out.</translation>
    </message>
    <message>
        <source>Cannot write the C header: the pattern size %1 x %2 of %3 does not fit the size bytes of its block.</source>
        <translation>Cannot write the C header: the pattern size %1 x %2 of %3 does not fit the size bytes of its block.</translation>
    </message>
    <message>
        <source>Cannot write the C header: pattern %1 of %2 holds the value %3, which is no byte (0-255).</source>
        <translation>Cannot write the C header: pattern %1 of %2 holds the value %3, which is no byte (0-255).</translation>
    </message>
    <message>
        <source>Cannot write the C header: entry %1 of the &quot;4色&quot; palette of page 0 holds %2, which is no byte (0-255).</source>
        <translation>Cannot write the C header: entry %1 of the &quot;4-colour&quot; palette of page 0 holds %2, which is no byte (0-255).</translation>
    </message>
    <message>
        <source>Cannot write the C header: %1</source>
        <translation>Cannot write the C header: %1</translation>
    </message>
    <message>
        <source>Cannot write the C header: its %1 bytes of data are more than %2 MiB.</source>
        <translation>Cannot write the C header: its %1 bytes of data are more than %2 MiB.</translation>
    </message>
    <message>
        <source>Cannot write the C header: map cell %1,%2 holds %3, which is no byte (0-255).</source>
        <translation>Cannot write the C header: map cell %1,%2 holds %3, which is no byte (0-255).</translation>
    </message>
</context>
<context>
    <name>ColourMode</name>
    <message>
        <source>256色</source>
        <translation>256-colour</translation>
    </message>
    <message>
        <source>16色</source>
        <translation>16-colour</translation>
    </message>
    <message>
        <source>4色</source>
        <translation>4-colour</translation>
    </message>
    <message>
        <source>2色</source>
        <translation>2-colour</translation>
    </message>
    <message>
        <source>2色Ex</source>
        <translation>2-colour Ex</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>GlyphImport</name>
    <message>
        <source>The size must be %1 to %2 pixels, not %3.</source>
        <translation>The size must be %1 to %2 pixels, not %3.</translation>
    </message>
    <message>
        <source>Fonts can only be drawn with Qt&apos;s graphical application running.</source>
        <translation>Fonts can only be drawn with Qt&apos;s graphical application running.</translation>
    </message>
    <message>
        <source>No font given.</source>
        <translation>No font given.</translation>
    </message>
    <message>
        <source>Cannot read the font file %1: it is a folder.</source>
        <translation>Cannot read the font file %1: it is a folder.</translation>
    </message>
    <message>
        <source>Cannot read the font file %1: %2</source>
        <translation>Cannot read the font file %1: %2</translation>
    </message>
    <message>
        <source>The font file %1 is larger than %2 MiB.</source>
        <translation>The font file %1 is larger than %2 MiB.</translation>
    </message>
    <message>
        <source>%1 is not a font file Qt&apos;s font engine reads.</source>
        <translation>%1 is not a font file Qt&apos;s font engine reads.</translation>
    </message>
    <message>
        <source>Cannot find the font file %1.</source>
        <translation>Cannot find the font file %1.</translation>
    </message>
    <message>
        <source>There is no font file or installed font named %1.</source>
        <translation>There is no font file or installed font named %1.</translation>
    </message>
    <message>
        <source>The installed font %1 cannot be drawn.</source>
        <translation>The installed font %1 cannot be drawn.</translation>
    </message>
    <message>
        <source>There is no character page %1; pages are 0 to %2.</source>
        <translation>There is no character page %1; pages are 0 to %2.</translation>
    </message>
    <message>
        <source>There are no characters to import.</source>
        <translation>There are no characters to import.</translation>
    </message>
    <message>
        <source>The first pattern must be 0 or more, not %1.</source>
        <translation>The first pattern must be 0 or more, not %1.</translation>
    </message>
    <message>
        <source>Page %1 has patterns of %2 x %3 cells, which cannot be laid out on its sheet.</source>
        <translation>Page %1 has patterns of %2 x %3 cells, which cannot be laid out on its sheet.</translation>
    </message>
    <message>
        <source>%1 characters from pattern %2 need %3 patterns; a page has at most %4.</source>
        <translation>%1 characters from pattern %2 need %3 patterns; a page has at most %4.</translation>
    </message>
    <message>
        <source>Page %1&apos;s sheet holds %2 patterns of %3 x %4 cells; %5 characters from pattern %6 need %7.</source>
        <translation>Page %1&apos;s sheet holds %2 patterns of %3 x %4 cells; %5 characters from pattern %6 need %7.</translation>
    </message>
</context>
<context>
    <name>IncludeExport</name>
    <message>
        <source>page %1 &quot;%2&quot;</source>
        <translation>page %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Cannot export %1: patterns of %2 x %3 cells cannot be laid out (the width must be at least 1, and at most %4 in the two-colour modes).</source>
        <translation>Cannot export %1: patterns of %2 x %3 cells cannot be laid out (the width must be at least 1, and at most %4 in the two-colour modes).</translation>
    </message>
    <message>
        <source>Cannot export %1: its name has characters that code page 932 cannot hold.</source>
        <translation>Cannot export %1: its name has characters that code page 932 cannot hold.</translation>
    </message>
    <message>
        <source>Cannot export: code page 932 is not available.</source>
        <translation>Cannot export: code page 932 is not available.</translation>
    </message>
    <message>
        <source>Cannot export %1: its %2 patterns of %3 x %4 cells would make the include file larger than %5 MiB.</source>
        <translation>Cannot export %1: its %2 patterns of %3 x %4 cells would make the include file larger than %5 MiB.</translation>
    </message>
    <message>
        <source>page %1 &quot;%2&quot;: patterns of %3 x %4 cells cannot be laid out (the width must be at least 1, and at most %5 in the two-colour modes)</source>
        <translation>page %1 &quot;%2&quot;: patterns of %3 x %4 cells cannot be laid out (the width must be at least 1, and at most %5 in the two-colour modes)</translation>
    </message>
    <message>
        <source>Cannot lay out %1.</source>
        <translation>Cannot lay out %1.</translation>
    </message>
    <message>
        <source>Cell %1,%2 lies in none of the %3 pattern(s) of page %4 &quot;%5&quot;.</source>
        <translation>Cell %1,%2 lies in none of the %3 pattern(s) of page %4 &quot;%5&quot;.</translation>
    </message>
</context>
<context>
    <name>IncludeFile</name>
    <message>
        <source>The item %1 is wider than a column of eight cells.</source>
        <translation>The item %1 is wider than a column of eight cells.</translation>
    </message>
    <message>
        <source>The item %1 is wider than four 2-bit palette indices.</source>
        <translation>The item %1 is wider than four 2-bit palette indices.</translation>
    </message>
    <message>
        <source>The item %1 is wider than a 16-bit cell.</source>
        <translation>The item %1 is wider than a 16-bit cell.</translation>
    </message>
    <message>
        <source>The item %1 is no sum of two 16-bit cells.</source>
        <translation>The item %1 is no sum of two 16-bit cells.</translation>
    </message>
    <message>
        <source>The item %1 holds an index past the pattern&apos;s right edge.</source>
        <translation>The item %1 holds an index past the pattern&apos;s right edge.</translation>
    </message>
    <message>
        <source>Index %1 of the item %2 names a colour that an earlier entry of the page&apos;s palette row also holds; no cell gives it.</source>
        <translation>Index %1 of the item %2 names a colour that an earlier entry of the page&apos;s palette row also holds; no cell gives it.</translation>
    </message>
    <message>
        <source>The pair %1,%2 sets a colour bit where the mask bit is clear; no cell gives that.</source>
        <translation>The pair %1,%2 sets a colour bit where the mask bit is clear; no cell gives that.</translation>
    </message>
    <message>
        <source>Pattern %1 needs the cell at x %2, y %3, beyond the 64 x 256 sheet a project file keeps.</source>
        <translation>Pattern %1 needs the cell at x %2, y %3, beyond the 64 x 256 sheet a project file keeps.</translation>
    </message>
    <message>
        <source>Pattern %1 gives the cell at x %2, y %3 another value than an earlier pattern that also covers it.</source>
        <translation>Pattern %1 gives the cell at x %2, y %3 another value than an earlier pattern that also covers it.</translation>
    </message>
    <message>
        <source>The file begins with a UTF-8 byte order mark; an include file is Shift-JIS (code page 932) text without one.</source>
        <translation>The file begins with a UTF-8 byte order mark; an include file is Shift-JIS (code page 932) text without one.</translation>
    </message>
    <message>
        <source>Text follows the closing lines.</source>
        <translation>Text follows the closing lines.</translation>
    </message>
    <message>
        <source>A .global line after the first block.</source>
        <translation>A .global line after the first block.</translation>
    </message>
    <message>
        <source>A size line that follows no label.</source>
        <translation>A size line that follows no label.</translation>
    </message>
    <message>
        <source>The pattern number %1 is out of range (0 to %2).</source>
        <translation>The pattern number %1 is out of range (0 to %2).</translation>
    </message>
    <message>
        <source>A ;PTN line without its pattern number.</source>
        <translation>A ;PTN line without its pattern number.</translation>
    </message>
    <message>
        <source>The size is no whole number of the 16-bit range.</source>
        <translation>The size is no whole number of the 16-bit range.</translation>
    </message>
    <message>
        <source>A data line without items.</source>
        <translation>A data line without items.</translation>
    </message>
    <message>
        <source>Item %1 is missing or is no hexadecimal number 0x...</source>
        <translation>Item %1 is missing or is no hexadecimal number 0x...</translation>
    </message>
    <message>
        <source>Item %1 is wider than 32 bits.</source>
        <translation>Item %1 is wider than 32 bits.</translation>
    </message>
    <message>
        <source>Item %1 is followed by &quot;%2&quot; where a comma or the line end belongs.</source>
        <translation>Item %1 is followed by &quot;%2&quot; where a comma or the line end belongs.</translation>
    </message>
    <message>
        <source>A palette line after the data began.</source>
        <translation>A palette line after the data began.</translation>
    </message>
    <message>
        <source>Expected palette line %1 of the %2 palette of page 0.</source>
        <translation>Expected palette line %1 of the %2 palette of page 0.</translation>
    </message>
    <message>
        <source>A block beyond the 31st; pages 0 to 30 hold at most 31.</source>
        <translation>A block beyond the 31st; pages 0 to 30 hold at most 31.</translation>
    </message>
    <message>
        <source>A ;PTN line before the first label.</source>
        <translation>A ;PTN line before the first label.</translation>
    </message>
    <message>
        <source>Expected ;PTN %1 here.</source>
        <translation>Expected ;PTN %1 here.</translation>
    </message>
    <message>
        <source>The closing lines are UTF-8 text; an include file is Shift-JIS (code page 932) text.</source>
        <translation>The closing lines are UTF-8 text; an include file is Shift-JIS (code page 932) text.</translation>
    </message>
    <message>
        <source>The file ends without its closing lines (&quot;%1&quot;); it may have been cut short.</source>
        <translation>The file ends without its closing lines (&quot;%1&quot;); it may have been cut short.</translation>
    </message>
    <message>
        <source>The %1 palette of page 0 has %2 of its %3 lines.</source>
        <translation>The %1 palette of page 0 has %2 of its %3 lines.</translation>
    </message>
    <message>
        <source>The label is not followed by its two size lines (&quot;   .byte  W    ; chr sizeX&quot;, &quot;   .byte  H    ; chr sizeY&quot;).</source>
        <translation>The label is not followed by its two size lines (&quot;   .byte  W    ; chr sizeX&quot;, &quot;   .byte  H    ; chr sizeY&quot;).</translation>
    </message>
    <message>
        <source>Not understood: &quot;%1&quot;.</source>
        <translation>Not understood: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The block has no .global line; the export declares every block.</source>
        <translation>The block has no .global line; the export declares every block.</translation>
    </message>
    <message>
        <source>The .global line declares a block that does not follow.</source>
        <translation>The .global line declares a block that does not follow.</translation>
    </message>
    <message>
        <source>The .global line names another label than block %1 has.</source>
        <translation>The .global line names another label than block %1 has.</translation>
    </message>
    <message>
        <source>The palette value is wider than 16 bits.</source>
        <translation>The palette value is wider than 16 bits.</translation>
    </message>
    <message>
        <source>The palette word %1 is no colour of the colour-number table.</source>
        <translation>The palette word %1 is no colour of the colour-number table.</translation>
    </message>
    <message>
        <source>The palette lines give page 0 a palette other than the editor&apos;s default; a project file does not keep it (opening a project resets every palette), so an export of the saved project writes the default palette.</source>
        <translation>The palette lines give page 0 a palette other than the editor&apos;s default; a project file does not keep it (opening a project resets every palette), so an export of the saved project writes the default palette.</translation>
    </message>
    <message>
        <source>A data line before the first label.</source>
        <translation>A data line before the first label.</translation>
    </message>
    <message>
        <source>A data line before the block&apos;s first ;PTN line.</source>
        <translation>A data line before the block&apos;s first ;PTN line.</translation>
    </message>
    <message>
        <source>Data lines outside the blocks are the map: 32 lines of 16 items; these are %1 lines, this one of %2 items.</source>
        <translation>Data lines outside the blocks are the map: 32 lines of 16 items; these are %1 lines, this one of %2 items.</translation>
    </message>
    <message>
        <source>Map item %1 is wider than 16 bits.</source>
        <translation>Map item %1 is wider than 16 bits.</translation>
    </message>
    <message>
        <source>A pattern width below 1 cannot be laid out.</source>
        <translation>A pattern width below 1 cannot be laid out.</translation>
    </message>
    <message>
        <source>The label is no valid Shift-JIS (code page 932) text.</source>
        <translation>The label is no valid Shift-JIS (code page 932) text.</translation>
    </message>
    <message>
        <source>A project file cannot keep the name &quot;%1&quot;.</source>
        <translation>A project file cannot keep the name &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Read as %1 the first block goes to page 1, and the blocks then reach page 31, which the export never writes.</source>
        <translation>Read as %1 the first block goes to page 1, and the blocks then reach page 31, which the export never writes.</translation>
    </message>
    <message>
        <source>line %1: the data of %2 reads as %3 and as %4; it is read as %3.</source>
        <translation>line %1: the data of %2 reads as %3 and as %4; it is read as %3.</translation>
    </message>
    <message>
        <source>%1 is in %2 and the palette lines in %3, so page 0 stays an unflagged %3 page with that palette and the blocks start at page 1.</source>
        <translation>%1 is in %2 and the palette lines in %3, so page 0 stays an unflagged %3 page with that palette and the blocks start at page 1.</translation>
    </message>
    <message>
        <source>%1 is in %2 but the file has no palette lines, so page 0 stays an unflagged %3 page and the blocks start at page 1.</source>
        <translation>%1 is in %2 but the file has no palette lines, so page 0 stays an unflagged %3 page and the blocks start at page 1.</translation>
    </message>
    <message>
        <source>Page %1 holds %2 patterns; the editor counts at most %3 and sets a larger count to 0 when it shows the page.</source>
        <translation>Page %1 holds %2 patterns; the editor counts at most %3 and sets a larger count to 0 when it shows the page.</translation>
    </message>
    <message>
        <source>Pattern %1 has %2 data lines; read as %3, a pattern of %4 x %5 cells has %6.</source>
        <translation>Pattern %1 has %2 data lines; read as %3, a pattern of %4 x %5 cells has %6.</translation>
    </message>
    <message>
        <source>The line has %1 items; read as %2, a row of a pattern %3 cells wide has %4.</source>
        <translation>The line has %1 items; read as %2, a row of a pattern %3 cells wide has %4.</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a page name has at most %2 bytes, so that the project made from the file opens again.</source>
        <translation>The name is %1 bytes long; a page name has at most %2 bytes, so that the project made from the file opens again.</translation>
    </message>
</context>
<context>
    <name>PageImage</name>
    <message>
        <source>The patterns of page %1 cover no cell of the sheet (%2 patterns of %3 x %4 cells).</source>
        <translation>The patterns of page %1 cover no cell of the sheet (%2 patterns of %3 x %4 cells).</translation>
    </message>
    <message>
        <source>There is no page %1.</source>
        <translation>There is no page %1.</translation>
    </message>
    <message>
        <source>The scale must be 1 to %1, not %2.</source>
        <translation>The scale must be 1 to %1, not %2.</translation>
    </message>
    <message>
        <source>Cannot write the image: %1</source>
        <translation>Cannot write the image: %1</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; at most %3 x %3 can be imported.</source>
        <translation>The image is %1 x %2 pixels; at most %3 x %3 can be imported.</translation>
    </message>
    <message>
        <source>Cannot read the image: %1</source>
        <translation>Cannot read the image: %1</translation>
    </message>
    <message>
        <source>The threshold must be 0 to 255, not %1.</source>
        <translation>The threshold must be 0 to 255, not %1.</translation>
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
    <message>
        <source>Cannot create %1: the name is not valid UTF-8, and no file is written under it; give the output another name.</source>
        <translation>Cannot create %1: the name is not valid UTF-8, and no file is written under it; give the output another name.</translation>
    </message>
</context>
<context>
    <name>vesk4::EditHistory</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size X</source>
        <translation>Size X</translation>
    </message>
    <message>
        <source>Size Y</source>
        <translation>Size Y</translation>
    </message>
    <message>
        <source>Pattern Count</source>
        <translation>Pattern Count</translation>
    </message>
    <message>
        <source>Output Data</source>
        <translation>Output Data</translation>
    </message>
    <message>
        <source>Colour Mode</source>
        <translation>Colour Mode</translation>
    </message>
</context>
<context>
    <name>vesk4::FileDialog</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>This is not a graphics editor file. Change the extension and save?</source>
        <translation>This is not a graphics editor file. Change the extension and save?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Export Image Data for ELK</source>
        <translation>Export Image Data for ELK</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>This is not an MPLAB include file. Change the extension and save?</source>
        <translation>This is not an MPLAB include file. Change the extension and save?</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirm Save</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>File Information</translation>
    </message>
    <message>
        <source>A file with the same name exists. Overwrite it?</source>
        <translation>A file with the same name exists. Overwrite it?</translation>
    </message>
    <message>
        <source>This file cannot be opened. Choose a file with the extension &quot;.egd&quot;.</source>
        <translation>This file cannot be opened. Choose a file with the extension &quot;.egd&quot;.</translation>
    </message>
    <message>
        <source>The file name contains a character such as &quot;/&quot; that cannot be used. Choose folders in the list on the left.</source>
        <translation>The file name contains a character such as &quot;/&quot; that cannot be used. Choose folders in the list on the left.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vesk4::FilePanel</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Export PIC Data</source>
        <translation>Export PIC Data</translation>
    </message>
</context>
<context>
    <name>vesk4::FileWatch</name>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Reload it and discard the changes not saved here?
No keeps the document as it is here.</source>
        <translation>The file &quot;%1&quot; was changed by another program.
Reload it and discard the changes not saved here?
No keeps the document as it is here.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Reload it?
No keeps the document as it is here.</source>
        <translation>The file &quot;%1&quot; was changed by another program.
Reload it?
No keeps the document as it is here.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was deleted or moved by another program.
The document is kept here, unsaved.</source>
        <translation>The file &quot;%1&quot; was deleted or moved by another program.
The document is kept here, unsaved.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program since it was opened or saved.
Overwrite it?</source>
        <translation>The file &quot;%1&quot; was changed by another program since it was opened or saved.
Overwrite it?</translation>
    </message>
</context>
<context>
    <name>vesk4::FirmwareStatus</name>
    <message>
        <source>Size Limit...</source>
        <translation>Size Limit...</translation>
    </message>
    <message>
        <source>Cell %1,%2  Outside the patterns</source>
        <translation>Cell %1,%2  Outside the patterns</translation>
    </message>
    <message>
        <source>Cell %1,%2  Pattern %3  Byte %4 Bit %5 (%6 bits)</source>
        <translation>Cell %1,%2  Pattern %3  Byte %4 Bit %5 (%6 bits)</translation>
    </message>
    <message>
        <source>%1  Mask %2</source>
        <translation>%1  Mask %2</translation>
    </message>
    <message>
        <source>%1  Offset %2</source>
        <translation>%1  Offset %2</translation>
    </message>
    <message>
        <source>Size Limit</source>
        <translation>Size Limit</translation>
    </message>
    <message>
        <source>Size limit of the PIC data (bytes, 0 for no limit):</source>
        <translation>Size limit of the PIC data (bytes, 0 for no limit):</translation>
    </message>
    <message>
        <source>Cannot export</source>
        <translation>Cannot export</translation>
    </message>
    <message>
        <source>The bytes the PIC data assembles. Right-click to set a size limit.</source>
        <translation>The bytes the PIC data assembles. Right-click to set a size limit.</translation>
    </message>
    <message>
        <source>Total %1 / %2 bytes</source>
        <translation>Total %1 / %2 bytes</translation>
    </message>
    <message>
        <source>Total %1 bytes</source>
        <translation>Total %1 bytes</translation>
    </message>
</context>
<context>
    <name>vesk4::GlyphImportDialog</name>
    <message>
        <source>Font File</source>
        <translation>Font File</translation>
    </message>
    <message>
        <source>Fonts (*.ttf *.otf *.ttc *.bdf *.pcf *.pcf.gz);;All Files (*)</source>
        <translation>Fonts (*.ttf *.otf *.ttc *.bdf *.pcf *.pcf.gz);;All Files (*)</translation>
    </message>
    <message>
        <source>Import Characters</source>
        <translation>Import Characters</translation>
    </message>
    <message>
        <source>Font File...</source>
        <translation>Font File...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>First pattern</source>
        <translation>First pattern</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Characters missing from the font: %1</source>
        <translation>Characters missing from the font: %1</translation>
    </message>
    <message>
        <source>Characters cut at their patterns: %1</source>
        <translation>Characters cut at their patterns: %1</translation>
    </message>
</context>
<context>
    <name>vesk4::GridPanel</name>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
</context>
<context>
    <name>vesk4::ImageImportDialog</name>
    <message>
        <source>Import Image</source>
        <translation>Import Image</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>vesk4::MainMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Export PIC Data...</source>
        <translation>&amp;Export PIC Data...</translation>
    </message>
    <message>
        <source>Import Image...</source>
        <translation>Import Image...</translation>
    </message>
    <message>
        <source>Import Characters...</source>
        <translation>Import Characters...</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>Export Image...</translation>
    </message>
    <message>
        <source>Read PIC Data...</source>
        <translation>Read PIC Data...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Previous Page</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Export C Header...</source>
        <translation>Export C Header...</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Shift Up</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Shift Down</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Shift Left</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Shift Right</translation>
    </message>
    <message>
        <source>Images (%1);;All Files (*)</source>
        <translation>Images (%1);;All Files (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>File Information</translation>
    </message>
    <message>
        <source>The file cannot be found. It is removed from the list of recent files.
%1</source>
        <translation>The file cannot be found. It is removed from the list of recent files.
%1</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Import Image</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Export Image</translation>
    </message>
    <message>
        <source>Export C Header</source>
        <translation>Export C Header</translation>
    </message>
    <message>
        <source>C Header (*.h);;All Files (*)</source>
        <translation>C Header (*.h);;All Files (*)</translation>
    </message>
    <message>
        <source>Read PIC Data</source>
        <translation>Read PIC Data</translation>
    </message>
    <message>
        <source>PIC Data (*.inc);;All Files (*)</source>
        <translation>PIC Data (*.inc);;All Files (*)</translation>
    </message>
    <message>
        <source>%1
Version %2
Qt %3

MIT License, Copyright (c) 2026 The VESK4 editor developers</source>
        <translation>%1
Version %2
Qt %3

MIT License, Copyright (c) 2026 The VESK4 editor developers</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
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
<context>
    <name>vesk4::MainWindow</name>
    <message>
        <source>VESK4 Graphics Editor (Monochrome Edition Ver2.0)</source>
        <translation>VESK4 Graphics Editor (Monochrome Edition Ver2.0)</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirm Save</translation>
    </message>
    <message>
        <source>The changes have not been saved. Save them?</source>
        <translation>The changes have not been saved. Save them?</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>File Information</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>The PIC data could not be exported.</source>
        <translation>The PIC data could not be exported.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Import Image</translation>
    </message>
    <message>
        <source>Import Characters</source>
        <translation>Import Characters</translation>
    </message>
    <message>
        <source>The image could not be read.</source>
        <translation>The image could not be read.</translation>
    </message>
    <message>
        <source>%1 cells beyond the sheet were not imported.</source>
        <translation>%1 cells beyond the sheet were not imported.</translation>
    </message>
    <message>
        <source>%1 characters run over their patterns and are cut.</source>
        <translation>%1 characters run over their patterns and are cut.</translation>
    </message>
    <message>
        <source>Characters missing from the font were left blank: %1</source>
        <translation>Characters missing from the font were left blank: %1</translation>
    </message>
    <message>
        <source>The image could not be exported.</source>
        <translation>The image could not be exported.</translation>
    </message>
    <message>
        <source>The C header could not be exported.</source>
        <translation>The C header could not be exported.</translation>
    </message>
    <message>
        <source>The PIC data could not be read.</source>
        <translation>The PIC data could not be read.</translation>
    </message>
</context>
<context>
    <name>vesk4::MessageBoxes</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
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
    <name>vesk4::PalettePanel</name>
    <message>
        <source>256-col</source>
        <translation>256-col</translation>
    </message>
    <message>
        <source>16-col</source>
        <translation>16-col</translation>
    </message>
    <message>
        <source>4-col</source>
        <translation>4-col</translation>
    </message>
    <message>
        <source>2-col</source>
        <translation>2-col</translation>
    </message>
    <message>
        <source>2-col Ex</source>
        <translation>2-col Ex</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>L:</source>
        <translation>L:</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>vesk4::PenTool</name>
    <message>
        <source>Draw</source>
        <translation>Draw</translation>
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
<context>
    <name>vesk4::SettingsPanel</name>
    <message>
        <source>Character Settings</source>
        <translation>Character Settings</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Patterns:</source>
        <translation>Patterns:</translation>
    </message>
    <message>
        <source>Output data:</source>
        <translation>Output data:</translation>
    </message>
</context>
<context>
    <name>vesk4::ShapeTool</name>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Filled Rectangle</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
</context>
<context>
    <name>vesk4::ToolButtons</name>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Flip H</source>
        <translation>Flip H</translation>
    </message>
    <message>
        <source>Flip V</source>
        <translation>Flip V</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rect</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
</context>
<context>
    <name>vesk4::ToolPanel</name>
    <message>
        <source>&amp;Pen</source>
        <translation>&amp;Pen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Erase</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Turn</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>Flip &amp;Horizontal</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>Flip &amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invert</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>Fille&amp;d Rectangle</source>
        <translation>Fille&amp;d Rectangle</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Fill</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
</context>
</TS>
