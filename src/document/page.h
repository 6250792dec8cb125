#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace vesk4 {

// Colour modes of a page, the index of its option button. A page's colourMode holds the number its
// project file gave, which may be none of these: it is written back as it was read.
enum ColourMode : int16_t {
    kMode256 = 0, // "256色"
    kMode16 = 1, // "16色"
    kMode4 = 2, // "4色"
    kMode2 = 3, // "2色"
    kMode2Ex = 4, // "2色Ex"
};

inline constexpr int kPal16Slots = 17; // entries 0-15 in use, entry 16 spare

// The settings and palette rows of one page. A default-constructed page is zero-filled, as before
// start-up; the numbers are kept as the project file holds them, in and out of range alike.
struct Page {
    QString name;
    int16_t patternWidth = 0; // cells
    int16_t patternHeight = 0; // cells
    int16_t patternCount = 0;
    int16_t outputFlag = 0; // the export writes the page when this is 1
    int16_t colourMode = 0; // a ColourMode as a rule
    std::array<int16_t, 4> pal4{}; // RGB332 values
    std::array<int16_t, 8> pal8{}; // carried by the project file, used by nothing else
    std::array<int16_t, kPal16Slots> pal16{}; // colour numbers

    friend bool operator==(const Page &, const Page &) = default;
};

} // namespace vesk4
