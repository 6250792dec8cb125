#include "cli_fixture.h"

#include "version.h"

#include <QImage>
#include <QProcess>

namespace vesk4 {
namespace {

using Cli = CliTest;

// Each way a command line can be wrong, for every command: exit 2, one line on standard error.
TEST_F(Cli, WrongCommandLinesExitTwoWithAOneLineHint)
{
    const QList<QStringList> wrong{
        {},
        {"frobnicate"},
        {"new"},
        {"export", "a.egd", "b.inc", "--thumbnail"},
        {"render", "a.egd", "b.png", "--page", "31"},
        {"render", "a.egd", "b.png", "--page", "x"},
        {"render", "a.egd", "b.png", "--scroll", "129"},
        {"render", "a.egd", "b.png", "--scroll"},
        {"show", "a.egd", "--page", "32"},
        {"import", "p.egd", "i.png"},
        {"import", "p.egd", "i.png", "--page", "31"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "64,0"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "0,256"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "-1,0"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "1"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "1,x"},
        {"import", "p.egd", "i.png", "--page", "1", "--threshold", "256"},
        {"image", "p.egd", "o.png"},
        {"image", "p.egd", "o.png", "--page", "1", "--scale", "0"},
        {"image", "p.egd", "o.png", "--page", "1", "--scale", "17"},
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

TEST_F(Cli, HelpForTheToolAndEachCommandAndTheVersion)
{
    const CliRun overview = run({"--help"});
    EXPECT_EQ(overview.code, kExitOk);
    EXPECT_TRUE(overview.out.contains("--check") && overview.out.contains("--version"));
    for (const char *command :
         {"new", "export", "render", "check", "from-inc", "show", "diff", "import", "image"}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(overview.out.contains(QStringLiteral("\n  %1 ").arg(command)));
        const CliRun r = run({command, "--help"});
        EXPECT_EQ(r.code, kExitOk);
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: vesk4 %1").arg(command)));
    }
    EXPECT_EQ(run({"--version"}).out, QStringLiteral("vesk4 %1\n").arg(kVersion));
}

TEST_F(Cli, NewWritesTheStartDocumentAndCheckReadsIt)
{
    ASSERT_EQ(run({"new", path("fresh.egd")}).code, kExitOk);
    EXPECT_EQ(contents(path("fresh.egd")),
              qUncompress(contents(VESK4_TEST_DATA "/project_new/expected.egd.z")));

    EXPECT_EQ(run({"check", path("fresh.egd")}).out,
              path("fresh.egd") + ": reads; format number 0, no map block, 0 page(s) flagged for output\n");
    QByteArray broken = contents(path("fresh.egd"));
    const CliRun bad = run({"check", write("bad.egd", broken.replace(0, 3, " x "))});
    EXPECT_EQ(bad.code, kExitFailure);
    EXPECT_TRUE(bad.err.contains("line 1"));
}

// Page 2 has a black cell at the top and at row 10; scrolled by 10 rows, row 10 is at the top.
TEST_F(Cli, RenderShowsThePageAsTheCanvasDoes)
{
    doc.PixelData(2, 0, 0) = doc.PixelData(2, 2, 10) = 1;
    const QString project = saved("render.egd");
    const auto rendered = [&](const QStringList &options) {
        EXPECT_EQ(run(QStringList{"render", project, path("r.png")} + options).code, kExitOk);
        return QImage(path("r.png"));
    };
    EXPECT_EQ(rendered({}).size(), QSize(512, 640));
    EXPECT_EQ(rendered({"--page", "2"}).pixel(4, 5), qRgb(0, 0, 0));
    const QImage scrolled = rendered({"--page", "2", "--scroll", "10"});
    EXPECT_EQ(scrolled.pixel(4, 5), qRgb(255, 255, 255));
    EXPECT_EQ(scrolled.pixel(20, 5), qRgb(0, 0, 0));
    const QImage thumb = rendered({"--thumbnail", "--page", "2"});
    EXPECT_EQ(thumb.size(), QSize(128, 192));
    EXPECT_EQ(thumb.pixel(0, 0), qRgb(0, 0, 0));
}

// A command that fails exits 1 and leaves no output file behind.
TEST_F(Cli, FailuresLeaveNoOutputBehind)
{
    const QString project = saved("p.egd");
    doc.ChrOutFlag[3] = 1;
    doc.ChrSizeX[3] = 0; // a page that cannot be laid out
    const QList<QStringList> failing{
        {"export", path("missing.egd"), path("out")},
        {"export", saved("zero.egd"), path("out")},
        {"render", path("missing.egd"), path("out")},
        {"new", path("out/a.egd")},
        {"check", path("missing.egd")},
        {"image", project, path("out"), "--page", "2", "--patterns"}, // page 2 has no patterns
        {"image", path("missing.egd"), path("out"), "--page", "1"},
        {"image", project, path("out/a.png"), "--page", "1"},
    };
    for (const QStringList &args : failing) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(run(args).code, kExitFailure);
        EXPECT_FALSE(QFile::exists(path("out")));
    }
}

// The program hands its arguments, both streams and the exit code through.
TEST_F(Cli, TheProgramPassesArgumentsStreamsAndExitCodeThrough)
{
    QProcess tool;
    tool.start(VESK4_CLI, {"check", saved("p.egd")});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), kExitOk);
    EXPECT_EQ(QString::fromUtf8(tool.readAllStandardOutput()), run({"check", path("p.egd")}).out);
    tool.start(VESK4_CLI, {"frobnicate"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), kExitUsage);
    EXPECT_TRUE(tool.readAllStandardError().contains("unknown command"));
}

} // namespace
} // namespace vesk4
