#pragma once

#include "document/document.h"
#include "document/editor_state.h"

#include <array>
#include <cstdint>

namespace vesk4 {

// Fixed colour numbers of the default 16-entry palette after the three pen colours.
inline constexpr std::array<int16_t, 13> kPal16FixedDefaults{7,  8,  16, 17, 23, 24, 36,
                                                             38, 79, 42, 43, 44, 45};
inline constexpr std::array<int16_t, 4> kPal4Defaults{0, 3, 28, 224};

// Resets the palettes of all 32 pages: pal16 entries 0-15 to rightPenColour, leftPenColour,
// rightPenAltColour and the fixed numbers, pal4 to black, blue, green, red. Entry 16 of pal16 is
// left alone.
void resetPalettes(Document &doc, const EditorState &state);

// Palette modes of paletteEntryOf.
inline constexpr int kSearchPal16 = 1;
inline constexpr int kSearchPal4 = 2;

// The lowest entry of page page's pal16 (paletteRow 1) or pal4 (paletteRow 2) row that holds
// colourNumber; 0 when none does or paletteRow is neither.
int16_t paletteEntryOf(const Document &doc, int paletteRow, int page, int colourNumber);

// The pen colours that the palette panel takes from the current page's palette rows for its colour
// mode: the 16-colour row's entries 15 and 0, the 4-colour row's entries 3 and 0, or in the two
// monochrome modes entries 1, 0 and 2. "256色" keeps the colours.
void takePenColours(const Document &doc, EditorState &state);

} // namespace vesk4
