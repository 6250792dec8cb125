// The save, open and export dialogs behind the main window's file buttons: what each handler does
// with the name, which questions it asks, and what reaches the files and the document.
#include "files/file_dialogs.h"

#include "app/main_window.h"
#include "export/include_export.h"
#include "files/file_panel.h"
#include "files/folder_lists.h"
#include "files/project_file.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "scripted_messages.h"

#include <deque>
#include <memory>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vesk4 {
namespace {

const QString kSaveCaption = QStringLiteral("保存確認");
const QString kOpenCaption = QStringLiteral("ファイル情報");
const QString kSaveQuestion
    = QStringLiteral("グラフィックエディタ用のファイルではありません。拡張子を変更して保存しますか?");
const QString kExportQuestion
    = QStringLiteral("MPLAB用のインクルードファイルではありません。拡張子を変更して保存しますか?");
const QString kOverwriteQuestion = QStringLiteral("同じ名前のファイルがあります。上書き保存しますか?");
const QString kOpenRefusal
    = QStringLiteral("このファイルは開けません。拡張子が「.egd」のファイルを選択してください。");

class FileDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work.path()));
        root = QDir::currentPath();
        ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("egd")));
        ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("inc")));
        window = std::make_unique<MainWindow>();
        window->setMessageBoxes(&boxes);
        window->show();
    }

    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    Document &doc() { return window->document(); }
    FileDialogs &dialogs() { return *window->fileDialogs(); }
    QString at(const QString &relative) const { return root + QLatin1Char('/') + relative; }

    FileDialog *showSave()
    {
        QTest::mouseClick(window->filePanel()->projectButton(1), Qt::LeftButton);
        return dialogs().saveDialog();
    }
    FileDialog *showOpen()
    {
        QTest::mouseClick(window->filePanel()->projectButton(0), Qt::LeftButton);
        return dialogs().openDialog();
    }
    FileDialog *showExport()
    {
        QTest::mouseClick(window->filePanel()->exportButton(), Qt::LeftButton);
        return dialogs().exportDialog();
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
        const QPoint centre = centreOf(list, row);
        QTest::mouseClick(list->viewport(), button, {}, centre);
        QTest::mouseDClick(list->viewport(), button, {}, centre);
        QTest::mouseRelease(list->viewport(), button, {}, centre);
    }
    static int rowOf(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? -1 : list->row(found.first());
    }
    static QStringList entries(QListWidget *list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString &relative) const
    {
        QFile file(at(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    bool exists(const QString &relative) const { return QFile::exists(at(relative)); }

    static QByteArray projectBytes(const Document &document)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(writeProject(document, buffer).ok());
        return buffer.data();
    }

    QTemporaryDir work;
    QString previousFolder;
    QString root; // the working folder as the process sees it
    ScriptedMessages boxes;
    std::unique_ptr<MainWindow> window;
};

TEST_F(FileDialogsTest, EachDialogStartsInItsFolderWithItsName)
{
    writeFile(QStringLiteral("egd/b.egd"), "x");
    writeFile(QStringLiteral("egd/a.txt"), "x");
    writeFile(QStringLiteral("egd/.egd"), "x");
    ASSERT_TRUE(QDir(at(QStringLiteral("egd"))).mkdir(QStringLiteral("sub")));
    doc().projectFileName = QStringLiteral("last.egd");

    struct Expected {
        FileDialog *dialog;
        const char *form, *title, *action, *folder, *name;
    };
    const Expected expected[] = {
        {showSave(), "Form2", "保存", "保存", "egd", "last.egd"},
        {showOpen(), "Form3", "開く", "開く", "egd", ""},
        {showExport(), "Form4", "ELK用画像データ出力", "出力", "inc", "ChrData.inc"},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.form);
        FileDialog *d = e.dialog;
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->objectName(), QString::fromUtf8(e.form));
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(e.title));
        EXPECT_TRUE(d->isWindow());
        EXPECT_EQ(d->parentWidget(), nullptr);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->actionButton()->text(), QString::fromUtf8(e.action));
        EXPECT_EQ(d->cancelButton()->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        EXPECT_EQ(d->driveList()->geometry(), twipsRect(120, 120, 2655, 300));
        EXPECT_EQ(d->folderList()->geometry(), twipsRect(120, 600, 2655, 2400));
        EXPECT_EQ(d->fileList()->geometry(), twipsRect(2880, 120, 2415, 2790));
        EXPECT_EQ(d->fileNameBox()->geometry(), twipsRect(120, 3120, 3375, 375));
        EXPECT_EQ(d->actionButton()->geometry(), twipsRect(3600, 3120, 855, 495));
        EXPECT_EQ(d->cancelButton()->geometry(), twipsRect(4560, 3120, 735, 495));
        EXPECT_EQ(d->folderList()->path(), at(QString::fromUtf8(e.folder)));
        EXPECT_EQ(d->fileList()->folder(), d->folderList()->path());
        EXPECT_EQ(d->fileNameBox()->text(), QString::fromUtf8(e.name));
        EXPECT_EQ(d->fileList()->selectedRow(), -1);
    }
    // Every file, dot files too, and no folders; the folder list runs from the root down to the
    // folder, then its subfolders.
    FileDialog *save = expected[0].dialog;
    EXPECT_EQ(entries(save->fileList()), (QStringList{".egd", "a.txt", "b.egd"}));
    const int here = save->folderList()->rowOf(at(QStringLiteral("egd")));
    ASSERT_GT(here, 0);
    EXPECT_EQ(save->folderList()->folderAt(0), QStringLiteral("/"));
    EXPECT_EQ(save->folderList()->item(0)->text(), QStringLiteral("/"));
    EXPECT_EQ(save->folderList()->item(here)->text(), QStringLiteral("egd"));
    EXPECT_EQ(save->folderList()->folderAt(here + 1), at(QStringLiteral("egd/sub")));
    EXPECT_EQ(save->folderList()->count(), here + 2);
    EXPECT_EQ(save->driveList()->drive(),
              save->driveList()->volumes().at(volumeHolding(save->driveList()->volumes(), root)).rootPath);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FileDialogsTest, WithoutItsSubfolderADialogStartsInTheWorkingFolder)
{
    ASSERT_TRUE(QDir(root).rmdir(QStringLiteral("inc")));
    FileDialog *d = showExport();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->folderList()->path(), root);
    EXPECT_EQ(entries(d->fileList()), QStringList());
    act(d, QStringLiteral("ChrData.inc"));
    EXPECT_TRUE(exists(QStringLiteral("ChrData.inc")));
}

