// The C header against the include file: a header written for a project of every colour mode is
// compiled as C99 and C++17 with gcc and clang, and the arrays the program prints must be the
// include file's blocks byte for byte.
#include "export/c_header_export.h"

#include "document/page_state.h"
#include "export/include_export.h"
#include "include_text.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

struct PageSetup {
    int page, mode, width, height, patterns;
    const char *name;
};

// Every colour mode, odd widths, and names for each identifier rule; cells of varied values in the
// range each mode writes as bytes; page 0 "16色" for the palette words, and the map.
Document projectOfEveryMode()
{
    Document doc = startedDocument();
    const PageSetup pages[] = {
        {0, kMode16, 5, 2, 14, "Chr00"},  {1, kMode256, 20, 1, 4, "キャラ"}, {2, kMode4, 5, 3, 2, "3d"},
        {3, kMode2, 20, 8, 4, ""},        {4, kMode2Ex, 3, 5, 22, "int"},    {5, kMode2, 8, 8, 1, "Chr00"},
        {6, kMode2Ex, 8, 16, 3, "Chr00"}, {7, kMode2, 8, 8, 0, "a-b"},
    };
    for (const PageSetup &p : pages) {
        Page &page = doc.pages[p.page];
        setPage(page, p.mode, p.width, p.height, p.patterns);
        page.name = QString::fromUtf8(p.name);
        const int range[] = {256, 16, 4, 3, 3};
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const int v = (x * 7 + y * 13 + p.page * 5) % range[p.mode];
                doc.PixelData(p.page, x, y) = int16_t(p.mode == kMode4 ? page.pal4[v] : v);
            }
        }
    }
    doc.pages[0].pal16[3] = 200;
    doc.FileVer = 1;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            doc.MapData(0, x, y) = int16_t((x + 16 * y) % 256);
    return doc;
}

// Names for each rule: kept, every character outside the C set made "_", "chr_" before a digit or
// nothing, a keyword and earlier names suffixed with the page number.
const char *const kIdentifiers[] = {"Chr00", "___", "chr_3d", "chr_", "int_4", "Chr00_5", "Chr00_6", "a_b"};

// The arrays the include file's data makes, one line each: "NAME v v v ...", palette words first,
// then each block from its label on, then the map, in decimal.
QByteArray includeArrays(const QByteArray &include)
{
    QList<QList<long long>> blocks;
    QList<long long> palette;
    for (const QByteArray &line : include.split('\n')) {
        if (line.startsWith('_'))
            blocks.append(QList<long long>());
        const bool word = line.startsWith("   .word  ");
        if (!word && !line.startsWith("   .byte  "))
            continue;
        for (const QByteArray &item : line.mid(10).split(';').front().split(','))
            (blocks.isEmpty() ? palette : blocks.back()).append(item.trimmed().toLongLong(nullptr, 0));
    }
    // The map's 32 lines of 16 follow the last block's data without a line of their own.
    const QList<long long> map = blocks.back().mid(blocks.back().size() - 512);
    blocks.back().resize(blocks.back().size() - 512);
    QByteArray out;
    const auto line = [&out](const QByteArray &name, const QList<long long> &values) {
        out.append(name);
        for (long long v : values)
            out.append(' ').append(QByteArray::number(v));
        out.append('\n');
    };
    line("chr_palette16", palette);
    for (qsizetype b = 0; b < blocks.size(); ++b)
        line(kIdentifiers[b], blocks[b]);
    line("chr_map", map);
    return out;
}

// Prints every array of the header as includeArrays() lines, then the macros of the first page.
QByteArray programPrintingArrays()
{
    // The pointer takes the array only when its element type is the one named.
    QByteArray text
        = "#include \"chr_data.h\"\n#include <stdio.h>\n\n"
          "#define PRINT(type, a) do { const type *p = a; size_t i; printf(\"%s\", #a); \\\n"
          "    for (i = 0; i < sizeof a / sizeof a[0]; ++i) printf(\" %u\", (unsigned)p[i]); \\\n"
          "    printf(\"\\n\"); } while (0)\n\nint main(void)\n{\n    PRINT(uint16_t, chr_palette16);\n";
    for (const char *id : kIdentifiers)
        text.append("    PRINT(uint8_t, ").append(id).append(");\n");
    text.append("    PRINT(uint8_t, chr_map);\n"
                "    printf(\"%d %d %d %d\\n\", Chr00_WIDTH, Chr00_HEIGHT, Chr00_PATTERNS, "
                "Chr00_PATTERN_BYTES);\n    return 0;\n}\n");
    return text;
}

// Compiles source with the compiler and runs the program; the program's output, or a failure.
::testing::AssertionResult compileAndRun(const QString &compiler, const QStringList &flags, const QDir &dir,
                                         const QString &source, QByteArray &output)
{
    QProcess build;
    build.setWorkingDirectory(dir.path());
    build.setProcessChannelMode(QProcess::MergedChannels);
    build.start(compiler, flags + QStringList{"-Wall", "-Wextra", "-Werror", source, "-o", "prog"});
    if (!build.waitForFinished(120000) || build.exitCode() != 0)
        return ::testing::AssertionFailure()
            << compiler.toStdString() << ": " << build.readAll().toStdString();
    QProcess run;
    run.start(dir.filePath("prog"), {});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return ::testing::AssertionFailure() << "the program failed";
    output = run.readAllStandardOutput();
    return ::testing::AssertionSuccess();
}

