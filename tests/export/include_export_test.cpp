#include "export/include_export.h"

#include "document/page_state.h"
#include "include_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

using namespace vesk4;

namespace {

// The start-up document with page 0 flagged, in the given mode and size, holding patterns.
Document page0(int mode, int width, int height, int patterns)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.ChrOutFlag[0] = 1;
    doc.ColorMode[0] = int16_t(mode);
    doc.ChrSizeX[0] = int16_t(width);
    doc.ChrSizeY[0] = int16_t(height);
    doc.ChrPtnNum[0] = int16_t(patterns);
    return doc;
}

QByteArray bytesOf(const Document &doc)
{
    const Expected<QByteArray> bytes = includeFileBytes(doc);
    EXPECT_TRUE(bytes.ok()) << bytes.failure().message.toStdString();
    return bytes ? bytes.value() : QByteArray();
}

// The pattern lines of page 0, after its size lines (and after the palette lines of modes 1 and 2).
QByteArray patternsOf(const Document &doc)
{
    const QByteArray sizeY = "   .byte  " + QByteArray::number(doc.ChrSizeY[0]) + "    ; chr sizeY\r\n";
    const QByteArray bytes = bytesOf(doc);
    const qsizetype start = bytes.indexOf(sizeY) + sizeY.size();
    EXPECT_TRUE(bytes.startsWith(kBanner + ".global _Chr00\r\n") && bytes.endsWith(kClosing));
    return bytes.mid(start, bytes.size() - start - kClosing.size());
}

void setColumn(Document &doc, int x, int y, std::initializer_list<int> values)
{
    for (int v : values)
        doc.PixelData(0, x, y++) = int16_t(v);
}

} // namespace

