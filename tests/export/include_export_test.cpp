#include "export/include_export.h"

#include "document/page_state.h"
#include "export/include_check.h"
#include "export/include_reader.h"
#include "export/include_where.h"
#include "include_text.h"

#include <QFile>
#include <QPoint>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

// The start-up document with page 0 flagged, in the given mode and size, holding patterns.
Document page0(int mode, int width, int height, int patterns)
{
    Document doc = startedDocument();
    setPage(doc.pages[0], mode, width, height, patterns);
    return doc;
}

QByteArray bytesOf(const Document &doc)
{
    const Expected<QByteArray> bytes = includeFileBytes(doc);
    EXPECT_TRUE(bytes.ok()) << bytes.failure().message.toStdString();
    return bytes ? bytes.value() : QByteArray();
}

// The pattern lines of page 0, after its size lines.
QByteArray patternsOf(const Document &doc)
{
    const QByteArray bytes = bytesOf(doc);
    EXPECT_TRUE(bytes.startsWith(kBanner + ".global _Chr00\r\n") && bytes.endsWith(kClosing));
    return bytes.mid(bytes.indexOf("; chr sizeY\r\n") + 13).chopped(kClosing.size());
}

// Cells of page 0 from `at` on, each `step` from the last.
void setCells(Document &doc, QPoint at, QPoint step, std::initializer_list<int> values)
{
    for (int v : values) {
        doc.PixelData(0, at.x(), at.y()) = int16_t(v);
        at += step;
    }
}

const QPoint kDown(0, 1);
const QPoint kRight(1, 0);

