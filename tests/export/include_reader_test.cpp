#include "export/include_reader.h"

#include "export/include_export.h"
#include "include_text.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

using namespace vesk4;

namespace {

// A file of the banner, the given lines and the closing lines; the given lines start at line 5.
QByteArray includeFile(std::initializer_list<const char *> body)
{
    return kBanner + lines(body) + kClosing;
}

// One 8 x 8 block _Chr00 of the given data lines, each pattern one line (two-colour modes).
QByteArray block8x8(std::initializer_list<const char *> data)
{
    QByteArray body = lines(
        {".global _Chr00", "", "_Chr00:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"});
    int n = 0;
    for (const char *line : data)
        body += ";PTN " + QByteArray::number(n++) + " \r\n" + line + "\r\n";
    return kBanner + body + kClosing;
}

IncludeReadResult readOk(const QByteArray &text)
{
    Expected<IncludeReadResult> read = readInclude(text);
    EXPECT_TRUE(read.ok()) << read.failure().text().toStdString();
    return read ? std::move(read.value()) : IncludeReadResult{};
}

QByteArray exported(const Document &doc)
{
    const Expected<QByteArray> bytes = includeFileBytes(doc);
    EXPECT_TRUE(bytes.ok());
    return bytes ? bytes.value() : QByteArray();
}

struct Cell {
    int x, y, value;
};

// The worked examples of the export, read back: the page, its mode and the cells the items name.
struct Example {
    const char *what;
    QByteArray text;
    int page;
    int mode;
    std::vector<Cell> cells;
    int notices;
};

class ReadExample : public testing::TestWithParam<Example> { };

TEST_P(ReadExample, GivesThePageAndCellsAndExportsTheSameBytes)
{
    const Example &e = GetParam();
    const IncludeReadResult read = readOk(e.text);
    const Document &doc = read.doc;
    EXPECT_EQ(doc.ColorMode[e.page], e.mode);
    EXPECT_EQ(doc.ChrOutFlag[e.page], 1);
    EXPECT_EQ(doc.ChrName[e.page], QStringLiteral("Chr00"));
    for (const Cell &c : e.cells)
        EXPECT_EQ(doc.PixelData(e.page, c.x, c.y), c.value) << c.x << "," << c.y;
    EXPECT_EQ(read.notices.size(), e.notices) << read.notices.join('\n').toStdString();
    EXPECT_EQ(exported(doc), e.text);
}

const QByteArray kPalette4Default = lines({"   .byte  0x0    ; palet4(0)", "   .byte  0x3    ; palet4(1)",
                                           "   .byte  0x1C    ; palet4(2)", "   .byte  0xE0    ; palet4(3)"});

INSTANTIATE_TEST_SUITE_P(
    WorkedItems, ReadExample,
    testing::Values(
        // A column 1, 0, 2, 0, 0, 0, 0, 1 from the top: 0x81 in "2色", where 2 reads as 0.
        Example{"two colour",
                block8x8({"   .byte  0x81,0x0,0x0,0x0,0x0,0x0,0x0,0x80"}),
                0,
                3,
                {{0, 0, 1}, {0, 1, 0}, {0, 2, 0}, {0, 7, 1}, {7, 7, 1}, {7, 0, 0}},
                0},
        // The same column in "2色Ex": mask 0xFB, colour 0x81.
        Example{
            "two colour ex",
            block8x8({"   .byte  0xFB,0x81,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0x0,0x0"}),
            0,
            4,
            {{0, 0, 1}, {0, 1, 0}, {0, 2, 2}, {0, 7, 1}, {7, 0, 2}, {7, 7, 2}},
            0},
        // Cells 3 and 10 side by side: 0xA3 in "16色"; without palette lines the page is page 1.
        Example{"sixteen colours",
                includeFile({".global _Chr00", "", "_Chr00:", "   .byte  4    ; chr sizeX",
                             "   .byte  2    ; chr sizeY", ";PTN 0 ", "   .byte  0xA3,0xFFFF",
                             "   .byte  0x0,0x1F"}),
                1,
                1,
                {{0, 0, 3}, {1, 0, 10}, {2, 0, 15}, {3, 0, 4095}, {2, 1, 15}, {3, 1, 1}},
                1},
        // Cells 0, 224, 3, 28 through the default Pal4 row 0, 3, 28, 224: indices 0, 3, 1, 2, item 0x9C.
        Example{"four colours",
                kBanner + lines({".global _Chr00"}) + kPalette4Default
                    + lines({"", "_Chr00:", "   .byte  4    ; chr sizeX", "   .byte  2    ; chr sizeY",
                             ";PTN 0 ", "   .byte  0x9C", "   .byte  0xFF"})
                    + kClosing,
                0,
                2,
                {{0, 0, 0}, {1, 0, 224}, {2, 0, 3}, {3, 0, 28}, {0, 1, 224}},
                0},
        // Cell values themselves in "256色", negatives in two's complement.
        Example{"256 colours",
                includeFile({".global _Chr00", "", "_Chr00:", "   .byte  2    ; chr sizeX",
                             "   .byte  2    ; chr sizeY", ";PTN 0 ", "   .byte  0x5,0xFFFF",
                             "   .byte  0x8000,0x7FFF"}),
                0,
                0,
                {{0, 0, 5}, {1, 0, -1}, {0, 1, -32768}, {1, 1, 32767}},
                0},
        // Height 1: a column byte of "2色" or a cell of "256色"; the monochrome reading, with a notice.
        Example{"ambiguous",
                includeFile({".global _Chr00", "", "_Chr00:", "   .byte  2    ; chr sizeX",
                             "   .byte  1    ; chr sizeY", ";PTN 0 ", "   .byte  0x1,0x0"}),
                0,
                3,
                {{0, 0, 1}, {1, 0, 0}},
                1},
        // An item above a byte leaves only "256色".
        Example{"not ambiguous",
                includeFile({".global _Chr00", "", "_Chr00:", "   .byte  2    ; chr sizeX",
                             "   .byte  1    ; chr sizeY", ";PTN 0 ", "   .byte  0x1,0x100"}),
                0,
                0,
                {{0, 0, 1}, {1, 0, 256}},
                0}),
    [](const testing::TestParamInfo<Example> &info) {
        QByteArray name = info.param.what;
        return name.replace(' ', '_').toStdString();
    });

TEST(IncludeReader, TheExportsGoldenFileReadsBackAsItsDocument)
{
    QFile golden(QStringLiteral(VESK4_TEST_DATA "/include_two_colour_page/expected.inc"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray text = golden.readAll();
    const IncludeReadResult read = readOk(text);
    for (int page = 0; page < kPageCount; ++page)
        EXPECT_EQ(read.doc.ChrOutFlag[page], page == 0 ? 1 : 0);
    EXPECT_EQ(read.doc.ChrPtnNum[0], 1);
    EXPECT_EQ(read.doc.FileVer, 0);
    EXPECT_TRUE(read.notices.isEmpty());
    EXPECT_EQ(exported(read.doc), text);
}

// Palette lines with a first block of another mode: page 0 keeps the palette unflagged, the blocks
// follow from page 1; a palette other than the default is told, for a project file drops it.
TEST(IncludeReader, PaletteLinesStayWithPage0)
{
    QByteArray palette;
    for (int k = 0; k < 16; ++k)
        palette += "   .word  0x0" + QByteArray(k == 3 ? "F00" : "000") + "    ; Palet16("
            + QByteArray::number(k) + ")\r\n";
    const QByteArray text = kBanner + lines({".global _A", ".global _B"}) + palette
        + lines({"", "_A:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY", ";PTN 0 ",
                 "   .byte  0x1,0x2,0x3,0x4,0x5,0x6,0x7,0x8", "", "_B:", "   .byte  8    ; chr sizeX",
                 "   .byte  8    ; chr sizeY"})
        + kClosing;
    const IncludeReadResult read = readOk(text);
    EXPECT_EQ(read.doc.ColorMode[0], 1);
    EXPECT_EQ(read.doc.ChrOutFlag[0], 0);
    EXPECT_EQ(read.doc.ChrName[1], QStringLiteral("A"));
    EXPECT_EQ(read.doc.ChrName[2], QStringLiteral("B"));
    EXPECT_EQ(read.doc.ColorMode[1], 3);
    EXPECT_EQ(read.doc.PixelData(1, 1, 1), 1);
    // The word 0x0F00 is red level 7 alone, the RGB332 value 0xE0; 0x0000 is black.
    EXPECT_EQ(read.doc.PalOrder[read.doc.Pal16[0][3]] & 0xFF, 0xE0);
    EXPECT_EQ(read.doc.PalOrder[read.doc.Pal16[0][0]] & 0xFF, 0);
    EXPECT_EQ(read.notices.size(), 2) << read.notices.join('\n').toStdString();
    EXPECT_EQ(exported(read.doc), text);
}

TEST(IncludeReader, MapLinesGiveTheMapAndFormat1)
{
    QByteArray map;
    for (int y = 0; y < 32; ++y)
        map += y == 5 ? "   .byte  0x0,0x0,0xAB,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0xFFFF\r\n"
                      : "   .byte  0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0,0x0\r\n";
    const QByteArray text
        = block8x8({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0"}).chopped(kClosing.size()) + map + kClosing;
    const IncludeReadResult read = readOk(text);
    EXPECT_EQ(read.doc.FileVer, 1);
    EXPECT_EQ(read.doc.MapData(0, 2, 5), 171);
    EXPECT_EQ(read.doc.MapData(0, 15, 5), -1);
    EXPECT_EQ(read.doc.PixelData(0, 0, 0), 1);
    EXPECT_EQ(exported(read.doc), text);
}

// What cannot be placed or is not understood is refused with its line.
struct Refusal {
    const char *what;
    QByteArray text;
    int line;
    const char *says;
};

class ReadRefusal : public testing::TestWithParam<Refusal> { };

TEST_P(ReadRefusal, NamesTheLine)
{
    const Refusal &r = GetParam();
    const Expected<IncludeReadResult> read = readInclude(r.text);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().line, r.line);
    EXPECT_TRUE(read.failure().message.contains(QString::fromUtf8(r.says)))
        << read.failure().message.toStdString();
}

QByteArray blocks(int count)
{
    QByteArray declarations, body;
    for (int i = 0; i < count; ++i) {
        declarations += ".global _P" + QByteArray::number(i) + "\r\n";
        body += "\r\n_P" + QByteArray::number(i)
            + ":\r\n   .byte  8    ; chr sizeX\r\n   .byte  8    ; chr sizeY\r\n";
    }
    return kBanner + declarations + body + kClosing;
}

const QByteArray kTwoPatterns
    = block8x8({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0", "   .byte  0x2,0x0,0x0,0x0,0x0,0x0,0x0,0x0"});

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRefusal,
    testing::Values(
        // Cut after pattern 0's data line (line 11).
        Refusal{"truncated", kTwoPatterns.left(kTwoPatterns.indexOf(";PTN 1")), 11, "cut short"},
        Refusal{
            "missing item",
            block8x8({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0", "   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0"}),
            13, "7 items"},
        Refusal{"empty item", block8x8({"   .byte  0x1,,0x0,0x0,0x0,0x0,0x0,0x0"}), 11, "Item 2"},
        Refusal{"label without sizes", includeFile({".global _Chr00", "", "_Chr00:", ";PTN 0 "}), 7,
                "size lines"},
        Refusal{"32 blocks", blocks(32), 4 + 32 + 31 * 4 + 2, "31st"},
        Refusal{"not understood", includeFile({"   mov  a,b"}), 5, "Not understood"},
        Refusal{
            "colour bit without mask",
            block8x8({"   .byte  0x0,0x1,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0"}),
            11, "mask"},
        // "256色" of width 20: pattern 3 covers columns 60-79, and a project file keeps only 0-63.
        Refusal{"cell beyond the sheet",
                includeFile({".global _Chr00", "", "_Chr00:", "   .byte  20    ; chr sizeX",
                             "   .byte  1    ; chr sizeY", ";PTN 0 ",
                             "   .byte  0x100" + QByteArray(",0x0").repeated(19), ";PTN 1 ",
                             "   .byte  0x100" + QByteArray(",0x0").repeated(19), ";PTN 2 ",
                             "   .byte  0x100" + QByteArray(",0x0").repeated(19), ";PTN 3 ",
                             "   .byte  0x100" + QByteArray(",0x0").repeated(18) + ",0x7"}),
                17, "beyond the 64 x 256 sheet"},
        Refusal{"undeclared block",
                includeFile({"", "_Chr00:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"}), 6,
                ".global"}),
    [](const testing::TestParamInfo<Refusal> &info) {
        QByteArray name = info.param.what;
        return name.replace(' ', '_').toStdString();
    });

} // namespace
