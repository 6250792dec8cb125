// Every input a fuzz target once failed on (tests/data/fuzz-regressions/<target>/), through the
// checks that target runs.
#include "fuzz/fuzz_checks.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <map>

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

} // namespace
