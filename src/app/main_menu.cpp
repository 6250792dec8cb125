#include "app/main_menu.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/page_bar.h"
#include "app/recent_files.h"
#include "canvas/tool_panel.h"
#include "files/file_dialogs.h"
#include "files/whole_file.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QUndoStack>

namespace vesk4 {

namespace {

struct CommandDesign {
    const char *caption;
    QKeySequence::StandardKey standardKey;
    // For a platform whose standard has no key for the command: the key users of desktop editors
    // expect there (Linux has Ctrl+Shift+S and Ctrl+Q, the toolkit's fallback platforms do not).
    QKeySequence otherwise;
};

// Indexed by MainMenu::Command.
const CommandDesign &designOf(MainMenu::Command command)
{
    using Key = QKeySequence;
    static const CommandDesign designs[] = {
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&New"), Key::New, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&Open..."), Key::Open, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&Save"), Key::Save, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Save &As..."), Key::SaveAs,
         Key(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&Export PIC Data..."), Key::UnknownKey,
         Key(Qt::CTRL | Qt::Key_E)},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Import Image..."), Key::UnknownKey, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Import Characters..."), Key::UnknownKey, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Export Image..."), Key::UnknownKey, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Read PIC Data..."), Key::UnknownKey, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "E&xit"), Key::Quit, Key(Qt::CTRL | Qt::Key_Q)},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Undo"), Key::Undo, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Redo"), Key::Redo, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&Next Page"), Key::UnknownKey, Key(Qt::Key_PageDown)},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&Previous Page"), Key::UnknownKey, Key(Qt::Key_PageUp)},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "&About"), Key::UnknownKey, {}},
        {QT_TRANSLATE_NOOP("vesk4::MainMenu", "Export C Header..."), Key::UnknownKey, {}},
    };
    return designs[command];
}

QList<QKeySequence> keysOf(MainMenu::Command command)
{
    const CommandDesign &design = designOf(command);
    QList<QKeySequence> keys = QKeySequence::keyBindings(design.standardKey);
    if (keys.isEmpty() && !design.otherwise.isEmpty())
        keys << design.otherwise;
    return keys;
}

// The tool entries of the edit menu in the order of the tool frame; a separator before each group:
// tools, range actions, transforms, shape tools.
constexpr std::array<int, 13> kToolEntries{
    ToolButtons::kPen,
    ToolButtons::kRange,
    ToolButtons::kCopy,
    ToolButtons::kMove,
    ToolButtons::kErase,
    ToolButtons::kTurn,
    ToolButtons::kMirrorLeftRight,
    ToolButtons::kMirrorTopBottom,
    ToolButtons::kInvert,
    ToolButtons::kLine,
    ToolButtons::kRectangle,
    ToolButtons::kFilledRectangle,
    ToolButtons::kFill,
};

struct ShiftDesign {
    ShiftDirection direction;
    const char *caption;
    Qt::Key arrow;
};

constexpr std::array<ShiftDesign, 4> kShiftDesigns{{
    {ShiftDirection::Up, QT_TRANSLATE_NOOP("vesk4::MainMenu", "Shift Up"), Qt::Key_Up},
    {ShiftDirection::Down, QT_TRANSLATE_NOOP("vesk4::MainMenu", "Shift Down"), Qt::Key_Down},
    {ShiftDirection::Left, QT_TRANSLATE_NOOP("vesk4::MainMenu", "Shift Left"), Qt::Key_Left},
    {ShiftDirection::Right, QT_TRANSLATE_NOOP("vesk4::MainMenu", "Shift Right"), Qt::Key_Right},
}};

struct LanguageDesign {
    UiLanguage language;
    // The language's own name, the same in every interface, so that a user who cannot read the
    // current one still finds theirs.
    const char *name;
    // Said when it is picked, in the language picked and in the current one.
    const char *fromNextStart;
};

constexpr std::array<LanguageDesign, 2> kLanguageDesigns{{
    {UiLanguage::Japanese, "日本語",
     QT_TRANSLATE_NOOP("vesk4::MainMenu", "The editor will show its texts in Japanese from its next start.")},
    {UiLanguage::English, "English",
     QT_TRANSLATE_NOOP("vesk4::MainMenu", "The editor will show its texts in English from its next start.")},
}};

// The file dialog of the image and include entries; the toolkit's own, the same on every platform.
QString showFileDialog(QWidget *parent, const QString &caption, const QString &filter, bool save)
{
    const auto options = QFileDialog::DontUseNativeDialog;
    return save ? QFileDialog::getSaveFileName(parent, caption, {}, filter, nullptr, options)
                : QFileDialog::getOpenFileName(parent, caption, {}, filter, nullptr, options);
}

