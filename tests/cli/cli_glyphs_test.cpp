// vesk4 glyphs and vesk4 import --dither, in-process in a scratch working folder and once through
// the program; every refusal leaves the project byte for byte as it was and writes no output.
#include "cli/cli.h"
#include "document/page_state.h"
#include "files/project_file.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

const QString kFontFile = QStringLiteral(VESK4_TEST_DATA "/glyph_font/hand8.bdf");

struct CliRun {
    int code;
    QString out;
    QString err;
};

class CliGlyphs : public ::testing::Test {
protected:
    CliGlyphs()
    {
        QDir::setCurrent(dir.path());
        startDocument(doc, state);
        doc.pages[3].patternHeight = 16; // 8 x 16 patterns, 8 across
        doc.pages[5].patternHeight = 64; // 8 x 64 patterns: 32 on the sheet
        EXPECT_TRUE(saveProject(doc, QStringLiteral("p.egd")).ok());
    }
    ~CliGlyphs() override { QDir::setCurrent(before); }

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

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    const QString before = QDir::currentPath();
    QTemporaryDir dir;
    Document doc;
    EditorState state;
};

// "F" (advance 6, box 4 x 7 one column in) lands in pattern 2 at column 16 + 1 + 1; "Z" has no glyph.
TEST_F(CliGlyphs, GlyphsDrawIntoThePatternsAndSayWhatWasDone)
{
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

TEST_F(CliGlyphs, RefusalsLeaveTheProjectAndWriteNothing)
{
    const QByteArray project = contents("p.egd");
    QFile junk("junk.ttf");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("no font at all");
    junk.close();

    const QStringList base{"glyphs", "p.egd", "--output", "out.egd"};
    const QStringList font{"--font", kFontFile};
    const QStringList size{"--size", "8"};
    const QStringList page{"--page", "3"};
    const struct {
        QStringList args;
        int code;
        const char *says;
    } cases[] = {
        {size + page, kExitUsage, "glyphs needs --font"},
        {font + size, kExitUsage, "glyphs needs --page"},
        {font + page + QStringList{"--size", "3"}, kExitUsage, "--size takes a number from 4 to 64"},
        {font + size + QStringList{"--page", "31"}, kExitUsage, "--page takes a number from 0 to 30"},
        {font + size + page + QStringList{"--chars", ""}, kExitUsage, "--chars takes at least one character"},
        {font + size + page + QStringList{"--first", "99"}, kExitUsage,
         "--first takes a number from 0 to 98"},
        {size + page + QStringList{"--font", "missing.ttf"}, kExitFailure,
         "missing.ttf: Cannot find the font file"},
        {size + page + QStringList{"--font", "junk.ttf"}, kExitFailure,
         "junk.ttf: junk.ttf is not a font file"},
        {size + page + QStringList{"--font", "."}, kExitFailure,
         ".: Cannot read the font file .: it is a folder."},
        {size + page + QStringList{"--font", "No Such Family"}, kExitFailure,
         "no font file or installed font named"},
        {font + size + page + QStringList{"--first", "98", "--chars", "FF"}, kExitFailure, "at most 99"},
        {font + size + QStringList{"--page", "5", "--first", "31", "--chars", "FF"}, kExitFailure,
         "p.egd: Page 5's sheet holds 32 patterns of 8 x 64 cells; 2 characters from pattern 31 need 33."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = run(base + c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(contents("p.egd"), project);
        EXPECT_FALSE(QFile::exists("out.egd"));
    }
    EXPECT_EQ(run({"glyphs", "missing.egd", "--font", kFontFile, "--size", "8", "--page", "3"}).code,
              kExitFailure);
}

// The ramp 32, 96, 160, 224 in two rows: Floyd-Steinberg gives 1 1 0 0 and 1 0 1 0 (worked out in
// dithering_test.cpp), the plain threshold 1 1 0 0 twice.
TEST_F(CliGlyphs, ImportDithersWithTheMethodNamed)
{
    QImage ramp(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            ramp.setPixel(x, y, qRgb(32 + 64 * x, 32 + 64 * x, 32 + 64 * x));
    ASSERT_TRUE(ramp.save("ramp.png"));

    const CliRun bad = run({"import", "p.egd", "ramp.png", "--page", "1", "--dither", "random"});
    EXPECT_EQ(bad.code, kExitUsage);
    EXPECT_TRUE(bad.err.contains("--dither takes floyd-steinberg, atkinson or bayer4"));

    const CliRun r = run(
        {"import", "p.egd", "ramp.png", "--page", "1", "--dither", "floyd-steinberg", "--output", "d.egd"});
    ASSERT_EQ(r.code, kExitOk) << r.err.toStdString();
    ASSERT_TRUE(openProject(QStringLiteral("d.egd"), doc, state).ok());
    QList<int16_t> cells;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            cells << doc.PixelData(1, x, y);
    EXPECT_EQ(cells, QList<int16_t>({1, 1, 0, 0, 1, 0, 1, 0}));
}

} // namespace
} // namespace vesk4
