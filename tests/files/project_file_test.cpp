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
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return qUncompress(file.readAll());
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.last().isEmpty()); // the file ends with a line end
    lines.removeLast();
    for (QByteArray &line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

// 0-based index of the line that holds setting `field` (0-33) of `page`, file without map.
int settingLine(int page, int field)
{
    return 1 + kPageCount * kSheetHeight + page * 34 + field;
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

Expected<ProjectContent> read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readProject(buffer);
}

class ProjectFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("p.egd"))
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    Status open(const QByteArray &bytes, Document &doc, EditorState &state)
    {
        return openProject(write(bytes), doc, state);
    }

    QTemporaryDir dir;
};

// ---------------------------------------------------------------------------------------------
// Writing

TEST_F(ProjectFileTest, NewDocumentIsWrittenExactly)
{
    Started s;
    const QByteArray bytes = saved(s.doc);
    EXPECT_EQ(bytes, golden("project_new/expected.egd.z"));

    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), kFileLinesWithoutMap);
    EXPECT_EQ(lines[0], " 0 ");
    QByteArray zeros;
    for (int x = 0; x < 64; ++x)
        zeros += " 0 ";
    for (int i = 1; i <= 8192; ++i)
        ASSERT_EQ(lines[i], zeros) << "line " << i + 1;
    const QList<QByteArray> page0{" 3 ",   "Chr00", " 8 ",   " 8 ",  " 0 ",  " 0 ",  " 0 ",  " 3 ",  " 28 ",
                                  " 224 ", " 0 ",   " 0 ",   " 0 ",  " 0 ",  " 0 ",  " 0 ",  " 0 ",  " 0 ",
                                  " 255 ", " 0 ",   " 128 ", " 7 ",  " 8 ",  " 16 ", " 17 ", " 23 ", " 24 ",
                                  " 36 ",  " 38 ",  " 79 ",  " 42 ", " 43 ", " 44 ", " 45 "};
    for (int f = 0; f < 34; ++f)
        EXPECT_EQ(lines[settingLine(0, f)], page0[f]) << "setting " << f;
    EXPECT_EQ(lines[settingLine(31, 1)], "MapChip0");
    EXPECT_EQ(lines.last(), "");
}

TEST_F(ProjectFileTest, IntegerFormAndMapBlock)
{
    Started s;
    s.doc.PixelData(0, 0, 0) = -1;
    s.doc.PixelData(0, 1, 0) = 7;
    s.doc.PixelData(0, 2, 0) = 224;
    s.doc.PixelData(0, 3, 0) = -32768;
    s.doc.PixelData(0, 63, 0) = 32767;
    s.doc.PixelData(1, 5, 255) = 10;
    s.doc.PixelData(0, -1, 0) = 55; // outside the sheet: never written
    s.doc.ChrPtnNum[2] = -12;
    s.doc.MapData(31, 63, 255) = -5;

    s.doc.FileVer = 2;
    QList<QByteArray> lines = linesOf(saved(s.doc));
    ASSERT_EQ(lines.size(), kFileLinesWithoutMap);
    EXPECT_EQ(lines[0], " 2 ");
    EXPECT_TRUE(lines[1].startsWith("-1  7  224 -32768  0  0 ")) << lines[1].constData();
    EXPECT_TRUE(lines[1].endsWith(" 0  32767 "));
    EXPECT_EQ(lines[1].size(), 3 * 64 + 2 + 4 + 4);
    EXPECT_EQ(lines[1 + 256 + 255].mid(15, 6), " 10  0");
    EXPECT_EQ(lines[settingLine(2, 4)], "-12 ");

    s.doc.FileVer = 1;
    lines = linesOf(saved(s.doc));
    ASSERT_EQ(lines.size(), kFileLinesWithMap);
    EXPECT_EQ(lines[0], " 1 ");
    EXPECT_TRUE(lines[kFileLinesWithMap - 2].endsWith(" 0 -5 "));
    EXPECT_EQ(lines.last(), "");
}

