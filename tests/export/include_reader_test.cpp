#include "export/include_reader.h"

#include "export/include_export.h"
#include "include_text.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace vesk4;

namespace {

// A block _Chr00 of the given pattern size, up to the data lines of its first pattern.
QByteArray blockHead(int width, int height)
{
    return lines({".global _Chr00", "", "_Chr00:"}) + "   .byte  " + QByteArray::number(width)
        + "    ; chr sizeX\r\n   .byte  " + QByteArray::number(height) + "    ; chr sizeY\r\n;PTN 0 \r\n";
}

// Files as the export writes them, read back: the page and mode of the block, a few of its cells,
// how many notices the reading gives, and the same bytes exported again. How each mode's items read
// is also pinned by the random round trip of the property tests.
struct Example {
    const char *what;
    int page;
    int mode;
    int notices;
    QByteArray body;
    std::vector<std::array<int, 3>> cells; // x, y, value
};

class ReadExample : public testing::TestWithParam<Example> { };

TEST_P(ReadExample, GivesThePageAndCellsAndExportsTheSameBytes)
{
    const Example &e = GetParam();
    const Expected<IncludeReadResult> read = readInclude(kBanner + e.body + kClosing);
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    const Document &doc = read.value().doc;
    EXPECT_EQ(doc.pages[e.page].colourMode, e.mode);
    for (const auto &[x, y, value] : e.cells)
        EXPECT_EQ(doc.PixelData(e.page, x, y), value) << x << "," << y;
    EXPECT_EQ(read.value().notices.size(), e.notices) << read.value().notices.join('\n').toStdString();
    EXPECT_EQ(includeFileBytes(doc).value(), kBanner + e.body + kClosing);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedItems, ReadExample,
    testing::Values(
        // Cells 3 and 10 side by side: 0xA3 in "16色"; without palette lines the page is page 1.
        Example("sixteen colours", 1, 1, 1,
                blockHead(4, 2) + lines({"   .byte  0xA3,0xFFFF", "   .byte  0x0,0x1F"}),
                {{0, 0, 3}, {1, 0, 10}, {2, 0, 15}, {3, 0, 4095}, {3, 1, 1}}),
        // Height 1: a column byte of "2色" or a cell of "256色"; the monochrome reading, with a notice.
        Example("ambiguous", 0, 3, 1, blockHead(2, 1) + lines({"   .byte  0x1,0x0"}), {{0, 0, 1}, {1, 0, 0}}),
        // An item above a byte leaves only "256色".
        Example("not ambiguous", 0, 0, 0, blockHead(2, 1) + lines({"   .byte  0x1,0x100"}), {{1, 0, 256}})),
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

// A "2色" block of two 8 x 8 patterns: ";PTN 0 " on line 10, its data on 11, pattern 1's on 13.
const QByteArray kTwoPatterns = kBanner + blockHead(8, 8)
    + lines({"   .byte  0x1,0x0,0x0,0x0,0x0,0x0,0x0,0x0", ";PTN 1 ",
             "   .byte  0x2,0x0,0x0,0x0,0x0,0x0,0x0,0x0"})
    + kClosing;

QByteArray edited(const QByteArray &from, const QByteArray &to)
{
    return QByteArray(kTwoPatterns).replace(from, to);
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

// "256色" of width 20: pattern 3 covers columns 60-79, and a project file keeps only 0-63.
QByteArray beyondTheSheet()
{
    QByteArray body = kBanner + blockHead(20, 1);
    for (const char *pattern : {"", ";PTN 1 \r\n", ";PTN 2 \r\n", ";PTN 3 \r\n"})
        body += pattern + QByteArray("   .byte  0x100") + QByteArray(",0x0").repeated(18) + ",0x7\r\n";
    return body + kClosing;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRefusal,
    testing::Values(
        Refusal{"truncated", kTwoPatterns.left(kTwoPatterns.indexOf(";PTN 1")), 11, "cut short"},
        Refusal{"missing item", edited("0x2,0x0", "0x2"), 13, "7 items"},
        Refusal{"empty item", edited("0x1,0x0", "0x1,"), 11, "Item 2"},
        Refusal{"label without sizes",
                edited(lines({"   .byte  8    ; chr sizeX", "   .byte  8    ; chr sizeY"}), ""), 7,
                "size lines"},
        Refusal{"not understood", edited(".global", "   mov  a,b\r\n.global"), 5, "Not understood"},
        Refusal{"undeclared block", edited(".global _Chr00\r\n", ""), 6, ".global"},
        Refusal{
            "colour bit without mask",
            kBanner + blockHead(8, 8)
                + lines({"   .byte  0x0,0x1,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0,0xFF,0x0"})
                + kClosing,
            11, "mask"},
        Refusal{"32 blocks", blocks(32), 4 + 32 + 31 * 4 + 2, "31st"},
        Refusal{"cell beyond the sheet", beyondTheSheet(), 17, "beyond the 64 x 256 sheet"}),
    [](const testing::TestParamInfo<Refusal> &info) {
        return QByteArray(info.param.what).replace(' ', '_').toStdString();
    });

} // namespace
