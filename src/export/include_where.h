#pragma once

// Where a cell of a page ends up in the firmware and how many bytes the include file assembles to:
// what the "where" and "size" commands print and the editor's status bar shows.

#include "document/document.h"
#include "document/result.h"
#include "export/include_layout.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk4 {

// The bytes of one exported page's block: its two size bytes and its patterns.
struct IncludeBlockSize {
    int page = 0;
    int64_t patterns = 0;
    int64_t bytes = 0;
    int64_t offset = 0; // of the block's first byte, from the start of all the file's data
};

// The data the include file assembles to, in file order: page 0's palette (".word" lines two
// bytes each), the blocks of the flagged pages, the map.
struct IncludeSizes {
    int64_t paletteBytes = 0;
    std::vector<IncludeBlockSize> blocks;
    int64_t mapBytes = 0;
    int64_t total = 0;
};

// Fails, naming the page, when a flagged page cannot be laid out, as the export does.
Expected<IncludeSizes> includeSizes(const Document &doc);

// The bytes of page 0's palette lines: 16 words in "16色", 4 bytes in "4色", else none.
int64_t includePaletteBytes(const Document &doc);

// Where cell (x, y) of a page lands: the place in the page's block, and for a flagged page 0-30
// the offset of that byte from the start of all the file's data.
struct CellWhere {
    IncludeCellPlace place;
    std::optional<int64_t> offset;
};

// Fails when the page cannot be laid out or no pattern of the page holds the cell. Reads only the
// page tables, never the cells, so it is cheap enough to run on every pointer move.
Expected<CellWhere> whereCell(const Document &doc, int page, int64_t x, int64_t y);

// "pattern=K byte=B bit=b bits=W", then " mask=M" and " offset=O" where they apply.
QString whereText(const CellWhere &where);

} // namespace vesk4
