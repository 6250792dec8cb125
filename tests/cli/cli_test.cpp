// The command-line tool run in-process, its two output streams caught, in a scratch folder that is
// the working folder, so file arguments and the messages naming them are plain file names; and once
// as a program. glyphs draws with Qt's font engine, so this runs under a QGuiApplication (offscreen).
#include "cli/cli.h"
#include "document/page_state.h"
#include "export/include_export.h"
#include "files/project_file.h"
#include "files/sjis_text.h"

#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <span>

namespace vesk4 {
namespace {

const QString kFontFile = QStringLiteral(VESK4_TEST_DATA "/glyph_font/hand8.bdf");

struct CliRun {
    int code;
    QString out;
    QString err;
};

class Cli : public ::testing::Test {
protected:
    Cli()
    {
        QDir::setCurrent(dir.path());
        startDocument(doc, state);
        // Page 3: "2色", six 8 x 8 patterns; pattern 5 (columns 40-47) has a diagonal.
        doc.pages[3].outputFlag = 1;
        doc.pages[3].patternCount = 6;
        for (int i = 0; i < 8; ++i)
            doc.PixelData(3, 40 + i, i) = 1;
    }
    ~Cli() override { QDir::setCurrent(before); }

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

    static void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // The document saved as a project file.
    QString saved(const QString &name)
    {
        EXPECT_TRUE(saveProject(doc, name).ok());
        return name;
    }

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    struct Step {
        Step(const char *line, int code, const char *says)
            : args(QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts)), code(code), says(says)
        {
            args.replaceInStrings(QRegularExpression("^''$"), QString()); // '' is an empty argument
        }
        QStringList args;
        int code;
        const char *says;
    };

    // Runs each step, expecting its exit code and a text of its output or messages.
    static void runSteps(std::span<const Step> steps)
    {
        for (const Step &step : steps) {
            SCOPED_TRACE(step.args.join(' ').toStdString());
            const CliRun r = run(step.args);
            EXPECT_EQ(r.code, step.code);
            EXPECT_TRUE((r.out + r.err).contains(QString::fromUtf8(step.says)))
                << (r.out + r.err).toStdString();
            EXPECT_TRUE(r.code != kExitUsage || r.err.count('\n') == 1);
            EXPECT_TRUE(r.code == kExitOk || r.out.isEmpty()) << r.out.toStdString();
            // What a file holds never reaches the terminal as control characters.
            EXPECT_FALSE(r.err.contains(QChar(0x1B)) || r.err.contains(QChar(0)) || r.err.contains('\r'));
            EXPECT_FALSE(QFile::exists("out"));
        }
    }

    // Page 3 of 8 x 16 patterns, 8 across, none counted; page 5 of 8 x 64 patterns, 32 on the sheet.
    void saveGlyphPages()
    {
        startDocument(doc, state);
        doc.pages[3].patternHeight = 16;
        doc.pages[5].patternHeight = 64;
        saved("p.egd");
    }

    const QString before = QDir::currentPath();
    QTemporaryDir dir;
    Document doc;
    EditorState state;
};

// A white picture with the given pixels.
void writePicture(const QString &name, QSize size, const QList<std::pair<QPoint, QRgb>> &pixels)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgb(255, 255, 255));
    for (const auto &[at, colour] : pixels)
        image.setPixel(at, colour);
    EXPECT_TRUE(image.save(name, "PNG"));
}

