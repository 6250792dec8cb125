#include "canvas/pen.h"

#include "canvas/mouse_buttons.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace vesk4 {

namespace {

int16_t nearestCell(double position, int cellSize, int scroll)
{
    if (cellSize < 1)
        return int16_t(scroll);
    const double cell = std::nearbyint((position - 5) / cellSize + scroll);
    // Saturating keeps a pointer dragged far away outside the store instead of wrapping it back in.
    constexpr double lowest = std::numeric_limits<int16_t>::min();
    constexpr double highest = std::numeric_limits<int16_t>::max();
    return int16_t(std::isnan(cell) ? lowest : std::clamp(cell, lowest, highest));
}

// The cell under the pointer, or nothing when the pointer lies beyond the store's margins.
std::optional<int16_t> cellUnderPointer(const Document &doc, const EditorState &state)
{
    if (state.currentPage < 0 || state.currentPage >= kPageCount
        || !inCellStore(state.pointerCellX, state.pointerCellY))
        return std::nullopt;
    return doc.PixelData(state.currentPage, state.pointerCellX, state.pointerCellY);
}

void writePointerCell(Document &doc, const EditorState &state, CellChanges *journal, int16_t value)
{
    writeCell(doc.PixelData, journal, state.currentPage, state.pointerCellX, state.pointerCellY, value);
}

bool twoColourPage(const Document &doc, const EditorState &state)
{
    return doc.pages[state.currentPage].colourMode == kMode2;
}

} // namespace

void pointerToCell(EditorState &state, double x, double y)
{
    state.pointerCellX = nearestCell(x, state.cellWidthPx, state.scrollColumn);
    state.pointerCellY = nearestCell(y, state.cellHeightPx, state.scrollRow);
}

void penPress(Document &doc, EditorState &state, int button, CellChanges *journal)
{
    const std::optional<int16_t> cell = cellUnderPointer(doc, state);
    if (button == kLeftButton) {
        if (cell)
            writePointerCell(doc, state, journal, state.leftPenEntry);
        return;
    }
    if (button != kRightButton || state.pressedButton != 0)
        return;
    state.pressedButton = 2;
    if (!cell)
        return;
    // Outside two-colour pages, a right press on a cell already in the right entry (and not the
    // left one) writes the alternative right entry instead.
    const bool alternative
        = !twoColourPage(doc, state) && *cell != state.leftPenEntry && *cell == state.rightPenEntry;
    writePointerCell(doc, state, journal, alternative ? state.rightPenAltEntry : state.rightPenEntry);
}

void penMove(Document &doc, EditorState &state, int buttons, CellChanges *journal)
{
    const std::optional<int16_t> cell = cellUnderPointer(doc, state);
    if (!cell)
        return;
    if (buttons == kLeftButton)
        writePointerCell(doc, state, journal, state.leftPenEntry);
    else if (buttons == kRightButton && (twoColourPage(doc, state) || *cell == state.leftPenEntry))
        writePointerCell(doc, state, journal, state.rightPenEntry);
}

} // namespace vesk4