TEST_F(FileDialogsTest, SavingCompletesTheNameAndWritesTheProject)
{
    doc().PixelData(0, 1, 2) = 1;
    const QByteArray expected = projectBytes(doc());
    // The name, and the file it makes: an extension of four characters is added.
    const std::pair<const char *, const char *> cases[]
        = {{"abc", "abc.egd"}, {"a.b", "a.b.egd"}, {"", ".egd"}};
    for (const auto &[typed, written] : cases) {
        SCOPED_TRACE(typed);
        FileDialog *d = showSave();
        ASSERT_NE(d, nullptr);
        act(d, QString::fromUtf8(typed));
        EXPECT_EQ(readFile(QStringLiteral("egd/") + QString::fromUtf8(written)), expected);
        EXPECT_EQ(doc().projectFileName, QString::fromUtf8(written));
        EXPECT_EQ(dialogs().saveDialog(), nullptr);
    }
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_TRUE(boxes.shown.empty());
    // The next save dialog starts with the last name.
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral(".egd"));
}

TEST_F(FileDialogsTest, AnotherExtensionIsAskedAbout)
{
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    boxes.answers = {false};
    act(d, QStringLiteral("abc.txt"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, kSaveCaption);
    EXPECT_EQ(boxes.asked[0].text, kSaveQuestion);
    EXPECT_EQ(boxes.asked[0].parent, d);
    EXPECT_EQ(dialogs().saveDialog(), d);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("abc.txt"));
    EXPECT_EQ(doc().projectFileName, QString());
    EXPECT_EQ(QDir(at(QStringLiteral("egd"))).entryList(QDir::Files | QDir::Hidden), QStringList());

    boxes.answers = {true};
    QTest::mouseClick(d->actionButton(), Qt::LeftButton);
    EXPECT_EQ(readFile(QStringLiteral("egd/abc.egd")), projectBytes(doc()));
    EXPECT_FALSE(exists(QStringLiteral("egd/abc.txt")));
    EXPECT_EQ(doc().projectFileName, QStringLiteral("abc.egd"));
    EXPECT_EQ(dialogs().saveDialog(), nullptr);

    // Upper case is another extension.
    d = showSave();
    boxes.answers = {true};
    act(d, QStringLiteral("up.EGD"));
    EXPECT_EQ(boxes.asked.size(), 3u);
    EXPECT_TRUE(exists(QStringLiteral("egd/up.egd")));
    EXPECT_FALSE(QDir(at(QStringLiteral("egd"))).entryList().contains(QStringLiteral("up.EGD")));
}

