#include "app/main_window.h"

#include "app/file_watch.h"
#include "app/firmware_status.h"
#include "app/grid_panel.h"
#include "app/main_menu.h"
#include "app/page_bar.h"
#include "app/recovery_keeper.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/mouse_buttons.h"
#include "canvas/tool_panel.h"
#include "document/palette_rows.h"
#include "document/start_values.h"
#include "export/include_export.h"
#include "files/file_dialogs.h"
#include "files/file_panel.h"
#include "files/project_file.h"
#include "palette/colour_model.h"
#include "palette/palette_panel.h"
#include "widgets/button_colour.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>

namespace vesk4 {

namespace {

constexpr QPoint kWindowPosition(twips(1500), twips(500));
constexpr QPoint kToolPanelPosition(twips(8790), twips(960));
constexpr QPoint kPalettePanelPosition(twips(8790), twips(3720));
constexpr int kGap = 8;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    fileWatch_ = new FileWatch(*this);
    // The placeholder shows the modified mark only while the document has unsaved changes.
    setWindowTitle(title() + QStringLiteral("[*]"));
    createPanels();
    connectHandlers();
    startUp();
    fileDialogs_ = new FileDialogs(*this, *filePanel_, this);
    followHistory();
    mainMenu_ = new MainMenu(*this);
    firmwareStatus_ = new FirmwareStatus(statusBar(), doc_);
    connect(&history_.stack(), &QUndoStack::indexChanged, firmwareStatus_, &FirmwareStatus::documentChanged);
    // The panels keep their size; the window grows by the menu bar's and the status bar's height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setAcceptDrops(true);
    recoveryKeeper_ = std::make_unique<RecoveryKeeper>(*this);
}

MainWindow::~MainWindow() = default;

QString MainWindow::title() const
{
    return tr("VESK4 Graphics Editor (Monochrome Edition Ver2.0)");
}

// The controls as designed: page column, canvas with its scroll bar, tools and palette, and a
// column with the thumbnail, the page settings, the grid and the file buttons.
void MainWindow::createPanels()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    pageBar_ = new PageBar(central);
    pageBar_->move(0, 0);

    canvasView_ = new CanvasView(central);
    // The canvas lines up with the first page button.
    canvasView_->move(pageBar_->width(), pageBar_->pageButton(0)->y() - 1);

    toolPanel_ = new ToolPanel(central);
    toolPanel_->move(kToolPanelPosition);
    palettePanel_ = new PalettePanel(central);
    palettePanel_->move(kPalettePanelPosition);

    auto *column = new QWidget(central);
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    thumbnail_ = new PictureSurface;
    settingsPanel_ = new SettingsPanel;
    gridPanel_ = new GridPanel;
    filePanel_ = new FilePanel;
    columnLayout->addWidget(thumbnail_, 0, Qt::AlignHCenter);
    columnLayout->addWidget(settingsPanel_);
    columnLayout->addWidget(gridPanel_);
    columnLayout->addWidget(filePanel_);
    columnLayout->addStretch();
    // Right of the tool and palette frames; the palette grows for longer captions.
    column->move(std::max(toolPanel_->geometry().right(), palettePanel_->geometry().right()) + 1 + kGap,
                 canvasView_->y());
    column->setFixedHeight(pageBar_->height() - column->y());
    column->setFixedWidth(column->sizeHint().width());

    central->setFixedSize(column->x() + column->width() + kGap, pageBar_->height());
}

void MainWindow::startUp()
{
    // The start values of the scalars, the canvas geometry, the grid, the level tables, the page
    // names and settings and the colour-number table.
    applyStartValues(doc_, state_);
    move(kWindowPosition);
    canvasView_->sizeCanvas(state_.canvasWidthPx, state_.canvasHeightPx);
    // The thumbnail shows a cell as 2 x 3 pixels; divide before multiplying.
    thumbnail_->setDrawingArea(int(std::nearbyint(double(state_.canvasWidthPx) / state_.cellWidthPx * 2)),
                               int(std::nearbyint(double(state_.canvasHeightPx) / 10 * 3)));
    canvasView_->placeScrollBar(canvasScrollMaximum(state_));
    // The off-screen images of the canvas and thumbnail, with the colour strip the canvas copies
    // its greys from.
    renderer_ = std::make_unique<CanvasRenderer>(state_);
    canvasView_->canvas()->setImage(&renderer_->canvas());
    thumbnail_->setImage(&renderer_->thumbnail());
    canvasTools_ = std::make_unique<CanvasTools>(doc_, state_, *renderer_);
    renderer_->drawGrid(state_); // the grid over the still empty canvas
    pageBar_->showCaptions(doc_.pages);
    settingsPanel_->fillSizeLists();
    resetPalettes(doc_, state_); // the colour-number table's default palettes
    palettePanel_->showPenColours(state_);
    showCurrentPage(); // page 0
    redraw(false); // the canvas once more, as the page switch leaves it
    canvasTools_->setJournal(&history_.cellChanges());
}

