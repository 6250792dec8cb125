// from-inc, export --check, show and diff, in-process and, for git's text converter, as a program.
#include "cli_fixture.h"

#include "cli/cli.h"
#include "document/page_state.h"
#include "export/include_export.h"
#include "files/project_file.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST_F(CliInclude, HelpCoversTheCommands)
{
    const CliRun overview = run({"--help"});
    for (const char *text : {"from-inc", "show", "diff", "--check"})
        EXPECT_TRUE(overview.out.contains(text)) << text;
    for (const char *command : {"from-inc", "show", "diff"})
        EXPECT_TRUE(run({command, "--help"}).out.startsWith(QStringLiteral("Usage: vesk4 %1").arg(command)));
}

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
    ASSERT_EQ(run({"export", path("read.egd"), path("again.inc")}).code, kExitOk);
    EXPECT_EQ(contents(path("again.inc")), contents(include));
    EXPECT_EQ(run({"export", path("read.egd"), include, "--check"}).code, kExitOk);
}

TEST_F(CliInclude, FromIncTellsWhatItPickedForAnAmbiguousBlock)
{
    doc.ChrSizeY[3] = 1; // one row: a column byte of "2色" or a cell of "256色"
    const QString include = write("flat.inc", includeFileBytes(doc).value());
    const CliRun r = run({"from-inc", include, path("flat.egd")});
    ASSERT_EQ(r.code, kExitOk);
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("note: line 7: the data of _Chr03 reads as \"2色\" and as \"256色\"")))
        << r.err.toStdString();
}

TEST_F(CliInclude, FromIncRefusesWithTheLineAndWritesNothing)
{
    const QByteArray good = includeFileBytes(doc).value();
    QByteArray oneShort = good;
    oneShort.replace("0x40,0x80\r\n", "0x40\r\n"); // pattern 5's line, 7 items
    QByteArray noSizes = good;
    noSizes.replace("   .byte  8    ; chr sizeX\r\n   .byte  8    ; chr sizeY\r\n", "");
    Document full;
    startDocument(full, state);
    for (int page = 0; page <= 30; ++page)
        full.ChrOutFlag[page] = 1;
    // A 32nd block after the 31 pages' blocks: 4 banner lines, 31 declarations, 31 blocks of 4 lines,
    // then its empty line and, at line 161, its label.
    QByteArray many = includeFileBytes(full).value();
    many.insert(many.lastIndexOf("\r\n\r\n;===") + 2,
                "_X:\r\n   .byte  8    ; chr sizeX\r\n   .byte  8    ; chr sizeY\r\n\r\n");
    struct Case {
        QByteArray text;
        const char *line;
    };
    const Case cases[] = {
        {good.left(good.indexOf(";PTN 3")), "line 15:"}, // cut after pattern 2
        {oneShort, "line 21:"},
        {noSizes, "line 7:"},
        {many, "line 161:"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        const CliRun r = run({"from-inc", write("bad.inc", c.text), path("out.egd")});
        EXPECT_EQ(r.code, kExitFailure);
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.line))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.egd")));
    }
}

TEST_F(CliInclude, CheckNamesTheFirstDifferingLineWithItsPageAndPattern)
{
    const QString project = saved("p.egd");
    ASSERT_EQ(run({"export", project, path("current.inc")}).code, kExitOk);
    const QByteArray current = contents(path("current.inc"));

    const CliRun same = run({"export", project, path("current.inc"), "--check"});
    EXPECT_EQ(same.code, kExitOk) << same.err.toStdString();

    // Line 21 is pattern 5's data line: 4 banner lines, .global, empty line, label, two sizes, and
    // two lines for each of patterns 0-4.
    QByteArray changed = current;
    changed.replace("0x1,0x2,0x4,0x8,0x10,0x20,0x40,0x80", "0x1,0x2,0x4,0x8,0x10,0x20,0x40,0x81");
    ASSERT_NE(changed, current);
    const QString stale = write("stale.inc", changed);
    const CliRun different = run({"export", project, stale, "--check"});
    EXPECT_EQ(different.code, kExitFailure);
    EXPECT_TRUE(different.err.contains("line 21 (page 3 \"Chr03\", pattern 5)"))
        << different.err.toStdString();
    EXPECT_EQ(contents(stale), changed); // nothing written

    const CliRun missing = run({"export", project, path("none.inc"), "--check"});
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_FALSE(QFile::exists(path("none.inc")));
    EXPECT_EQ(run({"export", project, "--check"}).code, kExitUsage);
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
    EXPECT_EQ(run({"show", after, "--page", "32"}).code, kExitUsage);

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
    const QString dots40 = QString(40, '.');
    EXPECT_TRUE(diff.contains("\n-  1 " + dots40 + ".#......................\n")) << diff.toStdString();
    EXPECT_TRUE(diff.contains("\n+  1 " + dots40 + ".##.....................\n")) << diff.toStdString();
}

} // namespace
} // namespace vesk4
