// The menu bar and the keys on the real window: what each entry and key does, that a text box keeps
// its keys, the recent files and a dropped project file. The file dialog of the pictures and include
// files is answered by the menu's file chooser: an image imported as one undoable step, a page
// written as a PNG, a document read back from an include file, and what a broken file leaves. Then
// the language kept for the next start and the guard of unsaved work on closing.
#include "version.h"

#include "app/ui_language.h"
#include "export/c_header_export.h"
#include "files/file_dialog.h"
#include "image/image_import_dialog.h"

#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>

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
        // The save dialog starts in the scratch folder, with no egd/ in it.
        ShownWindowTest::SetUp();
        menu->setFileChooser([this](QWidget *, const QString &, const QString &, bool save) {
            chosen.push_back(save);
            return answer;
        });
    }
    // Saves with the key given, through the save dialog it shows.
    void saveThroughTheDialog(QKeyCombination key, const QString &name)
    {
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
        FileDialog *dialog = window.fileDialogs()->saveDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->fileNameBox()->setText(name);
        QTest::mouseClick(dialog->actionButton(), Qt::LeftButton);
        ASSERT_EQ(window.fileDialogs()->saveDialog(), nullptr);
    }
    // A project whose page 0 is named name.
    QString writeProject(const QString &name)
    {
        Document written = doc;
        written.pages[0].name = name;
        EXPECT_TRUE(saveProject(written, dir.filePath(name + QStringLiteral(".egd"))));
        return dir.filePath(name + QStringLiteral(".egd"));
    }
    void drop(const QList<QUrl> &files)
    {
        QMimeData mime;
        mime.setUrls(files);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        QCoreApplication::processEvents(); // the open waits for the drop to end
    }

    // Picks the menu entry with the file dialog answering name.
    void choose(MainMenu::Command command, const QString &name)
    {
        answer = dir.filePath(name);
        menu->action(command)->trigger();
    }

    QString answer;
    std::vector<bool> chosen; // whether each dialog asked for a file to write
};

// Page Down and Page Up press the next or previous page's button, and only one that can be pressed.
TEST_F(MainMenuTest, PageKeysTurnPagesAsTheirButtonsWould)
{
    const struct {
        int from;
        Qt::Key key;
        int to;
    } cases[] = {
        {0, Qt::Key_PageDown, 1}, {6, Qt::Key_PageUp, 5}, {0, Qt::Key_PageUp, 0}, {30, Qt::Key_PageDown, 30}};
    for (const auto &c : cases) {
        pages->pageButton(c.from)->click();
        QTest::keyClick(&window, c.key);
        EXPECT_EQ(window.state().currentPage, c.to) << c.from;
    }
}

// A tool key picks the tool, except in a text box, which takes it as text.
TEST_F(MainMenuTest, AToolKeyTypesIntoTheNameBoxThatHasTheFocus)
{
    QLineEdit *name = settings->nameBox();
    name->setFocus();
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, QStringLiteral("scp"));
    EXPECT_EQ(doc.pages[0].name, QStringLiteral("Chr00scp"));
    EXPECT_EQ(window.state().toolMode, ToolMode::Pen);

    window.canvasView()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    EXPECT_EQ(window.state().toolMode, ToolMode::Range);
}