TEST_F(ProjectFileTest, NamesAreWrittenInCodePage932AloneOnTheirLine)
{
    Started s;
    s.doc.ChrName[0] = QStringLiteral("キャラ一覧");
    s.doc.ChrName[1] = QStringLiteral("LongerThanEight");
    s.doc.ChrName[2] = QString();
    s.doc.ChrName[3] = QStringLiteral("波〜"); // wave dash as JIS input methods give it
    s.doc.ChrName[4] = QStringLiteral("a\tb ");
    const QList<QByteArray> lines = linesOf(saved(s.doc));
    ASSERT_EQ(lines.size(), kFileLinesWithoutMap);
    EXPECT_EQ(lines[settingLine(0, 1)].toHex(),
              "834c83838389"
              "88ea"
              "9797");
    EXPECT_EQ(lines[settingLine(1, 1)], "LongerThanEight");
    EXPECT_EQ(lines[settingLine(2, 1)], "");
    EXPECT_EQ(lines[settingLine(3, 1)].toHex(),
              "9467"
              "8160");
    EXPECT_EQ(lines[settingLine(4, 1)], "a\tb ");
    EXPECT_EQ(lines[settingLine(2, 0)], " 3 ");
    EXPECT_EQ(lines[settingLine(2, 2)], " 8 ");
}

TEST_F(ProjectFileTest, NameThatWouldNotReadBackIsRefusedBeforeAnythingIsWritten)
{
    for (const QString &name : {QStringLiteral("a,b"), QStringLiteral("say \"hi\""), QStringLiteral(" lead"),
                                QStringLiteral("two\r\nlines"), QString::fromUtf16(u"nul\0x", 5),
                                QStringLiteral("smile \U0001F600")}) {
        Started s;
        s.doc.ChrName[6] = name;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const Status status = writeProject(s.doc, buffer);
        ASSERT_FALSE(status.ok()) << name.toStdString();
        EXPECT_TRUE(status.failure().message.contains(QStringLiteral("page 6")));
        EXPECT_TRUE(buffer.data().isEmpty());
    }
}