// Each command line and its exit code, and a text its output or error stream holds. A wrong command
// line exits 2 with one line on standard error; a failure exits 1 and writes no file "out".
TEST_F(Cli, EachCommandExitsWithItsCodeAndSaysWhy)
{
    const QByteArray project = contents(saved("p.egd"));
    const QByteArray include = includeFileBytes(doc).value();
    write("cut.inc", include.left(include.indexOf(";PTN 3"))); // after pattern 2's data, line 15
    write("bad.egd", QByteArray(project).replace(0, 3, " x "));
    const QByteArray diagonal = "   .byte  0x1,0x2,0x4,0x8,0x10,0x20,0x40,0x8"; // pattern 5, line 21
    write("stale.inc", QByteArray(include).replace(diagonal + "0", diagonal + "1"));
    Document flat = doc; // one row: a column byte of "2色" or a cell of "256色"
    flat.pages[3].patternHeight = 1;
    flat.FileVer = 1;
    flat.MapData(0, 4, 2) = 77;
    write("flat.inc", includeFileBytes(flat).value());
    doc.pages[3].patternWidth = 0; // a page that cannot be laid out
    saved("zero.egd");
    write("junk.png", "not a picture");
    QDir().mkdir("folder");
    // Grey 100 is not below a threshold of 100, grey 99 is; the third pixel falls beyond the sheet.
    writePicture("greys.png", {3, 1}, {{{0, 0}, qRgb(100, 100, 100)}, {{1, 0}, qRgb(99, 99, 99)}});
    writePicture("huge.png", {4097, 1}, {});
    // The ramp 32, 96, 160, 224 in two rows: Floyd-Steinberg gives 1 1 0 0 and 1 0 1 0 (worked out in
    // page_image_test.cpp), the plain threshold 1 1 0 0 twice.
    QImage ramp(4, 2, QImage::Format_RGB32);
    for (int i = 0; i < 8; ++i)
        ramp.setPixel(i % 4, i / 4, qRgb(32 + 64 * (i % 4), 32 + 64 * (i % 4), 32 + 64 * (i % 4)));
    ASSERT_TRUE(ramp.save("ramp.png"));

    const Step steps[] = {
        {"", kExitUsage, "vesk4 --help"},
        {"frobnicate", kExitUsage, "unknown command"},
        {"new", kExitUsage, "new takes 1 file argument(s)"},
        {"export a.egd b.inc --thumbnail", kExitUsage, "unknown option '--thumbnail'"},
        {"render a.egd b.png --page 31", kExitUsage, "--page takes a number from 0 to 30"},
        {"render a.egd b.png --page x", kExitUsage, "--page"},
        {"render a.egd b.png --scroll 129", kExitUsage, "from 0 to 128"},
        {"render a.egd b.png --scroll", kExitUsage, "--scroll needs a value"},
        {"show a.egd --page 32", kExitUsage, "from 0 to 31"},
        {"import p.egd i.png", kExitUsage, "import needs --page N"},
        {"import p.egd i.png --page 31", kExitUsage, "from 0 to 30"},
        {"import p.egd i.png --page 1 --at 64,0", kExitUsage, "--at"},
        {"import p.egd i.png --page 1 --at 0,256", kExitUsage, "--at"},
        {"import p.egd i.png --page 1 --at -1,0", kExitUsage, "--at"},
        {"import p.egd i.png --page 1 --at 1", kExitUsage, "--at"},
        {"import p.egd i.png --page 1 --at 1,x", kExitUsage, "--at"},
        {"import p.egd i.png --page 1 --threshold 256", kExitUsage, "from 0 to 255"},
        {"import p.egd i.png --page 1 --dither random", kExitUsage,
         "--dither takes floyd-steinberg, atkinson or bayer4"},
        {"image p.egd o.png", kExitUsage, "image needs --page N"},
        {"image p.egd o.png --page 1 --scale 0", kExitUsage, "from 1 to 16"},
        {"image p.egd o.png --page 1 --scale 17", kExitUsage, "from 1 to 16"},
        {"diff p.egd none.egd", kExitUsage, "none.egd"},
        {"where p.egd --cell 1,1", kExitUsage, "where needs --page N"},
        {"where p.egd --page 3", kExitUsage, "--cell X,Y"},
        {"where p.egd --page 3 --cell 1", kExitUsage, "--cell X,Y"},
        {"where p.egd --page 32 --cell 1,1", kExitUsage, "from 0 to 31"},
        {"size p.egd x.egd", kExitUsage, "size takes 1 file argument(s)"},
        {"export p.egd a.h --format h", kExitUsage, "--format takes asm or c"},
        {"diff none.egd p.egd", kExitUsage, "none.egd"},

        {"new fresh.egd", kExitOk, "wrote fresh.egd"},
        {"check fresh.egd", kExitOk, "fresh.egd: reads; format number 0, no map block, 0 page(s)"},
        {"check p.egd", kExitOk, ", 1 page(s) flagged for output"},
        {"export p.egd current.inc", kExitOk, "wrote current.inc"},
        {"export p.egd current.inc --check", kExitOk, "current.inc: current"},
        {"export p.egd current.inc --format asm --check", kExitOk, "current.inc: current"},
        {"export p.egd chr.h --format c", kExitOk, "wrote chr.h"},
        {"export p.egd chr.h --format c --check", kExitOk, "chr.h: current"},
        {"export p.egd current.inc --format c --check", kExitFailure,
         "current.inc: line 1 differs from the export\n  export: \"/* VESK4 graphics data"},
        {"export zero.egd z.h --format c", kExitFailure, "page 3 \"Chr03\""},
        {"export zero.egd current.inc", kExitFailure, "Cannot export page 3 \"Chr03\""},
        {"export p.egd folder", kExitFailure, "folder"},
        {"export p.egd out/a.inc", kExitFailure, "out/a.inc"},
        {"show p.egd --page 31", kExitOk, "page 31 \"MapChip0\" mode 3 (2-colour) size 8x8"},
        {"diff p.egd p.egd", kExitOk, ""},
        {"render p.egd r.png --page 3 --scroll 1", kExitOk, "wrote r.png"},
        {"render p.egd r0.png --page 3", kExitOk, "wrote r0.png"},
        {"render p.egd t.png --thumbnail", kExitOk, "wrote t.png"},
        {"from-inc flat.inc flat.egd", kExitOk, "note: line 7: the data of _Chr03 reads as \"2色\""},
        {"export flat.egd again.inc", kExitOk, "wrote again.inc"},
        {"show flat.egd", kExitOk, "map page 0 row 2: 4=77"},
        {"image p.egd p.png --page 3 --patterns --scale 2", kExitOk, "(96 x 16 pixels)"},
        {"image p.egd big.png --page 3 --patterns --scale 16", kExitOk, "(768 x 128 pixels)"},

        // Pattern 5 of page 3 begins at column 40: the column byte of its second column is byte
        // 2 + 5 * 8 + 1 of the block, the first block of the data.
        {"where p.egd --page 3 --cell 41,1", kExitOk, "pattern=5 byte=43 bit=1 bits=1 offset=43\n"},
        {"where p.egd --page 3 --cell 48,0", kExitFailure, "Cell 48,0 lies in none of the 6"},
        {"where zero.egd --page 3 --cell 0,0", kExitFailure, "page 3 \"Chr03\""},
        {"where missing.egd --page 3 --cell 0,0", kExitFailure, "missing.egd"},
        {"size p.egd", kExitOk, "label=_Chr03 patterns=6 bytes=50\ntotal=50\n"},
        {"size zero.egd", kExitFailure, "page 3 \"Chr03\""},
        {"check bad.egd", kExitFailure, "bad.egd: line 1"},
        {"check missing.egd", kExitFailure, "missing.egd"},
        {"new out/a.egd", kExitFailure, "out/a.egd"},
        {"export missing.egd out", kExitFailure, "missing.egd"},
        {"export p.egd out --check", kExitFailure, "out"},
        {"export p.egd stale.inc --check", kExitFailure, "line 21 (page 3 \"Chr03\", pattern 5)"},
        {"render missing.egd out", kExitFailure, "missing.egd"},
        {"from-inc cut.inc out", kExitFailure, "cut.inc: line 15:"},
        {"image p.egd out --page 2 --patterns", kExitFailure, "p.egd"}, // no patterns
        {"image missing.egd out --page 1", kExitFailure, "missing.egd"},
        {"image p.egd out/a.png --page 1", kExitFailure, "out/a.png"},
        {"import missing.egd huge.png --page 1", kExitFailure, "missing.egd"},
        {"import p.egd junk.png --page 1", kExitFailure, "junk.png: Cannot read the image"},
        {"import p.egd huge.png --page 1", kExitFailure, "4097 x 1 pixels"},
        {"import p.egd ramp.png --page 1 --dither floyd-steinberg --output d.egd", kExitOk, "into page 1"},
        {"import p.egd greys.png --page 1 --at 62,1 --threshold 100 --output q.egd", kExitOk,
         "into page 1 at 62,1: 1 cell(s) changed, 1 pixel(s) beyond the sheet cut"},
    };
    runSteps(steps);
    EXPECT_EQ(contents("fresh.egd"), qUncompress(contents(VESK4_TEST_DATA "/project_new/expected.egd.z")));
    EXPECT_EQ(contents("current.inc"), include);
    EXPECT_TRUE(contents("chr.h").contains("static const uint8_t Chr03[] = {\n"));
    EXPECT_EQ(contents("again.inc"), contents("flat.inc"));
    EXPECT_EQ(contents("p.egd"), project);
    EXPECT_EQ(QProcess::execute(VESK4_CLI, {"frobnicate"}), kExitUsage); // the program passes the code on

    // The overview names every command, and each has its own help.
    const QString overview = run({"--help"}).out;
    for (const char *command : {"new", "export", "render", "check", "from-inc", "show", "diff", "import",
                                "image", "glyphs", "where", "size"}) {
        EXPECT_TRUE(overview.contains(QStringLiteral("\n  %1 ").arg(command))) << command;
        EXPECT_TRUE(run({command, "--help"}).out.startsWith(QStringLiteral("Usage: vesk4 %1").arg(command)));
    }
    ASSERT_TRUE(openProject("d.egd", doc, state).ok());
    QList<int16_t> cells;
    for (int i = 0; i < 8; ++i)
        cells << doc.PixelData(1, i % 4, i / 4);
    EXPECT_EQ(cells, QList<int16_t>({1, 1, 0, 0, 1, 0, 1, 0}));
    ASSERT_TRUE(openProject("q.egd", doc, state).ok());
    EXPECT_EQ(doc.PixelData(1, 62, 1), 0);
    EXPECT_EQ(doc.PixelData(1, 63, 1), 1);
    // Scrolled by a row, page 3's cell (41, 1) is at the top of the 512 x 640 canvas, 8 pixels a cell.
    EXPECT_EQ(QImage("r.png").size(), QSize(512, 640));
    EXPECT_EQ(QImage("r.png").pixel(41 * 8 + 4, 5), qRgb(0, 0, 0));
    EXPECT_EQ(QImage("r0.png").pixel(40 * 8 + 4, 5), qRgb(0, 0, 0)); // no --scroll: row 0 at the top
    EXPECT_EQ(QImage("t.png").size(), QSize(128, 192));
}