TEST_F(FileDialogsTest, AListedNameIsAskedAboutBeforeItIsReplaced)
{
    writeFile(QStringLiteral("egd/abc.egd"), "old");
    writeFile(QStringLiteral("egd/ABC2.egd"), "old");
    writeFile(QStringLiteral("egd/zzz.egd"), "old");
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    click(d->fileList(), rowOf(d->fileList(), QStringLiteral("zzz.egd")));
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("zzz.egd"));

    boxes.answers = {false};
    act(d, QStringLiteral("abc"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, kSaveCaption);
    EXPECT_EQ(boxes.asked[0].text, kOverwriteQuestion);
    EXPECT_EQ(readFile(QStringLiteral("egd/abc.egd")), QByteArray("old"));
    // The completed name stays, with the entry selected before, and projectFileName already holds it.
    EXPECT_EQ(dialogs().saveDialog(), d);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("abc.egd"));
    EXPECT_EQ(d->fileList()->fileName(), QStringLiteral("zzz.egd"));
    EXPECT_EQ(doc().projectFileName, QStringLiteral("abc.egd"));

    boxes.answers = {true};
    QTest::mouseClick(d->actionButton(), Qt::LeftButton);
    EXPECT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(readFile(QStringLiteral("egd/abc.egd")), projectBytes(doc()));
    EXPECT_EQ(dialogs().saveDialog(), nullptr);

    // A name that differs from a listed one only in letter case is another file.
    d = showSave();
    act(d, QStringLiteral("abc2.egd"));
    EXPECT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(readFile(QStringLiteral("egd/abc2.egd")), projectBytes(doc()));
    EXPECT_EQ(readFile(QStringLiteral("egd/ABC2.egd")), QByteArray("old"));
}

TEST_F(FileDialogsTest, EveryLeftClickOnAFilePutsItsNameIntoTheBox)
{
    writeFile(QStringLiteral("egd/a.egd"), "x");
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    const int row = rowOf(d->fileList(), QStringLiteral("a.egd"));
    click(d->fileList(), row);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("a.egd"));
    d->fileNameBox()->setText(QStringLiteral("typed"));
    // The entry is still selected; clicking it again is a choice all the same.
    click(d->fileList(), row);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("a.egd"));
}

