<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
