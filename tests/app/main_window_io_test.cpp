// The file menu's pictures and include files on the real window, the file dialog answered by the
// menu's file chooser: an image imported as one undoable step, a page written as a PNG, a document
// read back from an include file, and what a broken file leaves.
#include "app/main_menu.h"

#include "canvas/canvas_view.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>

#include "shown_window.h"

namespace vesk4 {
namespace {

class MainWindowIoTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
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
    int16_t cell(int page, int x, int y) const { return window.document().PixelData(page, x, y); }

    QTemporaryDir dir;
    QString answer;
    std::vector<bool> chosen; // whether each dialog asked for a file to write
};

struct ImportedPixel {
    QRgb colour;
    int16_t before; // the cell's value before the import
    int16_t after;
};

// One row of pixels on a "2色" page, threshold 128: luminance 127 is dark, 128 light; a
// transparent pixel is composed over white.
const ImportedPixel kPixels[] = {
    {qRgb(0, 0, 0), 0, 1},       {qRgb(127, 127, 127), 0, 1}, {qRgb(128, 128, 128), 1, 0},
    {qRgb(255, 255, 255), 1, 0}, {qRgba(0, 0, 0, 0), 1, 0},
};

TEST_F(MainWindowIoTest, ImportPutsTheImageAtTheShownTopLeftAsOneUndoableStep)
{
    constexpr int kRow = 10;
    window.canvasView()->scrollBar()->setValue(kRow);
    ASSERT_EQ(window.state().scrollRow, kRow);
    const int column = window.state().scrollColumn;
    QImage image(int(std::size(kPixels)), 1, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 0, kPixels[x].colour);
        window.document().PixelData(0, column + x, kRow) = kPixels[x].before;
    }
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("row.png"))));
    const int steps = window.undoStack().count();

    choose(MainMenu::ImportImage, QStringLiteral("row.png"));
    EXPECT_EQ(chosen, std::vector<bool>{false});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window.undoStack().count(), steps + 1);
    EXPECT_EQ(window.undoStack().undoText(), QStringLiteral("画像読込"));
    const auto expectCells = [&](bool imported) {
        for (int x = 0; x < int(std::size(kPixels)); ++x)
            EXPECT_EQ(cell(0, column + x, kRow), imported ? kPixels[x].after : kPixels[x].before) << x;
        EXPECT_EQ(cell(0, column, kRow - 1), 0); // the row above is left alone
    };
    expectCells(true);

    window.pageButtonClicked(3);
    window.undo();
    EXPECT_EQ(window.state().currentPage, 0); // the step shows its page
    expectCells(false);
    window.redo();
    expectCells(true);
}

TEST_F(MainWindowIoTest, ImportReportsTheCellsCutAtTheSheetEdge)
{
    QImage image(70, 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("wide.png"))));

    choose(MainMenu::ImportImage, QStringLiteral("wide.png"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral(" 12 ")))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(cell(0, 63, 1), 1);
}

TEST_F(MainWindowIoTest, BrokenImageLeavesThePageAndShowsTheReason)
{
    writeFile(QStringLiteral("broken.png"), "\x89PNG\r\n\x1a\n not really");
    window.document().PixelData(0, 0, 0) = 1;
    const Document before = window.document();
    const int steps = window.undoStack().count();

    choose(MainMenu::ImportImage, QStringLiteral("broken.png"));
    ASSERT_EQ(messages.shown.size(), 1u);
    const QStringList lines = messages.shown[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("画像を読み込めませんでした。"));
    EXPECT_FALSE(lines[1].isEmpty()); // the reader's reason
    EXPECT_TRUE(window.document() == before);
    EXPECT_EQ(window.undoStack().count(), steps);
}

TEST_F(MainWindowIoTest, ExportWritesThePageCellsAsPixels)
{
    window.pageButtonClicked(2);
    // A seeded scatter of entries 0 and 1 over the sheet.
    quint32 seed = 12345;
    for (int y = 0; y < kSheetHeight; ++y) {
        for (int x = 0; x < kSheetWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            window.document().PixelData(2, x, y) = int16_t((seed >> 16) & 1);
        }
    }

    choose(MainMenu::ExportImage, QStringLiteral("page")); // the name gets its .png
    EXPECT_EQ(chosen, std::vector<bool>{true});
    EXPECT_TRUE(messages.shown.empty());
    const QImage image(dir.filePath(QStringLiteral("page.png")));
    ASSERT_EQ(image.size(), QSize(kSheetWidth, kSheetHeight));
    for (int y = 0; y < kSheetHeight; ++y) {
        for (int x = 0; x < kSheetWidth; ++x)
            ASSERT_EQ(qGray(image.pixel(x, y)) < 128, cell(2, x, y) == 1) << x << ", " << y;
    }
}

TEST_F(MainWindowIoTest, ExportIntoAMissingFolderIsReported)
{
    choose(MainMenu::ExportImage, QStringLiteral("missing/page.png"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("画像を書き出せませんでした。\n")));
}

TEST_F(MainWindowIoTest, IncludeReadReplacesTheDocumentAfterAsking)
{
    // Page 0: two 8 x 8 patterns side by side, a diagonal and two corners; the export writes them.
    Document &doc = window.document();
    doc.ChrOutFlag[0] = 1;
    doc.ChrPtnNum[0] = 2;
    for (int i = 0; i < 8; ++i)
        doc.PixelData(0, i, i) = 1;
    doc.PixelData(0, 15, 0) = 1;
    doc.PixelData(0, 8, 7) = 1;
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
    // Not a project file: the document counts as unsaved until it is saved.
    EXPECT_TRUE(window.isDocumentModified());
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(MainWindowIoTest, BrokenIncludeLeavesTheDocumentAndNamesTheLine)
{
    writeFile(QStringLiteral("broken.inc"), "; nothing placed here\r\nthis is no include line\r\n");
    window.document().PixelData(0, 1, 1) = 1;
    const Document before = window.document();

    choose(MainMenu::ReadInclude, QStringLiteral("broken.inc"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("PICデータを読み込めませんでした。\nline ")))
        << messages.shown[0].text.toStdString();
    EXPECT_TRUE(window.document() == before);
}

} // namespace
} // namespace vesk4