// Ctrl+S shows the save dialog for the start-up document, then writes the current file without it;
// the caption names the file saved, and undo past the save or back to it sets and clears the
// modified mark, and the history's entries name the step. A save that cannot be written leaves the file as it
// was and says why.
TEST_F(MainMenuTest, SaveWritesTheCurrentFileWithoutADialog)
{
    const QString title = window.title();
    QAction *undo = menu->action(MainMenu::Undo);
    clickCell(1, 1);
    saveThroughTheDialog(QKeyCombination(Qt::ControlModifier, Qt::Key_S), QStringLiteral("quick"));
    const QByteArray first = readFile(QStringLiteral("quick.egd"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("quick.egd[*] - ") + title);

    clickCell(2, 3);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window.fileDialogs()->saveDialog(), nullptr);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す ") + window.undoStack().undoText());
    QTest::keySequence(&window, undo->shortcut());
    EXPECT_EQ(cell(2, 3), 0);
    EXPECT_TRUE(window.isWindowModified());
    QTest::keySequence(&window, menu->action(MainMenu::Redo)->shortcut());
    EXPECT_FALSE(window.isWindowModified());
    saveThroughTheDialog(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S),
                         QStringLiteral("again"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("again.egd[*] - ") + title);
    EXPECT_EQ(readFile(QStringLiteral("quick.egd")), readFile(QStringLiteral("again.egd")));
    EXPECT_NE(readFile(QStringLiteral("quick.egd")), first);

    doc.pages[2].name = QStringLiteral("a,b"); // a name the file cannot hold
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("保存できませんでした。\n")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("「a,b」"))); // the reason
    EXPECT_EQ(readFile(QStringLiteral("again.egd")), readFile(QStringLiteral("quick.egd")));
}

// New and a dropped project file ask first about unsaved changes; cancel keeps everything and only a
// project file is taken from a drop. An open starts a fresh history; the caption names the file. New
// starts the document, the editing state, the controls and the caption afresh.
TEST_F(MainMenuTest, NewAndDropAskAboutUnsavedChangesAndStartAfresh)
{
    const QString title = window.title();
    const QString project = writeProject(QStringLiteral("dropped"));
    ASSERT_TRUE(QFile::copy(project, dir.filePath(QStringLiteral("dropped.txt"))));
    clickCell(0, 0);
    messages.saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Discard};
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    const QUrl url = QUrl::fromLocalFile(project);
    drop({url});
    drop({QUrl::fromLocalFile(dir.filePath(QStringLiteral("dropped.txt")))});
    drop({url, url}); // two project files at once: which would the user mean? Neither.
    EXPECT_EQ(messages.askedToSave.size(), 2u);
    EXPECT_EQ(cell(0, 0), 1);
    drop({url});
    EXPECT_EQ(QList<QString>({doc.pages[0].name, doc.projectFileName, window.windowTitle()}),
              QList<QString>({"dropped", "dropped.egd", "dropped.egd[*] - " + title}));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(window.undoStack().canUndo());

    clickPage(3);
    cell(1, 1) = 1;
    clickTool(ToolButtons::kRange);
    window.canvasView()->scrollBar()->setSliderPosition(40);
    menu->action(MainMenu::New)->trigger(); // nothing unsaved: no question
    EXPECT_EQ(window.windowTitle(), title + QStringLiteral("[*]"));
    const MainWindow fresh;
    EXPECT_TRUE(doc == fresh.document());
    EXPECT_TRUE(window.state() == fresh.state());
    EXPECT_TRUE(window.blockTools().tools() == fresh.blockTools().tools());
    EXPECT_EQ(window.canvasView()->scrollBar()->value(), 0);
    EXPECT_EQ(pages->pageButton(0)->text(), QStringLiteral("Chr00"));
    EXPECT_EQ(buttonBackground(pages->pageButton(3)), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(window.renderer().canvas(), fresh.renderer().canvas());
}

// The list itself is the recent files' own; the menu numbers its entries, escapes "&", and drops
// a file that has gone.
TEST_F(MainMenuTest, RecentFilesOpenTheirProjectOrDropAMissingOne)
{
    const QStringList opened{writeProject(QStringLiteral("p&1")), writeProject(QStringLiteral("p2"))};
    for (const QString &path : opened)
        ASSERT_TRUE(window.openNamedProject(path));
    QStringList captions;
    for (const QAction *action : menu->recentFilesMenu()->actions())
        captions << action->text();
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("&1 ") + QDir::toNativeSeparators(opened[1]),
                           QStringLiteral("&2 ") + QDir::toNativeSeparators(dir.filePath("p&&1.egd"))}));
    ASSERT_TRUE(QFile::remove(opened[1]));
    menu->recentFilesMenu()->actions().at(0)->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(opened[1])));
    EXPECT_EQ(menu->recentFilesMenu()->actions().size(), 1);
    EXPECT_EQ(doc.pages[0].name, QStringLiteral("p2"));
    menu->recentFilesMenu()->actions().at(0)->trigger();
    EXPECT_EQ(doc.pages[0].name, QStringLiteral("p&1"));
}

