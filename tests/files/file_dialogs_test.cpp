// The save, open and export dialogs behind the main window's file buttons: what each handler does
// with the name, which questions it asks, and what reaches the files, the document and the window.
#include "files/file_dialogs.h"

#include "export/include_export.h"
#include "files/file_panel.h"
#include "files/folder_lists.h"
#include "widgets/twips.h"

#include <QBuffer>
#include <QDir>

#include "app/shown_window.h"

namespace vesk4 {
namespace {

using enum FileDialogKind;

const QString kTitle = QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）");
const QString kSaveCaption = QStringLiteral("保存確認");
const QString kOverwriteQuestion = QStringLiteral("同じ名前のファイルがあります。上書き保存しますか?");
const QString kOpenRefusal
    = QStringLiteral("このファイルは開けません。拡張子が「.egd」のファイルを選択してください。");

class FileDialogsTest : public ShownWindowTest {
protected:
    // Each dialog starts in egd/ or inc/ of the working folder.
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        root = QDir::currentPath();
        ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("egd")) && QDir(root).mkdir(QStringLiteral("inc")));
    }
    FileDialogs &dialogs() { return *window.fileDialogs(); }
    QString at(const QString &relative) const { return root + QLatin1Char('/') + relative; }

    // Clicks the file panel's button for that kind of dialog; the dialog it shows.
    FileDialog *show(FileDialogKind kind)
    {
        FilePanel *panel = window.filePanel();
        QTest::mouseClick(
            std::array{panel->saveButton(), panel->openButton(), panel->exportButton()}[int(kind)],
            Qt::LeftButton);
        return std::array{dialogs().saveDialog(), dialogs().openDialog(),
                          dialogs().exportDialog()}[int(kind)];
    }

    static void act(FileDialog *dialog, const QString &name)
    {
        dialog->fileNameBox()->setText(name);
        QTest::mouseClick(dialog->actionButton(), Qt::LeftButton);
    }

    static QPoint centreOf(QListWidget *list, int row)
    {
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    }
    static void click(QListWidget *list, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(list->viewport(), button, {}, centreOf(list, row));
    }
    // As a mouse sends it: press and release, then the double click and its release.
    static void doubleClick(QListWidget *list, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        click(list, row, button);
        QTest::mouseDClick(list->viewport(), button, {}, centreOf(list, row));
        QTest::mouseRelease(list->viewport(), button, {}, centreOf(list, row));
    }
    static int rowOf(QListWidget *list, const QString &text)
    {
        return list->row(list->findItems(text, Qt::MatchExactly).value(0));
    }
    static QStringList entries(QListWidget *list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    QString root; // the working folder as the process sees it
};

