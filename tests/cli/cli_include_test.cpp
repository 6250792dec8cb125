// from-inc, export --check, show and diff.
#include "cli_fixture.h"

#include "export/include_export.h"

namespace vesk4 {
namespace {

class CliInclude : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        // Page 3: "2色", six 8 x 8 patterns; pattern 5 (columns 40-47) has a diagonal.
        doc.ChrOutFlag[3] = 1;
        doc.ChrPtnNum[3] = 6;
        for (int i = 0; i < 8; ++i)
            doc.PixelData(3, 40 + i, i) = 1;
    }
};

TEST_F(CliInclude, FromIncThenExportGivesTheIncludeFileBack)
{
    doc.ColorMode[0] = kMode2Ex;
    doc.ChrOutFlag[0] = 1;
    doc.ChrPtnNum[0] = 2;
    doc.PixelData(0, 9, 3) = 2;
    doc.FileVer = 1;
    doc.MapData(0, 4, 2) = 77;
    const QString include = write("in.inc", includeFileBytes(doc).value());
    const CliRun read = run({"from-inc", include, path("read.egd")});
    ASSERT_EQ(read.code, kExitOk) << read.err.toStdString();
    EXPECT_TRUE(read.err.isEmpty());
    ASSERT_EQ(run({"export", path("read.egd"), path("again.inc")}).code, kExitOk);
    EXPECT_EQ(contents(path("again.inc")), contents(include));
}

TEST_F(CliInclude, FromIncNotesAnAmbiguousBlockAndRefusesACutFile)
{
    doc.ChrSizeY[3] = 1; // one row: a column byte of "2色" or a cell of "256色"
    const QString flat = write("flat.inc", includeFileBytes(doc).value());
    const CliRun noted = run({"from-inc", flat, path("flat.egd")});
    ASSERT_EQ(noted.code, kExitOk);
    EXPECT_TRUE(noted.err.startsWith(
        "vesk4: " + flat + ": note: line 7: the data of _Chr03 reads as \"2色\" and as \"256色\""))
        << noted.err.toStdString();

    const QByteArray cut = contents(flat).left(contents(flat).indexOf(";PTN 3"));
    const CliRun refused = run({"from-inc", write("cut.inc", cut), path("out.egd")});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_TRUE(refused.err.contains("line 15:")) << refused.err.toStdString(); // after pattern 2's data
    EXPECT_FALSE(QFile::exists(path("out.egd")));
}

TEST_F(CliInclude, CheckNamesTheFirstDifferingLineWithItsPageAndPattern)
{
    const QString project = saved("p.egd");
    const QString current = write("current.inc", includeFileBytes(doc).value());
    const CliRun same = run({"export", project, current, "--check"});
    EXPECT_EQ(same.code, kExitOk) << same.err.toStdString();
    EXPECT_EQ(same.out, current + ": current\n");

    // Line 21 is pattern 5's data line: 4 banner lines, .global, empty line, label, two sizes, and
    // two lines for each of patterns 0-4.
    QByteArray changed = contents(current);
    const QByteArray diagonal = "   .byte  0x1,0x2,0x4,0x8,0x10,0x20,0x40,0x8";
    const QString stale = write("stale.inc", changed.replace(diagonal + "0", diagonal + "1"));
    const CliRun different = run({"export", project, stale, "--check"});
    EXPECT_EQ(different.code, kExitFailure);
    EXPECT_EQ(different.err,
              "vesk4: " + stale + ": line 21 (page 3 \"Chr03\", pattern 5) differs from the export\n"
                  + "  export: \"" + diagonal + "0\"\n  file:   \"" + diagonal + "1\"\n");
    EXPECT_EQ(contents(stale), changed); // nothing written
    EXPECT_EQ(run({"export", project, path("none.inc"), "--check"}).code, kExitFailure);
    EXPECT_FALSE(QFile::exists(path("none.inc")));
}

TEST_F(CliInclude, ShowAndDiffDrawThePagesThatHoldAnything)
{
    const QString before = saved("before.egd");
    doc.PixelData(3, 41, 1) = 2;
    doc.PixelData(3, 0, 2) = 17;
    doc.PixelData(3, 1, 2) = 12;
    doc.ChrName[5] = QStringLiteral("キャラ");
    const QString after = saved("after.egd");

    EXPECT_EQ(run({"show", after}).out,
              QString::fromUtf8(contents(VESK4_TEST_DATA "/cli_show_diff/show.txt")));
    EXPECT_EQ(run({"show", after, "--page", "31"}).out,
              "page 31 \"MapChip0\" mode 3 (2-colour) size 8x8 patterns 0 output 0\n");
    EXPECT_EQ(run({"diff", before, before}).code, kExitOk);
    const CliRun diff = run({"diff", before, after});
    EXPECT_EQ(diff.code, kExitFailure);
    EXPECT_EQ(diff.out, QString::fromUtf8(contents(VESK4_TEST_DATA "/cli_show_diff/diff.txt")));
    EXPECT_EQ(run({"diff", before, path("none.egd")}).code, kExitUsage);
    EXPECT_EQ(run({"diff", path("none.egd"), before}).code, kExitUsage);
}

} // namespace
} // namespace vesk4