TEST_F(Cli, ShowAndDiffDrawThePagesThatHoldAnything)
{
    saved("before.egd");
    doc.PixelData(3, 41, 1) = 2;
    doc.PixelData(3, 0, 2) = 17;
    doc.PixelData(3, 1, 2) = 12;
    doc.pages[5].name = QStringLiteral("キャラ");
    saved("after.egd");
    EXPECT_EQ(run({"show", "after.egd"}).out,
              QString::fromUtf8(contents(VESK4_TEST_DATA "/cli_show_diff/show.txt")));
    const CliRun diff = run({"diff", "before.egd", "after.egd"});
    EXPECT_EQ(diff.code, kExitFailure);
    EXPECT_EQ(diff.out, QString::fromUtf8(contents(VESK4_TEST_DATA "/cli_show_diff/diff.txt")));
}

// Inputs a careful user tries that once overwrote files or reported success wrongly.
TEST_F(Cli, RefusesBadInputAndSaysWhy)
{
    const QByteArray project = contents(saved("p.egd"));
    const QByteArray include = includeFileBytes(doc).value();
    write("p.inc", include);
    ASSERT_TRUE(QFile::link(dir.filePath("p.egd"), "symlink.egd"));
    ASSERT_EQ(::link("p.inc", "hardlink.inc"), 0);
    writePicture("i.png", {1, 1}, {});
    ASSERT_EQ(::mkfifo("fifo", 0600), 0);
    const auto replaced = [&include](const QByteArray &what, const QByteArray &with) {
        return QByteArray(include).replace(what, with);
    };
    write("lf.inc", replaced("\r\n", "\n"));
    write("cr.inc", replaced("\r\n", "\r"));
    write("crcr.inc", replaced("\r\n", "\r\r\n"));
    write("bom.inc", "\xEF\xBB\xBF" + include);
    write("utf8.inc", decodeCp932(include).toUtf8());
    write("ptn.inc", replaced(";PTN 5 ", ";PTN 32768 "));
    write("escape.inc", replaced("_Chr03", QByteArray("_Chr\x1B[2J03")));
    write("nul.inc", replaced("_Chr03", QByteArray("_Chr03").insert(4, '\0')));
    const QByteArray diagonal = "   .byte  0x1,0x2,0x4,0x8,0x10,0x20,0x40,0x80";
    write("bell.inc", replaced(diagonal, diagonal + "\a"));
    write("stale.inc", replaced(diagonal, diagonal + "\x1B[2J"));

    const Step steps[] = {
        // The output is the input, spelt otherwise or through a link: refused, nothing written.
        {"export p.egd ./p.egd", kExitFailure, "./p.egd: This is the input file p.egd"},
        {"export symlink.egd p.egd", kExitFailure, "This is the input file"},
        {"render p.egd symlink.egd", kExitFailure, "This is the input file"},
        {"image p.egd p.egd --page 3", kExitFailure, "This is the input file"},
        {"from-inc p.inc hardlink.inc", kExitFailure, "This is the input file"},
        {"import p.egd i.png --page 1 --output i.png", kExitFailure, "This is the input"},
        {"export p.egd p.inc --check", kExitOk, "current"}, // reads both, writes neither
        // Devices that never end are read up to the limit, not to the end of memory.
        {"from-inc /dev/zero out", kExitFailure, "larger than"},
        {"export p.egd /dev/zero --check", kExitFailure, "larger than"},
        // Line ends of another system read as line ends, and --check names them.
        {"from-inc p.inc crlf.egd", kExitOk, "wrote crlf.egd"},
        {"from-inc cr.inc cr.egd", kExitOk, "wrote cr.egd"},
        {"from-inc crcr.inc crcr.egd", kExitOk, "wrote crcr.egd"},
        {"from-inc lf.inc lf.egd", kExitOk, "wrote lf.egd"},
        {"export p.egd lf.inc --check", kExitFailure,
         "lf.inc: line 1 (the banner) differs from the export: the line ends differ: the export ends the "
         "line with CR LF, the file with LF"},
        {"export p.egd cr.inc --check", kExitFailure, "the file with CR\n"},
        {"export p.egd crcr.inc --check", kExitFailure, "the file with CR CR LF\n"},
        // The cause named: the encoding, the number out of range.
        {"from-inc bom.inc out", kExitFailure, "line 1: The file begins with a UTF-8 byte order mark"},
        {"export p.egd bom.inc --check", kExitFailure,
         "line 1 (the banner) differs from the export: the file begins with a UTF-8 byte order mark"},
        {"from-inc utf8.inc out", kExitFailure, "The closing lines are UTF-8 text"},
        {"export p.egd utf8.inc --check", kExitFailure,
         "line 2 (the banner) differs from the export: the file is UTF-8 text"},
        {"from-inc ptn.inc out", kExitFailure, "line 20: The pattern number 32768 is out of range"},
        // Control characters from the file are shown as '?'.
        {"from-inc escape.inc out", kExitFailure, "cannot keep the name \"Chr?[2J03\""},
        {"from-inc nul.inc out", kExitFailure, "cannot keep the name \"Chr?03\""},
        {"from-inc bell.inc out", kExitFailure, "Item 8 is followed by \"?\""},
        {"export p.egd stale.inc --check", kExitFailure, "0x40,0x80?[2J\""},
        // An option given twice: which value was meant is not known.
        {"render p.egd r.png --page 1 --page 2", kExitUsage, "--page given more than once"},
        {"export p.egd p.inc --check --check", kExitUsage, "--check given more than once"},
        // A pipe nobody writes into is refused at once, not waited on.
        {"check fifo", kExitFailure, "fifo is a pipe that no program writes into"},
        {"from-inc fifo out", kExitFailure, "fifo is a pipe that no program writes into"},
        {"import p.egd fifo --page 1 --output out", kExitFailure, "a pipe that no program"},
    };
    runSteps(steps);
    EXPECT_EQ(contents("p.egd"), project);
    EXPECT_EQ(contents("p.inc"), include);
    EXPECT_EQ(QImage("i.png").size(), QSize(1, 1));
    for (const char *read : {"cr.egd", "crcr.egd", "lf.egd"})
        EXPECT_EQ(contents(read), contents("crlf.egd")) << read;

    // Another import holds the project: this one gives up after a short wait and changes nothing.
    QLockFile held(dir.filePath("p.egd.lock"));
    ASSERT_TRUE(held.tryLock(0));
    const CliRun locked = run({"import", "p.egd", "i.png", "--page", "3"});
    EXPECT_EQ(locked.code, kExitFailure);
    EXPECT_TRUE(locked.err.contains("p.egd: Another program is changing this project (it holds p.egd.lock)"));
    held.unlock();
    EXPECT_EQ(run({"import", "p.egd", "i.png", "--page", "3"}).code, kExitOk);
    EXPECT_FALSE(QFile::exists("p.egd.lock"));

    // Output that does not arrive is a failure of the command.
    QProcess show;
    show.setStandardOutputFile(QStringLiteral("/dev/full"));
    show.start(VESK4_CLI, {"show", "p.egd"});
    ASSERT_TRUE(show.waitForFinished());
    EXPECT_EQ(show.exitCode(), kExitFailure);
    EXPECT_TRUE(show.readAllStandardError().contains("cannot write the output: No space left on device"));
}

