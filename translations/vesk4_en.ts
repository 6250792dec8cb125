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
