// Every input a fuzz target once failed on (tests/data/fuzz-regressions/<target>/), through the
// checks that target runs.
#include "fuzz/fuzz_checks.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

using namespace vesk4;

namespace {

TEST(FuzzRegressions, EveryStoredInputPassesItsTargetsChecks)
{
    const std::map<QString, std::function<Status(QByteArrayView)>> targets{
        {QStringLiteral("project_file"), fuzzProjectFile},
        {QStringLiteral("project_settings"), fuzzProjectSettings},
        {QStringLiteral("number_text"), fuzzNumberText},
        {QStringLiteral("project_structure"), fuzzProjectStructure},
        {QStringLiteral("include_file"), fuzzIncludeFile},
        {QStringLiteral("image_import"), fuzzImageImport},
    };
    const QDir root(QStringLiteral(VESK4_TEST_DATA "/fuzz-regressions"));
    int inputs = 0;
    for (const QString &target : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        ASSERT_TRUE(targets.contains(target)) << "no fuzz target " << target.toStdString();
        for (QDirIterator files(root.filePath(target), QDir::Files); files.hasNext(); ++inputs) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const Status s = targets.at(target)(file.readAll());
            EXPECT_TRUE(s.ok()) << file.fileName().toStdString() << ": "
                                << (s ? std::string() : s.failure().text().toStdString());
        }
    }
    EXPECT_GT(inputs, 0);
}

// The reader targets' checks hold on the inputs their seeds start from: the include file among the
// test data, the exports of described documents of every mode with and without damage, and a small
// image in a few formats on each kind of page.
TEST(FuzzRegressions, TheReaderTargetsChecksHoldOnTheirSeeds)
{
    QFile include(QStringLiteral(VESK4_TEST_DATA "/include_pages_palette_map/expected.inc"));
    ASSERT_TRUE(include.open(QIODevice::ReadOnly));
    const auto expectOk = [](const Status &s) {
        EXPECT_TRUE(s.ok()) << (s ? std::string() : s.failure().text().toStdString());
    };
    expectOk(fuzzIncludeFile('\x01' + include.readAll()));
    for (int k = 0; k < 32; ++k) {
        SCOPED_TRACE(k);
        // Seven pages, palette rows and a map when k asks, damage from k / 8 lines.
        QByteArray description(1, '\0');
        description += char(7 | ((k & 7) << 3) | ((k / 8) << 6));
        for (int page = 0; page < 7; ++page)
            description += QByteArray(4, char(k + page * 5));
        expectOk(fuzzIncludeFile(description + QByteArray(24, char(k * 7 + 1))));
    }

    QImage image(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgba(x * 60, y * 100, 255 - x * 50, x * 63));
    for (const char *format : {"PNG", "BMP", "PPM", "XPM"}) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&file, format));
        // Every mode, both pages, each dithering; placed off each edge of the sheet and inside it.
        for (int settings = 0; settings < 64; ++settings) {
            SCOPED_TRACE(std::string(format) + " " + std::to_string(settings));
            const char at[][2] = {{0, 0}, {-3, 2}, {62, 20}, {10, 84}};
            QByteArray input;
            input += char((settings & 15) | (((settings >> 4) & 3) << 4));
            input += char(100);
            input += at[settings % 4][0];
            input += at[settings % 4][1];
            expectOk(fuzzImageImport(input + file.data()));
        }
    }
}

} // namespace
