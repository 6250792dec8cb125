#include "canvas/pen.h"

#include "canvas/mouse_buttons.h"

#include <QCoreApplication>

#include <optional>

namespace vesk4 {

namespace {

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

namespace {
// The undo step of a stroke, in the interface's language of the moment the stroke ends.
QString strokeStep()
{
    return QCoreApplication::translate("EditStep", "Draw");
}
} // namespace

PenTool::PenTool(Document &doc, EditorState &state, CanvasRenderer &renderer)
    : doc_(doc), state_(state), renderer_(renderer)
{
}

ToolOutcome PenTool::press(const ToolPointer &, int button)
{
    penPress(doc_, state_, button, journal_);
    renderer_.redraw(doc_, state_);
    return {.refresh = {.canvas = true, .thumbnail = true}};
}

ToolOutcome PenTool::move(const ToolPointer &, int buttons)
{
    penMove(doc_, state_, buttons, journal_);
    renderer_.redraw(doc_, state_);
    // No button held: a stroke whose release never came has ended.
    return {.refresh = {.canvas = true, .thumbnail = true}, .step = buttons == 0 ? strokeStep() : QString()};
}

ToolOutcome PenTool::release(const ToolPointer &, int)
{
    return {.step = strokeStep()};
}

} // namespace vesk4
