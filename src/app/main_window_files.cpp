// The main window's documents from outside its dialogs: a new document, a project named on the
// command line, dropped on the window or picked from the recent files; and the caption naming the
// current file. Opening asks about unsaved changes first (openProjectFile).
#include "app/main_window.h"

#include "app/file_watch.h"
#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/recovery_keeper.h"
#include "canvas/canvas_view.h"
#include "document/palette_rows.h"
#include "document/start_values.h"
#include "files/file_names.h"
#include "palette/colour_model.h"
#include "palette/palette_panel.h"
#include "widgets/button_colour.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>

namespace vesk4 {

namespace {

// The one project file a drag carries, or nothing; the name must end in ".egd" as the open
// dialog asks.
QString droppedProject(const QMimeData *mime)
{
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls[0].isLocalFile())
        return {};
    const QString path = urls[0].toLocalFile();
    return extensionFit(QFileInfo(path).fileName(), QStringLiteral(".egd")) == ExtensionFit::Matches
        ? path
        : QString();
}

} // namespace

bool MainWindow::openNamedProject(const QString &path)
{
    if (!openProjectFile(path))
        return false;
    doc_.projectFileName = QFileInfo(path).fileName();
    return true;
}

void MainWindow::setCurrentFilePath(const QString &path)
{
    currentFilePath_ = path;
    fileWatch_->watch(path);
    // The placeholder keeps the modified mark where the caption has it.
    setWindowTitle(path.isEmpty() ? title() + QStringLiteral("[*]")
                                  : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + title());
    // A save or an open changes whether there is anything unsaved without always changing the stack.
    setWindowModified(isDocumentModified());
    // Saved, opened or started anew: the recovery copy follows.
    if (recoveryKeeper_)
        recoveryKeeper_->followDocument();
}

void MainWindow::startNewDocumentAfterAsking()
{
    if (confirmUnsavedChanges())
        startNewDocument();
}

void MainWindow::startNewDocument()
{
    Document startDoc;
    EditorState startState;
    applyStartValues(startDoc, startState);
    resetPalettes(startDoc, startState);

    setButtonShade(pageBar_->pageButton(state_.currentPage), ButtonShade::Face);
    doc_ = std::move(startDoc);
    state_ = startState;
    history_.clear();
    settingsEditor_.resetGridBoxes();
    for (Axis axis : {Axis::X, Axis::Y})
        gridPanel_->show(axis, settingsEditor_.gridBox(axis));
    canvasView_->scrollBar()->setValue(state_.scrollRow);

    // Tools and floating block as at start-up.
    canvasTools_ = std::make_unique<CanvasTools>(doc_, state_, *renderer_);
    canvasTools_->setJournal(&history_.cellChanges());
    showChanges(Refresh{.canvas = true, .thumbnail = true, .blockSurface = true, .controls = true});
    pageBar_->showCaptions(doc_.pages);
    palettePanel_->showPenColours(state_);
    showCurrentPage();
    setCurrentFilePath({});
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedProject(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Asked and opened once the drag has ended: a message box inside the drop would hold the
    // program the file came from.
    QMetaObject::invokeMethod(
        this, [this, path] { openNamedProject(path); }, Qt::QueuedConnection);
}

} // namespace vesk4
