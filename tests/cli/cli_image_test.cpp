#include "cli_fixture.h"

#include <QImage>

namespace vesk4 {
namespace {

class CliImage : public CliTest {
protected:
    void SetUp() override
    {
        doc.ChrOutFlag[1] = 1;
        doc.ChrPtnNum[1] = 2;
        project = saved("p.egd");
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

    QString project;
};

TEST_F(CliImage, ImportThenExportGivesTheDrawnCells)
{
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

TEST_F(CliImage, FailedImportLeavesTheProjectAsItWas)
{
    QImage huge(4097, 1, QImage::Format_RGB32);
    huge.fill(0);
    ASSERT_TRUE(huge.save(path("huge.png")));
    const QByteArray before = contents(project);
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
