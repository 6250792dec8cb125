#pragma once

#include "document/document.h"
#include "document/editor_state.h"

#include <QRgb>

#include <array>
#include <cstdint>

namespace vesk4 {

// The fixed colour-number table: colour number -> RGB332 value. Numbers 165-254 hold 0 and 255
// holds 0x0FFF, which every reader masks down to its low byte, white.
const std::array<int16_t, 256> &palOrderList();

// Levels of an RGB332 value; only its low byte counts.
struct Rgb332Levels {
    int r; // 0-7
    int g; // 0-7
    int b; // 0-3
};
constexpr Rgb332Levels rgb332Levels(int value)
{
    return {(value & 0xE0) / 32, (value & 0x1C) / 4, value & 3};
}

// Screen colour of a colour number by the linear rule: levels of PalOrder(n) times 32, 32 and 64.
// A number outside 0-255 has no table entry and shows black.
QRgb linearColour(const Document &doc, int colourNumber);

// Screen colour of an RGB332 value by the level rule as the 4-colour palette swatches draw it:
// (level + 1) x 16 per channel, at most 255.
QRgb paletteSwatchLevelColour(const Document &doc, int rgb332);

// The same value as the left and right swatches draw it in 4-colour mode: level x 16.
QRgb colourSwatchLevelColour(const Document &doc, int rgb332);

// The canvas shows colour number n as the grey n.
constexpr QRgb greyColour(int n)
{
    return qRgb(n, n, n);
}

// Fixed colour numbers of the default 16-entry palette after the three pen colours.
inline constexpr std::array<int16_t, 13> kPal16FixedDefaults{7,  8,  16, 17, 23, 24, 36,
                                                             38, 79, 42, 43, 44, 45};
inline constexpr std::array<int16_t, 4> kPal4Defaults{0, 3, 28, 224};

// Resets the palettes of all 32 pages: Pal16 entries 0-15 to rightPenColour, leftPenColour, rightPenAltColour
// and the fixed numbers, Pal4 to black, blue, green, red. Entry 16 of Pal16 is left alone.
void resetPalettes(Document &doc, const EditorState &state);

// Palette modes of paletteEntryOf.
inline constexpr int kSearchPal16 = 1;
inline constexpr int kSearchPal4 = 2;

// The lowest entry of page page's Pal16 (paletteRow 1) or Pal4 (paletteRow 2) row that holds colourNumber;
// 0 when none does or paletteRow is neither.
int16_t paletteEntryOf(const Document &doc, int paletteRow, int page, int colourNumber);

// The pen colours that the palette panel takes from the current page's palette rows for its colour
// mode: the 16-colour row's entries 15 and 0, the 4-colour row's entries 3 and 0, or in the two
// monochrome modes entries 1, 0 and 2. "256色" keeps the colours.
void takePenColours(const Document &doc, EditorState &state);

} // namespace vesk4