// Every image type Qt reads, as one file-dialog filter.
QString readableImagesFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return MainMenu::tr("Images (%1);;All Files (*)").arg(patterns.join(QLatin1Char(' ')));
}

// A button is pressed for the user only when the user could press it.
void clickIfPressable(QAbstractButton *button, const QWidget *window)
{
    if (button && button->isEnabled() && button->isVisibleTo(window))
        button->click();
}

} // namespace

MainMenu::MainMenu(MainWindow &window) : QObject(&window), window_(window), chooseFile_(showFileDialog)
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createHelpMenu();
    connect(&window_, &MainWindow::projectFileUsed, this, [this](const QString &path) {
        QSettings settings;
        addRecentFile(settings, path);
        showRecentFiles();
    });
}

QAction *MainMenu::addCommand(QMenu *menu, Command command, const QString &caption)
{
    auto *action = menu->addAction(caption);
    action->setShortcuts(keysOf(command));
    // Also on the window itself, so the key works while the menu bar is hidden or closed.
    window_.addAction(action);
    actions_[command] = action;
    return action;
}

void MainMenu::createFileMenu()
{
    QMenu *menu = window_.menuBar()->addMenu(tr("&File"));
    const auto add = [&](Command command, auto handler) {
        connect(addCommand(menu, command, tr(designOf(command).caption)), &QAction::triggered, this, handler);
    };
    add(New, [this] { window_.startNewDocumentAfterAsking(); });
    add(Open, [this] { window_.fileDialogs()->show(FileDialogKind::Open); });
    add(Save, [this] { saveToCurrentFile(); });
    add(SaveAs, [this] { window_.fileDialogs()->show(FileDialogKind::Save); });
    add(Export, [this] { window_.fileDialogs()->show(FileDialogKind::Export); });
    add(ExportCHeader, [this] { exportCHeader(); });
    add(ImportImage, [this] { importImage(); });
    add(ImportGlyphs, [this] { window_.showGlyphImportDialog(); });
    add(ExportImage, [this] { exportImage(); });
    add(ReadInclude, [this] { readInclude(); });
    menu->addSeparator();
    recentMenu_ = menu->addMenu(tr("&Recent Files"));
    showRecentFiles();
    menu->addSeparator();
    add(Quit, [this] { window_.close(); });
}

void MainMenu::addHistoryEntry(QMenu *menu, Command command)
{
    QUndoStack &stack = window_.undoStack();
    const QString prefix = tr(designOf(command).caption);
    QAction *action
        = command == Undo ? stack.createUndoAction(this, prefix) : stack.createRedoAction(this, prefix);
    // Through the window, which first makes the cells of a stroke in progress a step of their own.
    disconnect(action, &QAction::triggered, &stack, nullptr);
    connect(action, &QAction::triggered, &window_, command == Undo ? &MainWindow::undo : &MainWindow::redo);
    action->setShortcuts(keysOf(command));
    menu->addAction(action);
    window_.addAction(action);
    actions_[command] = action;
}

void MainMenu::createEditMenu()
{
    QMenu *menu = window_.menuBar()->addMenu(tr("&Edit"));
    addHistoryEntry(menu, Undo);
    addHistoryEntry(menu, Redo);
    ToolPanel *tools = window_.toolPanel();
    for (int index : kToolEntries) {
        if (index == ToolButtons::kPen || index == ToolButtons::kCopy || index == ToolButtons::kTurn
            || index == ToolButtons::kLine)
            menu->addSeparator();
        QAction *action = tools->toolAction(index);
        menu->addAction(action);
        window_.addAction(action);
    }
    addShiftEntries(menu);

    cancelAction_ = new QAction(this);
    cancelAction_->setShortcut(Qt::Key_Escape);
    window_.addAction(cancelAction_);
    connect(cancelAction_, &QAction::triggered, &window_, &MainWindow::cancelTool);
}

void MainMenu::addShiftEntries(QMenu *menu)
{
    menu->addSeparator();
    QAction *erase = window_.toolPanel()->toolAction(ToolButtons::kErase);
    for (const ShiftDesign &design : kShiftDesigns) {
        QAction *action = menu->addAction(tr(design.caption));
        action->setShortcut(QKeySequence(Qt::CTRL | design.arrow));
        action->setEnabled(erase->isEnabled());
        window_.addAction(action);
        // A range is drawn exactly while "消す" can be pressed.
        connect(erase, &QAction::changed, action,
                [action, erase] { action->setEnabled(erase->isEnabled()); });
        const ShiftDirection direction = design.direction;
        connect(action, &QAction::triggered, this, [this, direction] { window_.shiftRange(direction); });
        shiftActions_[std::size_t(direction)] = action;
    }
}

