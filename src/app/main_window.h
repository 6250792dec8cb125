#pragma once

#include "canvas/canvas_renderer.h"
#include "canvas/canvas_tools.h"
#include "document/document.h"
#include "document/edit_history.h"
#include "document/editor_state.h"
#include "document/page_settings_editor.h"
#include "document/result.h"
#include "files/file_actions.h"
#include "image/dithering.h"
#include "image/glyph_import.h"
#include "widgets/message_boxes.h"

#include <QMainWindow>

#include <memory>

namespace vesk4 {

class CanvasView;
class FileDialogs;
class FileWatch;
class FirmwareStatus;
class FilePanel;
class GridPanel;
class MainMenu;
class PageBar;
class PalettePanel;
class PictureSurface;
class RecoveryKeeper;
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
    const BlockTools &blockTools() const { return canvasTools_->blockTools(); }

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
    // Opens the project file without asking about unsaved changes, which it discards; a failure is
    // reported and leaves the document as it was.
    bool loadProjectFile(const QString &path);
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
    // Reads the image and shows the options of its import (threshold, dithering, preview); OK imports
    // it from the top-left cell the canvas shows, as one step.
    bool showImageImportDialog(const QString &path);
    // Imports the image into the current page from cell at, as one step "画像読込".
    bool importImage(const QImage &image, QPoint at, int threshold, Dithering dithering);
    // Shows the dialog of "文字読込"; OK carries out its plan through importGlyphs().
    void showGlyphImportDialog();
    // Writes the cells and the pattern count of a glyph import as one step "文字読込", and reports cut
    // glyphs and missing characters.
    void importGlyphs(const GlyphImportPlan &plan);
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
    // Moves the cells of the drawn range one cell that way, wrapping round within it, as one step.
    void shiftRange(ShiftDirection direction);
    // Escape: the current tool drops a drag in progress.
    void cancelTool();

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
    // The caption names the file, and the file is watched for other programs' changes; the start-up
    // document shows the program's own title.
    void setCurrentFilePath(const QString &path);

    // Replaces the message boxes, for tests; the window does not take ownership.
    void setMessageBoxes(MessageBoxes *boxes) { messages_ = boxes; }
    MessageBoxes &messageBoxes() const override { return *messages_; }

    FileDialogs *fileDialogs() const { return fileDialogs_; }
    // The recovery copy of the unsaved document; idle until started.
    RecoveryKeeper &recoveryKeeper() const { return *recoveryKeeper_; }
    // Watches the current file for other programs' changes.
    FileWatch *fileWatch() const { return fileWatch_; }

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
    // 2 right, 4 middle (a mask of the held buttons on a move). They hand the pointer's cells to the
    // current tool and show what it changed.
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
    // showChanges, then the cells the tool wrote become the step it names, if it names one.
    void showOutcome(const ToolOutcome &outcome);

    // The user's edits in the settings and grid frames and on the canvas scroll bar. Showing a page
    // runs none of them.
    void nameEdited(const QString &name);
    void sizeChosen(Axis axis, int size);
    void patternCountEdited(const QString &text);
    void patternCountSpinBarMoved(int position);
    void outputClicked(bool checked);
    void gridIntervalEdited(Axis axis, const QString &text);
    void gridSpinBarMoved(Axis axis, int position);
    void scrollBarMoved(int position);

    // The palette panel's handlers.
    void colourModeChosen(ColourMode mode);
    void paletteEntryPicked(int index, int button);

    void connectHandlers();

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
    PageSettingsEditor settingsEditor_{doc_, state_, history_};
    QString currentFilePath_;
    std::unique_ptr<CanvasRenderer> renderer_; // sized from the geometry fields, so made in startUp
    std::unique_ptr<CanvasTools> canvasTools_; // works on the renderer's images, so made with it

    PageBar *pageBar_ = nullptr;
    CanvasView *canvasView_ = nullptr;
    PictureSurface *thumbnail_ = nullptr;
    ToolPanel *toolPanel_ = nullptr;
    PalettePanel *palettePanel_ = nullptr;
    SettingsPanel *settingsPanel_ = nullptr;
    GridPanel *gridPanel_ = nullptr;
    FilePanel *filePanel_ = nullptr;
    FileDialogs *fileDialogs_ = nullptr; // a child of the window
    FileWatch *fileWatch_ = nullptr; // a child of the window
    MainMenu *mainMenu_ = nullptr; // a child of the window
    FirmwareStatus *firmwareStatus_ = nullptr; // a child of the status bar

    QtMessageBoxes qtMessages_;
    MessageBoxes *messages_ = &qtMessages_;
    // Last, so it goes first: it follows the history and removes its copy on the way out.
    std::unique_ptr<RecoveryKeeper> recoveryKeeper_;
};

} // namespace vesk4
