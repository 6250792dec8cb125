#pragma once

#include "document/cell_store.h"
#include "document/page.h"

#include <QString>

#include <array>
#include <cstdint>

namespace vesk4 {

// The document: its pages, their cells and what the project file keeps beside them. A
// default-constructed document is the zero-filled state before start-up; applyStartValues() gives
// it the values the editor starts with.
struct Document {
    std::array<Page, kPageCount> pages{};

    // Cell stores.
    PagedCellStore PixelData; // palette entry numbers
    PagedCellStore MapData; // chip numbers, plane of page 0 used by the map

    QString projectFileName; // name (without folder) of the project last saved or opened
    int16_t FileVer = 0; // format number of the project file

    friend bool operator==(const Document &, const Document &) = default;
};

} // namespace vesk4
