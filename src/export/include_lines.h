#pragma once

// The include reader's first stage: the lines of an include file, tokenised and grouped into the
// declarations, page 0's palette, the labelled blocks with their patterns, and the data lines,
// before any of it is placed on a page.

#include "document/document.h"
#include "document/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace vesk4::include_reading {

// A data line: its items lie at items[firstItem .. firstItem + itemCount - 1] of the file.
struct Row {
    int line;
    uint32_t firstItem;
    uint32_t itemCount;
};

struct Pattern {
    int line;
    uint32_t firstRow;
    uint32_t rowCount = 0;
    int endLine = 0; // the line that ends it: the next pattern, label or the closing title
};

struct Block {
    int line;
    QByteArray name; // as the label spells it, in code page 932
    int width = 0;
    int height = 0;
    uint32_t firstRow = 0; // data lines before the first pattern: the map, when no pattern follows
    uint32_t leadingRows = 0;
    std::vector<Pattern> patterns;
};

struct Declaration {
    int line;
    QByteArray name;
};

// What the lines of the file say.
struct ParsedFile {
    std::vector<uint32_t> items;
    std::vector<Row> rows;
    uint32_t headerRows = 0; // data lines before the first label
    std::vector<Block> blocks;
    std::vector<Declaration> declarations;
    int paletteMode = -1; // kMode16 or kMode4 when palette lines came
    int paletteLine = 0;
    std::vector<uint32_t> palette;
};

// The pages 0 to 30 that the export writes hold at most this many blocks.
inline constexpr int kMostBlocks = kLastCharacterPage + 1;

// The longest name a label or a .global line may give, in bytes. The name becomes a page name, and
// the project written from the include file must open again: a project file is read up to 32 MiB,
// and 31 names of this length leave room for the largest sheets (7.4 MB with a map block).
inline constexpr qsizetype kMaxLabelBytes = qsizetype{512} * 1024;

// Reads the lines of text into file; fails with the line of the first one it does not understand or
// that is out of its place, or when the closing lines are missing.
Status parseLines(QByteArrayView text, ParsedFile &file);

// A colour mode's name in quotes, for messages.
QString modeName(int mode);
// An item as the export writes it, for messages.
QString hex(uint32_t value);

} // namespace vesk4::include_reading
