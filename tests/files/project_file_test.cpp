#include "files/project_file.h"

#include "document/page_state.h"
#include "files/sjis_text.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

// Golden files are stored in qCompress form (made by make_project_golden.py).
QByteArray golden(const char *name)
{
    QFile file(QStringLiteral(VESK4_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? qUncompress(file.readAll()) : QByteArray();
}

struct Started {
    Document doc;
    EditorState state;
    Started() { startDocument(doc, state); }
};

QByteArray saved(const Document &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Status s = writeProject(doc, buffer);
    EXPECT_TRUE(s.ok()) << (s.ok() ? "" : s.failure().text().toStdString());
    return buffer.data();
}

class ProjectFileTest : public ::testing::Test {
protected:
    Status open(const QByteArray &bytes, Document &doc, EditorState &state)
    {
        const QString path = dir.filePath(QStringLiteral("p.egd"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        return openProject(path, doc, state);
    }

    QTemporaryDir dir;
};

TEST_F(ProjectFileTest, NameThatWouldNotReadBackIsRefusedBeforeAnythingIsWritten)
{
    // Commas, quotes and a leading blank are refused by the same check, which the name box uses.
    for (const QString &name : {QStringLiteral("two\r\nlines"), QString::fromUtf16(u"nul\0x", 5),
                                QStringLiteral("smile \U0001F600")}) {
        Started s;
        s.doc.pages[6].name = name;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const Status status = writeProject(s.doc, buffer);
        ASSERT_FALSE(status.ok()) << name.toStdString();
        EXPECT_TRUE(status.failure().message.contains(QStringLiteral("page 6")));
        EXPECT_TRUE(buffer.data().isEmpty());
    }
}

// Wrapped rows, extra blanks, commas and any line end read as the tidy file does.
TEST_F(ProjectFileTest, FilesWithAndWithoutMapReadIntoTheirTables)
{
    const QByteArray input = golden("project_map/input.egd.z");
    Started s;
    // Cells outside the sheets the file describes stay as they were.
    s.doc.PixelData(0, kSheetWidth, 0) = 5;
    s.doc.MapData(1, -1, kSheetHeight) = 6;
    for (const QByteArray &variant :
         {input, golden("project_map/wrapped.egd.z"), QByteArray(input).replace("\r\n", "\n"),
          QByteArray(input).replace("\r\n", "\r"),
          QByteArray(input).replace("\r\n", "\r\r\n")}) { // the last: CR LF converted twice
        const Status opened = open(variant, s.doc, s.state);
        ASSERT_TRUE(opened.ok()) << opened.failure().text().toStdString();
        EXPECT_EQ(saved(s.doc), input);
    }
    EXPECT_TRUE(s.doc.PixelData(0, kSheetWidth, 0) == 5 && s.doc.MapData(1, -1, kSheetHeight) == 6);
    // Each field lands in its own table.
    EXPECT_EQ(s.doc.FileVer, 1);
    EXPECT_EQ(s.doc.PixelData(2, 0, 0), -32768);
    EXPECT_EQ(s.doc.PixelData(3, 4, 5), (3 * 7 + 4 * 3 + 5 * 5) % 23 - 3);
    EXPECT_EQ(s.doc.MapData(31, 63, 255), -32768);
    EXPECT_EQ(s.doc.MapData(4, 9, 2), (4 * 31 + 9 + 2 * 64) % 300 - 20);
    EXPECT_EQ(
        (QStringList{s.doc.pages[1].name, s.doc.pages[4].name, s.doc.pages[5].name}),
        (QStringList{QStringLiteral("キャラ一覧"), QStringLiteral("a b\tc "), QStringLiteral("ﾊﾝｶｸ＿ｶﾅ")}));
    EXPECT_EQ(s.doc.pages[2].colourMode, 0);
    EXPECT_EQ(s.doc.pages[10].patternWidth, 12);
    EXPECT_EQ(s.doc.pages[9].patternHeight, 32767);
    EXPECT_EQ(s.doc.pages[5].patternCount, 150); // not the current page: kept
    EXPECT_EQ(s.doc.pages[3].outputFlag, 1);
    EXPECT_EQ(s.doc.pages[3].pal8, (std::array<int16_t, 8>{-76, -75, -74, -73, -72, -71, -70, -69}));

    // On the current page a count above 99 becomes 0, and the pattern size is that page's.
    s.state.currentPage = 5;
    ASSERT_TRUE(open(input, s.doc, s.state).ok());
    EXPECT_EQ(s.doc.pages[5].patternCount, 0);
    EXPECT_EQ(s.state.currentPatternWidth, s.doc.pages[5].patternWidth);
    EXPECT_EQ(s.state.currentPatternHeight, s.doc.pages[5].patternHeight);

    // Another format number reads no map, keeps the one in memory and ignores what follows.
    const QByteArray ver2 = golden("project_ver2/input.egd.z");
    s.state.currentPage = 0;
    ASSERT_TRUE(open(ver2, s.doc, s.state).ok());
    EXPECT_EQ(s.doc.FileVer, 2);
    EXPECT_EQ(s.doc.MapData(4, 9, 2), (4 * 31 + 9 + 2 * 64) % 300 - 20);
    const QByteArray out = saved(s.doc);
    EXPECT_EQ(out.count("\r\n"), kFileLinesWithoutMap);
    EXPECT_TRUE(ver2.startsWith(out) && ver2.size() > out.size());
}

// The file's pal4 and pal16 rows give way to the defaults, pal16 led by the pen colours; the file's
// pal8 stays, and so does pal16's spare slot, which is not the file's.
TEST_F(ProjectFileTest, LoadResetsPal4AndPal16AndKeepsPal8)
{
    Started source;
    for (Page &page : source.doc.pages)
        page.pal4 = {1, 2, 3, 4};
    source.doc.pages[9].pal8 = {1, 2, 3, 4, 5, 6, 7, -8};
    source.doc.pages[4].pal16.fill(100);
    Started s;
    s.state.leftPenColour = 10;
    s.doc.pages[4].pal16[16] = 99;
    const EditorState stateBefore = s.state;
    ASSERT_TRUE(open(saved(source.doc), s.doc, s.state).ok());
    EXPECT_EQ(s.doc.pages[7].pal4, (std::array<int16_t, 4>{0, 3, 28, 224}));
    for (int page = 0; page < kPageCount; ++page)
        EXPECT_EQ(s.doc.pages[page].pal8, source.doc.pages[page].pal8) << page;
    EXPECT_TRUE(s.doc.pages[4].pal16[1] == 10 && s.doc.pages[4].pal16[3] == 7
                && s.doc.pages[4].pal16[16] == 99);
    EXPECT_EQ(s.state, stateBefore);
}

// Failures: the document and state stay exactly as they were.

// Where the 1-based line n of the file starts.
qsizetype lineStart(const QByteArray &file, int n)
{
    qsizetype at = 0;
    for (int i = 1; i < n; ++i)
        at = file.indexOf('\n', at) + 1;
    return at;
}

QByteArray withLine(const QByteArray &file, int n, const QByteArray &line)
{
    return file.left(lineStart(file, n)) + line + "\r\n" + file.mid(lineStart(file, n + 1));
}

TEST_F(ProjectFileTest, BrokenFilesFailWithTheirLineAndChangeNothing)
{
    const QByteArray good = golden("project_new/expected.egd.z");
    const QByteArray withMap = golden("project_map/input.egd.z");
    const int name0 = 1 + kPageCount * kSheetHeight + 2; // 1-based line of page 0's name
    const QByteArray row = QByteArray(" 1 ").repeated(63);
    const struct {
        const char *what;
        QByteArray bytes;
        int line;
        const char *says;
    } cases[] = {
        {"blank lines only", "  \r\n\r\n", 2, "ends before the format number"},
        {"cut inside a row", good.left(good.indexOf('\n', 0) + 1 + 30), 2, "x 10, y 0 of page 0"},
        {"cut in the settings", good.left(lineStart(good, name0 + 4)), name0 + 3, "output flag of page 0"},
        {"map cut short", withMap.left(lineStart(withMap, 12001)), 12000, "map cell"},
        {"letters after digits", withLine(good, 6, row + " 12a "), 6, "found \"12a\""},
        {"minus alone", withLine(good, 7, row + " - "), 7, "found \"-\""},
        {"empty field", withLine(good, 9, " 1 ,, 2"), 9, "found \"\""},
        {"too large", withLine(good, 3, row + " 32768 "), 3, "outside the range"},
        {"too small", withLine(good, 4, row + " -32769 "), 4, "outside the range"},
        {"nul in a row", withLine(good, 10, row + QByteArray(" \0 ", 3)), 10, "binary data (byte 0x00)"},
        {"control byte in a name", withLine(good, name0 + 34, "Chr\x01"), name0 + 34, "name of page 1"},
        {"lead byte without trail", withLine(good, name0, "Chr\x82"), name0, "code page 932"},
        {"undefined byte in a name", withLine(good, name0, "\xa0\xfd"), name0, "code page 932"},
        {"utf-8 mark", "\xef\xbb\xbf" + good, 1, "begins with a UTF-8 byte order mark"},
        {"name where a number is", withLine(good, name0 - 1, " 3 \r\n"), name0 + 1,
         "pattern width of page 0"},
    };
    Started s;
    s.doc.PixelData(0, 0, 0) = 3;
    s.doc.MapData(0, 0, 0) = 4;
    s.state.leftPenColour = 9;
    const Document docBefore = s.doc;
    const EditorState stateBefore = s.state;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Status status = open(c.bytes, s.doc, s.state);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.failure().line, c.line) << status.failure().text().toStdString();
        EXPECT_TRUE(status.failure().message.contains(QLatin1String(c.says)))
            << status.failure().text().toStdString();
        EXPECT_TRUE(s.doc == docBefore && s.state == stateBefore);
    }
}

TEST_F(ProjectFileTest, AFolderAndOversizedFilesFailAndChangeNothing)
{
    const QString huge = dir.filePath(QStringLiteral("huge.egd"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 30)); // sparse: costs no disk
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.egd")));
    Started s;
    const Document docBefore = s.doc;
    for (const QString &path : {dir.filePath(QStringLiteral("folder.egd")), huge})
        EXPECT_FALSE(openProject(path, s.doc, s.state).ok()) << path.toStdString();
    EXPECT_TRUE(s.doc == docBefore);
    // A buffer just over the bound, all one endless line.
    QBuffer big;
    big.setData(QByteArray(kMaxProjectFileBytes + 1, '1'));
    big.open(QIODevice::ReadOnly);
    const Expected<ProjectContent> read = readProject(big);
    EXPECT_TRUE(!read.ok() && read.failure().message.contains(QLatin1String("larger")));
}

// The wave dash as JIS input methods give it, and the minus and double bar of Windows' table. What
// it cannot hold is refused through the writer's refusal of a name above.
TEST(Cp932Text, EncodesWindowsJapanese)
{
    bool ok = false;
    EXPECT_EQ(encodeCp932(u"ﾊﾝ＿A\\~〜−‖", &ok).toHex(), "cadd8151415c7e8160817c8161");
    EXPECT_TRUE(ok);
}

} // namespace
