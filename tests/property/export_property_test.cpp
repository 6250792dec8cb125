// Extreme documents through the include export and the canvas: the patterns the numbers ask for or a
// refusal that names the page, and no read outside the cell stores (which the sanitizer build and the
// stores' bounds asserts would catch).
#include "export/include_export.h"

#include "canvas/canvas_renderer.h"
#include "document/page_state.h"
#include "files/project_file.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

bool wideBands(int mode)
{
    return mode == 0 || mode == 1 || mode == 2;
}

// Sizes and counts at the ends of the 16-bit range in every mode: the export either writes the
// patterns the numbers ask for or refuses with the page's name; the pattern positions are computed
// wide, so none folds onto another.
TEST(ExportProperty, ExtremeSizesAndCountsAreWrittenInFullOrRefused)
{
    const int counts[] = {32767, -32768, 1};
    const int sizes[] = {32767, -32768, 1, 3};
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.ChrOutFlag[5] = 1;
    for (int mode : {0, 1, 2, 3, 4, 32767}) {
        for (int count : counts) {
            for (int width : sizes) {
                for (int height : sizes) {
                    SCOPED_TRACE(testing::Message() << mode << " " << count << " " << width << " " << height);
                    doc.ColorMode[5] = int16_t(mode);
                    doc.ChrSizeX[5] = int16_t(width);
                    doc.ChrSizeY[5] = int16_t(height);
                    doc.ChrPtnNum[5] = int16_t(count);
                    const Expected<QByteArray> bytes = includeFileBytes(doc);
                    if (!bytes) {
                        EXPECT_TRUE(bytes.failure().message.contains(QStringLiteral("page 5 \"Chr05\"")));
                        // Refused only when it cannot be laid out or would be far too large.
                        const int64_t patterns = std::max(count, 0);
                        EXPECT_TRUE(width < 1 || (!wideBands(mode) && width > 64)
                                    || patterns * std::max(height, 0) * width > 10'000'000);
                        continue;
                    }
                    EXPECT_TRUE(width >= 1 && (wideBands(mode) || width <= 64));
                    const QByteArray &out = bytes.value();
                    EXPECT_EQ(out.count(";PTN "), std::max(count, 0));
                    if (count == 32767) {
                        EXPECT_TRUE(out.contains("\r\n;PTN 32766 \r\n"));
                    }
                }
            }
        }
    }
}

// Every table field at an end of the 16-bit range, through save, read, export and the canvas.
TEST(ExportProperty, ExtremeTablesPassSaveReadExportAndDrawing)
{
    for (int16_t end : {int16_t(-32768), int16_t(32767)}) {
        SCOPED_TRACE(end);
        Document doc;
        EditorState state;
        startDocument(doc, state);
        doc.FileVer = 1;
        for (int page = 0; page < kPageCount; ++page) {
            doc.ColorMode[page] = end;
            doc.ChrSizeX[page] = end;
            doc.ChrSizeY[page] = end;
            doc.ChrPtnNum[page] = end;
            doc.ChrOutFlag[page] = end;
            doc.Pal4[page].fill(end);
            doc.Pal8[page].fill(end);
            doc.Pal16[page].fill(end);
            for (int y = kCellMin; y <= kCellMax; ++y)
                for (int x = kCellMin; x <= kCellMax; ++x)
                    doc.PixelData(page, x, y) = doc.MapData(page, x, y) = end;
        }

        QBuffer file;
        file.open(QIODevice::WriteOnly);
        ASSERT_TRUE(writeProject(doc, file).ok());
        file.close();
        file.open(QIODevice::ReadOnly);
        Expected<ProjectContent> read = readProject(file);
        ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
        Document opened;
        EditorState openedState;
        startDocument(opened, openedState);
        applyProjectContent(opened, std::move(read.value()));
        EXPECT_EQ(opened.ChrSizeX, doc.ChrSizeX);
        for (int page = 0; page < kPageCount; ++page) // before resetPalettes: every row as written
            EXPECT_TRUE(std::equal(doc.Pal16[page].begin(), doc.Pal16[page].begin() + 16,
                                   opened.Pal16[page].begin()));

        // Flags are not 1, so nothing but the map is exported; flag two pages and the export either
        // refuses (a negative width) or finds the patterns too many.
        const Expected<QByteArray> mapOnly = includeFileBytes(opened);
        ASSERT_TRUE(mapOnly.ok());
        const QByteArray item = end < 0 ? "0x8000" : "0x7FFF";
        EXPECT_TRUE(mapOnly.value().contains("   .byte  " + (item + ",").repeated(15) + item + "\r\n"));
        opened.ChrOutFlag[0] = opened.ChrOutFlag[30] = 1;
        const Expected<QByteArray> flagged = includeFileBytes(opened);
        ASSERT_FALSE(flagged.ok());
        EXPECT_TRUE(flagged.failure().message.contains(QStringLiteral("page 0 \"Chr00\"")));

        // The canvas at every page and at scroll rows and grid intervals far past their ranges.
        CanvasRenderer renderer(openedState);
        for (int16_t grid : {int16_t(-32768), int16_t(0), int16_t(1), int16_t(32767)}) {
            opened.GridX = opened.GridY = grid;
            for (int page = 0; page < kPageCount; ++page) {
                openedState.currentPage = int16_t(page);
                showPageTables(opened, openedState);
                for (int16_t scroll :
                     {int16_t(-32768), int16_t(-11), int16_t(0), int16_t(400), int16_t(32767)}) {
                    openedState.scrollRow = scroll;
                    renderer.redraw(opened, openedState);
                }
            }
        }
        // A width of 32767 leaves no whole pattern in view: grey; -32768 none at all: grey too.
        EXPECT_EQ(renderer.canvas().pixel(3, 3), qRgb(200, 200, 200));
        EXPECT_EQ(renderer.canvas().size(), QSize(512, 640));
    }
}

} // namespace
