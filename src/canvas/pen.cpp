#include "canvas/pen.h"

#include "canvas/mouse_buttons.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// The cell under the pointer, or nullptr when the pointer lies beyond the store's margins.
int16_t *cellUnderPointer(Document &doc, const EditorState &state)
{
    if (state.pPage < 0 || state.pPage >= kPageCount || !inCellStore(state.pMainX, state.pMainY))
        return nullptr;
    return &doc.PixelData(state.pPage, state.pMainX, state.pMainY);
}

bool twoColourPage(const Document &doc, const EditorState &state)
{
    return doc.ColorMode[state.pPage] == kMode2;
}

} // namespace

void pointerToCell(EditorState &state, double x, double y)
{
    state.pMainX = nearestCell(x, state.pDotX, state.pMapSclX);
    state.pMainY = nearestCell(y, state.pDot, state.pMapSclY);
}

void penPress(Document &doc, EditorState &state, int button)
{
    int16_t *cell = cellUnderPointer(doc, state);
    if (button == kLeftButton) {
        if (cell)
            *cell = state.pLPalNo;
        return;
    }
    if (button != kRightButton || state.pBtn != 0)
        return;
    state.pBtn = 2;
    if (!cell)
        return;
    if (twoColourPage(doc, state))
        *cell = state.pRPalNo;
    else if (*cell != state.pLPalNo && *cell == state.pRPalNo)
        *cell = state.pRPalNo2;
    else
        *cell = state.pRPalNo;
}

void penMove(Document &doc, EditorState &state, int buttons)
{
    int16_t *cell = cellUnderPointer(doc, state);
    if (!cell)
        return;
    if (buttons == kLeftButton)
        *cell = state.pLPalNo;
    else if (buttons == kRightButton && (twoColourPage(doc, state) || *cell == state.pLPalNo))
        *cell = state.pRPalNo;
}

} // namespace vesk4
