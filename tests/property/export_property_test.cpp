// Random and extreme documents through the include export and the canvas: the same bytes every time,
// the layout the settings ask for, refusals that name the page, and no read outside the cell stores
// (which the sanitizer build and the stores' bounds asserts would catch).
#include "export/include_export.h"

#include "app/page_state.h"
#include "canvas/canvas_renderer.h"
#include "files/project_file.h"
#include "random_document.h"

#include <QBuffer>
#include <QList>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

constexpr unsigned kRounds = 30;

int uniform(std::mt19937 &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool wideBands(int mode)
{
    return mode == 0 || mode == 1 || mode == 2;
}

// Whether the export can lay the page's patterns out at all.
bool layable(const Document &doc, int page)
{
    const int width = doc.ChrSizeX[page];
    return width >= 1 && (wideBands(doc.ColorMode[page]) || width <= kSheetWidth);
}

// Pages of every mode, with odd, zero, negative and huge sizes and counts; a page whose patterns would
// make more than a few hundred thousand cells gets no patterns (those are the extreme cases' business).
Document randomExportDocument(std::mt19937 &rng)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.FileVer = pickOf(rng, {0, 1, 2});
    for (int page = 0; page < kPageCount; ++page) {
        doc.ChrOutFlag[page] = pickOf(rng, {0, 1, 1, 1, 1, 2, -1});
        doc.ColorMode[page] = pickOf(rng, {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, -1, 5, 32767, -32768});
        doc.ChrSizeX[page] = pickOf(
            rng, {1, 2, 3, 4, 5, 7, 8, 13, 16, 20, 24, 33, 56, 63, 64, 65, 100, 400, 0, -1, -32768, 32767});
        doc.ChrSizeY[page] = pickOf(rng, {1, 2, 3, 7, 8, 9, 15, 20, 64, 65, 100, 0, -1, -32768, 32767});
        doc.ChrPtnNum[page] = pickOf(rng, {0, 1, 2, 3, 5, 10, 99, -1, -32768});
        const int64_t cells = int64_t(std::max<int16_t>(doc.ChrPtnNum[page], 0))
            * std::max<int16_t>(doc.ChrSizeX[page], 0) * std::max<int16_t>(doc.ChrSizeY[page], 0);
        if (cells > 200000)
            doc.ChrPtnNum[page] = pickOf(rng, {0, -1, -32768});
        if (uniform(rng, 0, 2) == 0)
            doc.ChrName[page] = storableName(rng).remove(QLatin1Char('\t'));
        for (int16_t &v : doc.Pal4[page])
            v = pickOf(rng, {0, 3, 28, 224, 255, -1, 1, 2});
        // Cells all over the store, outside the sheet too, where patterns reach past it.
        for (int i = 0; i < 3000; ++i)
            doc.PixelData(page, uniform(rng, kCellMin, kCellMax), uniform(rng, kCellMin, kCellMax))
                = i % 4 == 0 ? anyInt16(rng) : int16_t(uniform(rng, 0, 4));
    }
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            doc.MapData(0, x, y) = anyInt16(rng);
    return doc;
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty());
    for (QByteArray &line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

// Checks one flagged page's block from its label on, by the rules of the page's mode: two size
// lines, then per pattern a comment and one data line per row taken with one item (two bytes in the
// mask-and-colour modes) per cell, two cells or four cells. Returns the line after the block.
qsizetype expectBlock(const QList<QByteArray> &lines, qsizetype at, const Document &doc, int page)
{
    const int mode = doc.ColorMode[page];
    const int width = doc.ChrSizeX[page];
    const int height = doc.ChrSizeY[page];
    const int rowStep = wideBands(mode) ? 1 : 8;
    const int rows = height > 0 ? (height + rowStep - 1) / rowStep : 0;
    const int perItem = mode == 1 ? 2 : mode == 2 ? 4 : 1;
    const int bytesPerItem = wideBands(mode) || mode == 3 ? 1 : 2;
    const int items = (width + perItem - 1) / perItem * bytesPerItem;

    const QByteArray name = doc.ChrName[page].toLatin1();
    EXPECT_EQ(lines.value(at++), QByteArray());
    EXPECT_EQ(lines.value(at++), "_" + name + ":");
    EXPECT_EQ(lines.value(at++), "   .byte  " + QByteArray::number(width) + "    ; chr sizeX");
    EXPECT_EQ(lines.value(at++), "   .byte  " + QByteArray::number(height) + "    ; chr sizeY");
    for (int n = 0; n < doc.ChrPtnNum[page]; ++n) {
        EXPECT_EQ(lines.value(at++), ";PTN " + QByteArray::number(n) + " ");
        for (int r = 0; r < rows; ++r) {
            const QByteArray line = lines.value(at++);
            EXPECT_TRUE(line.startsWith("   .byte  0x")) << "page " << page << " pattern " << n;
            EXPECT_EQ(line.count("0x"), items) << "page " << page << " pattern " << n;
            EXPECT_EQ(line.count(','), items - 1) << "page " << page << " pattern " << n;
        }
    }
    return at;
}

TEST(ExportProperty, RandomDocumentsExportTheSameTwiceInTheirLayoutOrNameTheFailingPage)
{
    unsigned written = 0;
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        // ASCII names only here, so the expected lines can be made from the names' Latin-1 bytes.
        Document doc = randomExportDocument(rng);
        for (QString &name : doc.ChrName)
            if (!std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; }))
                name = QStringLiteral("P") + QString::number(seed);
        // Most pages can be laid out, so one page in four that cannot makes nearly every document
        // fail; in every other round those pages are not flagged, and the whole layout is checked.
        if (seed % 2 == 0) {
            for (int page = 0; page <= kLastCharacterPage; ++page)
                if (!layable(doc, page))
                    doc.ChrOutFlag[page] = 0;
        }

        const Expected<QByteArray> first = includeFileBytes(doc);
        const Expected<QByteArray> second = includeFileBytes(doc);
        ASSERT_EQ(first.ok(), second.ok());

        int firstBad = -1;
        QList<int> flagged;
        for (int page = 0; page <= kLastCharacterPage; ++page) {
            if (doc.ChrOutFlag[page] != 1)
                continue;
            flagged.append(page);
            if (firstBad < 0 && !layable(doc, page))
                firstBad = page;
        }
        if (firstBad >= 0) {
            ASSERT_FALSE(first.ok());
            EXPECT_EQ(first.failure().message, second.failure().message);
            EXPECT_TRUE(first.failure().message.contains(
                QStringLiteral("page %1 \"%2\"").arg(firstBad).arg(doc.ChrName[firstBad])))
                << first.failure().message.toStdString();
            continue;
        }
        ASSERT_TRUE(first.ok()) << first.failure().text().toStdString();
        ASSERT_EQ(first.value(), second.value());
        ++written;

        const QList<QByteArray> lines = linesOf(first.value());
        qsizetype at = 4;
        for (int page : flagged)
            EXPECT_EQ(lines.value(at++), ".global _" + doc.ChrName[page].toLatin1());
        at += doc.ColorMode[0] == 1 ? 16 : doc.ColorMode[0] == 2 ? 4 : 0;
        for (int page : flagged)
            at = expectBlock(lines, at, doc, page);
        if (doc.FileVer == 1)
            at += 32;
        EXPECT_EQ(at + 5, lines.size()); // two empty lines and the three closing lines
    }
    EXPECT_GE(written, kRounds / 2);
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
        for (int page = 0; page < kPageCount; ++page) // before PalIni: every row as written
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
                openedState.pPage = int16_t(page);
                showPageTables(opened, openedState);
                for (int16_t scroll :
                     {int16_t(-32768), int16_t(-11), int16_t(0), int16_t(400), int16_t(32767)}) {
                    openedState.pMapSclY = scroll;
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