// The program run through the shell, so arguments can hold bytes that are no UTF-8 (printf's octal
// escapes in the command line); its exit code and both streams.
CliRun runProgramRaw(const QString &shellArguments)
{
    QProcess program;
    program.start(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + shellArguments, QStringLiteral(VESK4_CLI)});
    EXPECT_TRUE(program.waitForFinished());
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

bool rawNameExists(const char *name)
{
    struct stat st { };
    return ::lstat(name, &st) == 0;
}

// A name that is no UTF-8 (made on a system with another encoding) opens the file it names; messages
// show its bytes as \xHH; nothing is written under such a name, which Qt cannot spell.
TEST_F(Cli, AFileNameThatIsNoUtf8OpensThatFile)
{
    saved("p.egd");
    ASSERT_EQ(::link("p.egd", "\xff.egd"), 0);
    ASSERT_EQ(::mkdir("\xfe", 0700), 0);
    ASSERT_EQ(::link("p.egd", "\xfe/p\xfd\xc3\xa9.egd"), 0);

    const CliRun check = runProgramRaw(QStringLiteral("check \"$(printf '\\377.egd')\""));
    EXPECT_EQ(check.code, kExitOk) << check.err.toStdString();
    EXPECT_TRUE(check.out.startsWith(QStringLiteral("\\xff.egd: reads; format number 0")))
        << check.out.toStdString();

    // Bytes that are no UTF-8 in the folder and in the name, beside some that are (é).
    const CliRun exported
        = runProgramRaw(QStringLiteral("export \"$(printf '\\376/p\\375\\303\\251.egd')\" p.inc"));
    EXPECT_EQ(exported.code, kExitOk) << exported.err.toStdString();
    EXPECT_EQ(contents("p.inc"), includeFileBytes(doc).value());

    const CliRun missing = runProgramRaw(QStringLiteral("check \"$(printf '\\374.egd')\""));
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("\\xfc.egd")) && missing.err.contains("No such file"))
        << missing.err.toStdString();

    // Writing under such a name is refused, and nothing is written, neither under the name Qt would
    // make of it nor over the file it names.
    const QByteArray before = contents("p.egd");
    for (const char *line : {"export p.egd \"$(printf '\\373.inc')\"", "new \"$(printf '\\377.egd')\"",
                             "from-inc p.inc \"$(printf '\\377.egd')\""}) {
        SCOPED_TRACE(line);
        const CliRun refused = runProgramRaw(QString::fromUtf8(line));
        EXPECT_EQ(refused.code, kExitFailure);
        EXPECT_TRUE(refused.err.contains("the name is not valid UTF-8")) << refused.err.toStdString();
    }
    EXPECT_FALSE(rawNameExists("\xfb.inc"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("\uFFFD.inc")) || QFile::exists(QStringLiteral("\uFFFD.egd")));
    EXPECT_EQ(contents("p.egd"), before);
    struct stat st { };
    ASSERT_EQ(::stat("\xff.egd", &st), 0);
    EXPECT_EQ(st.st_nlink, 3u); // still the same file as p.egd, not replaced
}

