#include "export/include_reader.h"

#include "export/include_export.h"
#include "include_text.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vesk4;

namespace {

const QByteArray kSizes8x8 = lines({"   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"});

// A file of the banner, the given lines and the closing lines; the given lines start at line 5.
QByteArray includeFile(const QByteArray &body)
{
    return kBanner + body + kClosing;
}

// One 8 x 8 block _Chr00 of the given data lines, each pattern one line (two-colour modes).
QByteArray block8x8(std::initializer_list<const char *> data)
{
    QByteArray body = lines({".global _Chr00", "", "_Chr00:"}) + kSizes8x8;
    int n = 0;
    for (const char *line : data)
        body += ";PTN " + QByteArray::number(n++) + " \r\n" + line + "\r\n";
    return body;
}

struct Cell {
    int x, y, value;
};

// Files as the export writes them, read back: the page and mode of the first block, a few of its
// cells, how many notices the reading gives, and the same bytes exported again. How each mode's
// items read is also pinned by the random round trip of the property tests.
struct Example {
    const char *what;
    int page;
    int mode;
    int notices;
    QByteArray body;
    std::vector<Cell> cells;
};

class ReadExample : public testing::TestWithParam<Example> { };

TEST_P(ReadExample, GivesThePageAndCellsAndExportsTheSameBytes)
{
    const Example &e = GetParam();
    const Expected<IncludeReadResult> read = readInclude(includeFile(e.body));
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    const Document &doc = read.value().doc;
    EXPECT_EQ(doc.ColorMode[e.page], e.mode);
    EXPECT_EQ(doc.ChrOutFlag[e.page], 1);
    for (const Cell &c : e.cells)
        EXPECT_EQ(doc.PixelData(e.page, c.x, c.y), c.value) << c.x << "," << c.y;
    EXPECT_EQ(read.value().notices.size(), e.notices) << read.value().notices.join('\n').toStdString();
    EXPECT_EQ(includeFileBytes(doc).value(), includeFile(e.body));
}

// Page 0's palette in "16色", entry 3 red level 7 alone (0x0F00), the others black.
QByteArray palette16()
{
    QByteArray palette;
    for (int k = 0; k < 16; ++k)
        palette += "   .word  0x0" + QByteArray(k == 3 ? "F00" : "000") + "    ; Palet16("
            + QByteArray::number(k) + ")\r\n";
    return palette;
}

// A block _Chr00 of one pattern of the given width and height, up to its data lines.
QByteArray blockHead(int width, int height)
{
    return lines({".global _Chr00", "", "_Chr00:"}) + "   .byte  " + QByteArray::number(width)
        + "    ; chr sizeX\r\n   .byte  " + QByteArray::number(height) + "    ; chr sizeY\r\n;PTN 0 \r\n";
}

INSTANTIATE_TEST_SUITE_P(
    WorkedItems, ReadExample,
    testing::Values(
        // Cells 3 and 10 side by side: 0xA3 in "16色"; without palette lines the page is page 1.
        Example("sixteen colours", 1, 1, 1,
                blockHead(4, 2) + lines({"   .byte  0xA3,0xFFFF", "   .byte  0x0,0x1F"}),
                {{0, 0, 3}, {1, 0, 10}, {2, 0, 15}, {3, 0, 4095}, {3, 1, 1}}),
        // Page 0 keeps the palette unflagged and the blocks follow from page 1; a palette other than
        // the default is told, for a project file drops it.
        Example("palette lines stay with page 0", 1, 3, 2,
                lines({".global _A", ".global _B"}) + palette16()
                    + lines({"", "_A:", "   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY", ";PTN 0 ",
                             "   .byte  0x1,0x2,0x3,0x4,0x5,0x6,0x7,0x8", "", "_B:"})
                    + kSizes8x8,
                {{1, 1, 1}}),
        // Height 1: a column byte of "2色" or a cell of "256色"; the monochrome reading, with a notice.
        Example("ambiguous", 0, 3, 1, blockHead(2, 1) + lines({"   .byte  0x1,0x0"}), {{0, 0, 1}, {1, 0, 0}}),
        // An item above a byte leaves only "256色".
        Example("not ambiguous", 0, 0, 0, blockHead(2, 1) + lines({"   .byte  0x1,0x100"}),
                {{0, 0, 1}, {1, 0, 256}})),
    [](const testing::TestParamInfo<Example> &info) {
        return QByteArray(info.param.what).replace(' ', '_').toStdString();
    });

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
        body += "\r\n_P" + QByteArray::number(i) + ":\r\n" + kSizes8x8;
    }
    return declarations + body;
}

// "256色" of width 20: pattern 3 covers columns 60-79, and a project file keeps only 0-63.
QByteArray beyondTheSheet()
{
    QByteArray body = lines(
        {".global _Chr00", "", "_Chr00:", "   .byte  20    ; chr sizeX", "   .byte  1    ; chr sizeY"});
    for (int n = 0; n < 4; ++n)
        body += ";PTN " + QByteArray::number(n) + " \r\n   .byte  0x100" + QByteArray(",0x0").repeated(19)
            + "\r\n";
    return body.replace(",0x0\r\n", ",0x7\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRefusal,
    testing::Values(
        // Cut after pattern 0's data line (line 11).
        Refusal{"truncated", kBanner + block8x8({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0"}), 11,
                "cut short"},
        Refusal{"missing item",
                includeFile(block8x8({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0",
                                      "   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0"})),
                13, "7 items"},
        Refusal{"empty item", includeFile(block8x8({"   .byte  0x1,,0x0,0x0,0x0,0x0,0x0,0x0"})), 11,
                "Item 2"},
        Refusal{"label without sizes", includeFile(lines({".global _Chr00", "", "_Chr00:", ";PTN 0 "})), 7,
                "size lines"},
        Refusal{"32 blocks", includeFile(blocks(32)), 4 + 32 + 31 * 4 + 2, "31st"},
        Refusal{"not understood", includeFile(lines({"   mov  a,b"})), 5, "Not understood"},
        Refusal{"colour bit without mask",
                includeFile(block8x8(
                    {"   .byte  0x0,0x1,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0"})),
                11, "mask"},
        Refusal{"cell beyond the sheet", includeFile(beyondTheSheet()), 17, "beyond the 64 x 256 sheet"},
        Refusal{"undeclared block", includeFile(lines({"", "_Chr00:"}) + kSizes8x8), 6, ".global"}),
    [](const testing::TestParamInfo<Refusal> &info) {
        return QByteArray(info.param.what).replace(' ', '_').toStdString();
    });

} // namespace
