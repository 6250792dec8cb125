// The file menu's pictures and include files on the real window, the file dialog answered by the
// menu's file chooser: an image imported as one undoable step, a page written as a PNG, a document
// read back from an include file, and what a broken file leaves.
#include "app/main_menu.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QUndoStack>

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
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The one message shown, which must start with the line that says what failed.
    void expectOneFailure(const QString &firstLine)
    {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.startsWith(firstLine + QLatin1Char('\n')))
            << messages.shown[0].text.toStdString();
    }

    QString answer;
    std::vector<bool> chosen; // whether each dialog asked for a file to write
};

TEST_F(MainWindowIoTest, ImportPutsTheImageAtTheShownTopLeftAsOneUndoableStep)
{
    window.canvasView()->scrollBar()->setValue(10);
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0)); // composed over white
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("row.png"))));
    cell(1, 10) = 1;
    const int steps = window.undoStack().count();

    choose(MainMenu::ImportImage, QStringLiteral("row.png"));
    EXPECT_EQ(chosen, std::vector<bool>{false});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window.undoStack().count(), steps + 1);
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("画像読込"));
    const auto expectCells = [&](int16_t first, int16_t second) {
        EXPECT_EQ(cell(0, 10), first);
        EXPECT_EQ(cell(1, 10), second);
        EXPECT_EQ(cell(0, 9), 0); // the row above is left alone
    };
    expectCells(1, 0);

    window.pageButtonClicked(3);
    window.undo();
    EXPECT_EQ(window.state().currentPage, 0); // the step shows its page
    expectCells(0, 1);
    window.redo();
    expectCells(1, 0);
}

TEST_F(MainWindowIoTest, ImportReportsTheCellsCutAtTheSheetEdge)
{
    QImage image(70, 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("wide.png"))));

    choose(MainMenu::ImportImage, QStringLiteral("wide.png"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("シートの外にはみ出した 12 セルは読み込みませんでした。"));
    EXPECT_EQ(cell(63, 1), 1);
}

TEST_F(MainWindowIoTest, BrokenImageLeavesThePageAndShowsTheReason)
{
    writeFile(QStringLiteral("broken.png"), "\x89PNG\r\n\x1a\n not really");
    cell(0, 0) = 1;
    const Document before = window.document();
    const int steps = window.undoStack().count();

    choose(MainMenu::ImportImage, QStringLiteral("broken.png"));
    expectOneFailure(QStringLiteral("画像を読み込めませんでした。"));
    EXPECT_GT(messages.shown[0].text.size(), QStringLiteral("画像を読み込めませんでした。\n").size());
    EXPECT_TRUE(window.document() == before);
    EXPECT_EQ(window.undoStack().count(), steps);
}

TEST_F(MainWindowIoTest, ExportWritesTheCurrentPageCellsAsPixels)
{
    window.pageButtonClicked(2);
    window.document().PixelData(2, 5, 200) = 1;
    window.document().PixelData(2, 63, 0) = 1;
    choose(MainMenu::ExportImage, QStringLiteral("page")); // the name gets its .png
    EXPECT_EQ(chosen, std::vector<bool>{true});
    EXPECT_TRUE(messages.shown.empty());
    const QImage image(dir.filePath(QStringLiteral("page.png")));
    ASSERT_EQ(image.size(), QSize(kSheetWidth, kSheetHeight));
    for (QPoint dark : {QPoint(5, 200), QPoint(63, 0)}) {
        EXPECT_LT(qGray(image.pixel(dark)), 128);
        EXPECT_GE(qGray(image.pixel(dark - QPoint(1, 0))), 128);
    }

    choose(MainMenu::ExportImage, QStringLiteral("missing/page.png"));
    expectOneFailure(QStringLiteral("画像を書き出せませんでした。"));
}

TEST_F(MainWindowIoTest, IncludeReadReplacesTheDocumentAfterAsking)
{
    // Page 0: two 8 x 8 patterns side by side, a diagonal and two corners; the export writes them.
    Document &doc = window.document();
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
    messages.saveChoices.push_back(SaveChoice::Discard);

    choose(MainMenu::ReadInclude, QStringLiteral("pics.inc"));
    EXPECT_EQ(messages.askedToSave.size(), 1u);
    EXPECT_TRUE(window.document().PixelData == written);
    EXPECT_EQ(window.document().ChrPtnNum[0], 2);
    EXPECT_EQ(window.document().ChrOutFlag[0], 1);
    EXPECT_EQ(window.state().currentPage, 0);
    EXPECT_EQ(window.undoStack().count(), 0);
    EXPECT_TRUE(window.currentFilePath().isEmpty());
    EXPECT_EQ(window.projectFileName(), QStringLiteral("pics.egd")); // what the save dialog proposes
    // Not a project file: the document counts as unsaved until it is saved.
    EXPECT_TRUE(window.isDocumentModified());
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(MainWindowIoTest, BrokenIncludeLeavesTheDocumentAndNamesTheLine)
{
    writeFile(QStringLiteral("broken.inc"), "; nothing placed here\r\nthis is no include line\r\n");
    cell(1, 1) = 1;
    const Document before = window.document();

    choose(MainMenu::ReadInclude, QStringLiteral("broken.inc"));
    expectOneFailure(QStringLiteral("PICデータを読み込めませんでした。"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("\nline ")));
    EXPECT_TRUE(window.document() == before);
}

} // namespace
} // namespace vesk4