TEST_F(FileDialogsTest, OnlyTheLeftButtonActsInTheFileList)
{
    Document other = doc();
    other.ChrName[3] = QStringLiteral("Other");
    writeFile(QStringLiteral("egd/good.egd"), projectBytes(other));
    const Document before = doc();
    FileDialog *d = showOpen();
    ASSERT_NE(d, nullptr);
    const int row = rowOf(d->fileList(), QStringLiteral("good.egd"));
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        click(d->fileList(), row, button);
        EXPECT_EQ(d->fileList()->selectedRow(), -1);
        EXPECT_EQ(d->fileNameBox()->text(), QString());
        doubleClick(d->fileList(), row, button);
        EXPECT_EQ(d->fileNameBox()->text(), QString());
        EXPECT_TRUE(doc() == before);
        EXPECT_EQ(dialogs().openDialog(), d);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FileDialogsTest, AFileMadeAfterTheListingIsAskedAboutToo)
{
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    writeFile(QStringLiteral("egd/late.egd"), "old");
    boxes.answers = {false};
    act(d, QStringLiteral("late"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, kOverwriteQuestion);
    EXPECT_EQ(readFile(QStringLiteral("egd/late.egd")), QByteArray("old"));
    EXPECT_EQ(dialogs().saveDialog(), d);
}

TEST_F(FileDialogsTest, ANameThatReachesIntoAnotherFolderIsRefused)
{
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    act(d, QStringLiteral("../abc"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, kSaveCaption);
    EXPECT_FALSE(exists(QStringLiteral("abc.egd")));
    EXPECT_EQ(dialogs().saveDialog(), d);
    EXPECT_EQ(doc().projectFileName, QString());
}

TEST_F(FileDialogsTest, AFailedSaveSaysWhyAndKeepsTheDialogOpen)
{
    ASSERT_TRUE(QDir(at(QStringLiteral("egd"))).mkdir(QStringLiteral("taken.egd")));
    doc().projectFileName = QStringLiteral("before.egd");
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    act(d, QStringLiteral("taken"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）"));
    EXPECT_EQ(dialogs().saveDialog(), d);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("taken.egd"));
    EXPECT_EQ(doc().projectFileName, QStringLiteral("before.egd"));
}

TEST_F(FileDialogsTest, OpenRefusesAnyNameButEgdAndReadsNothing)
{
    Document other = doc();
    other.ChrName[3] = QStringLiteral("Other");
    writeFile(QStringLiteral("egd/abc.EGD"), projectBytes(other));
    writeFile(QStringLiteral("egd/abc"), projectBytes(other));
    const Document before = doc();
    FileDialog *d = showOpen();
    ASSERT_NE(d, nullptr);
    for (const char *name : {"abc.EGD", "abc", "gd"}) {
        act(d, QString::fromUtf8(name));
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().caption, kOpenCaption);
        EXPECT_EQ(boxes.shown.back().text, kOpenRefusal);
    }
    EXPECT_EQ(boxes.shown.size(), 3u);
    EXPECT_TRUE(doc() == before);
    EXPECT_EQ(dialogs().openDialog(), d);
}

TEST_F(FileDialogsTest, DoubleClickingAFileOpensIt)
{
    Document other = doc();
    other.ChrName[3] = QStringLiteral("Other");
    writeFile(QStringLiteral("egd/good.egd"), projectBytes(other));
    writeFile(QStringLiteral("egd/a.egd"), "x");
    FileDialog *d = showOpen();
    ASSERT_NE(d, nullptr);
    doubleClick(d->fileList(), rowOf(d->fileList(), QStringLiteral("good.egd")));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(doc().ChrName[3], QStringLiteral("Other"));
    EXPECT_EQ(doc().projectFileName, QStringLiteral("good.egd"));
    EXPECT_EQ(dialogs().openDialog(), nullptr);
    // The save dialog then starts with the opened name.
    d = showSave();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("good.egd"));
}

TEST_F(FileDialogsTest, AFailedOpenSaysWhyAndChangesNothing)
{
    writeFile(QStringLiteral("egd/broken.egd"), " 0 \r\n 0  0  zz ");
    doc().projectFileName = QStringLiteral("keep.egd");
    doc().PixelData(0, 3, 3) = 1;
    const Document before = doc();
    FileDialog *d = showOpen();
    ASSERT_NE(d, nullptr);
    act(d, QStringLiteral("broken.egd"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, kOpenCaption);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("line 2")));
    EXPECT_TRUE(doc() == before);
    EXPECT_EQ(dialogs().openDialog(), d);
}

