#pragma once

#include "canvas/block_tools.h"
#include "canvas/canvas_renderer.h"
#include "document/document.h"
#include "document/edit_history.h"
#include "document/editor_state.h"
#include "document/result.h"
#include "files/file_actions.h"
#include "widgets/message_boxes.h"

#include <QMainWindow>

#include <memory>

class QLineEdit;
class QScrollBar;

namespace vesk4 {

class CanvasView;
class FileDialogs;
class FirmwareStatus;
class FilePanel;
class GridPanel;
class MainMenu;
class PageBar;
class PalettePanel;
class PictureSurface;
class SettingsPanel;
class ToolPanel;

// The editor's main window: owns the document, the editing state and the canvas renderer, assembles
// the panels and keeps the page-dependent controls in line with the current page. The file dialogs
// reach it only as FileActions.
class MainWindow : public QMainWindow, public FileActions {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Document &document() { return doc_; }
    const Document &document() const { return doc_; }
    EditorState &state() { return state_; }
    const EditorState &state() const { return state_; }
    const CanvasRenderer &renderer() const { return *renderer_; }
    const BlockTools &blockTools() const { return *blockTools_; }

    PageBar *pageBar() const { return pageBar_; }
    CanvasView *canvasView() const { return canvasView_; }
    PictureSurface *thumbnail() const { return thumbnail_; }
    ToolPanel *toolPanel() const { return toolPanel_; }
    PalettePanel *palettePanel() const { return palettePanel_; }
    SettingsPanel *settingsPanel() const { return settingsPanel_; }
    GridPanel *gridPanel() const { return gridPanel_; }
    FilePanel *filePanel() const { return filePanel_; }
    MainMenu *mainMenu() const { return mainMenu_; }
    FirmwareStatus *firmwareStatus() const { return firmwareStatus_; }

    // Makes the page current and shows it.
    void pageButtonClicked(int index);
    // Brings every control that shows page-dependent state into line with currentPage.
    void showCurrentPage();
    // Brings the palette panel and the canvas into line with the current page's colour mode.
    void showColourMode();

    // The file actions behind the dialogs.
    bool openProjectFile(const QString &path) override;
    bool saveProjectFile(const QString &path) override;
    bool exportIncludeFile(const QString &path) override;
    // Writes the include file's data as a C header; reports a failure in a message box.
    bool exportCHeaderFile(const QString &path);
    QString projectFileName() const override { return doc_.projectFileName; }
    void setProjectFileName(const QString &name) override { doc_.projectFileName = name; }
    // The caption without the modified mark.
    QString title() const override;

    // The pictures and include files of the file menu; each reports a failure in a message box and
    // then leaves the document as it was.
    // Imports the image into the current page from the top-left cell the canvas shows, as one step.
    bool importImageFile(const QString &path);
    // Writes the current page's whole sheet as a PNG, one pixel per cell.
    bool exportPageImage(const QString &path);
    // After the unsaved-changes question, replaces the document with the pages read from an include
    // file and shows page 0. The document has no project file, so it counts as unsaved.
    bool readIncludeDocument(const QString &path);

    // Opening a project from outside the dialogs (the command line, a drop, the recent files):
    // the save dialog then starts with its name.
    bool openNamedProject(const QString &path);
    // Makes the document, the editing state and every control what they are at start-up.
    void startNewDocument();
    void startNewDocumentAfterAsking();

    // The edit history: every change of what a save writes is one step on this stack.
    QUndoStack &undoStack() { return history_.stack(); }
    EditHistory &history() { return history_; }
    // Take back and do again the last step, and show the page it belongs to. Cells a stroke in
    // progress has written become a step first.
    void undo();
    void redo();