TEST_F(FileDialogsTest, EachButtonShowsItsDialogInItsFolderWithoutBlocking)
{
    // ":sub": a name that Qt would take for one of its resources anywhere but inside a path.
    for (const char *folder : {"egd/:sub", "egd/Sub", "egd/another", "egd/.hidden"})
        ASSERT_TRUE(QDir().mkpath(at(QString::fromUtf8(folder))));
    for (const char *file : {"egd/b.egd", "egd/a.txt", "egd/.egd", "egd/:sub/inner.egd"})
        writeFile(QString::fromUtf8(file), "x");
    doc.projectFileName = QStringLiteral("last.egd");

    const struct {
        FileDialog *dialog;
        const char *objectName, *title, *action, *folder, *name;
    } expected[] = {
        {show(Save), "saveDialog", "保存", "保存", "egd", "last.egd"},
        {show(Open), "openDialog", "開く", "開く", "egd", ""},
        {show(Export), "exportDialog", "ELK用画像データ出力", "出力", "inc", "ChrData.inc"},
    };
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (const auto &e : expected) {
        SCOPED_TRACE(e.title);
        FileDialog *d = e.dialog;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(e.title));
        EXPECT_EQ(d->objectName(), QString::fromUtf8(e.objectName));
        EXPECT_EQ(d->actionButton()->text(), QString::fromUtf8(e.action));
        EXPECT_EQ(d->cancelButton()->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        EXPECT_EQ(d->driveList()->geometry(), twipsRect(120, 120, 2655, 300));
        EXPECT_EQ(d->folderList()->geometry(), twipsRect(120, 600, 2655, 2400));
        EXPECT_EQ(d->fileList()->geometry(), twipsRect(2880, 120, 2415, 2790));
        EXPECT_EQ(d->fileNameBox()->geometry(), twipsRect(120, 3120, 3375, 375));
        EXPECT_EQ(d->actionButton()->geometry(), twipsRect(3600, 3120, 855, 495));
        EXPECT_EQ(d->cancelButton()->geometry(), twipsRect(4560, 3120, 735, 495));
        EXPECT_EQ(d->folderList()->path(), at(QString::fromUtf8(e.folder)));
        EXPECT_EQ(d->fileNameBox()->text(), QString::fromUtf8(e.name));
    }
    // Every file, dot files too, and no folders; the folder list runs from the root down to the
    // folder, then its visible subfolders in name order whatever the case, and a double click enters
    // one.
    FileDialog *save = expected[0].dialog;
    EXPECT_EQ(entries(save->fileList()), (QStringList{".egd", "a.txt", "b.egd"}));
    const QStringList folders = QStringList{"/"} + at(QStringLiteral("egd")).split('/', Qt::SkipEmptyParts);
    EXPECT_EQ(entries(save->folderList()), folders + QStringList({":sub", "another", "Sub"}));
    doubleClick(save->folderList(), int(folders.size()));
    EXPECT_EQ(save->folderList()->path(), at(QStringLiteral("egd/:sub")));
    EXPECT_EQ(entries(save->fileList()), QStringList{QStringLiteral("inner.egd")});

    // A second click brings the same dialog to the front, as it was; Cancel closes it unread, and
    // the next one is made anew.
    FileDialog *open = expected[1].dialog;
    open->fileNameBox()->setText(QStringLiteral("typed.egd"));
    EXPECT_EQ(show(Open), open);
    EXPECT_EQ(open->fileNameBox()->text(), QStringLiteral("typed.egd"));
    QTest::mouseClick(open->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs().openDialog(), nullptr);
    EXPECT_EQ(show(Open)->fileNameBox()->text(), QString());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FileDialogsTest, SaveAsksBeforeAnotherExtensionOrAReplaceAndWritesIntoTheFolderShown)
{
    for (const char *name : {"egd/abc.egd", "egd/ABC2.egd", "egd/zzz.egd"})
        writeFile(QString::fromUtf8(name), "old");
    ASSERT_TRUE(QDir(at(QStringLiteral("egd"))).mkdir(QStringLiteral("taken.egd")));
    doc.projectFileName = QStringLiteral("before.egd");
    FileDialog *d = show(Save);
    writeFile(QStringLiteral("egd/late.egd"), "old"); // made after the listing
    // Every left click on a file puts its name into the box, on the entry already selected too.
    const int zzz = rowOf(d->fileList(), QStringLiteral("zzz.egd"));
    click(d->fileList(), zzz);
    d->fileNameBox()->setText(QStringLiteral("typed"));
    click(d->fileList(), zzz);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("zzz.egd"));

    messages.answers = {false};
    act(d, QStringLiteral("abc.txt"));
    act(d, QStringLiteral("taken"));
    act(d, QStringLiteral("../abc")); // reaches into another folder
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(
        messages.asked[0].text,
        QStringLiteral("グラフィックエディタ用のファイルではありません。拡張子を変更して保存しますか?"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].caption, kTitle);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("保存できませんでした。")));
    EXPECT_EQ(messages.shown[1].caption, kSaveCaption);
    EXPECT_EQ(QDir(root).entryList(QDir::Files) + QDir(at(QStringLiteral("egd"))).entryList({"*.txt"}),
              QStringList());
    EXPECT_EQ(doc.projectFileName, QStringLiteral("before.egd"));

    // A file of the name is asked about, even one made after the listing. Declined, the file and the
    // completed name stay, with the entry selected before, and projectFileName already holds it.
    messages.answers = {false, false};
    act(d, QStringLiteral("late"));
    act(d, QStringLiteral("abc"));
    ASSERT_EQ(messages.asked.size(), 3u);
    for (const Message &asked : {messages.asked[1], messages.asked[2]})
        EXPECT_TRUE(asked.caption == kSaveCaption && asked.text == kOverwriteQuestion);
    EXPECT_EQ(readFile(QStringLiteral("egd/abc.egd")) + readFile(QStringLiteral("egd/late.egd")), "oldold");
    EXPECT_EQ(dialogs().saveDialog(), d);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("abc.egd"));
    EXPECT_EQ(d->fileList()->fileName(), QStringLiteral("zzz.egd"));
    EXPECT_EQ(doc.projectFileName, QStringLiteral("abc.egd"));

    // Enter in the name box acts once, as the button does.
    messages.answers = {true, true};
    d->fileNameBox()->setText(QStringLiteral("late.txt"));
    QTest::keyClick(d->fileNameBox(), Qt::Key_Return);
    EXPECT_EQ(readFile(QStringLiteral("egd/late.egd")), projectFileText(doc).value());
    EXPECT_EQ(doc.projectFileName, QStringLiteral("late.egd"));
    EXPECT_EQ(dialogs().saveDialog(), nullptr);

    // A name that differs from a listed one only in letter case is another file: no question.
    act(show(Save), QStringLiteral("abc2.egd"));
    EXPECT_EQ(readFile(QStringLiteral("egd/abc2.egd")), projectFileText(doc).value());

    // Names that the file system takes as they are, whatever a shell or Qt's resource paths might
    // make of them; a file of that name in the working folder is none of the dialog's business.
    for (const char *unusual : {":abc.egd", "~abc.egd", "-abc.egd", "..abc.egd", " abc.egd"}) {
        const QString name = QString::fromUtf8(unusual);
        writeFile(QStringLiteral("./") + name, "elsewhere"); // "./": a bare ":abc.egd" is a resource
        act(show(Save), name);
        EXPECT_EQ(readFile(QStringLiteral("egd/") + name), projectFileText(doc).value()) << unusual;
    }
    EXPECT_TRUE(messages.asked.size() == 5u && messages.shown.size() == 2u);
}

