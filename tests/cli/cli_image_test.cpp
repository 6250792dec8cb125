#include "cli_fixture.h"

#include "cli/cli.h"
#include "document/page_state.h"
#include "files/project_file.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

class CliImage : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        doc.ChrOutFlag[1] = 1;
        doc.ChrPtnNum[1] = 2;
        ASSERT_TRUE(saveProject(doc, project).ok());
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

    QString project = dir.filePath("p.egd");
};

TEST_F(CliImage, ImportThenExportGivesTheDrawnCells)
{
    const QRgb black = qRgb(0, 0, 0);
    const QString drawn = picture("drawn.png", {16, 8},
                                  {{{0, 0}, black},
                                   {{0, 7}, black},
                                   {{2, 3}, black},
                                   {{4, 0}, qRgb(100, 100, 100)},
                                   {{8, 0}, black},
                                   {{8, 1}, black},
                                   {{8, 2}, black},
                                   {{8, 3}, black},
                                   {{8, 4}, black},
                                   {{8, 5}, black},
                                   {{8, 6}, black},
                                   {{8, 7}, black},
                                   {{14, 4}, qRgba(0, 0, 0, 127)}, // 128 over white
                                   {{15, 4}, qRgba(0, 0, 0, 128)}}); // 127 over white
    const CliRun imported = run({"import", project, drawn, "--page", "1"});
    ASSERT_EQ(imported.code, kExitOk) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("page 1 at 0,0: 13 cell(s) changed"));
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
    Document q;
    EditorState qState;
    startDocument(q, qState);
    ASSERT_TRUE(openProject(path("q.egd"), q, qState).ok());
    EXPECT_EQ(q.PixelData(1, 62, 1), 0);
    EXPECT_EQ(q.PixelData(1, 63, 1), 1);

    const CliRun written
        = run({"image", project, path("p.png"), "--page", "1", "--patterns", "--scale", "2"});
    ASSERT_EQ(written.code, kExitOk) << written.err.toStdString();
    const QImage image(path("p.png"));
    ASSERT_EQ(image.size(), QSize(32, 16));
    EXPECT_EQ(image.pixel(1, 15), black); // cell (0, 7)
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(31, 9), black); // cell (15, 4)
    EXPECT_EQ(image.pixel(29, 9), qRgb(255, 255, 255));
}

TEST_F(CliImage, FailedImportLeavesTheProjectAsItWas)
{
    QFile junk(path("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    QImage huge(4097, 1, QImage::Format_RGB32);
    huge.fill(0);
    ASSERT_TRUE(huge.save(path("huge.png")));
    const QByteArray before = contents(project);

    struct Case {
        QString image;
        const char *reason;
    };
    const Case cases[] = {
        {path("junk.png"), "Cannot read the image: "},
        {path("huge.png"), "4097 x 1 pixels"},
        {path("missing.png"), "Cannot read the image: "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.image.toStdString());
        for (const QStringList &output : {QStringList{}, QStringList{"--output", path("out.egd")}}) {
            const CliRun r = run(QStringList{"import", project, c.image, "--page", "1"} + output);
            EXPECT_EQ(r.code, kExitFailure);
            EXPECT_TRUE(r.err.contains(c.image)) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(c.reason)) << r.err.toStdString();
            EXPECT_EQ(contents(project), before);
            EXPECT_FALSE(QFile::exists(path("out.egd")));
        }
    }
    EXPECT_EQ(run({"import", path("missing.egd"), path("huge.png"), "--page", "1"}).code, kExitFailure);
}

TEST_F(CliImage, FailedImageWritesNothing)
{
    EXPECT_EQ(run({"image", project, path("a.png"), "--page", "2", "--patterns"}).code, kExitFailure);
    EXPECT_EQ(run({"image", path("missing.egd"), path("a.png"), "--page", "1"}).code, kExitFailure);
    EXPECT_EQ(run({"image", project, path("no/folder/a.png"), "--page", "1"}).code, kExitFailure);
    EXPECT_FALSE(QFile::exists(path("a.png")));
}

TEST_F(CliImage, WrongCommandLinesExitTwo)
{
    const QList<QStringList> wrong{
        {"import", "p.egd", "i.png"},
        {"import", "p.egd", "i.png", "--page", "31"},
        {"import", "p.egd", "--page", "1"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "64,0"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "0,256"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "-1,0"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "1"},
        {"import", "p.egd", "i.png", "--page", "1", "--at", "1,x"},
        {"import", "p.egd", "i.png", "--page", "1", "--threshold", "256"},
        {"import", "p.egd", "i.png", "--page", "1", "--output"},
        {"import", "p.egd", "i.png", "--page", "1", "--scale", "2"},
        {"image", "p.egd", "o.png"},
        {"image", "p.egd", "o.png", "--page", "1", "--scale", "0"},
        {"image", "p.egd", "o.png", "--page", "1", "--scale", "17"},
        {"image", "p.egd", "o.png", "--page", "1", "--threshold", "1"},
    };
    for (const QStringList &args : wrong) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun r = run(args);
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_EQ(r.err.count('\n'), 1);
    }
}

TEST_F(CliImage, HelpNamesBothCommands)
{
    const CliRun overview = run({"--help"});
    for (const char *command : {"import", "image"}) {
        EXPECT_TRUE(overview.out.contains(QStringLiteral("  %1 PROJECT.egd").arg(command)));
        const CliRun r = run({command, "--help"});
        EXPECT_EQ(r.code, kExitOk);
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: vesk4 %1").arg(command)));
    }
}

} // namespace
} // namespace vesk4
