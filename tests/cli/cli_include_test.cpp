// from-inc, export --check, show and diff, in-process and, for git's text converter, as a program.
#include "cli_fixture.h"

#include "export/include_export.h"

#include <QProcess>
#include <QStandardPaths>

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
    doc.PixelData(0, 1, 1) = 1;
    doc.FileVer = 1;
    doc.MapData(0, 4, 2) = 77;
    const QString include = write("in.inc", includeFileBytes(doc).value());

    const CliRun read = run({"from-inc", include, path("read.egd")});
    ASSERT_EQ(read.code, kExitOk) << read.err.toStdString();
    EXPECT_TRUE(read.err.isEmpty());
    ASSERT_EQ(run({"export", path("read.egd"), path("again.inc")}).code, kExitOk);
    EXPECT_EQ(contents(path("again.inc")), contents(include));
}

TEST_F(CliInclude, FromIncTellsWhatItPickedForAnAmbiguousBlock)
{
    doc.ChrSizeY[3] = 1; // one row: a column byte of "2色" or a cell of "256色"
    const QString include = write("flat.inc", includeFileBytes(doc).value());
    const CliRun r = run({"from-inc", include, path("flat.egd")});
    ASSERT_EQ(r.code, kExitOk);
    EXPECT_TRUE(r.err.startsWith("vesk4: " + include
                                 + ": note: line 7: the data of _Chr03 reads as \"2色\" and as \"256色\""))
        << r.err.toStdString();
}

TEST_F(CliInclude, FromIncRefusesWithTheLineAndWritesNothing)
{
    const QByteArray good = includeFileBytes(doc).value();
    const CliRun r = run({"from-inc", write("bad.inc", good.left(good.indexOf(";PTN 3"))), path("out.egd")});
    EXPECT_EQ(r.code, kExitFailure);
    EXPECT_TRUE(r.err.contains("line 15:")) << r.err.toStdString(); // cut after pattern 2
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
              "vesk4: " + stale
                  + ": line 21 (page 3 \"Chr03\", pattern 5) differs from the export\n"
                    "  export: \""
                  + diagonal + "0\"\n  file:   \"" + diagonal + "1\"\n");
    EXPECT_EQ(contents(stale), changed); // nothing written

    EXPECT_EQ(run({"export", project, path("none.inc"), "--check"}).code, kExitFailure);
    EXPECT_FALSE(QFile::exists(path("none.inc")));
}

// A sheet row as show draws it: its number in three places, then its 64 cells: the given ones
// after `dots` cells of 0, and cells of 0 to the end.
std::string drawnRow(int y, int dots, const char *cells)
{
    return QStringLiteral("%1 %2%3")
        .arg(y, 3)
        .arg(QString(dots, '.'))
        .arg(QLatin1String(cells), -(64 - dots), '.')
        .toStdString();
}

TEST_F(CliInclude, ShowAndDiffDrawThePagesThatHoldAnything)
{
    const QString before = saved("before.egd");
    doc.PixelData(3, 41, 1) = 2;
    doc.PixelData(3, 0, 2) = 17;
    doc.PixelData(3, 1, 2) = 12;
    doc.ChrName[5] = QStringLiteral("キャラ");
    const QString after = saved("after.egd");

    const std::string row2After = "?C" + std::string(40, '.') + "#" + std::string(21, '.');
    const CliRun shown = run({"show", after});
    ASSERT_EQ(shown.code, kExitOk);
    std::string diagonal;
    for (int y = 3; y < 8; ++y)
        diagonal += drawnRow(y, 40 + y, "#") + "\n";
    EXPECT_EQ(shown.out.toStdString(),
              "format 0\n"
              "page 3 \"Chr03\" mode 3 (2-colour) size 8x8 patterns 6 output 1\n"
                  + drawnRow(0, 40, "#") + "\n" + drawnRow(1, 41, "-") + "\n" + "  2 " + row2After + "\n"
                  + diagonal
                  + "page 5 \"\\u30AD\\u30E3\\u30E9\" mode 3 (2-colour) size 8x8 patterns 0 output 0\n");
    EXPECT_EQ(run({"show", after, "--page", "31"}).out.toStdString(),
              "page 31 \"MapChip0\" mode 3 (2-colour) size 8x8 patterns 0 output 0\n");

    EXPECT_EQ(run({"diff", before, before}).code, kExitOk);
    const CliRun diff = run({"diff", before, after});
    EXPECT_EQ(diff.code, kExitFailure);
    EXPECT_EQ(diff.out.toStdString(),
              "page 3\n"
              "  \"Chr03\" mode 3 (2-colour) size 8x8 patterns 6 output 1\n"
                  + drawnRow(1, 41, "#") + " | " + drawnRow(1, 41, "-").substr(4) + "\n"
                  + drawnRow(2, 42, "#") + " | " + row2After + "\n"
                  + "page 5\n"
                    "  a: \"Chr05\" mode 3 (2-colour) size 8x8 patterns 0 output 0\n"
                    "  b: \"\\u30AD\\u30E3\\u30E9\" mode 3 (2-colour) size 8x8 patterns 0 output 0\n");
    EXPECT_EQ(run({"diff", before, path("none.egd")}).code, kExitUsage);
    EXPECT_EQ(run({"diff", path("none.egd"), before}).code, kExitUsage);
}

TEST_F(CliInclude, GitDiffDrawsTheChangedRowThroughShow)
{
    const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
    if (git.isEmpty())
        GTEST_SKIP() << "git is not installed";
    const auto gitRun = [&](const QStringList &args) {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(git, QStringList{"-c", "user.name=t", "-c", "user.email=t@t"} + args);
        EXPECT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    gitRun({"init", "-q"});
    gitRun({"config", "diff.egd.textconv", QStringLiteral(VESK4_CLI) + " show"});
    write(".gitattributes", "*.egd diff=egd\n");
    saved("chr.egd");
    gitRun({"add", "."});
    gitRun({"commit", "-q", "-m", "first"});
    doc.PixelData(3, 42, 1) = 1;
    saved("chr.egd");

    const QString diff = gitRun({"diff"});
    EXPECT_TRUE(diff.contains("\n-" + QString::fromStdString(drawnRow(1, 41, "#")) + "\n"))
        << diff.toStdString();
    EXPECT_TRUE(diff.contains("\n+" + QString::fromStdString(drawnRow(1, 41, "##")) + "\n"))
        << diff.toStdString();
}

} // namespace
} // namespace vesk4
