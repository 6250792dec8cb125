// The main window's handlers of the user's edits in the settings and grid frames and on the canvas
// scroll bar. The settings editor applies each edit to the current page and says what the boxes
// show; the window shows it and redraws.
#include "app/main_window.h"

#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"

namespace vesk4 {

void MainWindow::nameEdited(const QString &name)
{
    settingsEditor_.editName(name);
    pageBar_->showCaption(state_.currentPage, name);
}

void MainWindow::sizeChosen(Axis axis, int size)
{
    settingsEditor_.chooseSize(axis, size);
    redraw(true);
}

void MainWindow::patternCountEdited(const QString &text)
{
    settingsPanel_->showPatternCount(settingsEditor_.editPatternCount(text));
    redraw(false);
}

void MainWindow::patternCountSpinBarMoved(int position)
{
    settingsPanel_->showPatternCount(settingsEditor_.movePatternCountSpinBar(position));
    redraw(false);
}

void MainWindow::outputClicked(bool checked)
{
    settingsEditor_.setOutput(checked);
}

void MainWindow::gridIntervalEdited(Axis axis, const QString &text)
{
    gridPanel_->show(axis, settingsEditor_.editGridBox(axis, text));
    redraw(false);
}

void MainWindow::gridSpinBarMoved(Axis axis, int position)
{
    gridPanel_->show(axis, settingsEditor_.moveGridSpinBar(axis, position));
    redraw(false);
}

void MainWindow::scrollBarMoved(int position)
{
    state_.scrollRow = int16_t(position);
    redraw(true);
}

} // namespace vesk4
