#include "palette/colour_model.h"

#include <algorithm>

namespace vesk4 {

namespace {

constexpr std::array<int16_t, 256> makePalOrder()
{
    constexpr int16_t colours[165] = {
        0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x0C, 0x10, 0x14, 0x18, 0x1C, 0x20, 0x40, 0x60, 0x80, 0xA0, //
        0xC0, 0xE0, 0x24, 0x48, 0x6C, 0x90, 0xB4, 0xD8, 0xFC, 0x21, 0x41, 0x62, 0x82, 0xA3, 0xC3, 0xE3, //
        0x05, 0x09, 0x0E, 0x12, 0x17, 0x1B, 0x1F, 0x25, 0x49, 0x6E, 0x92, 0xB7, 0xDB, 0xFF, 0x41, 0x44, //
        0x49, 0x61, 0x61, 0x64, 0x65, 0x68, 0x69, 0x6D, 0x81, 0x84, 0x85, 0x88, 0x89, 0x8C, 0x8D, 0x91, //
        0xA1, 0xA4, 0xA5, 0xA8, 0xA9, 0xAC, 0xAD, 0xB0, 0xB1, 0xB5, 0xC1, 0xC4, 0xC5, 0xC8, 0xC9, 0xCC, //
        0xCD, 0xD0, 0xD1, 0xD4, 0xD5, 0xD9, 0xE1, 0xE4, 0xE5, 0xE8, 0xE9, 0xEC, 0xED, 0xF0, 0xF1, 0xF4, //
        0xF5, 0xF8, 0xF9, 0xFD, 0x06, 0x22, 0x23, 0x26, 0x27, 0x43, 0x46, 0x47, 0x4B, 0x62, 0x66, 0x67, //
        0x6A, 0x6B, 0x6E, 0x82, 0x83, 0x86, 0x87, 0x8A, 0x8B, 0x8E, 0x8F, 0x92, 0x93, 0xA2, 0xA3, 0xA6, //
        0xA7, 0xAA, 0xAB, 0xAE, 0xAF, 0xB2, 0xB3, 0xB6, 0xB7, 0xC2, 0xC3, 0xC6, 0xC7, 0xCA, 0xCB, 0xCE, //
        0xCF, 0xD2, 0xD3, 0xD6, 0xD7, 0xDA, 0xE2, 0xE3, 0xE6, 0xE7, 0xEA, 0xEB, 0xEE, 0xEF, 0xF2, 0xF3, //
        0xF6, 0xF7, 0xFA, 0xFB, 0xFE,
    };
    std::array<int16_t, 256> table{};
    for (int n = 0; n < 165; ++n)
        table[n] = colours[n];
    table[255] = 0x0FFF;
    return table;
}

constexpr std::array<int16_t, 256> kPalOrder = makePalOrder();

int levelColour(int level, int plus)
{
    return std::min((level + plus) * 16, 255);
}

QRgb levelColour(const Document &doc, int rgb332, int plus)
{
    const Rgb332Levels l = rgb332Levels(rgb332);
    return qRgb(levelColour(doc.LevelRG[l.r], plus), levelColour(doc.LevelRG[l.g], plus),
                levelColour(doc.LevelB[l.b], plus));
}

} // namespace

const std::array<int16_t, 256> &palOrderList()
{
    return kPalOrder;
}

QRgb linearColour(const Document &doc, int colourNumber)
{
    if (colourNumber < 0 || colourNumber > 255)
        return qRgb(0, 0, 0);
    const Rgb332Levels l = rgb332Levels(doc.PalOrder[colourNumber]);
    return qRgb(l.r * 32, l.g * 32, l.b * 64);
}

QRgb paletteSwatchLevelColour(const Document &doc, int rgb332)
{
    return levelColour(doc, rgb332, 1);
}

QRgb colourSwatchLevelColour(const Document &doc, int rgb332)
{
    return levelColour(doc, rgb332, 0);
}

void resetPalettes(Document &doc, const EditorState &state)
{
    for (int p = 0; p < kPageCount; ++p) {
        auto &row = doc.Pal16[p];
        row[0] = state.rightPenColour;
        row[1] = state.leftPenColour;
        row[2] = state.rightPenAltColour;
        std::copy(kPal16FixedDefaults.begin(), kPal16FixedDefaults.end(), row.begin() + 3);
        doc.Pal4[p] = kPal4Defaults;
    }
}

int16_t paletteEntryOf(const Document &doc, int paletteRow, int page, int colourNumber)
{
    if (page < 0 || page >= kPageCount)
        return 0;
    if (paletteRow == kSearchPal16) {
        for (int e = 0; e < 16; ++e)
            if (doc.Pal16[page][e] == colourNumber)
                return int16_t(e);
    } else if (paletteRow == kSearchPal4) {
        for (int e = 0; e < 4; ++e)
            if (doc.Pal4[page][e] == colourNumber)
                return int16_t(e);
    }
    return 0;
}

void takePenColours(const Document &doc, EditorState &state)
{
    const int p = state.currentPage;
    switch (doc.ColorMode[p]) {
    case kMode256:
        break;
    case kMode16:
        state.leftPenColour = doc.Pal16[p][15];
        state.rightPenColour = doc.Pal16[p][0];
        break;
    case kMode4:
        state.leftPenColour = doc.Pal4[p][3];
        state.rightPenColour = doc.Pal4[p][0];
        break;
    default:
        state.leftPenColour = doc.Pal16[p][1];
        state.rightPenColour = doc.Pal16[p][0];
        state.rightPenAltColour = doc.Pal16[p][2];
        break;
    }
}

} // namespace vesk4
