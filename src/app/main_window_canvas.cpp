// The main window's canvas mouse handlers, the floating block's and the tool buttons'. Every press
// and move on the canvas first finds the page cell under the pointer; then the current tool acts.
#include "app/main_window.h"

#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/pen.h"
#include "canvas/tool_panel.h"
#include "files/file_panel.h"
#include "palette/palette_panel.h"

namespace vesk4 {

void MainWindow::Pic_Main_MouseDown(int button, double x, double y)
{
    pointerToCell(state_, x, y);
    if (state_.pMode == kToolPen) {
        penPress(doc_, state_, button);
        redraw(true);
        return;
    }
    showChanges(blockTools_->canvasMouseDown(button, x, y));
}

void MainWindow::Pic_Main_MouseMove(int buttons, double x, double y)
{
    pointerToCell(state_, x, y);
    if (state_.pMode == kToolPen) {
        penMove(doc_, state_, buttons);
        redraw(true);
        return;
    }
    showChanges(blockTools_->canvasMouseMove(buttons, x, y));
}

void MainWindow::Pic_Main_MouseUp(int button, double x, double y)
{
    state_.pBtn = 0;
    showChanges(blockTools_->canvasMouseUp(button, x, y));
}

void MainWindow::Pic_MainCopy_MouseDown(int button, double x, double y)
{
    showChanges(blockTools_->Pic_MainCopy_MouseDown(button, x, y));
}

void MainWindow::Pic_MainCopy_MouseMove(int buttons, double x, double y)
{
    showChanges(blockTools_->Pic_MainCopy_MouseMove(buttons, x, y));
}

void MainWindow::Command1_Click(int index)
{
    showChanges(blockTools_->Command1_Click(index));
}

void MainWindow::showChanges(const Refresh &refresh)
{
    if (refresh.canvas)
        canvasView_->Pic_Main()->refresh();
    if (refresh.thumbnail)
        picSub2_->refresh();
    if (refresh.blockSurface) {
        const BlockSurface &block = blockTools_->Pic_MainCopy();
        canvasView_->Pic_MainCopy()->showBlock(
            block.image, QRect(block.Left, block.Top, block.width, block.height), block.visible);
    }
    if (refresh.controls) {
        const ToolButtons &tools = blockTools_->tools();
        toolPanel_->showButtons(tools);
        canvasView_->Pic_Main()->setCursor(tools.canvasPointer == CanvasPointer::Cross ? Qt::CrossCursor
                                                                                       : Qt::ArrowCursor);
        canvasView_->Pic_Main()->setVisible(tools.canvasShown);
        picSub2_->setVisible(tools.canvasShown);
        for (QWidget *frame : std::initializer_list<QWidget *>{gridPanel_, settingsPanel_, toolPanel_,
                                                               filePanel_, pageBar_, palettePanel_})
            frame->setVisible(tools.framesShown);
    }
}

} // namespace vesk4
