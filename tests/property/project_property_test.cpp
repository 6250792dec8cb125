// Random documents through the project file: opening what was saved restores every table the file
// carries, resets the palettes and leaves everything else alone.
#include "files/project_file.h"

#include "document/page_state.h"
#include "palette/colour_model.h"
#include "random_document.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

constexpr unsigned kRounds = 8;

// The first cell where two planes differ, or an empty text.
std::string firstDifference(const PagedCellStore &a, const PagedCellStore &b)
{
    if (a == b)
        return {};
    for (int y = kCellMin; y <= kCellMax; ++y)
        for (int x = kCellMin; x <= kCellMax; ++x)
            for (int page = 0; page < kPageCount; ++page)
                if (a(page, x, y) != b(page, x, y))
                    return "page " + std::to_string(page) + " x " + std::to_string(x) + " y "
                        + std::to_string(y) + ": " + std::to_string(a(page, x, y))
                        + " != " + std::to_string(b(page, x, y));
    return {};
}

void expectSameDocument(const Document &is, const Document &expected)
{
    EXPECT_EQ(firstDifference(is.PixelData, expected.PixelData), "") << "PixelData";
    EXPECT_EQ(firstDifference(is.MapData, expected.MapData), "") << "MapData";
    EXPECT_EQ(is.FileVer, expected.FileVer);
    EXPECT_EQ(is.ColorMode, expected.ColorMode);
    EXPECT_EQ(is.ChrName, expected.ChrName);
    EXPECT_EQ(is.ChrSizeX, expected.ChrSizeX);
    EXPECT_EQ(is.ChrSizeY, expected.ChrSizeY);
    EXPECT_EQ(is.ChrPtnNum, expected.ChrPtnNum);
    EXPECT_EQ(is.ChrOutFlag, expected.ChrOutFlag);
    EXPECT_EQ(is.Pal4, expected.Pal4);
    EXPECT_EQ(is.Pal8, expected.Pal8);
    EXPECT_EQ(is.Pal16, expected.Pal16);
    // Whatever the file does not carry, compared as a whole.
    EXPECT_TRUE(is == expected);
}

// Cells outside the sheets, which no file carries, and (for a file without a map) the map sheets.
void scribble(std::mt19937 &rng, Document &doc, bool mapSheets)
{
    for (int page = 0; page < kPageCount; ++page) {
        for (int i = 0; i < 40; ++i) {
            const int x = std::uniform_int_distribution<int>(kCellMin, kCellMax)(rng);
            const int y = std::uniform_int_distribution<int>(kSheetHeight, kCellMax)(rng);
            doc.PixelData(page, x, y) = anyInt16(rng);
            doc.PixelData(page, -1 - i % 10, i) = anyInt16(rng);
            doc.MapData(page, kSheetWidth + i, i) = anyInt16(rng);
            if (mapSheets)
                doc.MapData(page, i, i * 6) = anyInt16(rng);
        }
    }
}

QByteArray savedBytes(const Document &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeProject(doc, buffer).ok());
    return buffer.data();
}

TEST(ProjectProperty, OpeningASavedDocumentRestoresEveryTableTheFileCarries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("random.egd"));
    for (unsigned seed = 1; seed <= kRounds; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        const Document original = randomProjectDocument(rng);
        const Status saved = saveProject(original, path);
        ASSERT_TRUE(saved.ok()) << saved.failure().text().toStdString();

        Document opened;
        EditorState state;
        startDocument(opened, state);
        scribble(rng, opened, original.FileVer != 1);

        // What the open must give, worked out table by table.
        Document expected = opened;
        expected.FileVer = original.FileVer;
        for (int page = 0; page < kPageCount; ++page) {
            for (int y = 0; y < kSheetHeight; ++y) {
                for (int x = 0; x < kSheetWidth; ++x) {
                    expected.PixelData(page, x, y) = original.PixelData(page, x, y);
                    if (original.FileVer == 1)
                        expected.MapData(page, x, y) = original.MapData(page, x, y);
                }
            }
            expected.ColorMode[page] = original.ColorMode[page];
            expected.ChrName[page] = original.ChrName[page];
            expected.ChrSizeX[page] = original.ChrSizeX[page];
            expected.ChrSizeY[page] = original.ChrSizeY[page];
            expected.ChrPtnNum[page] = original.ChrPtnNum[page];
            expected.ChrOutFlag[page] = original.ChrOutFlag[page];
            expected.Pal8[page] = original.Pal8[page];
            // Pal4 and Pal16 keep the defaults the start-up gave: the open resets them.
        }
        if (expected.ChrPtnNum[0] > 99) // page 0 is shown, and showing limits the count
            expected.ChrPtnNum[0] = 0;
        expected.currentPatternWidth = original.ChrSizeX[0];
        expected.currentPatternHeight = original.ChrSizeY[0];

        // The pen colours come from page 0's default palette rows for its mode.
        EditorState expectedState = state;
        switch (original.ColorMode[0]) {
        case 0:
            break;
        case 1:
            expectedState.leftPenColour = 45;
            expectedState.rightPenColour = 255;
            break;
        case 2:
            expectedState.leftPenColour = 224;
            expectedState.rightPenColour = 0;
            break;
        default:
            expectedState.leftPenColour = 0;
            expectedState.rightPenColour = 255;
            expectedState.rightPenAltColour = 128;
            break;
        }

        const Status read = openProject(path, opened, state);
        ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
        expectSameDocument(opened, expected);
        EXPECT_EQ(state, expectedState);

        // From here on saving and opening changes nothing: the second save is the first, byte for byte.
        const QByteArray once = savedBytes(opened);
        ASSERT_TRUE(saveProject(opened, path).ok());
        Document reopened;
        EditorState reopenedState;
        startDocument(reopened, reopenedState);
        ASSERT_TRUE(openProject(path, reopened, reopenedState).ok());
        EXPECT_EQ(savedBytes(reopened), once);
    }
}

