#include "cli_fixture.h"

#include "cli/cli.h"
#include "document/page_state.h"
#include "export/include_export.h"
#include "files/project_file.h"
#include "version.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

using Cli = CliTest;

TEST_F(Cli, UsageErrorsExitTwoWithAOneLineHint)
{
    const QList<QStringList> wrong{
        {},
        {"frobnicate"},
        {"new"},
        {"export", "a.egd"},
        {"check", "a.egd", "b.egd"},
        {"render", "a.egd", "b.png", "--page", "31"},
        {"render", "a.egd", "b.png", "--page", "x"},
        {"render", "a.egd", "b.png", "--scroll", "129"},
        {"render", "a.egd", "b.png", "--scroll"},
        {"export", "a.egd", "b.inc", "--thumbnail"},
    };
    for (const QStringList &args : wrong) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun r = run(args);
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1);
        EXPECT_TRUE(r.err.contains("vesk4 --help"));
    }
}

TEST_F(Cli, HelpForTheToolAndEachCommand)
{
    const CliRun overview = run({"--help"});
    EXPECT_EQ(overview.code, kExitOk);
    for (const char *command : {"new", "export", "render", "check"})
        EXPECT_TRUE(overview.out.contains(command));
    for (const char *command : {"new", "export", "render", "check"}) {
        const CliRun r = run({command, "--help"});
        EXPECT_EQ(r.code, kExitOk);
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: vesk4 %1").arg(command)));
    }
}

TEST_F(Cli, VersionIsTheProjectsVersion)
{
    const CliRun r = run({"--version"});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, QStringLiteral("vesk4 %1\n").arg(kVersion));
    EXPECT_TRUE(run({"--help"}).out.contains("--version"));
}

TEST_F(Cli, NewWritesTheStartDocument)
{
    const CliRun r = run({"new", path("fresh.egd")});
    ASSERT_EQ(r.code, kExitOk) << r.err.toStdString();
    const QByteArray bytes = contents(path("fresh.egd"));
    EXPECT_EQ(bytes.count("\r\n"), kFileLinesWithoutMap);
    EXPECT_TRUE(bytes.startsWith(" 0 \r\n 0  0 "));
    EXPECT_TRUE(
        bytes.contains("\r\n 3 \r\nChr00\r\n 8 \r\n 8 \r\n 0 \r\n 0 \r\n 0 \r\n 3 \r\n 28 \r\n 224 \r\n"));
    EXPECT_TRUE(bytes.endsWith(" 45 \r\n\r\n"));
}

TEST_F(Cli, ExportGivesWhatTheEditorsOpenAndExportGive)
{
    doc.ChrOutFlag[0] = 1;
    doc.ChrPtnNum[0] = 1;
    doc.PixelData(0, 0, 0) = 1;
    doc.PixelData(0, 0, 7) = 1;
    const QString project = saved("one.egd");

    const CliRun r = run({"export", project, path("out.inc")});
    ASSERT_EQ(r.code, kExitOk) << r.err.toStdString();
    const QByteArray bytes = contents(path("out.inc"));
    EXPECT_TRUE(bytes.contains("\r\n.global _Chr00\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n;PTN 0 \r\n   .byte  0x81,0x0,0x0,0x0,0x0,0x0,0x0,0x0\r\n"));

    Document opened;
    EditorState openedState;
    startDocument(opened, openedState);
    ASSERT_TRUE(openProject(project, opened, openedState).ok());
    EXPECT_EQ(bytes, includeFileBytes(opened).value());
}

TEST_F(Cli, RenderShowsThePageAsTheCanvasDoes)
{
    doc.PixelData(2, 0, 0) = 1; // black on page 2
    doc.PixelData(2, 1, 10) = 2; // colour 128, shown as white on a "2色" page
    doc.PixelData(2, 2, 10) = 1;
    const QString project = saved("render.egd");

    ASSERT_EQ(run({"render", project, path("p0.png")}).code, kExitOk);
    QImage page0(path("p0.png"));
    ASSERT_EQ(page0.size(), QSize(512, 640));
    EXPECT_EQ(page0.pixel(4, 5), qRgb(255, 255, 255));

    ASSERT_EQ(run({"render", project, path("p2.png"), "--page", "2"}).code, kExitOk);
    QImage page2(path("p2.png"));
    EXPECT_EQ(page2.pixel(4, 5), qRgb(0, 0, 0));

    // Scrolled by 10 rows, page row 10 is view row 0.
    ASSERT_EQ(run({"render", project, path("s.png"), "--page", "2", "--scroll", "10"}).code, kExitOk);
    QImage scrolled(path("s.png"));
    EXPECT_EQ(scrolled.pixel(4, 5), qRgb(255, 255, 255));
    EXPECT_EQ(scrolled.pixel(12, 5), qRgb(255, 255, 255));
    EXPECT_EQ(scrolled.pixel(20, 5), qRgb(0, 0, 0));

    ASSERT_EQ(run({"render", project, path("t.png"), "--thumbnail", "--page", "2"}).code, kExitOk);
    QImage thumb(path("t.png"));
    ASSERT_EQ(thumb.size(), QSize(128, 192));
    EXPECT_EQ(thumb.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(thumb.pixel(3, 2), qRgb(255, 255, 255));
}

TEST_F(Cli, CheckTellsWhetherAndWhyAFileReads)
{
    const QString good = saved("good.egd");
    const CliRun ok = run({"check", good});
    EXPECT_EQ(ok.code, kExitOk);
    EXPECT_TRUE(ok.out.contains("reads"));

    QByteArray broken = contents(good);
    broken.replace(broken.indexOf(" 0 "), 3, " x ");
    QFile f(path("bad.egd"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(broken);
    f.close();
    const CliRun bad = run({"check", path("bad.egd")});
    EXPECT_EQ(bad.code, kExitFailure);
    EXPECT_TRUE(bad.err.contains("line 1"));

    EXPECT_EQ(run({"check", path("missing.egd")}).code, kExitFailure);
}

TEST_F(Cli, FailuresLeaveNoOutputBehind)
{
    EXPECT_EQ(run({"export", path("missing.egd"), path("a.inc")}).code, kExitFailure);
    EXPECT_FALSE(QFile::exists(path("a.inc")));
    EXPECT_EQ(run({"render", path("missing.egd"), path("a.png")}).code, kExitFailure);
    EXPECT_FALSE(QFile::exists(path("a.png")));
    EXPECT_EQ(run({"new", path("no/such/folder/a.egd")}).code, kExitFailure);

    // A page that cannot be laid out stops the export; an older include file stays whole.
    doc.ChrOutFlag[3] = 1;
    doc.ChrSizeX[3] = 0;
    const QString project = saved("zero.egd");
    QFile old(path("old.inc"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("keep me");
    old.close();
    const CliRun r = run({"export", project, path("old.inc")});
    EXPECT_EQ(r.code, kExitFailure);
    EXPECT_TRUE(r.err.contains("Chr03"));
    EXPECT_EQ(contents(path("old.inc")), QByteArray("keep me"));
}

TEST(CliProgram, ExitCodesReachTheShell)
{
    QProcess tool;
    tool.start(VESK4_CLI, {"frobnicate"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), kExitUsage);
    EXPECT_TRUE(tool.readAllStandardError().contains("unknown command"));

    tool.start(VESK4_CLI, {"--help"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), kExitOk);
    EXPECT_TRUE(tool.readAllStandardOutput().startsWith("Usage: vesk4"));
}

} // namespace
} // namespace vesk4