TEST_F(MainMenuTest, MenuTitlesAndAbout)
{
    QStringList titles;
    for (const QAction *action : window.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)"}));
    menu->action(MainMenu::About)->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("バージョン情報"));
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromLatin1(kVersion)));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("MIT License")));
}

// View > Language: each language under its own name, the running one checked. Clicking the other
// keeps it in the settings and says, in both languages, that it applies from the next start;
// clicking the running one again keeps that and says nothing.
TEST_F(MainMenuTest, TheLanguagePickedInTheViewMenuIsKeptForTheNextStart)
{
    QAction *japanese = menu->languageAction(UiLanguage::Japanese);
    QAction *english = menu->languageAction(UiLanguage::English);
    EXPECT_EQ(japanese->text(), QStringLiteral("日本語"));
    EXPECT_EQ(english->text(), QStringLiteral("English"));
    EXPECT_TRUE(japanese->isChecked());
    EXPECT_FALSE(english->isChecked());

    // Through the menus as the user opens them: 表示, 言語, then the entry.
    QMenu *view = window.menuBar()->actions().at(2)->menu();
    ASSERT_EQ(view->title(), QStringLiteral("表示(&V)"));
    QAction *languageEntry = view->actions().constLast();
    ASSERT_NE(languageEntry->menu(), nullptr);
    EXPECT_EQ(languageEntry->text(), QStringLiteral("言語(&L)"));
    QMenu *languages = languageEntry->menu();
    const auto click = [](QMenu *shown, QAction *entry) {
        // A submenu opens after a short delay, as for the hovering mouse.
        ASSERT_TRUE(QTest::qWaitFor([shown] { return shown->isVisible(); }));
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(entry).center());
    };
    const auto pickThroughTheMenus = [&](QAction *entry) {
        QMenuBar *bar = window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view->menuAction()).center());
        click(view, languageEntry);
        click(languages, entry);
        EXPECT_FALSE(view->isVisible());
    };

    pickThroughTheMenus(english);
    EXPECT_EQ(QSettings().value(QStringLiteral("language")), QStringLiteral("en"));
    EXPECT_EQ(pickedLanguage(), UiLanguage::English);
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(japanese->isChecked());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("言語"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("The editor will show its texts in English from its next "
                             "start.\n次回の起動から英語で表示します。"));
    // The window keeps its language until then.
    EXPECT_EQ(installedLanguage(), UiLanguage::Japanese);

    pickThroughTheMenus(japanese);
    EXPECT_EQ(pickedLanguage(), UiLanguage::Japanese);
    EXPECT_TRUE(japanese->isChecked());
    EXPECT_FALSE(english->isChecked());
    EXPECT_EQ(messages.shown.size(), 1u);
}