TEST_F(ProjectFileTest, SaveWritesTheFileAndAFailedSaveKeepsTheOldOne)
{
    Started s;
    const QString path = dir.filePath(QStringLiteral("doc.egd"));
    ASSERT_TRUE(saveProject(s.doc, path).ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_EQ(before, saved(s.doc));

    s.doc.PixelData(0, 0, 0) = 1;
    s.doc.ChrName[3] = QStringLiteral("x,y");
    const Status refused = saveProject(s.doc, path);
    EXPECT_FALSE(refused.ok());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.egd")});

    s.doc.ChrName[3] = QStringLiteral("ok");
    const Status noFolder = saveProject(s.doc, dir.filePath(QStringLiteral("missing/doc.egd")));
    ASSERT_FALSE(noFolder.ok());
    EXPECT_FALSE(noFolder.failure().message.isEmpty());

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.egd")));
    const Status isFolder = saveProject(s.doc, dir.filePath(QStringLiteral("folder.egd")));
    ASSERT_FALSE(isFolder.ok());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.egd"))).isDir());
}

// ---------------------------------------------------------------------------------------------
// Reading

TEST_F(ProjectFileTest, FileWithMapPassesLoadAndSaveUnchanged)
{
    const QByteArray input = golden("project_map/input.egd.z");
    ASSERT_EQ(input.count("\r\n"), kFileLinesWithMap);
    Started s;
    ASSERT_TRUE(open(input, s.doc, s.state).ok());
    EXPECT_EQ(saved(s.doc), input);

    EXPECT_EQ(s.doc.FileVer, 1);
    EXPECT_EQ(s.doc.PixelData(2, 0, 0), -32768);
    EXPECT_EQ(s.doc.PixelData(2, 1, 0), 32767);
    EXPECT_EQ(s.doc.PixelData(2, 2, 0), -1);
    EXPECT_EQ(s.doc.PixelData(3, 4, 5), (3 * 7 + 4 * 3 + 5 * 5) % 23 - 3);
    EXPECT_EQ(s.doc.MapData(0, 0, 0), 32767);
    EXPECT_EQ(s.doc.MapData(31, 63, 255), -32768);
    EXPECT_EQ(s.doc.MapData(4, 9, 2), (4 * 31 + 9 + 2 * 64) % 300 - 20);
    EXPECT_EQ(s.doc.ChrName[1], QStringLiteral("キャラ一覧"));
    EXPECT_EQ(s.doc.ChrName[2], QStringLiteral("LongName_0123456789"));
    EXPECT_EQ(s.doc.ChrName[3], QString());
    EXPECT_EQ(s.doc.ChrName[4], QStringLiteral("a b\tc "));
    EXPECT_EQ(s.doc.ChrName[5], QStringLiteral("ﾊﾝｶｸ＿ｶﾅ"));
    EXPECT_EQ(s.doc.ColorMode[2], 0);
    EXPECT_EQ(s.doc.ChrSizeX[10], 12);
    EXPECT_EQ(s.doc.ChrSizeX[8], -32768);
    EXPECT_EQ(s.doc.ChrSizeY[9], 32767);
    EXPECT_EQ(s.doc.ChrPtnNum[5], 150); // not the current page: kept
    EXPECT_EQ(s.doc.ChrPtnNum[7], -2);
    EXPECT_EQ(s.doc.ChrOutFlag[3], 1);
    EXPECT_EQ(s.doc.Pal8[3], (std::array<int16_t, 8>{-76, -75, -74, -73, -72, -71, -70, -69}));
}

TEST_F(ProjectFileTest, WrappedRowsExtraBlanksCommasAndAnyLineEndReadTheSame)
{
    const QByteArray tidy = golden("project_map/input.egd.z");
    const Expected<ProjectContent> expected = read(tidy);
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(expected.value().map.size(), std::size_t(kPageCount) * 64 * 256);

    const Expected<ProjectContent> wrapped = read(golden("project_map/wrapped.egd.z"));
    ASSERT_TRUE(wrapped.ok()) << wrapped.failure().text().toStdString();
    EXPECT_TRUE(wrapped.value() == expected.value());

    for (const char *lineEnd : {"\n", "\r"}) {
        QByteArray other = tidy;
        other.replace("\r\n", lineEnd);
        const Expected<ProjectContent> got = read(other);
        ASSERT_TRUE(got.ok()) << got.failure().text().toStdString();
        EXPECT_TRUE(got.value() == expected.value());
    }
}

TEST_F(ProjectFileTest, OtherFormatNumberReadsNoMapAndIgnoresWhatFollows)
{
    const QByteArray input = golden("project_ver2/input.egd.z");
    Started s;
    s.doc.MapData(0, 0, 0) = 77;
    s.doc.MapData(5, 3, 4) = 9;
    ASSERT_TRUE(open(input, s.doc, s.state).ok());
    EXPECT_EQ(s.doc.FileVer, 2);
    EXPECT_EQ(s.doc.MapData(0, 0, 0), 77);
    EXPECT_EQ(s.doc.MapData(5, 3, 4), 9);
    EXPECT_EQ(s.doc.PixelData(2, 0, 0), -32768);
    const QByteArray out = saved(s.doc);
    EXPECT_EQ(out.count("\r\n"), kFileLinesWithoutMap);
    EXPECT_TRUE(input.startsWith(out));
    EXPECT_TRUE(input.size() > out.size());
}

TEST_F(ProjectFileTest, LoadResetsPalettesFromThePenColoursAndKeepsPal8)
{
    Started source;
    for (int p = 0; p < kPageCount; ++p) {
        source.doc.Pal4[p] = {1, 2, 3, 4};
        source.doc.Pal8[p] = {int16_t(p), 2, 3, 4, 5, 6, 7, -8};
        for (int i = 0; i < 16; ++i)
            source.doc.Pal16[p][i] = int16_t(100 + i);
    }
    Started s;
    s.state.leftPenColour = 10;
    s.state.rightPenColour = 20;
    s.state.rightPenAltColour = 30;
    s.doc.Pal16[4][16] = 99; // the spare slot is not the file's
    ASSERT_TRUE(open(saved(source.doc), s.doc, s.state).ok());
    for (int p = 0; p < kPageCount; ++p) {
        EXPECT_EQ(s.doc.Pal4[p], (std::array<int16_t, 4>{0, 3, 28, 224}));
        EXPECT_EQ(s.doc.Pal8[p], (std::array<int16_t, 8>{int16_t(p), 2, 3, 4, 5, 6, 7, -8}));
        const std::array<int16_t, 17> pal16{
            20, 10, 30, 7, 8, 16, 17, 23, 24, 36, 38, 79, 42, 43, 44, 45, int16_t(p == 4 ? 99 : 0)};
        EXPECT_EQ(s.doc.Pal16[p], pal16);
    }
    EXPECT_EQ(s.state.leftPenColour, 10);
    EXPECT_EQ(s.state.rightPenColour, 20);
    EXPECT_EQ(s.state.rightPenAltColour, 30);
}

TEST_F(ProjectFileTest, LoadLeavesCellsOutsideTheSheetsAndFilePathAlone)
{
    Started s;
    s.doc.PixelData(0, -1, 0) = 5;
    s.doc.PixelData(3, 64, 10) = 6;
    s.doc.PixelData(31, 400, 400) = 7;
    s.doc.PixelData(0, 0, 256) = 8;
    s.doc.MapData(1, -10, -10) = 9;
    s.doc.MapData(2, 63, 256) = 10;
    s.doc.projectFileName = QStringLiteral("before.egd");
    ASSERT_TRUE(open(golden("project_map/input.egd.z"), s.doc, s.state).ok());
    EXPECT_EQ(s.doc.PixelData(0, -1, 0), 5);
    EXPECT_EQ(s.doc.PixelData(3, 64, 10), 6);
    EXPECT_EQ(s.doc.PixelData(31, 400, 400), 7);
    EXPECT_EQ(s.doc.PixelData(0, 0, 256), 8);
    EXPECT_EQ(s.doc.MapData(1, -10, -10), 9);
    EXPECT_EQ(s.doc.MapData(2, 63, 256), 10);
    EXPECT_EQ(s.doc.projectFileName, QStringLiteral("before.egd"));
}

TEST_F(ProjectFileTest, PatternCountAbove99OnTheCurrentPageBecomesZero)
{
    Started s;
    s.state.currentPage = 5;
    ASSERT_TRUE(open(golden("project_map/input.egd.z"), s.doc, s.state).ok());
    EXPECT_EQ(s.doc.ChrPtnNum[5], 0);
    EXPECT_EQ(s.doc.currentPatternWidth, s.doc.ChrSizeX[5]);
    EXPECT_EQ(s.doc.currentPatternHeight, s.doc.ChrSizeY[5]);
    EXPECT_EQ(s.state.currentPage, 5);
}

// ---------------------------------------------------------------------------------------------
// Failures: the document and state stay exactly as they were.

struct BadFile {
    const char *what;
    QByteArray bytes;
    int line;
    const char *says;
};

QByteArray withLine(QByteArray file, int lineNumber, const QByteArray &line)
{
    QList<QByteArray> lines = file.split('\n');
    lines[lineNumber - 1] = line + '\r';
    return lines.join('\n');
}

QByteArray firstLines(const QByteArray &file, int count)
{
    qsizetype at = 0;
    for (int i = 0; i < count; ++i)
        at = file.indexOf('\n', at) + 1;
    return file.left(at);
}

TEST_F(ProjectFileTest, BrokenFilesFailWithTheirLineAndChangeNothing)
{
    const QByteArray good = golden("project_new/expected.egd.z");
    const QByteArray withMap = golden("project_map/input.egd.z");
    const int name0 = settingLine(0, 1) + 1; // 1-based
    QByteArray row(" 1 ");
    row = row.repeated(63);

    const std::vector<BadFile> cases{
        {"empty", QByteArray(), 1, "ends before the format number"},
        {"blank lines only", "  \r\n\r\n", 2, "ends before the format number"},
        {"cut after line 100", firstLines(good, 100), 100, "ends before"},
        {"cut inside a row", good.left(good.indexOf('\n', 0) + 1 + 30), 2, "x 10, y 0 of page 0"},
        {"cut in the settings", firstLines(good, name0 + 3), name0 + 3, "output flag of page 0"},
        {"map cut short", firstLines(withMap, 12000), 12000, "map cell"},
        {"letter", withLine(good, 5, row + " x "), 5, "found \"x\""},
        {"letters after digits", withLine(good, 6, row + " 12a "), 6, "found \"12a\""},
        {"plus sign", withLine(good, 7, row + " +5 "), 7, "found \"+5\""},
        {"minus alone", withLine(good, 7, row + " - "), 7, "found \"-\""},
        {"decimal point", withLine(good, 8, row + " 1.5 "), 8, "found \"1.5\""},
        {"empty field", withLine(good, 9, " 1 ,, 2"), 9, "found \"\""},
        {"too large", withLine(good, 3, row + " 32768 "), 3, "outside the range"},
        {"too small", withLine(good, 3, row + "-32769 "), 3, "outside the range"},
        {"many digits", withLine(good, 4, row + QByteArray(100000, '9')), 4, "outside the range"},
        {"format number", withLine(good, 1, "1x"), 1, "the format number"},
        {"nul in a row", withLine(good, 10, row + QByteArray(" \0 ", 3)), 10, "binary data (byte 0x00)"},
        {"nul in a name", withLine(good, name0, QByteArray("Ch\0r", 4)), name0, "binary data"},
        {"control byte in a name", withLine(good, name0 + 34, "Chr\x01"), name0 + 34, "name of page 1"},
        {"lead byte without trail", withLine(good, name0, "Chr\x82"), name0, "code page 932"},
        {"undefined byte in a name", withLine(good, name0, "\xa0\xfd"), name0, "code page 932"},
        {"utf-8 mark", "\xef\xbb\xbf" + good, 1, "format number"},
        {"text of another kind", "Hello, world\r\n", 1, "found \"Hello\""},
        {"name where a number is", withLine(good, name0 - 1, " 3 \r\n"), name0 + 1,
         "pattern width of page 0"},
    };
    // One document for all cases: each failure must leave it exactly as it was.
    Started s;
    s.doc.PixelData(0, 0, 0) = 3;
    s.doc.MapData(0, 0, 0) = 4;
    s.state.leftPenColour = 9;
    const Document docBefore = s.doc;
    const EditorState stateBefore = s.state;
    for (const BadFile &c : cases) {
        const Status status = open(c.bytes, s.doc, s.state);
        ASSERT_FALSE(status.ok()) << c.what;
        EXPECT_EQ(status.failure().line, c.line) << c.what << ": " << status.failure().text().toStdString();
        EXPECT_TRUE(status.failure().message.contains(QLatin1String(c.says)))
            << c.what << ": " << status.failure().text().toStdString();
        EXPECT_TRUE(s.doc == docBefore) << c.what;
        EXPECT_TRUE(s.state == stateBefore) << c.what;
    }
}

TEST_F(ProjectFileTest, MissingFolderAndOversizedFilesFailAndChangeNothing)
{
    const QString huge = dir.filePath(QStringLiteral("huge.egd"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(1) << 30)); // sparse: costs no disk
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.egd")));
    for (const QString &path :
         {dir.filePath(QStringLiteral("none.egd")), dir.filePath(QStringLiteral("folder.egd")), huge}) {
        Started s;
        const Document docBefore = s.doc;
        const Status status = openProject(path, s.doc, s.state);
        ASSERT_FALSE(status.ok()) << path.toStdString();
        EXPECT_FALSE(status.failure().message.isEmpty());
        EXPECT_TRUE(s.doc == docBefore);
    }

    // A buffer just over the bound, all one endless line.
    const Expected<ProjectContent> big = read(QByteArray(kMaxProjectFileBytes + 1, '1'));
    ASSERT_FALSE(big.ok());
    EXPECT_TRUE(big.failure().message.contains(QLatin1String("larger")));
}

// ---------------------------------------------------------------------------------------------
// Code page 932

TEST(Cp932Text, EncodesAndDecodesJapaneseAndRefusesWhatItCannotHold)
{
    EXPECT_FALSE(cp932CodecName().isEmpty());
    bool ok = false;
    EXPECT_EQ(encodeCp932(u"ﾊﾝ＿A\\~", &ok).toHex(),
              "cadd"
              "8151"
              "415c7e");
    EXPECT_TRUE(ok);
    EXPECT_EQ(encodeCp932(u"−‖", &ok).toHex(),
              "817c"
              "8161");
    EXPECT_TRUE(ok);
    encodeCp932(u"é", &ok);
    EXPECT_FALSE(ok);

    EXPECT_EQ(decodeCp932(QByteArray::fromHex("834c83838389"), &ok), QStringLiteral("キャラ"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(decodeCp932("plain", &ok), QStringLiteral("plain"));
    EXPECT_TRUE(ok);
    decodeCp932(QByteArray::fromHex("834c83"), &ok);
    EXPECT_FALSE(ok);
    decodeCp932(QByteArray::fromHex("80"), &ok);
    EXPECT_FALSE(ok);
}

} // namespace
