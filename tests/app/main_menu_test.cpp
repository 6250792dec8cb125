// The menu bar and the keys on the real window: what each entry and key does, that the panels stay
// as they were, that a text box keeps its keys, the recent files and a dropped project file.
#include "app/main_menu.h"
#include "version.h"

#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/tool_panel.h"
#include "files/file_dialog.h"
#include "files/file_dialogs.h"
#include "files/project_file.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>

#include "scripted_messages.h"
#include "shown_window.h"

namespace vesk4 {
namespace {

class MainMenuTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        // Each test starts with no recent files; the window listed the store when it was made.
        QSettings().clear();
        menu->showRecentFiles();
        ASSERT_TRUE(dir.isValid());
        // The save dialog starts in the working folder (there is no egd/ in it).
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        ShownWindowTest::SetUp();
        window.setMessageBoxes(&messages);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    QString path(const QString &name) const { return dir.filePath(name); }
    QByteArray bytesOf(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    // A left click of the pen on view cell (x, y): one edit step.
    void paint(int x, int y)
    {
        const QPoint at(x * 8 + 4, y * 10 + 5);
        QTest::mousePress(window.canvasView()->canvas(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window.canvasView()->canvas(), Qt::LeftButton, {}, at);
    }
    void saveThroughTheDialog(const QString &name)
    {
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        FileDialog *dialog = window.fileDialogs()->saveDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->fileNameBox()->setText(name);
        QTest::mouseClick(dialog->actionButton(), Qt::LeftButton);
        ASSERT_EQ(window.fileDialogs()->saveDialog(), nullptr);
    }
    // A project whose page 0 is named name.
    QString writeProject(const QString &name)
    {
        Document doc = window.document();
        doc.ChrName[0] = name;
        EXPECT_TRUE(saveProject(doc, path(name + QStringLiteral(".egd"))));
        return path(name + QStringLiteral(".egd"));
    }
    QStringList recentCaptions() const
    {
        QStringList captions;
        for (const QAction *action : menu->recentFilesMenu()->actions())
            captions << action->text();
        return captions;
    }
    void drop(const QString &file)
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        QCoreApplication::processEvents(); // the open waits for the drop to end
    }

    QTemporaryDir dir;
    QString previousFolder;
    ScriptedMessages messages;
    MainMenu *menu = window.mainMenu();
    PageBar *pages = window.pageBar();
    ToolPanel *tools = window.toolPanel();
};

TEST_F(MainMenuTest, MenuBarSitsAboveThePanelsAsTheyWere)
{
    QStringList titles;
    for (const QAction *action : window.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)"}));

    const QWidget *panels = window.centralWidget();
    EXPECT_GT(window.menuBar()->height(), 0);
    EXPECT_EQ(panels->y(), window.menuBar()->height());
    EXPECT_EQ(window.size(), QSize(panels->width(), panels->y() + pages->height()));
    EXPECT_EQ(panels->height(), pages->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

// Page Down and Page Up press the next or previous page's button, and only one that can be pressed.
TEST_F(MainMenuTest, PageKeysTurnPagesAsTheirButtonsWould)
{
    struct PageCase {
        int from;
        Qt::Key key;
        int to;
    };
    for (const PageCase &c : {PageCase{0, Qt::Key_PageDown, 1}, PageCase{6, Qt::Key_PageUp, 5},
                              PageCase{0, Qt::Key_PageUp, 0}, PageCase{30, Qt::Key_PageDown, 30}}) {
        pages->pageButton(c.from)->click();
        QTest::keyClick(&window, c.key);
        EXPECT_EQ(window.state().currentPage, c.to) << c.from;
        EXPECT_EQ(window.settingsPanel()->nameBox()->text(), window.document().ChrName[c.to]) << c.from;
        EXPECT_EQ(pages->pageButton(c.to)->palette().color(QPalette::Button), QColor(0xC0, 0xFF, 0xC0));
    }
}

// A tool key picks the tool, except in a text box, which takes it as text.
TEST_F(MainMenuTest, AToolKeyTypesIntoTheNameBoxThatHasTheFocus)
{
    QLineEdit *name = window.settingsPanel()->nameBox();
    name->setFocus();
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, QStringLiteral("scp"));
    EXPECT_EQ(name->text(), QStringLiteral("Chr00scp"));
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("Chr00scp"));
    EXPECT_EQ(window.state().toolMode, kToolPen);

    window.canvasView()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    EXPECT_EQ(window.state().toolMode, kToolRange);
    EXPECT_EQ(name->text(), QStringLiteral("Chr00scp"));
}

// Each tool entry is enabled exactly while its button is, through a range, a copy and the pen.
TEST_F(MainMenuTest, ToolEntriesFollowTheirButtons)
{
    const auto expectMirrored = [&](const char *step) {
        for (int index = 0; index <= 8; ++index)
            EXPECT_EQ(menu->toolAction(index)->isEnabled(), tools->toolButton(index)->isEnabled())
                << step << " " << index;
    };
    expectMirrored("start");
    menu->toolAction(1)->trigger();
    PictureSurface *canvas = window.canvasView()->canvas();
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(canvas, QPoint(30, 30));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_TRUE(tools->toolButton(ToolButtons::kCopy)->isEnabled());
    expectMirrored("range");
    QTest::keyClick(&window, Qt::Key_C);
    ASSERT_TRUE(tools->toolButton(ToolButtons::kTurn)->isEnabled());
    ASSERT_EQ(window.state().toolMode, kToolFloating);
    expectMirrored("copy");
    QTest::keyClick(&window, Qt::Key_P);
    EXPECT_EQ(window.state().toolMode, kToolPen);
    expectMirrored("pen");
}

// Ctrl+S writes the current file as the save dialog would, without showing it.
TEST_F(MainMenuTest, SaveWritesTheCurrentFileWithoutADialog)
{
    paint(1, 1);
    saveThroughTheDialog(QStringLiteral("quick"));
    const QByteArray first = bytesOf(QStringLiteral("quick.egd"));
    EXPECT_EQ(window.currentFilePath(), path(QStringLiteral("quick.egd")));

    paint(2, 3);
    EXPECT_TRUE(window.isWindowModified());
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window.fileDialogs()->saveDialog(), nullptr);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(messages.shown.empty());

