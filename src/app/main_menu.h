#pragma once

#include "app/ui_language.h"
#include "canvas/cell_block.h"

#include <QObject>

#include <QString>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace vesk4 {

class MainWindow;

// The main window's menu bar and its keys: files, the tools of the tool frame, the pages and the
// version box. Every entry acts through the same window operation or button as the mouse would.
class MainMenu : public QObject {
    Q_OBJECT
public:
    enum Command {
        New,
        Open,
        Save,
        SaveAs,
        Export,
        ImportImage,
        ImportGlyphs,
        ExportImage,
        ReadInclude,
        Quit,
        Undo,
        Redo,
        NextPage,
        PreviousPage,
        About,
        ExportCHeader,
        CommandCount
    };

    // Fills the window's menu bar.
    explicit MainMenu(MainWindow &window);

    QAction *action(Command command) const { return actions_.at(command); }
    // The entry of the tool button of that index (0-8, 11-14): the button's own action.
    QAction *toolAction(int index) const;
    // "上へずらし" and the others, enabled exactly while "消す" is.
    QAction *shiftAction(ShiftDirection direction) const { return shiftActions_.at(std::size_t(direction)); }
    // Escape, which drops the drag of the current tool.
    QAction *cancelAction() const { return cancelAction_; }
    QMenu *recentFilesMenu() const { return recentMenu_; }
    // The entry of the View menu's Language submenu that picks the language.
    QAction *languageAction(UiLanguage language) const { return languageActions_.at(std::size_t(language)); }

    // Asks for the file to read (save false) or write (save true): its path, or empty when cancelled.
    using FileChooser
        = std::function<QString(QWidget *parent, const QString &caption, const QString &filter, bool save)>;
    // Replaces the file dialog of the image and include entries, for tests.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Lists the recent files again from the settings store.
    void showRecentFiles();

private:
    QAction *addCommand(QMenu *menu, Command command, const QString &caption);
    // Undo or Redo: the history's own entry, which names the step it would take back or do again.
    void addHistoryEntry(QMenu *menu, Command command);
    void createFileMenu();
    void createEditMenu();
    void addShiftEntries(QMenu *menu);
    void createViewMenu();
    void addLanguageMenu(QMenu *viewMenu);
    void createHelpMenu();

    void saveToCurrentFile();
    void openRecentFile(const QString &path);
    void turnPage(int step);
    void importImage();
    void importGlyphs();
    void exportImage();
    void exportCHeader();
    void readInclude();
    void showAbout();
    void pickLanguage(UiLanguage language);

    MainWindow &window_;
    std::array<QAction *, CommandCount> actions_{};
    std::array<QAction *, 4> shiftActions_{};
    std::array<QAction *, 2> languageActions_{}; // indexed by UiLanguage
    QAction *cancelAction_ = nullptr;
    QMenu *recentMenu_ = nullptr;
    FileChooser chooseFile_;
};

} // namespace vesk4
