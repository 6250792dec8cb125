#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;

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
        Quit,
        Undo,
        Redo,
        NextPage,
        PreviousPage,
        About,
        CommandCount
    };

    // Fills the window's menu bar.
    explicit MainMenu(MainWindow &window);

    QAction *action(Command command) const { return actions_.at(command); }
    // The entry of the tool button of that index (0-8), enabled exactly while its button is.
    QAction *toolAction(int index) const { return toolActions_.at(index); }
    QMenu *recentFilesMenu() const { return recentMenu_; }

    // Lists the recent files again from the settings store.
    void showRecentFiles();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(QMenu *menu, Command command, const QString &caption);
    // Undo or Redo: the history's own entry, which names the step it would take back or do again.
    void addHistoryEntry(QMenu *menu, Command command);
    void createFileMenu();
    void createEditMenu();
    void createViewMenu();
    void createHelpMenu();

    void saveToCurrentFile();
    void openRecentFile(const QString &path);
    void turnPage(int step);
    void showAbout();

    MainWindow &window_;
    std::array<QAction *, CommandCount> actions_{};
    std::array<QAction *, 9> toolActions_{};
    QMenu *recentMenu_ = nullptr;
};

} // namespace vesk4