// "F" (advance 6, box 4 x 7 one column in) lands in pattern 2 at column 16 + 1 + 1; "Z" has no glyph.
TEST_F(Cli, GlyphsDrawIntoThePatternsAndSayWhatWasDone)
{
    saveGlyphPages();
    const QStringList args{"glyphs", "p.egd",   "--font", kFontFile, "--size", "8",       "--page",
                           "3",      "--chars", "FZ",     "--first", "2",      "--output"};
    const CliRun r = run(args + QStringList{"q.egd"});
    EXPECT_EQ(r.code, kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringLiteral("drew 2 character(s) of \"Vesk4 Hand Test\" at 8 px into page 3, patterns "
                             "2-3: 12 cell(s) changed, pattern count 0 -> 4\n"
                             "no glyph for U+005A: its pattern is left blank\n"
                             "wrote q.egd\n"));
    ASSERT_TRUE(openProject(QStringLiteral("q.egd"), doc, state).ok());
    EXPECT_EQ(doc.pages[3].patternCount, 4);
    const auto row = [&](int y) {
        std::string cells;
        for (int x = 16; x < 24; ++x)
            cells += doc.PixelData(3, x, y) == 1 ? '#' : '.';
        return cells;
    };
    EXPECT_EQ(row(0), "..####..");
    EXPECT_EQ(row(3), "..###...");
    EXPECT_EQ(row(6), "..#.....");
    EXPECT_EQ(row(7), "........");

    // The program makes its own graphical application for this command, with no display.
    EXPECT_EQ(QProcess::execute(VESK4_CLI, args + QStringList{"r.egd"}), kExitOk);
    EXPECT_EQ(contents("r.egd"), contents("q.egd"));
}

