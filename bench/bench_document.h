#pragma once

#include "document/document.h"
#include "document/editor_state.h"
#include "document/page_state.h"

namespace vesk4 {

// The document the editor starts with, with a diagonal of entry 1 across the view, so the repaints
// measured show both colours.
inline void startDiagonalDocument(Document &doc, EditorState &state)
{
    startDocument(doc, state);
    for (int i = 0; i < 64; ++i)
        doc.PixelData(0, i, i) = 1;
}

// The largest project a user exports: every character page marked for output in "256色", 99
// patterns of 8 x 16 cells each, cell values 0 to 255; saved, about 2.2 MB. The cells follow the rule
// of bench/make_full_project.py, which writes the same file for the whole-process timings.
inline void startFullProjectDocument(Document &doc, EditorState &state)
{
    constexpr int kCharacterPages = kLastCharacterPage + 1;
    constexpr int kPatterns = 99;
    constexpr int kWidth = 8;
    constexpr int kHeight = 16;
    startDocument(doc, state);
    for (int page = 0; page < kCharacterPages; ++page) {
        doc.pages[page].colourMode = kMode256;
        doc.pages[page].patternWidth = kWidth;
        doc.pages[page].patternHeight = kHeight;
        doc.pages[page].patternCount = kPatterns;
        doc.pages[page].outputFlag = 1;
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                const int pattern = y / kHeight * (kSheetWidth / kWidth) + x / kWidth;
                if (pattern < kPatterns)
                    doc.PixelData(page, x, y) = int16_t((page * 131 + x * 37 + y * 11 + (x * y) % 7) % 256);
            }
        }
    }
    doc.pages[kPageCount - 1].patternHeight = kHeight;
}

// The full project above, made once for the whole program.
inline const Document &fullProjectDocument()
{
    static const Document doc = [] {
        Document d;
        EditorState state;
        startFullProjectDocument(d, state);
        return d;
    }();
    return doc;
}

} // namespace vesk4