// Flagged pages up to 30 are declared and laid out, named in code page 932; page 0's palette follows
// its mode whether or not it is flagged; the map rows follow the blocks when the format number is 1.
// The include check names the place of any line of this file that differs.
TEST(IncludeExport, DeclarationsPaletteBlocksAndMapMatchGoldenFile)
{
    Document doc = page0(1, 8, 8, 0);
    doc.pages[0].outputFlag = 0;
    doc.pages[0].pal16[3] = 300; // outside the colour-number table: black
    doc.pages[2].outputFlag = doc.pages[30].outputFlag = doc.pages[31].outputFlag = 1;
    doc.pages[31].patternWidth = 0; // the BG page is never laid out, so its size does not matter
    doc.pages[2].name = QStringLiteral("キャラ");
    doc.pages[30].patternHeight = -8;
    doc.pages[30].patternCount = -1;
    doc.FileVer = 1;
    doc.MapData(0, 2, 5) = 171;
    doc.MapData(0, 15, 31) = -1;
    doc.MapData(0, 16, 0) = doc.MapData(1, 0, 0) = 9; // beyond the 16 places of a row; another page's
    QFile golden(QStringLiteral(VESK4_TEST_DATA "/include_pages_palette_map/expected.inc"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = golden.readAll();
    EXPECT_EQ(bytesOf(doc), expected);
    // The include check on each part of the file: banner 1-4, declarations 5-6, palette 7-22, the
    // blocks of pages 2 and 30 23-30, map 31-62, closing 63-67. A line of the file changed is named with
    // its place, and with what the export writes there when it writes anything.
    ASSERT_EQ(expected.count('\n'), 67);
    EXPECT_FALSE(firstIncludeDifference(doc, expected, expected));
    const std::pair<int, const char *> places[] = {
        {1, "the banner"},
        {6, "the declarations"},
        {7, "the palette of page 0"},
        {22, "the palette of page 0"},
        {23, "page 2 \"キャラ\", its label and sizes"},
        {30, "page 30 \"Chr30\", its label and sizes"},
        {31, "the map"},
        {63, "the closing lines"},
        {68, "past the end of the export"},
    };
    for (const auto &[line, place] : places) {
        SCOPED_TRACE(line);
        QList<QByteArray> changed = expected.split('\n');
        changed[line - 1].prepend('x');
        const std::optional<IncludeDifference> d = firstIncludeDifference(doc, expected, changed.join('\n'));
        ASSERT_TRUE(d);
        EXPECT_EQ(d->line, line);
        EXPECT_EQ(d->place, QString::fromUtf8(place));
        EXPECT_TRUE(d->found && d->found->startsWith(changed[line - 1]));
        EXPECT_EQ(d->expected.has_value(), line <= 67);
    }
    // 16 palette words, two blocks of their two size bytes, 32 map lines of 16 bytes.
    ASSERT_EQ(assembledBytes(expected), 32 + 2 + 2 + 512);
    EXPECT_EQ(includeSizes(doc).value().total, assembledBytes(expected));
    EXPECT_EQ(bytesOf(storedDocument(std::move(readInclude(expected).value().content))),
              expected); // the palette words read back

    doc.FileVer = 2;
    EXPECT_EQ(bytesOf(doc), expected.left(expected.indexOf("   .byte  0x0,")) + kClosing);

    doc.pages[0].colourMode = 2;
    doc.pages[1].pal4 = {1, 1, 1, 1}; // only page 0's row is written
    for (Page &page : doc.pages)
        page.outputFlag = 0;
    EXPECT_EQ(bytesOf(doc),
              kBanner
                  + lines({"   .byte  0x0    ; palet4(0)", "   .byte  0x3    ; palet4(1)",
                           "   .byte  0x1C    ; palet4(2)", "   .byte  0xE0    ; palet4(3)"})
                  + kClosing);

    doc.pages[2].outputFlag = 1;
    doc.pages[2].name = QStringLiteral("A\U0001F600"); // no code in code page 932
    EXPECT_TRUE(includeFileBytes(doc).failure().message.contains(QStringLiteral("page 2")));
}

TEST(IncludeExport, TwoColourModesPackColumnsOfEightRows)
{
    Document doc = page0(3, 2, 20, 1);
    setCells(doc, {0, 0}, kDown, {1, 0, 2, 0, 0, 0, 0, 1});
    setCells(doc, {1, 0}, kDown, {3, 1, 1, 1, 1, 1, 1, 1});
    // Rows 20-23 lie beyond the pattern, 24 is not read.
    setCells(doc, {0, 16}, kDown, {1, 0, 0, 2, 1, 0, 0, 0, 1});
    EXPECT_EQ(patternsOf(doc),
              lines({";PTN 0 ", "   .byte  0x81,0xFE", "   .byte  0x0,0x0", "   .byte  0x11,0x0"}));

    for (int mode : {4, 7}) { // an unknown mode is written as 2色Ex
        doc.pages[0].colourMode = int16_t(mode);
        EXPECT_EQ(patternsOf(doc),
                  lines({";PTN 0 ", "   .byte  0xFB,0x81,0xFF,0xFE", "   .byte  0xFF,0x0,0xFF,0x0",
                         "   .byte  0xF7,0x11,0xFF,0x0"}));
    }
}

TEST(IncludeExport, ColourModesEncodeRowsOfCells)
{
    Document doc = page0(0, 5, 1, 1);
    setCells(doc, {0, 0}, kRight, {5, 171, -1, 300, -32768});
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0x5,0xAB,0xFFFF,0x12C,0x8000"}));

    // 16 colours: left cell low; sums outside a byte keep every bit, negatives in two's complement.
    doc = page0(1, 12, 1, 1);
    setCells(doc, {0, 0}, kRight, {3, 10, -1, 0, 0, -1, 0, -4096, 15, 32767, 0, -2048});
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0xA3,0xFFFF,0xFFF0,0xFFFF0000,0x7FFFF,0x8000"}));

    // 4 colours: indices into the page's own pal4 row, lowest bits leftmost; places past the width are 0.
    doc = page0(2, 6, 1, 1);
    setCells(doc, {0, 0}, kRight, {0, 224, 3, 28, 99, 28, 224}); // 99 is in no entry: index 0
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0x9C,0x8"}));
    doc.pages[0].pal4 = {9, 28, 28, 0};
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0x43,0x4"}));
}

TEST(IncludeExport, OddWidthsWrapAtColumn64OrStartANewBand)
{
    Document doc = page0(0, 20, 1, 4);
    doc.PixelData(0, 60, 0) = 1;
    doc.PixelData(0, 79, 0) = 2;
    doc.PixelData(0, 0, 1) = 3;
    const QByteArray zeros19 = QByteArray("0x0,").repeated(19);
    const QByteArray runs = patternsOf(doc);
    EXPECT_TRUE(runs.endsWith(";PTN 3 \r\n   .byte  0x1," + zeros19.mid(4) + "0x2\r\n"))
        << runs.toStdString();

    doc.pages[0].colourMode = 3; // band width 60: pattern 3 at column 0 of the band below
    EXPECT_TRUE(patternsOf(doc).endsWith(";PTN 3 \r\n   .byte  0x0," + zeros19.chopped(1) + "\r\n"));
    doc.PixelData(0, 0, 1) = 1;
    EXPECT_TRUE(patternsOf(doc).endsWith(";PTN 3 \r\n   .byte  0x1," + zeros19.chopped(1) + "\r\n"));
}

TEST(IncludeExport, CellsBeyondTheStoreCountAs0)
{
    Document doc = page0(3, 8, 8, 32767);
    doc.PixelData(0, 0, 400) = 1; // pattern 400 starts on the store's last row
    doc.PixelData(0, 0, 399) = 1;
    const QByteArray bytes = patternsOf(doc);
    const QByteArray zeros = ",0x0,0x0,0x0,0x0,0x0,0x0,0x0\r\n";
    EXPECT_TRUE(bytes.contains(";PTN 392 \r\n   .byte  0x80" + zeros));
    EXPECT_TRUE(bytes.contains(";PTN 399 \r\n   .byte  0x0" + zeros + ";PTN 400 \r\n   .byte  0x1" + zeros));
    EXPECT_TRUE(bytes.endsWith(";PTN 32766 \r\n   .byte  0x0" + zeros));
}

// Sizes and counts at the limits of the layout and of the 16-bit range in every mode: the export
// writes every pattern the count asks for, or refuses naming the page and its size; the pattern
// positions are computed wide, so none folds onto another.
TEST(IncludeExport, ExtremeSizesAndCountsAreWrittenInFullOrRefused)
{
    Document doc = page0(3, 8, 8, 0);
    for (int mode : {0, 1, 2, 3, 4, 32767}) {
        for (int count : {32767, -32768, 1}) {
            for (int width : {-32768, 0, 1, 65, 32767}) {
                for (int height : {-32768, 1, 32767}) {
                    SCOPED_TRACE(testing::Message() << mode << " " << count << " " << width << " " << height);
                    setPage(doc.pages[0], mode, width, height, count);
                    const Expected<QByteArray> bytes = includeFileBytes(doc);
                    const int64_t patterns = std::max(count, 0);
                    const bool laidOut = width >= 1 && (mode <= 2 || width <= 64);
                    if (!bytes) {
                        const QString message = bytes.failure().message;
                        EXPECT_TRUE(message.contains(QStringLiteral("page 0 \"Chr00\"")));
                        EXPECT_TRUE(message.contains(QStringLiteral("%1 x %2 cells").arg(width).arg(height)));
                        // Refused only when it cannot be laid out or would be far too large.
                        EXPECT_TRUE(!laidOut || patterns * std::max(height, 0) * width > 10'000'000);
                        continue;
                    }
                    EXPECT_TRUE(laidOut);
                    EXPECT_EQ(bytes.value().count(";PTN "), patterns);
                    EXPECT_EQ(bytes.value().contains("\r\n;PTN 32766 \r\n"), count == 32767);
                }
            }
        }
    }
}

} // namespace
