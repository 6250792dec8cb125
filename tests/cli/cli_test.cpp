// The command-line tool run in-process, its two output streams caught, on projects saved into a
// scratch folder; and once as a program.
#include "cli/cli.h"
#include "document/page_state.h"
#include "export/include_export.h"
#include "files/project_file.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

struct CliRun {
    int code;
    QString out;
    QString err;
};

class Cli : public ::testing::Test {
protected:
    Cli()
    {
        startDocument(doc, state);
        // Page 3: "2色", six 8 x 8 patterns; pattern 5 (columns 40-47) has a diagonal.
        doc.ChrOutFlag[3] = 1;
        doc.ChrPtnNum[3] = 6;
        for (int i = 0; i < 8; ++i)
            doc.PixelData(3, 40 + i, i) = 1;
    }

    static CliRun run(const QStringList &args)
    {
        CliRun r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        r.code = runCli(args, out, err);
        out.flush();
        err.flush();
        return r;
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }

    // The document saved as a project file in the scratch folder.
    QString saved(const QString &name)
    {
        EXPECT_TRUE(saveProject(doc, path(name)).ok());
        return path(name);
    }

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A white picture with the given pixels.
    QString picture(const QString &name, QSize size, const QList<std::pair<QPoint, QRgb>> &pixels)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(qRgb(255, 255, 255));
        for (const auto &[at, colour] : pixels)
            image.setPixel(at, colour);
        EXPECT_TRUE(image.save(path(name), "PNG"));
        return path(name);
    }

    QTemporaryDir dir;
    Document doc;
    EditorState state;
};

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

