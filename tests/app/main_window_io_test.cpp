// The file menu's pictures and include files on the real window, the file dialog answered by the
// menu's file chooser: an image imported as one undoable step, a page written as a PNG, a document
// read back from an include file, and what a broken file leaves.
#include <QImage>

#include "shown_window.h"

namespace vesk4 {
namespace {

class MainWindowIoTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        window.mainMenu()->setFileChooser([this](QWidget *, const QString &, const QString &, bool save) {
            chosen.push_back(save);
            return answer;
        });
    }
    // Picks the menu entry with the file dialog answering name.
    void choose(MainMenu::Command command, const QString &name)
    {
        answer = dir.filePath(name);
        window.mainMenu()->action(command)->trigger();
    }

    QString answer;
    std::vector<bool> chosen; // whether each dialog asked for a file to write
};

TEST_F(MainWindowIoTest, ImportPutsTheImageAtTheShownTopLeftAsOneUndoableStep)
{
    window.canvasView()->scrollBar()->setValue(10);
    QImage image(70, 1, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0)); // composed over white
    image.setPixel(0, 0, qRgb(0, 0, 0));
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("row.png"))));
    cell(1, 10) = 1;

    choose(MainMenu::ImportImage, QStringLiteral("row.png"));
    EXPECT_EQ(chosen, std::vector<bool>{false});
    ASSERT_EQ(messages.shown.size(), 1u); // 70 - 64 cells lie beyond the sheet
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("シートの外にはみ出した 6 セルは読み込みませんでした。"));
    EXPECT_EQ(window.undoStack().count(), 1);
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("画像読込"));
    const auto expectCells = [&](int16_t first, int16_t second) {
        EXPECT_EQ(QList<int16_t>({cell(0, 10), cell(1, 10), cell(0, 9)}), QList<int16_t>({first, second, 0}));
    };
    expectCells(1, 0);
    window.pageButtonClicked(3);
    window.undo();
    EXPECT_EQ(window.state().currentPage, 0); // the step shows its page
    expectCells(0, 1);
    window.redo();
    expectCells(1, 0);
}

TEST_F(MainWindowIoTest, ExportWritesTheCurrentPageCellsAsPixels)
{
    window.pageButtonClicked(2);
    doc.PixelData(2, 5, 200) = 1;
    choose(MainMenu::ExportImage, QStringLiteral("page")); // the name gets its .png
    EXPECT_EQ(chosen, std::vector<bool>{true});
    EXPECT_TRUE(messages.shown.empty());
    const QImage image(dir.filePath(QStringLiteral("page.png")));
    ASSERT_EQ(image.size(), QSize(kSheetWidth, kSheetHeight));
    EXPECT_LT(qGray(image.pixel(5, 200)), 128);
    EXPECT_GE(qGray(image.pixel(4, 200)), 128);
}

// A file that cannot be read or written is reported with what failed and why, and the document
// stays as it was.
TEST_F(MainWindowIoTest, BrokenFilesLeaveTheDocumentAndAreReported)
{
    writeFile(QStringLiteral("broken.png"), "\x89PNG\r\n\x1a\n not really");
    writeFile(QStringLiteral("broken.inc"), "; nothing placed here\r\nthis is no include line\r\n");
    const struct {
        MainMenu::Command command;
        const char *file, *what;
    } cases[] = {{MainMenu::ImportImage, "broken.png", "画像を読み込めませんでした。\n"},
                 {MainMenu::ExportImage, "missing/page.png", "画像を書き出せませんでした。\n"},
                 {MainMenu::ReadInclude, "broken.inc", "PICデータを読み込めませんでした。\nline "}};
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

TEST_F(MainWindowIoTest, IncludeReadReplacesTheDocumentAfterAsking)
{
    // Page 0: two 8 x 8 patterns side by side, a diagonal and two corners; the export writes them.
    doc.ChrOutFlag[0] = 1;
    doc.ChrPtnNum[0] = 2;
    for (int i = 0; i < 8; ++i)
        cell(i, i) = 1;
    cell(15, 0) = 1;
    cell(8, 7) = 1;
    const PagedCellStore written = doc.PixelData;
    ASSERT_TRUE(window.exportIncludeFile(dir.filePath(QStringLiteral("pics.inc"))));
    // An unsaved edit on another page, discarded when asked.
    window.pageButtonClicked(5);
    window.history().cellChanges().write(doc.PixelData, 5, 3, 3, 1);
    window.history().commitCells(QStringLiteral("edit"));
    messages.saveChoices = {SaveChoice::Discard};

    choose(MainMenu::ReadInclude, QStringLiteral("pics.inc"));
    EXPECT_EQ(messages.askedToSave.size(), 1u);
    EXPECT_TRUE(doc.PixelData == written);
    EXPECT_EQ(QPoint(doc.ChrPtnNum[0], doc.ChrOutFlag[0]), QPoint(2, 1));
    EXPECT_EQ(window.state().currentPage, 0);
    EXPECT_EQ(window.undoStack().count(), 0);
    EXPECT_TRUE(window.currentFilePath().isEmpty());
    EXPECT_EQ(window.projectFileName(), QStringLiteral("pics.egd")); // what the save dialog proposes
    // Not a project file: the document counts as unsaved until it is saved.
    EXPECT_TRUE(window.isDocumentModified());
    EXPECT_TRUE(window.isWindowModified());
}

} // namespace
} // namespace vesk4
