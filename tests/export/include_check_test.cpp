#include "export/include_check.h"

#include "document/page_state.h"
#include "export/include_export.h"

#include <QList>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

// Page 0 unflagged in "4色" (four palette lines), page 2 flagged with one 8 x 8 pattern, and the map:
// banner 1-4, .global 5, palette 6-9, empty line 10, label 11, sizes 12-13, ;PTN 14, data 15, map
// 16-47, closing 48-52.
TEST(IncludeCheck, NamesWhatTheExportWritesOnTheFirstDifferingLine)
{
    Document doc;
    EditorState state;
    startDocument(doc, state);
    doc.ColorMode[0] = kMode4;
    doc.ChrOutFlag[2] = 1;
    doc.ChrPtnNum[2] = 1;
    doc.FileVer = 1;
    const QByteArray exported = includeFileBytes(doc).value();
    ASSERT_EQ(exported.count('\n'), 52);
    EXPECT_FALSE(firstIncludeDifference(doc, exported, exported));

    struct Case {
        int line;
        const char *place;
    };
    for (const Case c :
         {Case{1, "the banner"}, Case{5, "the declarations"}, Case{7, "the palette of page 0"},
          Case{10, "page 2 \"Chr02\", its label and sizes"},
          Case{13, "page 2 \"Chr02\", its label and sizes"}, Case{14, "page 2 \"Chr02\", pattern 0"},
          Case{15, "page 2 \"Chr02\", pattern 0"}, Case{20, "the map"}, Case{48, "the closing lines"},
          Case{53, "past the end of the export"}}) {
        SCOPED_TRACE(c.line);
        QList<QByteArray> lines = exported.split('\n');
        lines[c.line - 1].prepend('x');
        const std::optional<IncludeDifference> d = firstIncludeDifference(doc, exported, lines.join('\n'));
        ASSERT_TRUE(d);
        EXPECT_EQ(d->line, c.line);
        EXPECT_EQ(d->place, QString::fromUtf8(c.place));
        EXPECT_TRUE(d->found && d->found->startsWith(lines[c.line - 1]));
        EXPECT_EQ(d->expected.has_value(), c.line <= 52);
    }
}

} // namespace