void MainWindow::followHistory()
{
    history_.setStepApplied([this](const AppliedStep &step) { showAppliedStep(step); });
    connect(&history_.stack(), &QUndoStack::cleanChanged, this,
            [this](bool) { setWindowModified(isDocumentModified()); });
}

void MainWindow::undo()
{
    // A shape being dragged would otherwise be written over the page the undo shows.
    cancelTool();
    dropFloatingBlock();
    history_.undo();
}

void MainWindow::redo()
{
    cancelTool();
    dropFloatingBlock();
    history_.redo();
}

// A floating block holds cells as they were before the step that undo or redo changes; left
// floating, a later paste would bring back what the undo took away (after a move, the source twice).
// So the block is dropped first, as a right click on it drops it.
void MainWindow::dropFloatingBlock()
{
    if (state_.toolMode == ToolMode::Floating)
        showChanges(canvasTools_->blockTools().floatingBlockPressed(kRightButton, 0, 0));
}

void MainWindow::showAppliedStep(const AppliedStep &step)
{
    if (step.page != state_.currentPage)
        pageButtonClicked(step.page);
    else if (step.cells)
        redraw(true);
    else
        showCurrentPage();
}

bool MainWindow::confirmUnsavedChanges()
{
    if (!isDocumentModified())
        return true;
    switch (
        messages_->askToSave(this, tr("Confirm Save"), tr("The changes have not been saved. Save them?"))) {
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    case SaveChoice::Save:
        break;
    }
    if (currentFilePath_.isEmpty()) {
        fileDialogs_->show(FileDialogKind::Save);
        return false;
    }
    return saveProjectFile(currentFilePath_);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    // An open file dialog would keep the program running without its main window.
    fileDialogs_->closeAll();
    event->accept();
}

void MainWindow::connectHandlers()
{
    connect(pageBar_, &PageBar::pageClicked, this, &MainWindow::pageButtonClicked);

    PictureSurface *canvas = canvasView_->canvas();
    connect(canvas, &PictureSurface::mousePressed, this,
            [this](int button, QPointF p) { canvasPressed(button, p.x(), p.y()); });
    connect(canvas, &PictureSurface::mouseMoved, this,
            [this](int buttons, QPointF p) { canvasMoved(buttons, p.x(), p.y()); });
    connect(canvas, &PictureSurface::mouseReleased, this,
            [this](int button, QPointF p) { canvasReleased(button, p.x(), p.y()); });
    QScrollBar *scrollBar = canvasView_->scrollBar();
    connect(scrollBar, &QScrollBar::actionTriggered, this, [this, scrollBar] {
        if (userMovedSpinBar(scrollBar))
            scrollBarMoved(scrollBar->sliderPosition());
    });
    BlockSurfaceView *block = canvasView_->floatingBlock();
    connect(block, &BlockSurfaceView::mousePressed, this,
            [this](int button, QPointF p) { floatingBlockPressed(button, p.x(), p.y()); });
    connect(block, &BlockSurfaceView::mouseMoved, this,
            [this](int buttons, QPointF p) { floatingBlockMoved(buttons, p.x(), p.y()); });
    connect(toolPanel_, &ToolPanel::toolClicked, this, &MainWindow::toolButtonClicked);

    connect(settingsPanel_, &SettingsPanel::nameEdited, this, &MainWindow::nameEdited);
    connect(settingsPanel_, &SettingsPanel::sizeChosen, this, &MainWindow::sizeChosen);
    connect(settingsPanel_, &SettingsPanel::patternCountEdited, this, &MainWindow::patternCountEdited);
    connect(settingsPanel_, &SettingsPanel::patternCountSpinBarMoved, this,
            &MainWindow::patternCountSpinBarMoved);
    // The user's click only: a page's flag may hold another value than 0 or 1 from a file, and
    // showing the page (which checks the box for 1 alone) must not overwrite it.
    connect(settingsPanel_, &SettingsPanel::outputClicked, this, &MainWindow::outputClicked);
    connect(gridPanel_, &GridPanel::intervalEdited, this, &MainWindow::gridIntervalEdited);
    connect(gridPanel_, &GridPanel::intervalSpinBarMoved, this, &MainWindow::gridSpinBarMoved);

    connect(palettePanel_, &PalettePanel::modeSelected, this, &MainWindow::colourModeChosen);
    connect(palettePanel_, &PalettePanel::paletteSwatchPressed, this, &MainWindow::paletteEntryPicked);
}