// Every number the file carries at the ends of the 16-bit range: written in full ("-32768 ",
// " 32767 ") and read back exactly, never folded onto another value.
TEST(ProjectProperty, ExtremeValuesInEveryFieldReadBackExactly)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.FileVer = 1;
    const int16_t ends[] = {-32768, 32767, -1, 0, -32767, 32766};
    int i = 0;
    const auto next = [&] { return ends[i++ % 6]; };
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                doc.PixelData(page, x, y) = ends[(page + x + y) % 6];
                doc.MapData(page, x, y) = ends[(page + x + y + 3) % 6];
            }
        }
        doc.ColorMode[page] = next();
        doc.ChrSizeX[page] = next();
        doc.ChrSizeY[page] = next();
        doc.ChrPtnNum[page] = next();
        doc.ChrOutFlag[page] = next();
        for (int16_t &v : doc.Pal4[page])
            v = next();
        for (int16_t &v : doc.Pal8[page])
            v = next();
        for (int e = 0; e < 16; ++e)
            doc.Pal16[page][e] = next();
    }

    const QByteArray bytes = savedBytes(doc);
    EXPECT_EQ(bytes.count('\n'), kFileLinesWithMap);
    EXPECT_TRUE(bytes.startsWith(" 1 \r\n-32768  32767 -1  0 -32767  32766 -32768 "));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const Expected<ProjectContent> read = readProject(buffer);
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    const ProjectContent &c = read.value();
    EXPECT_EQ(c.FileVer, 1);
    for (int page = 0; page < kPageCount; ++page) {
        for (int y = 0; y < kSheetHeight; ++y) {
            for (int x = 0; x < kSheetWidth; ++x) {
                const std::size_t at = (std::size_t(page) * kSheetHeight + std::size_t(y)) * kSheetWidth + x;
                ASSERT_EQ(c.pixels[at], doc.PixelData(page, x, y)) << page << " " << x << " " << y;
                ASSERT_EQ(c.map[at], doc.MapData(page, x, y)) << page << " " << x << " " << y;
            }
        }
        const PageSettings &s = c.pages[page];
        EXPECT_EQ(s.ColorMode, doc.ColorMode[page]);
        EXPECT_EQ(s.ChrSizeX, doc.ChrSizeX[page]);
        EXPECT_EQ(s.ChrSizeY, doc.ChrSizeY[page]);
        EXPECT_EQ(s.ChrPtnNum, doc.ChrPtnNum[page]);
        EXPECT_EQ(s.ChrOutFlag, doc.ChrOutFlag[page]);
        EXPECT_EQ(s.Pal4, doc.Pal4[page]);
        EXPECT_EQ(s.Pal8, doc.Pal8[page]);
        EXPECT_TRUE(std::equal(s.Pal16.begin(), s.Pal16.end(), doc.Pal16[page].begin()));
    }

    // One past either end does not fit a 16-bit field: the read fails on that line.
    for (const char *beyond : {" 32768 ", "-32769 ", " 99999999999999999999 "}) {
        QByteArray wrong = bytes;
        wrong.replace(0, 3, beyond);
        QBuffer in;
        in.setData(wrong);
        in.open(QIODevice::ReadOnly);
        const Expected<ProjectContent> refused = readProject(in);
        ASSERT_FALSE(refused.ok()) << beyond;
        EXPECT_EQ(refused.failure().line, 1);
    }
}

} // namespace