QAction *MainMenu::toolAction(int index) const
{
    return window_.toolPanel()->toolAction(index);
}

void MainMenu::createViewMenu()
{
    QMenu *menu = window_.menuBar()->addMenu(tr("&View"));
    connect(addCommand(menu, NextPage, tr(designOf(NextPage).caption)), &QAction::triggered, this,
            [this] { turnPage(1); });
    connect(addCommand(menu, PreviousPage, tr(designOf(PreviousPage).caption)), &QAction::triggered, this,
            [this] { turnPage(-1); });
    menu->addSeparator();
    addLanguageMenu(menu);
}

void MainMenu::addLanguageMenu(QMenu *viewMenu)
{
    QMenu *menu = viewMenu->addMenu(tr("&Language"));
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const LanguageDesign &design : kLanguageDesigns) {
        QAction *action = menu->addAction(QString::fromUtf8(design.name));
        action->setCheckable(true);
        action->setChecked(design.language == installedLanguage());
        group->addAction(action);
        const UiLanguage language = design.language;
        connect(action, &QAction::triggered, this, [this, language] { pickLanguage(language); });
        languageActions_[std::size_t(language)] = action;
    }
}

void MainMenu::createHelpMenu()
{
    QMenu *menu = window_.menuBar()->addMenu(tr("&Help"));
    connect(addCommand(menu, About, tr(designOf(About).caption)), &QAction::triggered, this,
            &MainMenu::showAbout);
}

void MainMenu::showRecentFiles()
{
    recentMenu_->clear();
    const QStringList paths = recentFiles(QSettings());
    for (int index = 0; index < paths.size(); ++index) {
        const QString &path = paths[index];
        connect(recentMenu_->addAction(recentFileCaption(index, path)), &QAction::triggered, this,
                [this, path] { openRecentFile(path); });
    }
    recentMenu_->setEnabled(!paths.isEmpty());
}

void MainMenu::openRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        QSettings settings;
        removeRecentFile(settings, path);
        showRecentFiles();
        window_.messageBoxes().inform(
            &window_, tr("File Information"),
            tr("The file cannot be found. It is removed from the list of recent files.\n%1")
                .arg(shownPath(path)));
        return;
    }
    window_.openNamedProject(path);
}

void MainMenu::saveToCurrentFile()
{
    if (const QString path = window_.currentFilePath(); !path.isEmpty())
        window_.saveProjectFile(path);
    else
        window_.fileDialogs()->show(FileDialogKind::Save);
}

void MainMenu::turnPage(int step)
{
    const int page = window_.state().currentPage + step;
    if (page >= 0 && page < kPageCount)
        clickIfPressable(window_.pageBar()->pageButton(page), &window_);
}

void MainMenu::importImage()
{
    const QString path = chooseFile_(&window_, tr("Import Image"), readableImagesFilter(), false);
    if (!path.isEmpty())
        window_.showImageImportDialog(path);
}

void MainMenu::exportImage()
{
    QString path = chooseFile_(&window_, tr("Export Image"), QStringLiteral("PNG (*.png)"), true);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    window_.exportPageImage(path);
}

void MainMenu::exportCHeader()
{
    QString path = chooseFile_(&window_, tr("Export C Header"), tr("C Header (*.h);;All Files (*)"), true);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".h");
    window_.exportCHeaderFile(path);
}

void MainMenu::readInclude()
{
    // The window asks about unsaved changes once the file is chosen, as the open dialog does.
    const QString path
        = chooseFile_(&window_, tr("Read PIC Data"), tr("PIC Data (*.inc);;All Files (*)"), false);
    if (!path.isEmpty())
        window_.readIncludeDocument(path);
}

void MainMenu::showAbout()
{
    const QString text
        = tr("%1\nVersion %2\nQt %3\n\nMIT License, Copyright (c) 2026 The VESK4 editor developers")
              .arg(window_.title(), programVersion(), QString::fromLatin1(qVersion()));
    window_.messageBoxes().inform(&window_, tr("About"), text);
}

void MainMenu::pickLanguage(UiLanguage language)
{
    setPickedLanguage(language);
    // The texts are set as the window is made, so the language changes with the next start; until
    // then the window keeps speaking the one it has.
    if (language == installedLanguage())
        return;
    const char *fromNextStart = kLanguageDesigns.at(std::size_t(language)).fromNextStart;
    window_.messageBoxes().inform(&window_, tr("Language"),
                                  textIn(language, "vesk4::MainMenu", fromNextStart) + QLatin1Char('\n')
                                      + tr(fromNextStart));
}

} // namespace vesk4