void MainWindow::pageButtonClicked(int index)
{
    setButtonShade(pageBar_->pageButton(state_.currentPage), ButtonShade::Face);
    state_.currentPage = int16_t(index);
    showCurrentPage();
}

// The controls only show what they are told; what showing a page does to the tables is the settings
// editor's.
void MainWindow::showCurrentPage()
{
    const int page = state_.currentPage;
    if (firmwareStatus_) // a document opened or started anew changes without a step
        firmwareStatus_->pageShown(page);
    pageBar_->highlight(page);
    const PageSettingsView settings = settingsEditor_.showPage();
    settingsPanel_->show(settings);
    // The name box renews the caption of the page it shows.
    pageBar_->showCaption(page, settings.name);
    canvasTools_->blockTools().tools().toolButton(ToolButtons::kMapButton).enabled
        = settings.nameAndSizeLocked;
    toolPanel_->showButtons(canvasTools_->blockTools().tools());
    palettePanel_->selectMode(doc_.pages[page].colourMode);
    redraw(true);

    // A "256色" page takes no pen colours of its own: its swatches show the pens the previous page
    // left.
    if (doc_.pages[page].colourMode == kMode256)
        palettePanel_->showPenColours(state_);
    else
        palettePanel_->showPalette16(doc_, state_);
    showColourMode();
}

void MainWindow::showColourMode()
{
    takePenColours(doc_, state_);
    switch (doc_.pages[state_.currentPage].colourMode) {
    case kMode256:
        // The colour chart this mode shows is not part of this window.
        palettePanel_->showPaletteSwatches(0);
        break;
    case kMode16:
        palettePanel_->showPalette16(doc_, state_);
        palettePanel_->showPaletteSwatches(16);
        break;
    case kMode4:
        palettePanel_->showPalette4(doc_, state_);
        palettePanel_->showPaletteSwatches(4);
        break;
    default:
        palettePanel_->showMonochromePens(state_);
        palettePanel_->showPaletteSwatches(0);
        break;
    }
    redraw(true);
    update();
}

void MainWindow::colourModeChosen(ColourMode mode)
{
    history_.changeSetting(state_.currentPage, PageSetting::ColourMode, int16_t(mode));
    showColourMode();
    update();
}

void MainWindow::paletteEntryPicked(int index, int button)
{
    // Picks the palette entry the button draws with; showPalette16 then shows its colour number.
    if (button == kLeftButton) {
        state_.leftPenEntry = int16_t(index);
        state_.leftPenColour = doc_.pages[0].pal16[index];
    } else {
        state_.rightPenEntry = int16_t(index);
        state_.rightPenColour = doc_.pages[0].pal16[index];
    }
    palettePanel_->showPalette16(doc_, state_);
}

void MainWindow::redraw(bool thumbnailToo)
{
    if (!renderer_) // a control changed before start-up made the images
        return;
    renderer_->redraw(doc_, state_);
    canvasView_->canvas()->refresh();
    if (thumbnailToo)
        thumbnail_->refresh();
}

bool MainWindow::openProjectFile(const QString &path)
{
    return confirmUnsavedChanges() && loadProjectFile(path);
}

bool MainWindow::loadProjectFile(const QString &path)
{
    if (Status opened = openProject(path, doc_, state_); !opened) {
        reportFailure(tr("File Information"), tr("The file could not be opened."), opened.failure());
        return false;
    }
    history_.clear();
    pageBar_->showCaptions(doc_.pages);
    showCurrentPage();
    setCurrentFilePath(QFileInfo(path).absoluteFilePath());
    emit projectFileUsed(path);
    return true;
}

bool MainWindow::saveProjectFile(const QString &path)
{
    if (!fileWatch_->confirmOverwrite(path))
        return false;
    if (Status saved = saveProject(doc_, path); !saved) {
        reportFailure(title(), tr("The file could not be saved."), saved.failure());
        return false;
    }
    history_.markSaved();
    setCurrentFilePath(QFileInfo(path).absoluteFilePath());
    emit projectFileUsed(path);
    return true;
}

bool MainWindow::exportIncludeFile(const QString &path)
{
    if (Status exported = exportInclude(doc_, path); !exported) {
        reportFailure(title(), tr("The PIC data could not be exported."), exported.failure());
        return false;
    }
    return true;
}

void MainWindow::reportFailure(const QString &caption, const QString &what, const Failure &failure)
{
    messages_->inform(this, caption, what + QLatin1Char('\n') + failure.text());
}

} // namespace vesk4