TEST_F(Cli, HelpForTheToolAndEachCommand)
{
    const QString overview = run({"--help"}).out;
    for (const char *command :
         {"new", "export", "render", "check", "from-inc", "show", "diff", "import", "image"}) {
        EXPECT_TRUE(overview.contains(QStringLiteral("\n  %1 ").arg(command))) << command;
        EXPECT_TRUE(run({command, "--help"}).out.startsWith(QStringLiteral("Usage: vesk4 %1").arg(command)));
    }
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

TEST_F(Cli, TheProgramHandsTheExitCodeAndStandardErrorThrough)
{
    QProcess tool;
    tool.start(VESK4_CLI, {"frobnicate"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), kExitUsage);
    EXPECT_TRUE(tool.readAllStandardError().contains("unknown command"));
}

// A block of one row reads as "2色" with a note, and exports as it was read; a cut file is refused.
TEST_F(Cli, FromIncReadsWhatTheExportWroteAndRefusesACutFile)
{
    doc.ChrSizeY[3] = 1; // one row: a column byte of "2色" or a cell of "256色"
    doc.FileVer = 1;
    doc.MapData(0, 4, 2) = 77;
    const QString flat = write("flat.inc", includeFileBytes(doc).value());
    const CliRun read = run({"from-inc", flat, path("flat.egd")});
    ASSERT_EQ(read.code, kExitOk);
    EXPECT_TRUE(read.err.startsWith("vesk4: " + flat
                                    + ": note: line 7: the data of _Chr03 reads as \"2色\" and as \"256色\""))
        << read.err.toStdString();
    ASSERT_EQ(run({"export", path("flat.egd"), path("again.inc")}).code, kExitOk);
    EXPECT_EQ(contents(path("again.inc")), contents(flat));

    const QByteArray cut = contents(flat).left(contents(flat).indexOf(";PTN 3"));
    const CliRun refused = run({"from-inc", write("cut.inc", cut), path("out.egd")});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_TRUE(refused.err.contains("line 15:")) << refused.err.toStdString(); // after pattern 2's data
    EXPECT_FALSE(QFile::exists(path("out.egd")));
}

TEST_F(Cli, CheckNamesTheFirstDifferingLineWithItsPageAndPattern)
{
    const QString project = saved("p.egd");
    const QString current = write("current.inc", includeFileBytes(doc).value());
    EXPECT_EQ(run({"export", project, current, "--check"}).out, current + ": current\n");

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

TEST_F(Cli, ShowAndDiffDrawThePagesThatHoldAnything)
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

// Page 1 ("2色", two 8 x 8 patterns) drawn from a picture, written as the include file and as an image.
TEST_F(Cli, ImportThenExportGivesTheDrawnCells)
{
    doc.ChrOutFlag[1] = 1;
    doc.ChrPtnNum[1] = 2;
    doc.ChrOutFlag[3] = 0;
    const QString project = saved("p.egd");
    const QRgb black = qRgb(0, 0, 0);
    QList<std::pair<QPoint, QRgb>> drawn{{{0, 0}, black},
                                         {{0, 7}, black},
                                         {{2, 3}, black},
                                         {{4, 0}, qRgb(100, 100, 100)},
                                         {{14, 4}, qRgba(0, 0, 0, 127)}, // 128 over white
                                         {{15, 4}, qRgba(0, 0, 0, 128)}}; // 127 over white
    for (int y = 0; y < 8; ++y)
        drawn.append({{8, y}, black});
    const CliRun imported = run({"import", project, picture("drawn.png", {16, 8}, drawn), "--page", "1"});
    ASSERT_EQ(imported.code, kExitOk) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("page 1 at 0,0: 13 cell(s) changed\n"));
    ASSERT_EQ(run({"export", project, path("p.inc")}).code, kExitOk);
    EXPECT_EQ(contents(path("p.inc")), contents(VESK4_TEST_DATA "/image_import/expected.inc"));

    // Grey 100 is not below a threshold of 100, grey 99 is.
    const QByteArray before = contents(project);
    const QString greys
        = picture("greys.png", {3, 1}, {{{0, 0}, qRgb(100, 100, 100)}, {{1, 0}, qRgb(99, 99, 99)}});
    const CliRun placed = run({"import", project, greys, "--page", "1", "--at", "62,1", "--threshold", "100",
                               "--output", path("q.egd")});
    ASSERT_EQ(placed.code, kExitOk) << placed.err.toStdString();
    EXPECT_TRUE(placed.out.contains("1 pixel(s) beyond the sheet cut"));
    EXPECT_EQ(contents(project), before);
    ASSERT_TRUE(openProject(path("q.egd"), doc, state).ok());
    EXPECT_EQ(doc.PixelData(1, 62, 1), 0);
    EXPECT_EQ(doc.PixelData(1, 63, 1), 1);

    ASSERT_EQ(run({"image", project, path("p.png"), "--page", "1", "--patterns", "--scale", "2"}).code,
              kExitOk);
    const QImage image(path("p.png"));
    ASSERT_EQ(image.size(), QSize(32, 16));
    EXPECT_EQ(image.pixel(1, 15), black); // cell (0, 7)
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 255, 255));
}

TEST_F(Cli, FailedImportLeavesTheProjectAsItWas)
{
    const QString project = saved("p.egd");
    const QByteArray before = contents(project);
    QImage huge(4097, 1, QImage::Format_RGB32);
    huge.fill(0);
    ASSERT_TRUE(huge.save(path("huge.png")));
    const std::pair<QString, const char *> cases[] = {
        {write("junk.png", "not a picture"), "Cannot read the image: "},
        {path("huge.png"), "4097 x 1 pixels"},
    };
    for (const auto &[image, reason] : cases) {
        for (const QStringList &output : {QStringList{}, QStringList{"--output", path("out.egd")}}) {
            const CliRun r = run(QStringList{"import", project, image, "--page", "1"} + output);
            EXPECT_EQ(r.code, kExitFailure);
            EXPECT_TRUE(r.err.contains(image) && r.err.contains(reason)) << r.err.toStdString();
            EXPECT_EQ(contents(project), before);
            EXPECT_FALSE(QFile::exists(path("out.egd")));
        }
    }
    EXPECT_EQ(run({"import", path("missing.egd"), path("huge.png"), "--page", "1"}).code, kExitFailure);
}

} // namespace
} // namespace vesk4