TEST(IncludeExport, TwoColourPageMatchesGoldenFile)
{
    QFile golden(QStringLiteral(VESK4_TEST_DATA "/include_two_colour_page/expected.inc"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytesOf(page0(3, 8, 8, 1)), golden.readAll());
}

TEST(IncludeExport, PagesExportedAreFlaggedPagesUpTo30)
{
    Document doc = page0(3, 8, 8, 0);
    EXPECT_EQ(bytesOf(doc),
              kBanner + ".global _Chr00\r\n"
                  + lines({"", "_Chr00:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"})
                  + kClosing);

    doc.ChrOutFlag = {};
    doc.ChrOutFlag[31] = 1;
    doc.ChrSizeX[31] = 0; // the BG page is never laid out, so its size does not matter
    EXPECT_EQ(bytesOf(doc), kBanner + kClosing);

    doc.ChrOutFlag[2] = doc.ChrOutFlag[30] = 1;
    doc.ChrName[2] = QStringLiteral("キャラ");
    doc.ChrSizeY[30] = -8;
    doc.ChrPtnNum[30] = -1;
    EXPECT_EQ(
        bytesOf(doc),
        kBanner
            + lines({".global _\x83\x4C\x83\x83\x83\x89", ".global _Chr30", "",
                     "_\x83\x4C\x83\x83\x83\x89:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY",
                     "", "_Chr30:", "   .byte  8    ; chr sizeX", "   .byte  -8    ; chr sizeY"})
            + kClosing);
}

TEST(IncludeExport, PaletteOfPage0FollowsItsModeAlone)
{
    Document doc = page0(1, 8, 8, 0);
    doc.ChrOutFlag[0] = 0;
    doc.Pal16[0][3] = 300; // outside the colour-number table: black
    EXPECT_EQ(bytesOf(doc),
              kBanner
                  + lines({"   .word  0x0FFD    ; Palet16(0)", "   .word  0x0000    ; Palet16(1)",
                           "   .word  0x0B3D    ; Palet16(2)", "   .word  0x0000    ; Palet16(3)",
                           "   .word  0x00B0    ; Palet16(4)", "   .word  0x0D00    ; Palet16(5)",
                           "   .word  0x0F00    ; Palet16(6)", "   .word  0x0DD0    ; Palet16(7)",
                           "   .word  0x0FF0    ; Palet16(8)", "   .word  0x00BD    ; Palet16(9)",
                           "   .word  0x00FD    ; Palet16(10)", "   .word  0x0D70    ; Palet16(11)",
                           "   .word  0x0999    ; Palet16(12)", "   .word  0x0BBD    ; Palet16(13)",
                           "   .word  0x0DDD    ; Palet16(14)", "   .word  0x0FFD    ; Palet16(15)"})
                  + kClosing);

    doc.ColorMode[0] = 2;
    doc.Pal4[1] = {1, 1, 1, 1}; // only page 0's row is written
    EXPECT_EQ(bytesOf(doc),
              kBanner
                  + lines({"   .byte  0x0    ; palet4(0)", "   .byte  0x3    ; palet4(1)",
                           "   .byte  0x1C    ; palet4(2)", "   .byte  0xE0    ; palet4(3)"})
                  + kClosing);
}

TEST(IncludeExport, MapRowsFollowTheBlocksWhenFileVerIs1)
{
    Document doc = page0(3, 8, 8, 0);
    const QByteArray block = lines(
        {".global _Chr00", "", "_Chr00:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"});
    doc.MapData(0, 2, 5) = 171;
    doc.MapData(0, 15, 31) = -1;
    doc.MapData(0, 16, 0) = 9; // beyond the 16 positions of a row
    doc.MapData(1, 0, 0) = 9; // another page's plane
    doc.FileVer = 2;
    EXPECT_EQ(bytesOf(doc), kBanner + block + kClosing);

    doc.FileVer = 1;
    QByteArray map;
    for (int y = 0; y < 32; ++y) {
        map += y == 5 ? "   .byte  0x0,0x0,0xAB,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0\r\n"
            : y == 31 ? "   .byte  0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0xFFFF\r\n"
                      : "   .byte  0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0\r\n";
    }
    EXPECT_EQ(bytesOf(doc), kBanner + block + map + kClosing);
}

TEST(IncludeExport, TwoColourModesPackColumnsOfEightRows)
{
    Document doc = page0(3, 2, 20, 1);
    setColumn(doc, 0, 0, {1, 0, 2, 0, 0, 0, 0, 1});
    setColumn(doc, 1, 0, {3, 1, 1, 1, 1, 1, 1, 1});
    setColumn(doc, 0, 16, {1, 0, 0, 2, 1, 0, 0, 0, 1}); // rows 20-23 lie beyond the pattern, 24 is not read
    EXPECT_EQ(patternsOf(doc),
              lines({";PTN 0 ", "   .byte  0x81,0xFE", "   .byte  0x0,0x0", "   .byte  0x11,0x0"}));

    for (int mode : {4, 7}) { // an unknown mode is written as 2色Ex
        doc.ColorMode[0] = int16_t(mode);
        EXPECT_EQ(patternsOf(doc),
                  lines({";PTN 0 ", "   .byte  0xFB,0x81,0xFF,0xFE", "   .byte  0xFF,0x0,0xFF,0x0",
                         "   .byte  0xF7,0x11,0xFF,0x0"}));
    }
}

TEST(IncludeExport, ColourModesEncodeRowsOfCells)
{
    Document doc = page0(0, 5, 1, 1);
    setColumn(doc, 0, 0, {5});
    doc.PixelData(0, 1, 0) = 171;
    doc.PixelData(0, 2, 0) = -1;
    doc.PixelData(0, 3, 0) = 300;
    doc.PixelData(0, 4, 0) = -32768;
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0x5,0xAB,0xFFFF,0x12C,0x8000"}));

    // 16 colours: left cell low; sums outside a byte keep every bit, negatives in two's complement.
    doc = page0(1, 12, 1, 1);
    const std::array<int16_t, 12> cells{3, 10, -1, 0, 0, -1, 0, -4096, 15, 32767, 0, -2048};
    for (int x = 0; x < 12; ++x)
        doc.PixelData(0, x, 0) = cells[x];
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0xA3,0xFFFF,0xFFF0,0xFFFF0000,0x7FFFF,0x8000"}));

    // 4 colours: indices into the page's own Pal4 row, lowest bits leftmost; places past the width are 0.
    doc = page0(2, 6, 1, 1);
    setColumn(doc, 0, 0, {0});
    doc.PixelData(0, 1, 0) = 224;
    doc.PixelData(0, 2, 0) = 3;
    doc.PixelData(0, 3, 0) = 28;
    doc.PixelData(0, 4, 0) = 99; // in no entry: index 0
    doc.PixelData(0, 5, 0) = 28;
    doc.PixelData(0, 6, 0) = 224;
    EXPECT_EQ(patternsOf(doc), lines({";PTN 0 ", "   .byte  0x9C,0x8"}));
    doc.Pal4[0] = {9, 28, 28, 0};
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

    doc.ColorMode[0] = 3; // band width 60: pattern 3 at column 0 of the band below
    doc.ChrSizeY[0] = 1;
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
    EXPECT_EQ(bytes.count(";PTN"), 32767);
}

TEST(IncludeExport, PagesThatCannotBeLaidOutStopTheExport)
{
    struct Case {
        int mode, width;
    };
    for (Case c : {Case{3, 0}, Case{3, 65}, Case{4, 65}, Case{0, -1}, Case{7, 100}}) {
        Document doc = page0(3, 8, 8, 1);
        doc.ChrOutFlag[3] = 1;
        doc.ColorMode[3] = int16_t(c.mode);
        doc.ChrSizeX[3] = int16_t(c.width);
        doc.ChrPtnNum[3] = 0;
        const Expected<QByteArray> bytes = includeFileBytes(doc);
        ASSERT_FALSE(bytes.ok()) << c.mode << " " << c.width;
        EXPECT_TRUE(bytes.failure().message.contains(QStringLiteral("page 3 \"Chr03\"")));
        EXPECT_TRUE(bytes.failure().message.contains(QStringLiteral("%1 x 8").arg(c.width)));
    }
    Document wide = page0(0, 65, 8, 1);
    EXPECT_TRUE(includeFileBytes(wide).ok()); // the 64-column band of modes 0-2 takes any width

    wide.ChrSizeX[0] = wide.ChrSizeY[0] = 32767; // gigabytes of text: refused, not attempted
    EXPECT_TRUE(includeFileBytes(wide).failure().message.contains(QStringLiteral("page 0 \"Chr00\"")));

    wide.ChrSizeX[0] = wide.ChrSizeY[0] = 8;
    wide.ChrName[0] = QStringLiteral("A\U0001F600"); // no code in code page 932
    EXPECT_TRUE(includeFileBytes(wide).failure().message.contains(QStringLiteral("page 0")));
}

TEST(IncludeExport, ExportWritesTheWholeFileOrLeavesTheOldOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ChrData.inc"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();

    Document doc = page0(3, 0, 8, 1);
    const Status failed = exportInclude(doc, path);
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.failure().message.contains(QStringLiteral("Chr00")));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old contents");
    old.close();

    doc.ChrSizeX[0] = 8;
    EXPECT_TRUE(exportInclude(doc, path).ok());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), bytesOf(doc));

    EXPECT_FALSE(exportInclude(doc, dir.path()).ok());
    EXPECT_FALSE(exportInclude(doc, dir.filePath(QStringLiteral("missing/ChrData.inc"))).ok());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
}
