#pragma once

#include "document/document.h"

#include <array>
#include <cstddef>

namespace vesk4 {

// The greys the canvas shows for cells: the canvas renderer draws with them, and the image import
// and export use them so that a picture written from a page reads back into the same cells and
// looks as the canvas does.

inline constexpr int kPaletteEntries = 16;

// Colour number c shows as grey c; a number beyond the colour strip (only from a hand-made project
// file) shows as 0.
constexpr int greyOfColourNumber(int c)
{
    return c >= 0 && c <= 255 ? c : 0;
}

// The colour number of cell value v: entry v of the first page's 16-entry palette, which the canvas
// uses for every page; a value beyond the palette row gives 0.
inline int colourNumberOfCell(const Document &doc, int v)
{
    return v >= 0 && v < kPal16Slots ? doc.pages[0].pal16[std::size_t(v)] : 0;
}

// The greys of palette entries 0-15.
inline std::array<int, kPaletteEntries> paletteGreys(const Document &doc)
{
    std::array<int, kPaletteEntries> greys{};
    for (int e = 0; e < kPaletteEntries; ++e)
        greys[std::size_t(e)] = greyOfColourNumber(colourNumberOfCell(doc, e));
    return greys;
}

// A "2色" page shows its cells of the right pen's second colour in the right pen's colour.
constexpr int shownColourNumber(int c, bool twoColourPage, int rightColour, int rightAltColour)
{
    return twoColourPage && c == rightAltColour ? rightColour : c;
}

// The grey the canvas shows for cell value v on a page of colour mode `mode`.
inline int cellGrey(const Document &doc, int mode, int v, int rightColour, int rightAltColour)
{
    return greyOfColourNumber(
        shownColourNumber(colourNumberOfCell(doc, v), mode == kMode2, rightColour, rightAltColour));
}

} // namespace vesk4
