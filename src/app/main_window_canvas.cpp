// The main window's canvas mouse handlers: every press and move first finds the page cell under the
// pointer, then the current tool acts on it.
#include "app/main_window.h"

#include "canvas/canvas_view.h"
#include "canvas/pen.h"

namespace vesk4 {

void MainWindow::Pic_Main_MouseDown(int button, double x, double y)
{
    pointerToCell(state_, x, y);
    if (state_.pMode == kToolPen) {
        penPress(doc_, state_, button);
        redraw(true);
    }
}

void MainWindow::Pic_Main_MouseMove(int buttons, double x, double y)
{
    pointerToCell(state_, x, y);
    if (state_.pMode == kToolPen) {
        penMove(doc_, state_, buttons);
        redraw(true);
    }
}

void MainWindow::Pic_Main_MouseUp(int, double, double)
{
    state_.pBtn = 0;
}

} // namespace vesk4