void expectArraysCompiledWith(const QString &cCompiler, const QString &cxxCompiler)
{
    const Document doc = projectOfEveryMode();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(exportCHeader(doc, dir.filePath("chr_data.h")).ok());
    // Pattern width and height, 14 patterns of 2 rows of 3 bytes.
    const QByteArray expected = includeArrays(includeFileBytes(doc).value()) + "5 2 14 6\n";
    ASSERT_EQ(expected.count('\n'), 11);
    for (const auto &[compiler, standard, source] :
         {std::tuple(cCompiler, "-std=c99", "main.c"), std::tuple(cxxCompiler, "-std=c++17", "main.cpp")}) {
        QFile file(dir.filePath(source));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(programPrintingArrays()) > 0);
        file.close();
        QByteArray output;
        ASSERT_TRUE(compileAndRun(compiler, {standard}, QDir(dir.path()), source, output));
        EXPECT_EQ(output.toStdString(), expected.toStdString());
    }
}

// Under each compiler pair that is installed (apt-get install clang for the second).
TEST(CHeader, ArraysAreTheIncludeBlocksUnderGccAndClang)
{
    int ran = 0;
    for (const auto &[c, cxx] : {std::pair("gcc", "g++"), std::pair("clang", "clang++")}) {
        if (QStandardPaths::findExecutable(c).isEmpty() || QStandardPaths::findExecutable(cxx).isEmpty())
            continue;
        SCOPED_TRACE(c);
        expectArraysCompiledWith(c, cxx);
        ++ran;
    }
    if (ran == 0)
        GTEST_SKIP() << "neither gcc nor clang is installed";
}

// The lines around the data, written out by hand, for a "4色" page 0 with one 4 x 1 pattern.
TEST(CHeader, GuardMacrosAndPaletteBytes)
{
    Document doc = startedDocument();
    setPage(doc.pages[0], kMode4, 4, 1, 1);
    // Indices 0, 3, 1, 2 of the row 0, 3, 28, 224: the byte 0x9C.
    for (int x = 0; x < 4; ++x)
        doc.PixelData(0, x, 0) = int16_t(std::array{0, 224, 3, 28}[x]);
    EXPECT_EQ(cHeaderBytes(doc, "gfx-1.h").value(),
              "/* VESK4 graphics data: the bytes of the include file's blocks as C arrays. */\n"
              "#ifndef VESK4_GFX_1_H\n#define VESK4_GFX_1_H\n\n#include <stdint.h>\n\n"
              "/* the palette of page 0 */\nstatic const uint8_t chr_palette4[4] = {\n"
              "    0x00, 0x03, 0x1C, 0xE0,\n};\n\n/* page 0 */\n"
              "#define Chr00_WIDTH 4\n#define Chr00_HEIGHT 1\n#define Chr00_PATTERNS 1\n"
              "#define Chr00_PATTERN_BYTES 1\nstatic const uint8_t Chr00[] = {\n"
              "    4, 1, /* pattern width, height */\n    /* PTN 0 */\n    0x9C,\n};\n\n"
              "#endif /* VESK4_GFX_1_H */\n");

    // A page named like a macro of an earlier page, or like the guard, takes its number.
    doc.pages[2].outputFlag = doc.pages[3].outputFlag = 1;
    doc.pages[2].name = "Chr00_WIDTH";
    doc.pages[3].name = "VESK4_GFX_1_H";
    const std::vector<std::pair<int, QByteArray>> ids = cPageIdentifiers(doc, "gfx-1.h");
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids[1].second, "Chr00_WIDTH_2");
    EXPECT_EQ(ids[2].second, "VESK4_GFX_1_H_3");
}

// A value the include file holds that is no byte is refused, naming where it is, and no file is left.
TEST(CHeader, ValuesThatAreNoByteAreRefused)
{
    Document doc = projectOfEveryMode();
    QTemporaryDir dir;
    const std::tuple<int16_t &, int, const char *> cases[] = {
        {doc.PixelData(1, 62, 0), 300, "pattern 3 of page 1 \"キャラ\" holds the value 300"},
        {doc.PixelData(1, 62, 0), -1, "the value -1"},
        {doc.MapData(0, 15, 31), 256, "map cell 15,31 holds 256"},
        {doc.pages[1].patternWidth, 300, "300 x 1 of page 1"},
        {doc.pages[1].patternWidth, 0, "page 1"},
    };
    for (const auto &[field, value, says] : cases) {
        SCOPED_TRACE(says);
        const int16_t kept = std::exchange(field, int16_t(value));
        EXPECT_TRUE(cHeaderBytes(doc, "a.h").failure().message.contains(QString::fromUtf8(says)));
        EXPECT_FALSE(exportCHeader(doc, dir.filePath("a.h")).ok());
        EXPECT_FALSE(QFile::exists(dir.filePath("a.h")));
        field = kept;
    }
}

} // namespace