// An image is imported at the shown top left as one undoable step; a page is exported as a PNG.
TEST_F(MainMenuTest, ImportAndExportThePageAsAnImage)
{
    window.canvasView()->scrollBar()->setSliderPosition(10);
    QImage image(70, 1, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0)); // composed over white
    image.setPixel(0, 0, qRgb(0, 0, 0));
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("row.png"))));
    cell(1, 10) = 1;

    choose(MainMenu::ImportImage, QStringLiteral("row.png"));
    auto *options = window.findChild<ImageImportDialog *>();
    ASSERT_NE(options, nullptr); // the options, taken as they come
    QTest::mouseClick(options->okButton(), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u); // 70 - 64 cells lie beyond the sheet
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("シートの外にはみ出した 6 セルは読み込みませんでした。"));
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("画像読込"));
    const auto expectCells = [&](int16_t first, int16_t second) {
        EXPECT_EQ(QList<int16_t>({cell(0, 10), cell(1, 10), cell(0, 9)}), QList<int16_t>({first, second, 0}));
    };
    expectCells(1, 0);
    window.undo();
    expectCells(0, 1);

    window.pageButtonClicked(2);
    doc.PixelData(2, 5, 200) = 1;
    choose(MainMenu::ExportImage, QStringLiteral("page")); // the name gets its .png
    EXPECT_EQ(chosen, std::vector<bool>({false, true}));
    const QImage exported(dir.filePath(QStringLiteral("page.png")));
    ASSERT_EQ(exported.size(), QSize(kSheetWidth, kSheetHeight));
    EXPECT_LT(qGray(exported.pixel(5, 200)), 128);
    EXPECT_GE(qGray(exported.pixel(4, 200)), 128);
}