TEST_F(FileDialogsTest, OpenRefusesOrReportsWhatItCannotReadAndOnlyALeftDoubleClickOpens)
{
    Document other = doc;
    other.pages[6].name = QStringLiteral("LongName123");
    other.pages[0].patternWidth = 24;
    for (const char *name : {"egd/good.egd", "egd/abc.EGD", "egd/abc", "abc.egd"})
        writeFile(QString::fromUtf8(name), projectFileText(other).value());
    writeFile(QStringLiteral("egd/broken.egd"), " 0 \r\n 0  0  zz ");
    doc.projectFileName = QStringLiteral("keep.egd");
    doc.PixelData(0, 3, 3) = 1;
    const Document before = doc;
    const EditorState stateBefore = window.state();
    FileDialog *d = show(Open);
    for (const char *name : {"abc.EGD", "abc", "../abc.egd", "broken.egd"})
        act(d, QString::fromUtf8(name));
    const int good = rowOf(d->fileList(), QStringLiteral("good.egd"));
    click(d->fileList(), good, Qt::RightButton);
    doubleClick(d->fileList(), good, Qt::RightButton);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("broken.egd"));
    ASSERT_EQ(messages.shown.size(), 4u);
    for (const Message &shown : messages.shown)
        EXPECT_EQ(shown.caption, QStringLiteral("ファイル情報"));
    EXPECT_TRUE(messages.shown[0].text == kOpenRefusal && messages.shown[1].text == kOpenRefusal);
    EXPECT_TRUE(messages.shown[2].text.contains(QStringLiteral("「/」")));
    EXPECT_TRUE(messages.shown[3].text.startsWith(QStringLiteral("ファイルを開けませんでした。")));
    EXPECT_TRUE(messages.shown[3].text.contains(QStringLiteral("\n2 行目: ")));
    EXPECT_TRUE(doc == before && window.state() == stateBefore);
    EXPECT_EQ(dialogs().openDialog(), d);

    doubleClick(d->fileList(), good);
    EXPECT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(doc.projectFileName, QStringLiteral("good.egd"));
    EXPECT_EQ(dialogs().openDialog(), nullptr);
    EXPECT_EQ(window.pageBar()->pageButton(6)->text(), QStringLiteral("LongName"));
    // The canvas was redrawn for the loaded page: width 24 leaves view column 50 light grey.
    EXPECT_EQ(window.renderer().canvas().pixel(50 * 8 + 4, 5), qRgb(200, 200, 200));
}

TEST_F(FileDialogsTest, ExportWritesTheIncludeFileAndAFailedOneKeepsIt)
{
    doc.pages[0].outputFlag = 1;
    doc.PixelData(0, 0, 0) = 1;
    const QByteArray bytes = includeFileBytes(doc).value();
    FileDialog *d = show(Export);
    messages.answers = {false};
    act(d, QStringLiteral("data.egd"));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("MPLAB用のインクルードファイルではありません。拡張子を変更して保存しますか?"));

    act(d, QStringLiteral("ChrData.inc"));
    EXPECT_EQ(readFile(QStringLiteral("inc/ChrData.inc")), bytes);
    EXPECT_EQ(dialogs().exportDialog(), nullptr);
    EXPECT_EQ(doc.projectFileName, QString());

    // The next export asks before replacing it; a page that cannot be laid out stops it.
    doc.pages[2].outputFlag = 1;
    doc.pages[2].patternWidth = 0;
    d = show(Export);
    messages.answers = {true};
    QTest::mouseClick(d->actionButton(), Qt::LeftButton);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[1].text, kOverwriteQuestion);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, kTitle);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Chr02")));
    EXPECT_EQ(readFile(QStringLiteral("inc/ChrData.inc")), bytes);
    EXPECT_EQ(dialogs().exportDialog(), d);
}

TEST_F(FileDialogsTest, ChoosingADriveMovesToItsRootAndABadOneGoesBack)
{
    const QList<Volume> volumes{{QStringLiteral("/"), QString()},
                                {root, QStringLiteral("WORK")},
                                {QStringLiteral("/no/such/drive"), QString()}};
    dialogs().setVolumeLister([&] { return volumes; });
    FileDialog *d = show(Save);
    EXPECT_EQ(d->driveList()->currentText(), root + QStringLiteral(" [WORK]"));

    d->driveList()->setCurrentIndex(0);
    EXPECT_EQ(d->fileList()->folder(), QStringLiteral("/"));
    // A drive that cannot be read is reported, and the drive accepted last is shown again.
    d->driveList()->setCurrentIndex(2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, kTitle);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("/no/such/drive: ")));
    EXPECT_EQ(d->driveList()->currentIndex(), 0);
    EXPECT_EQ(d->folderList()->path(), QStringLiteral("/"));
}

} // namespace
} // namespace vesk4