    saveThroughTheDialog(QStringLiteral("again"));
    EXPECT_EQ(bytesOf(QStringLiteral("quick.egd")), bytesOf(QStringLiteral("again.egd")));
    EXPECT_NE(bytesOf(QStringLiteral("quick.egd")), first);
}

// A save that cannot be written leaves the file as it was and says why.
TEST_F(MainMenuTest, AFailedSaveKeepsTheFileWholeAndSaysWhy)
{
    saveThroughTheDialog(QStringLiteral("kept"));
    const QByteArray before = bytesOf(QStringLiteral("kept.egd"));
    window.document().ChrName[2] = QStringLiteral("a,b"); // a name the file cannot hold
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("保存できませんでした。")));
    EXPECT_EQ(bytesOf(QStringLiteral("kept.egd")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.egd"}));
}

TEST_F(MainMenuTest, SaveWithoutACurrentFileShowsTheSaveDialog)
{
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(window.fileDialogs()->saveDialog(), nullptr);
    EXPECT_EQ(window.fileDialogs()->saveDialog()->windowTitle(), QStringLiteral("保存"));
}

// The history's entries name the step and act on the keys.
TEST_F(MainMenuTest, UndoAndRedoNameTheStepAndTakeTheKeys)
{
    QAction *undo = menu->action(MainMenu::Undo);
    QAction *redo = menu->action(MainMenu::Redo);
    EXPECT_FALSE(undo->isEnabled());
    paint(4, 2);
    ASSERT_EQ(window.document().PixelData(0, 4, 2), 1);
    ASSERT_FALSE(window.undoStack().undoText().isEmpty());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す ") + window.undoStack().undoText());

    QTest::keySequence(&window, undo->shortcut());
    EXPECT_EQ(window.document().PixelData(0, 4, 2), 0);
    EXPECT_EQ(redo->text(), QStringLiteral("やり直し ") + window.undoStack().redoText());
    QTest::keySequence(&window, redo->shortcut());
    EXPECT_EQ(window.document().PixelData(0, 4, 2), 1);
}

// New and a dropped file ask first about unsaved changes; cancel keeps everything.
TEST_F(MainMenuTest, NewAndDropAskAboutUnsavedChanges)
{
    const QString project = writeProject(QStringLiteral("dropped"));
    paint(1, 1);
    messages.saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Discard};
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    drop(project);
    EXPECT_EQ(messages.askedToSave.size(), 2u);
    EXPECT_EQ(window.document().PixelData(0, 1, 1), 1);
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("Chr00"));
    drop(project);
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("dropped"));
    EXPECT_EQ(window.document().PixelData(0, 1, 1), 0);
}

