// The main window's canvas mouse handlers, the floating block's and the tool buttons'. Every press
// and move on the canvas first finds the page cell under the pointer; then the current tool acts.
#include "app/main_window.h"

#include "app/firmware_status.h"
#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/pen.h"
#include "canvas/tool_panel.h"
#include "files/file_panel.h"
#include "palette/palette_panel.h"

namespace vesk4 {

namespace {

const QString kStrokeStep = QStringLiteral("描画");
const QString kPasteStep = QStringLiteral("貼り付け");

QString toolStepText(int index)
{
    return index == ToolButtons::kMove ? QStringLiteral("移動") : QStringLiteral("消す");
}

} // namespace

void MainWindow::canvasPressed(int button, double x, double y)
{
    pointerToCell(state_, x, y);
    if (state_.toolMode == ToolMode::Pen) {
        // A stroke runs from press to release and is one step.
        penPress(doc_, state_, button, &history_.cellChanges());
        redraw(true);
        return;
    }
    showChanges(blockTools_->canvasMouseDown(button, x, y));
}

void MainWindow::canvasMoved(int buttons, double x, double y)
{
    pointerToCell(state_, x, y);
    firmwareStatus_->pointerAt(state_.currentPage, state_.pointerCellX, state_.pointerCellY);
    if (state_.toolMode == ToolMode::Pen) {
        penMove(doc_, state_, buttons, &history_.cellChanges());
        if (buttons == 0) // no button held: a stroke whose release never came has ended
            history_.commitCells(kStrokeStep);
        redraw(true);
        return;
    }
    showChanges(blockTools_->canvasMouseMove(buttons, x, y));
}

void MainWindow::canvasReleased(int button, double x, double y)
{
    state_.pressedButton = 0;
    history_.commitCells(kStrokeStep);
    showChanges(blockTools_->canvasMouseUp(button, x, y));
}

void MainWindow::floatingBlockPressed(int button, double x, double y)
{
    showChanges(blockTools_->floatingBlockPressed(button, x, y));
    history_.commitCells(kPasteStep);
}

void MainWindow::floatingBlockMoved(int buttons, double x, double y)
{
    showChanges(blockTools_->floatingBlockMoved(buttons, x, y));
}

void MainWindow::toolButtonClicked(int index)
{
    showChanges(blockTools_->toolButtonClicked(index));
    history_.commitCells(toolStepText(index));
}

void MainWindow::showChanges(const Refresh &refresh)
{
    if (refresh.canvas)
        canvasView_->canvas()->refresh();
    if (refresh.thumbnail)
        thumbnail_->refresh();
    if (refresh.blockSurface) {
        const BlockSurface &block = blockTools_->floatingBlock();
        canvasView_->floatingBlock()->showBlock(
            block.image, QRect(block.left, block.top, block.width, block.height), block.visible);
    }
    if (refresh.controls) {
        const ToolButtons &tools = blockTools_->tools();
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
