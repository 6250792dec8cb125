// Random documents of every colour mode, with their patterns inside the sheet, through the include
// export and back: reading what the export wrote and exporting again gives the same bytes, also when
// the document goes through a project file on the way, as `vesk4 from-inc` and `vesk4 export` take it.
#include "export/include_export.h"
#include "export/include_reader.h"

#include "document/page_state.h"
#include "files/project_file.h"
#include "palette/colour_model.h"
#include "random_document.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

int uniform(std::mt19937 &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// How many patterns of the page lie wholly inside the 64 x 256 sheet, counting from pattern 0.
int patternsInsideSheet(int mode, int width, int height)
{
    const bool wide = mode == kMode256 || mode == kMode16 || mode == kMode4;
    const int band = wide ? kSheetWidth : kSheetWidth / width * width;
    int n = 0;
    for (;; ++n) {
        const int p = n * width;
        if (p % band + width > kSheetWidth || p / band * height + height > kSheetHeight)
            return n;
    }
}

// A random document whose flagged pages can be laid out and whose patterns stay inside the sheet;
// cells, names, palettes and the map as randomProjectDocument makes them.
Document randomIncludeDocument(std::mt19937 &rng)
{
    Document doc = randomProjectDocument(rng);
    for (int page = 0; page < kPageCount; ++page) {
        const int mode = pickOf(rng, {0, 1, 2, 3, 4, 3, 4, 7});
        const bool twoColour = mode >= kMode2;
        const int width = twoColour ? pickOf(rng, {1, 3, 4, 8, 8, 16, 20, 24, 32, 40, 48, 56, 64})
                                    : pickOf(rng, {1, 2, 3, 4, 5, 8, 16, 20, 24, 32, 40, 48, 56, 64});
        const int height = pickOf(rng, {1, 2, 7, 8, 8, 9, 16, 20, 24, 32, 40, 48, 56, 64});
        doc.ColorMode[page] = int16_t(mode);
        doc.ChrSizeX[page] = int16_t(width);
        doc.ChrSizeY[page] = int16_t(height);
        doc.ChrPtnNum[page]
            = int16_t(uniform(rng, 0, std::min(99, patternsInsideSheet(mode, width, height))));
        doc.ChrOutFlag[page] = int16_t(uniform(rng, 0, 3) != 0);
    }
    return doc;
}

QByteArray exported(const Document &doc)
{
    const Expected<QByteArray> bytes = includeFileBytes(doc);
    EXPECT_TRUE(bytes.ok()) << bytes.failure().text().toStdString();
    return bytes ? bytes.value() : QByteArray();
}

// The document as a project file gives it back to the editor's Open.
Document throughProjectFile(const Document &doc)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeProject(doc, file).ok());
    file.close();
    file.open(QIODevice::ReadOnly);
    Expected<ProjectContent> content = readProject(file);
    EXPECT_TRUE(content.ok());
    Document opened;
    EditorState state;
    startDocument(opened, state);
    applyProjectContent(opened, std::move(content.value()));
    resetPalettes(opened, state);
    showPageTables(opened, state);
    return opened;
}

class IncludeRoundTrip : public testing::TestWithParam<int> { };

TEST_P(IncludeRoundTrip, ExportReadExportGivesTheSameBytes)
{
    std::mt19937 rng(GetParam());
    Document doc = randomIncludeDocument(rng);
    // Half the documents keep the default palettes, which a project file gives back on opening.
    const bool defaultPalettes = GetParam() % 2 == 0;
    if (defaultPalettes) {
        EditorState state;
        startDocument(doc, state); // only for the state's pen colours
        doc = randomIncludeDocument(rng);
        resetPalettes(doc, state);
    }
    const QByteArray first = exported(doc);
    const Expected<IncludeReadResult> read = readInclude(first);
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    EXPECT_EQ(exported(read.value().doc), first);
    if (defaultPalettes) {
        EXPECT_EQ(exported(throughProjectFile(read.value().doc)), first);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, IncludeRoundTrip, testing::Range(0, 24));

} // namespace