// The caption names the current file and keeps the modified mark's placeholder.
TEST_F(MainMenuTest, CaptionNamesTheCurrentFile)
{
    const QString title = window.title();
    EXPECT_EQ(window.windowTitle(), title + QStringLiteral("[*]"));
    ASSERT_TRUE(window.openNamedProject(writeProject(QStringLiteral("named"))));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("named.egd[*] - ") + title);
    paint(0, 0);
    EXPECT_TRUE(window.isWindowModified());
    messages.saveChoices = {SaveChoice::Discard};
    window.mainMenu()->action(MainMenu::New)->trigger();
    EXPECT_EQ(window.windowTitle(), title + QStringLiteral("[*]"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(window.currentFilePath().isEmpty());
}

TEST_F(MainMenuTest, RecentFilesKeepTheEightNewestAndDropAMissingOne)
{
    EXPECT_FALSE(menu->recentFilesMenu()->isEnabled());
    QStringList opened;
    for (int n = 1; n <= 9; ++n) {
        opened.prepend(writeProject(QStringLiteral("p%1").arg(n)));
        ASSERT_TRUE(window.openNamedProject(opened.front()));
    }
    QStringList expected;
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(opened[i]));
    EXPECT_EQ(recentCaptions(), expected);

    // p7 is gone: its entry says so, leaves the list and opens nothing.
    ASSERT_TRUE(QFile::remove(opened[2]));
    menu->recentFilesMenu()->actions().at(2)->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(opened[2])));
    EXPECT_EQ(recentCaptions().size(), 7);
    EXPECT_FALSE(recentCaptions().join(QLatin1Char('\n')).contains(QStringLiteral("p7.egd")));
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("p9"));

    // An entry opens its project and moves to the top.
    menu->recentFilesMenu()->actions().at(3)->trigger();
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("p5"));
    EXPECT_TRUE(recentCaptions().at(0).endsWith(QStringLiteral("p5.egd")));
}

TEST_F(MainMenuTest, ADroppedProjectFileOpensAndOtherFilesAreRefused)
{
    const QString project = writeProject(QStringLiteral("dropped"));
    ASSERT_TRUE(QFile::copy(project, path("dropped.txt")));
    drop(path("dropped.txt"));
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("Chr00"));
    drop(project);
    EXPECT_EQ(window.document().ChrName[0], QStringLiteral("dropped"));
    EXPECT_EQ(window.document().projectFileName, QStringLiteral("dropped.egd"));
}

TEST_F(MainMenuTest, NewGivesTheStartUpDocumentAndControls)
{
    ASSERT_TRUE(window.openNamedProject(writeProject(QStringLiteral("edited"))));
    pages->pageButton(3)->click();
    window.document().PixelData(3, 1, 1) = 1;
    tools->toolButton(ToolButtons::kRange)->click();
    window.canvasView()->scrollBar()->setValue(40);

    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    const MainWindow fresh;
    EXPECT_TRUE(window.document() == fresh.document());
    EXPECT_TRUE(window.state() == fresh.state());
    EXPECT_TRUE(window.blockTools().tools() == fresh.blockTools().tools());
    EXPECT_EQ(window.canvasView()->scrollBar()->value(), 0);
    EXPECT_EQ(pages->pageButton(0)->text(), QStringLiteral("Chr00"));
    EXPECT_EQ(pages->pageButton(3)->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(window.renderer().canvas(), fresh.renderer().canvas());
}

TEST_F(MainMenuTest, AboutNamesProgramVersionToolkitAndLicence)
{
    menu->action(MainMenu::About)->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("バージョン情報"));
    for (const QString &part : {window.title(), QString::fromLatin1(kVersion),
                                QStringLiteral("Qt ") + qVersion(), QStringLiteral("All rights reserved")})
        EXPECT_TRUE(messages.shown[0].text.contains(part)) << part.toStdString();
}

TEST_F(MainMenuTest, QuitClosesTheWindow)
{
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vesk4