// Every refusal of glyphs leaves the project byte for byte as it was and writes no output.
TEST_F(Cli, GlyphsRefusalsLeaveTheProjectAndWriteNothing)
{
    saveGlyphPages();
    const QByteArray project = contents("p.egd");
    write("junk.ttf", "no font at all");

    ASSERT_TRUE(QFile::copy(kFontFile, "f.bdf"));
    const Step steps[] = {
        {"glyphs p.egd --output out --size 8 --page 3", kExitUsage, "glyphs needs --font"},
        {"glyphs p.egd --output out --font f.bdf --size 8", kExitUsage, "glyphs needs --page"},
        {"glyphs p.egd --output out --font f.bdf --page 3 --size 3", kExitUsage,
         "--size takes a number from 4 to 64"},
        {"glyphs p.egd --output out --font f.bdf --size 8 --page 31", kExitUsage,
         "--page takes a number from 0 to 30"},
        {"glyphs p.egd --output out --font f.bdf --size 8 --page 3 --chars ''", kExitUsage,
         "--chars takes at least one character"},
        {"glyphs p.egd --output out --font f.bdf --size 8 --page 3 --first 99", kExitUsage,
         "--first takes a number from 0 to 98"},
        {"glyphs p.egd --output out --font missing.ttf --size 8 --page 3", kExitFailure,
         "missing.ttf: Cannot find the font file"},
        {"glyphs p.egd --output out --font junk.ttf --size 8 --page 3", kExitFailure,
         "junk.ttf: junk.ttf is not a font file"},
        {"glyphs p.egd --output out --font . --size 8 --page 3", kExitFailure,
         ".: Cannot read the font file .: it is a folder."},
        {"glyphs p.egd --output out --font NoSuchFamily --size 8 --page 3", kExitFailure,
         "no font file or installed font named"},
        {"glyphs p.egd --output out --font f.bdf --size 8 --page 3 --first 98 --chars FF", kExitFailure,
         "at most 99"},
        {"glyphs p.egd --output out --font f.bdf --size 8 --page 5 --first 31 --chars FF", kExitFailure,
         "p.egd: Page 5's sheet holds 32 patterns of 8 x 64 cells; 2 characters from pattern 31 need 33."},
        {"glyphs missing.egd --font f.bdf --size 8 --page 3", kExitFailure, "missing.egd"},
    };
    runSteps(steps);
    EXPECT_EQ(contents("p.egd"), project);
}

} // namespace
} // namespace vesk4