    // Whether the document differs from the last save or open.
    bool isDocumentModified() const { return history_.isModified(); }
    // When the document has unsaved changes, asks whether to save them first. True when the caller
    // may go on (saved, discarded, or nothing to save); false on cancel, or when the save failed or
    // needs the save dialog first (which is then shown).
    bool confirmUnsavedChanges();
    // The full path of the project file last saved or opened; empty for the start-up document.
    QString currentFilePath() const { return currentFilePath_; }
    // The caption names the file; the start-up document shows the program's own title.
    void setCurrentFilePath(const QString &path);

    // Replaces the message boxes, for tests; the window does not take ownership.
    void setMessageBoxes(MessageBoxes *boxes) { messages_ = boxes; }
    MessageBoxes &messageBoxes() const override { return *messages_; }

    FileDialogs *fileDialogs() const { return fileDialogs_; }

signals:
    // A project file was opened or saved at path.
    void projectFileUsed(const QString &path);

protected:
    // Closing the window ends the program: it asks about unsaved changes, then closes the dialogs.
    void closeEvent(QCloseEvent *event) override;
    // A project file (.egd) dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The canvas mouse handlers: positions in drawing-area pixels, buttons numbered 1 left,
    // 2 right, 4 middle (a mask of the held buttons on a move).
    void canvasPressed(int button, double x, double y);
    void canvasMoved(int buttons, double x, double y);
    void canvasReleased(int button, double x, double y);
    // The floating block's handlers, positions in its own pixels.
    void floatingBlockPressed(int button, double x, double y);
    void floatingBlockMoved(int buttons, double x, double y);
    // The tool buttons.
    void toolButtonClicked(int index);
    // Shows what a block-tool handler changed: canvas, thumbnail, floating block, tool buttons.
    // Drops a floating block unpasted, before undo and redo change the cells it came from.
    void dropFloatingBlock();
    void showChanges(const Refresh &refresh);

    // The settings handlers; each runs also when the program sets its control.
    void nameEdited();
    void sizeChosen(int index);
    void numberBoxEdited(int index);
    void spinBarMoved(int index);
    void outputToggled();
    void scrollBarMoved();

    // The palette panel's handlers.
    void colourModeChosen(int index);
    void paletteEntryPicked(int index, int button);
    void paletteEntryDoubleClicked(int index);

    void connectHandlers();
    // The grid boxes 0 and 1 are in the grid frame, the pattern-count box 4 in the settings frame.
    QLineEdit *numberBox(int index) const;
    QScrollBar *spinBar(int index) const;

    void createPanels();
    void startUp();
    // drawCells and drawGrid, then a refresh of the canvas and, if asked, of the thumbnail.
    void redraw(bool thumbnailToo);
    void reportFailure(const QString &caption, const QString &what, const Failure &failure);
    // Shows each undone or redone step, and keeps the modified mark in step with the history.
    void followHistory();
    // Shows the page of an undone or redone step with what it changed.
    void showAppliedStep(const AppliedStep &step);

    Document doc_;
    EditorState state_;
    EditHistory history_{doc_};
    QString currentFilePath_;
    std::unique_ptr<CanvasRenderer> renderer_; // sized from the geometry fields, so made in startUp
    std::unique_ptr<BlockTools> blockTools_; // works on the renderer's images, so made with it

    PageBar *pageBar_ = nullptr;
    CanvasView *canvasView_ = nullptr;
    PictureSurface *thumbnail_ = nullptr;
    ToolPanel *toolPanel_ = nullptr;
    PalettePanel *palettePanel_ = nullptr;
    SettingsPanel *settingsPanel_ = nullptr;
    GridPanel *gridPanel_ = nullptr;
    FilePanel *filePanel_ = nullptr;
    FileDialogs *fileDialogs_ = nullptr; // a child of the window
    MainMenu *mainMenu_ = nullptr; // a child of the window
    FirmwareStatus *firmwareStatus_ = nullptr; // a child of the status bar

    QtMessageBoxes qtMessages_;
    MessageBoxes *messages_ = &qtMessages_;
};

} // namespace vesk4
