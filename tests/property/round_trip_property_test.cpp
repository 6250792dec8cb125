// Random and extreme documents through the project file and the include export: what a save or an
// export wrote reads back as the tables it came from, and the checks the fuzz targets run on a
// project file (read, save, export, drawing) pass on them.
#include "document/page_state.h"
#include "document/palette_rows.h"
#include "export/include_export.h"
#include "export/include_reader.h"
#include "files/project_file.h"
#include "fuzz/fuzz_checks.h"
#include "palette/colour_model.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>

using namespace vesk4;

namespace {

int uniform(std::mt19937 &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

int16_t pickOf(std::mt19937 &rng, std::initializer_list<int> values)
{
    return int16_t(values.begin()[uniform(rng, 0, int(values.size()) - 1)]);
}

// Any 16-bit value, the ends of the range and their neighbours much more often than chance gives.
int16_t anyInt16(std::mt19937 &rng)
{
    if (uniform(rng, 0, 3) == 0)
        return pickOf(rng, {-32768, -32767, -1, 0, 1, 32766, 32767});
    return int16_t(uniform(rng, -32768, 32767));
}

// A page name that a project file can carry: no comma, double quote or control character other than
// a tab, no leading blank; ASCII, full- and half-width Japanese, trailing blanks, empty, long.
QString storableName(std::mt19937 &rng)
{
    static const QStringList pieces
        = QStringLiteral("Chr|A|z9|_|-|.| |\t|キャラ|漢字|ｱｲｳ|～|①|'|%1|\\").split('|');
    QString name;
    const int length = pickOf(rng, {0, 1, 3, 5, 8, 12, 30});
    while (name.size() < length)
        name += pieces[uniform(rng, 0, int(pieces.size()) - 1)];
    while (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    return name;
}

// Some pages hold the palette entries of drawn pages only, the default "4色" colours among them;
// others any value.
void fillSheets(std::mt19937 &rng, PagedCellStore &store)
{
    for (int page = 0; page < kPageCount; ++page) {
        const bool small = uniform(rng, 0, 1) == 0;
        for (int y = 0; y < kSheetHeight; ++y)
            for (int x = 0; x < kSheetWidth; ++x)
                store(page, x, y)
                    = small ? pickOf(rng, {-1, 0, 1, 2, 3, 4, 9, 15, 16, 28, 224}) : anyInt16(rng);
    }
}

// The start-up document with every table the project file carries filled at random. The cells
// outside the sheets stay 0.
Document randomProjectDocument(std::mt19937 &rng)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.FileVer = pickOf(rng, {0, 1, 1, 1, 2, -1, 32767, -32768});
    for (int page = 0; page < kPageCount; ++page) {
        doc.pages[page].name = storableName(rng);
        Page &p = doc.pages[page];
        for (int16_t *field :
             {&p.colourMode, &p.patternWidth, &p.patternHeight, &p.patternCount, &p.outputFlag})
            *field = anyInt16(rng);
        for (int16_t &v : doc.pages[page].pal4)
            v = anyInt16(rng);
        for (int16_t &v : doc.pages[page].pal8)
            v = anyInt16(rng);
        for (int e = 0; e < 16; ++e)
            doc.pages[page].pal16[e] = anyInt16(rng);
    }
    fillSheets(rng, doc.PixelData);
    fillSheets(rng, doc.MapData);
    return doc;
}

Expected<ProjectContent> readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readProject(buffer);
}

// A project file with a map (seed 1 gives format number 1). A number past the 16-bit range, even one
// past 64 bits, is refused on its line.
TEST(ProjectProperty, ReadingASavedDocumentGivesBackEveryTableTheFileCarries)
{
    std::mt19937 rng(1);
    const Document original = randomProjectDocument(rng);
    ASSERT_EQ(original.FileVer, 1);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeProject(original, file).ok());
    QByteArray bytes = file.data();
    Expected<ProjectContent> read = readBytes(bytes);
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    Document opened;
    EditorState state;
    startDocument(opened, state);
    applyProjectContent(opened, std::move(read.value()));
    EXPECT_TRUE(opened == original);
    const Status checked = checkProjectBytes(bytes);
    EXPECT_TRUE(checked.ok()) << checked.failure().text().toStdString();

    const Expected<ProjectContent> huge = readBytes(bytes.replace(0, 3, " 99999999999999999999 "));
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.failure().line, 1);
}

// How many patterns of the page lie wholly inside the 64 x 256 sheet, counting from pattern 0.
int patternsInsideSheet(int mode, int width, int height)
{
    const int band = mode <= kMode4 ? kSheetWidth : kSheetWidth / width * width;
    int n = 0;
    while ((n * width) % band + width <= kSheetWidth && (n * width) / band * height + height <= kSheetHeight)
        ++n;
    return n;
}

// A random document whose flagged pages can be laid out and whose patterns stay inside the sheet.
Document randomIncludeDocument(std::mt19937 &rng)
{
    Document doc = randomProjectDocument(rng);
    for (int page = 0; page < kPageCount; ++page) {
        const int mode = pickOf(rng, {0, 1, 2, 3, 4, 3, 4, 7});
        const int width = mode >= kMode2 ? pickOf(rng, {1, 3, 4, 8, 8, 16, 20, 24, 32, 40, 48, 56, 64})
                                         : pickOf(rng, {1, 2, 3, 4, 5, 8, 16, 20, 24, 32, 40, 48, 56, 64});
        const int height = pickOf(rng, {1, 2, 7, 8, 8, 9, 16, 20, 24, 32, 40, 48, 56, 64});
        doc.pages[page].colourMode = int16_t(mode);
        doc.pages[page].patternWidth = int16_t(width);
        doc.pages[page].patternHeight = int16_t(height);
        doc.pages[page].patternCount
            = int16_t(uniform(rng, 0, std::min(99, patternsInsideSheet(mode, width, height))));
        doc.pages[page].outputFlag = pickOf(rng, {0, 1, 1, 1});
    }
    return doc;
}

class IncludeRoundTrip : public testing::TestWithParam<int> { };

// Reading what the export wrote and exporting again gives the same bytes. Odd seeds keep random
// palettes; even seeds the default ones, whose entries the cells of "4色" pages often are.
TEST_P(IncludeRoundTrip, ExportReadExportGivesTheSameBytes)
{
    std::mt19937 rng(GetParam());
    Document doc = randomIncludeDocument(rng);
    EditorState state;
    if (GetParam() % 2 == 0)
        resetPalettes(doc, state);
    const Expected<QByteArray> first = includeFileBytes(doc);
    ASSERT_TRUE(first.ok()) << first.failure().text().toStdString();
    const Expected<IncludeReadResult> read = readInclude(first.value());
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    EXPECT_EQ(includeFileBytes(storedDocument(ProjectContent(read.value().content))).value(), first.value());
}

INSTANTIATE_TEST_SUITE_P(Seeds, IncludeRoundTrip, testing::Range(0, 8));

} // namespace