// "Cヘッダ出力..." follows the include export in the file menu and writes the header the command
// line writes, the name given its .h; a page it cannot write is reported and nothing is written.
TEST_F(MainMenuTest, CHeaderEntryWritesTheHeader)
{
    const QList<QAction *> entries = window.menuBar()->actions().front()->menu()->actions();
    const qsizetype at = entries.indexOf(menu->action(MainMenu::Export));
    ASSERT_GE(at, 0);
    EXPECT_EQ(entries.value(at + 1), menu->action(MainMenu::ExportCHeader));
    EXPECT_EQ(menu->action(MainMenu::ExportCHeader)->text(), QStringLiteral("Cヘッダ出力..."));

    doc.pages[0].outputFlag = 1;
    doc.pages[0].patternCount = 1;
    cell(0, 7) = 1;
    choose(MainMenu::ExportCHeader, QStringLiteral("gfx"));
    EXPECT_EQ(chosen, std::vector<bool>({true}));
    EXPECT_EQ(readFile(QStringLiteral("gfx.h")), cHeaderBytes(doc, QStringLiteral("gfx.h")).value());
    EXPECT_TRUE(
        readFile(QStringLiteral("gfx.h")).contains("    0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,\n"));

    doc.pages[0].patternWidth = 0;
    choose(MainMenu::ExportCHeader, QStringLiteral("bad.h"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Cヘッダを出力できませんでした。\n")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("bad.h"))));
}

// A file that cannot be read or written is reported with what failed and why, and the document
// stays as it was.
TEST_F(MainMenuTest, BrokenFilesLeaveTheDocumentAndAreReported)
{
    writeFile(QStringLiteral("broken.png"), "\x89PNG\r\n\x1a\n not really");
    writeFile(QStringLiteral("broken.inc"), "; nothing placed here\r\nthis is no include line\r\n");
    const struct {
        MainMenu::Command command;
        const char *file, *what;
    } cases[] = {{MainMenu::ImportImage, "broken.png", "画像を読み込めませんでした。\n"},
                 {MainMenu::ExportImage, "missing/page.png", "画像を書き出せませんでした。\n"},
                 {MainMenu::ReadInclude, "broken.inc", "PICデータを読み込めませんでした。\n2 行目: "}};
    cell(1, 1) = 1;
    const Document before = doc;
    for (const auto &c : cases) {
        choose(c.command, QString::fromUtf8(c.file));
        ASSERT_EQ(messages.shown.size(), 1u) << c.file;
        EXPECT_TRUE(messages.shown[0].text.startsWith(QString::fromUtf8(c.what)));
        EXPECT_GT(messages.shown[0].text.size(), QString::fromUtf8(c.what).size()); // the reason
        messages.shown.clear();
    }
    EXPECT_TRUE(doc == before);
    EXPECT_EQ(window.undoStack().count(), 0);
}

TEST_F(MainMenuTest, IncludeReadReplacesTheDocumentAfterAsking)
{
    // Page 0: two 8 x 8 patterns side by side, the second with its bottom right cell set.
    doc.pages[0].outputFlag = 1;
    doc.pages[0].patternCount = 2;
    doc.pages[0].name = QStringLiteral("Pics");
    cell(15, 7) = 1;
    const PagedCellStore written = doc.PixelData;
    ASSERT_TRUE(window.exportIncludeFile(dir.filePath(QStringLiteral("pics.inc"))));
    clickPage(5);
    clickCell(3, 3); // an unsaved edit on another page, discarded when asked
    settings->nameBox()->selectAll();
    QTest::keyClicks(settings->nameBox(), QStringLiteral("Old5")); // and its caption, renewed
    messages.saveChoices = {SaveChoice::Discard};

    choose(MainMenu::ReadInclude, QStringLiteral("pics.inc"));
    EXPECT_EQ(messages.askedToSave.size(), 1u);
    EXPECT_TRUE(doc.PixelData == written);
    EXPECT_EQ(window.state().currentPage, 0);
    EXPECT_EQ(window.undoStack().count(), 0);
    EXPECT_TRUE(window.currentFilePath().isEmpty());
    EXPECT_EQ(window.projectFileName(), QStringLiteral("pics.egd")); // what the save dialog proposes
    // Not a project file: the document counts as unsaved until it is saved.
    EXPECT_TRUE(window.isWindowModified());

    // The page shown is page 0 with its cells: its button lit, its name, its set cell black on the
    // canvas and the cell drawn on page 5 not there.
    EXPECT_EQ(buttonBackground(pages->pageButton(0)), kLightGreen);
    EXPECT_NE(buttonBackground(pages->pageButton(5)), kLightGreen);
    EXPECT_EQ(settings->nameBox()->text(), QStringLiteral("Pics"));
    EXPECT_EQ(pages->pageButton(5)->text(), QStringLiteral("Chr05"));
    const QImage shown = canvas->grab().toImage().copy(QRect(QPoint(1, 1), QSize(512, 640)));
    EXPECT_EQ(shown.pixelColor(8 * 15 + 4, 10 * 7 + 5), QColor(0, 0, 0));
    EXPECT_EQ(shown.pixelColor(8 * 3 + 4, 10 * 3 + 5), QColor(255, 255, 255));
}

TEST_F(MainMenuTest, EachAnswerToTheCloseQuestionDoesWhatItSays)
{
    // Only a save that writes the file closes the window; without a file the save dialog opens. The
    // window asks with its real box, answered by a click: a swap of two answers shows here.
    const struct {
        const char *button;
        bool hasFile, closes;
    } cases[] = {{"保存", true, true},
                 {"保存", false, false},
                 {"保存しない", true, true},
                 {"キャンセル", true, false}};
    const QString file = dir.filePath(QStringLiteral("close.egd"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        QFile::remove(file);
        MainWindow w;
        w.show();
        if (c.hasFile)
            w.setCurrentFilePath(file);
        // A stroke still in progress: its cells are written but not yet a step.
        w.history().cellChanges().write(w.document().PixelData, 0, 1, 0, 7);
        w.fileDialogs()->show(FileDialogKind::Export);
        QStringList asked;
        QTimer poll; // answers once the box waits in its own event loop
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                poll.stop();
                asked << box->windowTitle() << box->text();
                for (QAbstractButton *button : box->buttons()) // in the order of the platform's style
                    if (button->text() == QString::fromUtf8(c.button))
                        QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        poll.start(10);

        EXPECT_EQ(w.close(), c.closes);
        EXPECT_EQ(asked, QStringList({"保存確認", "変更が保存されていません。保存しますか？"}));
        EXPECT_EQ(w.fileDialogs()->exportDialog() == nullptr, c.closes);
        const bool save = QByteArray(c.button) == "保存";
        EXPECT_EQ(w.fileDialogs()->saveDialog() != nullptr, save && !c.hasFile);
        EXPECT_EQ(QFile::exists(file), save && c.hasFile);
    }
}

} // namespace
} // namespace vesk4
