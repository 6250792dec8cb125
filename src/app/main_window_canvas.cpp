// The main window's canvas mouse handlers, the floating block's and the tool buttons'. Every press
// and move on the canvas first finds the cells under the pointer; then the current tool acts, and
// the window shows what it changed and records the step it finished.
#include "app/main_window.h"

#include "app/firmware_status.h"
#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/tool_panel.h"
#include "files/file_panel.h"
#include "palette/palette_panel.h"

#include <QCoreApplication>

namespace vesk4 {

namespace {

// Undo step names, looked up when the step is recorded.
const char *const kStrokeStep = QT_TRANSLATE_NOOP("vesk4::MainWindow", "Draw");
const char *const kPasteStep = QT_TRANSLATE_NOOP("vesk4::MainWindow", "Paste");
const char *const kShiftStep = QT_TRANSLATE_NOOP("vesk4::MainWindow", "Shift");

QString toolStepText(int index)
{
    return index == ToolButtons::kMove ? QCoreApplication::translate("vesk4::MainWindow", "Move")
                                       : QCoreApplication::translate("vesk4::MainWindow", "Erase");
}

} // namespace

void MainWindow::canvasPressed(int button, double x, double y)
{
    showOutcome(canvasTools_->current().press(trackPointer(state_, x, y), button));
}

void MainWindow::canvasMoved(int buttons, double x, double y)
{
    const ToolPointer pointer = trackPointer(state_, x, y);
    firmwareStatus_->pointerAt(state_.currentPage, state_.pointerCellX, state_.pointerCellY);
    showOutcome(canvasTools_->current().move(pointer, buttons));
}

void MainWindow::canvasReleased(int button, double x, double y)
{
    // Every release ends a right press of the pen, whatever the tool.
    state_.pressedButton = 0;
    showOutcome(canvasTools_->current().release(toolPointer(state_, x, y), button));
}

void MainWindow::cancelTool()
{
    showOutcome(canvasTools_->current().cancel());
}

void MainWindow::floatingBlockPressed(int button, double x, double y)
{
    showChanges(canvasTools_->blockTools().floatingBlockPressed(button, x, y));
    history_.commitCells(tr(kPasteStep));
}

void MainWindow::floatingBlockMoved(int buttons, double x, double y)
{
    showChanges(canvasTools_->blockTools().floatingBlockMoved(buttons, x, y));
}

void MainWindow::toolButtonClicked(int index)
{
    // A shape being dragged is dropped, and a stroke still in progress is a step of its own.
    showOutcome(canvasTools_->current().cancel());
    history_.commitCells(tr(kStrokeStep));
    showChanges(canvasTools_->blockTools().toolButtonClicked(index));
    history_.commitCells(toolStepText(index));
}

void MainWindow::shiftRange(ShiftDirection direction)
{
    showChanges(canvasTools_->blockTools().shiftRange(direction));
    history_.commitCells(tr(kShiftStep));
}

void MainWindow::showOutcome(const ToolOutcome &outcome)
{
    showChanges(outcome.refresh);
    if (!outcome.step.isEmpty())
        history_.commitCells(outcome.step);
}

void MainWindow::showChanges(const Refresh &refresh)
{
    const BlockTools &blockTools = canvasTools_->blockTools();
    if (refresh.canvas)
        canvasView_->canvas()->refresh();
    if (refresh.thumbnail)
        thumbnail_->refresh();
    if (refresh.blockSurface) {
        const BlockSurface &block = blockTools.floatingBlock();
        canvasView_->floatingBlock()->showBlock(
            block.image, QRect(block.left, block.top, block.width, block.height), block.visible);
    }
    if (refresh.controls) {
        const ToolButtons &tools = blockTools.tools();
        toolPanel_->showButtons(tools);
        canvasView_->canvas()->setCursor(tools.canvasPointer == CanvasPointer::Cross ? Qt::CrossCursor
                                                                                     : Qt::ArrowCursor);
        canvasView_->canvas()->setVisible(tools.canvasShown);
        thumbnail_->setVisible(tools.canvasShown);
        for (QWidget *frame : std::initializer_list<QWidget *>{gridPanel_, settingsPanel_, toolPanel_,
                                                               filePanel_, pageBar_, palettePanel_})
            frame->setVisible(tools.framesShown);
    }
}

} // namespace vesk4