TEST_F(FileDialogsTest, EnterInTheNameBoxActsOnce)
{
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    d->fileNameBox()->setText(QStringLiteral("entered"));
    QTest::keyClick(d->fileNameBox(), Qt::Key_Return);
    EXPECT_EQ(readFile(QStringLiteral("egd/entered.egd")), projectBytes(doc()));
    EXPECT_EQ(dialogs().saveDialog(), nullptr);
    EXPECT_TRUE(boxes.asked.empty());

    writeFile(QStringLiteral("egd/x.egd"), projectBytes(doc()));
    d = showOpen();
    d->fileNameBox()->setText(QStringLiteral("x.egd"));
    QTest::keyClick(d->fileNameBox(), Qt::Key_Return);
    EXPECT_EQ(doc().projectFileName, QStringLiteral("x.egd"));
    EXPECT_EQ(dialogs().openDialog(), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FileDialogsTest, CancelChangesNothing)
{
    doc().projectFileName = QStringLiteral("keep.egd");
    const Document before = doc();
    for (FileDialog *d : {showSave(), showOpen(), showExport()}) {
        ASSERT_NE(d, nullptr);
        d->fileNameBox()->setText(QStringLiteral("zzz.egd"));
        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    }
    EXPECT_EQ(dialogs().saveDialog(), nullptr);
    EXPECT_EQ(dialogs().openDialog(), nullptr);
    EXPECT_EQ(dialogs().exportDialog(), nullptr);
    EXPECT_TRUE(doc() == before);
    EXPECT_TRUE(boxes.shown.empty() && boxes.asked.empty());
    EXPECT_EQ(QDir(at(QStringLiteral("egd"))).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(QDir(at(QStringLiteral("inc"))).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(FileDialogsTest, ExportWritesTheIncludeFile)
{
    doc().ChrOutFlag[0] = 1;
    doc().PixelData(0, 0, 0) = 1;
    const Expected<QByteArray> bytes = includeFileBytes(doc());
    ASSERT_TRUE(bytes.ok());

    FileDialog *d = showExport();
    ASSERT_NE(d, nullptr);
    boxes.answers = {false};
    act(d, QStringLiteral("data.egd"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, kSaveCaption);
    EXPECT_EQ(boxes.asked[0].text, kExportQuestion);
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("data.egd"));

    act(d, QStringLiteral("ChrData.inc"));
    EXPECT_EQ(readFile(QStringLiteral("inc/ChrData.inc")), bytes.value());
    EXPECT_EQ(dialogs().exportDialog(), nullptr);
    EXPECT_EQ(doc().projectFileName, QString());

    // The next export asks before replacing it.
    d = showExport();
    EXPECT_EQ(d->fileNameBox()->text(), QStringLiteral("ChrData.inc"));
    boxes.answers = {true};
    QTest::mouseClick(d->actionButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(boxes.asked[1].text, kOverwriteQuestion);
    EXPECT_EQ(readFile(QStringLiteral("inc/ChrData.inc")), bytes.value());
}

TEST_F(FileDialogsTest, ChoosingADriveMovesToItsRootAndABadOneGoesBack)
{
    const QList<Volume> volumes{{QStringLiteral("/"), QString()},
                                {root, QStringLiteral("WORK")},
                                {QStringLiteral("/no/such/drive"), QString()}};
    dialogs().setVolumeLister([&] { return volumes; });
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->driveList()->count(), 3);
    EXPECT_EQ(d->driveList()->currentIndex(), 1);
    EXPECT_EQ(d->driveList()->currentText(), root + QStringLiteral(" [WORK]"));

    d->driveList()->setCurrentIndex(2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）"));
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("/no/such/drive: ")));
    EXPECT_EQ(boxes.shown[0].parent, d);
    // Back on the old drive, whose change handler ran again.
    EXPECT_EQ(d->driveList()->currentIndex(), 1);
    EXPECT_EQ(d->folderList()->path(), root);

    d->driveList()->setCurrentIndex(0);
    EXPECT_EQ(d->folderList()->path(), QStringLiteral("/"));
    EXPECT_EQ(d->fileList()->folder(), QStringLiteral("/"));
    EXPECT_EQ(d->fileNameBox()->text(), QString());
    // The drive accepted last is the one to go back to.
    d->driveList()->setCurrentIndex(2);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(d->driveList()->currentIndex(), 0);
    EXPECT_EQ(d->folderList()->path(), QStringLiteral("/"));
}

TEST_F(FileDialogsTest, TheButtonsShowOneDialogOfEachKindWithoutBlocking)
{
    FileDialog *open = showOpen();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    open->fileNameBox()->setText(QStringLiteral("typed"));
    // A second click brings the same dialog to the front, as it was.
    EXPECT_EQ(showOpen(), open);
    EXPECT_EQ(open->fileNameBox()->text(), QStringLiteral("typed"));

    FileDialog *save = showSave();
    FileDialog *exporting = showExport();
    ASSERT_NE(save, nullptr);
    ASSERT_NE(exporting, nullptr);
    EXPECT_NE(static_cast<QWidget *>(save), static_cast<QWidget *>(open));
    EXPECT_EQ(dialogs().openDialog(), open);

    // A closed dialog is made anew.
    open->close();
    EXPECT_EQ(dialogs().openDialog(), nullptr);
    FileDialog *again = showOpen();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->fileNameBox()->text(), QString());
    EXPECT_EQ(showSave(), save);
}

// Names that the file system takes as they are, whatever a shell, a command line or Qt's resource
// paths might make of them. The tests type them with their extension: "..abc" alone ends in what
// looks like another one.
struct UnusualName {
    const char *label;
    const char *name;

    friend void PrintTo(const UnusualName &n, std::ostream *out) { *out << '"' << n.name << '"'; }
};

class UnusualFileNames : public FileDialogsTest, public ::testing::WithParamInterface<UnusualName> {
protected:
    QString name() const { return QString::fromUtf8(GetParam().name); }
};

TEST_P(UnusualFileNames, SaveWritesIntoTheFolderShownAndAsksBeforeReplacing)
{
    // A file of that name in the working folder is none of the dialog's business.
    writeFile(name() + QStringLiteral(".egd"), "elsewhere");
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    act(d, name() + QStringLiteral(".egd"));
    EXPECT_EQ(readFile(QStringLiteral("egd/") + name() + QStringLiteral(".egd")), projectBytes(doc()));
    EXPECT_EQ(readFile(name() + QStringLiteral(".egd")), QByteArray("elsewhere"));
    EXPECT_EQ(doc().projectFileName, name() + QStringLiteral(".egd"));
    EXPECT_EQ(dialogs().saveDialog(), nullptr);

    d = showSave();
    boxes.answers = {false};
    QTest::mouseClick(d->actionButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, kOverwriteQuestion);
    EXPECT_EQ(dialogs().saveDialog(), d);
}

TEST_P(UnusualFileNames, ExportWritesIntoTheFolderShown)
{
    writeFile(name() + QStringLiteral(".inc"), "elsewhere");
    FileDialog *d = showExport();
    ASSERT_NE(d, nullptr);
    act(d, name() + QStringLiteral(".inc"));
    EXPECT_EQ(readFile(QStringLiteral("inc/") + name() + QStringLiteral(".inc")),
              includeFileBytes(doc()).value());
    EXPECT_EQ(readFile(name() + QStringLiteral(".inc")), QByteArray("elsewhere"));
    EXPECT_EQ(dialogs().exportDialog(), nullptr);
}

TEST_P(UnusualFileNames, OpenReadsTheListedFile)
{
    Document other = doc();
    other.ChrName[3] = QStringLiteral("Other");
    writeFile(QStringLiteral("egd/") + name() + QStringLiteral(".egd"), projectBytes(other));
    FileDialog *d = showOpen();
    ASSERT_NE(d, nullptr);
    click(d->fileList(), rowOf(d->fileList(), name() + QStringLiteral(".egd")));
    QTest::mouseClick(d->actionButton(), Qt::LeftButton);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(doc().ChrName[3], QStringLiteral("Other"));
    EXPECT_EQ(doc().projectFileName, name() + QStringLiteral(".egd"));
    EXPECT_EQ(dialogs().openDialog(), nullptr);
}

TEST_P(UnusualFileNames, FolderListEntersTheFolder)
{
    const QString folder = at(QStringLiteral("egd/") + name());
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(QStringLiteral("egd/") + name() + QStringLiteral("/inner.egd"), "x");
    FileDialog *d = showSave();
    ASSERT_NE(d, nullptr);
    const int row = rowOf(d->folderList(), name());
    if (name().startsWith(QLatin1Char('.'))) {
        EXPECT_EQ(row, -1); // dot folders are not listed
        return;
    }
    ASSERT_GE(row, 0);
    doubleClick(d->folderList(), row);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(d->folderList()->path(), folder);
    EXPECT_EQ(entries(d->fileList()), QStringList{QStringLiteral("inner.egd")});
}

INSTANTIATE_TEST_SUITE_P(, UnusualFileNames,
                         ::testing::Values(UnusualName{"Colon", ":abc"}, UnusualName{"Tilde", "~abc"},
                                           UnusualName{"Dash", "-abc"}, UnusualName{"DotDot", "..abc"},
                                           UnusualName{"Blank", " abc"}),
                         [](const ::testing::TestParamInfo<UnusualName> &info) { return info.param.label; });

} // namespace
} // namespace vesk4
