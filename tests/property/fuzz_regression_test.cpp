// Every input a fuzz target once failed on (tests/data/fuzz-regressions/<target>/), through the
// checks that target runs.
#include "fuzz/fuzz_checks.h"
#include "fuzz/project_description.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <langinfo.h>
#include <locale.h>
#include <map>
#include <string>

using namespace vesk4;

namespace {

using Check = std::function<Status(QByteArrayView)>;

const QDir kRoot(QStringLiteral(VESK4_TEST_DATA "/fuzz-regressions"));

// Runs every stored input of the target through the check; returns how many there were.
int runInputs(const QString &target, const Check &check)
{
    int inputs = 0;
    QDirIterator files(kRoot.filePath(target), QDir::Files);
    while (files.hasNext()) {
        QFile file(files.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const Status s = check(file.readAll());
        EXPECT_TRUE(s.ok()) << file.fileName().toStdString() << ": "
                            << (s.ok() ? std::string() : s.failure().text().toStdString());
        ++inputs;
    }
    return inputs;
}

TEST(FuzzRegressions, EveryStoredInputPassesItsTargetsChecks)
{
    const std::map<QString, Check> targets{
        {QStringLiteral("project_file"), fuzzProjectFile},
        {QStringLiteral("project_settings"), fuzzProjectSettings},
        {QStringLiteral("number_text"), fuzzNumberText},
        {QStringLiteral("project_structure"), fuzzProjectStructure},
    };
    int inputs = 0;
    for (const QString &target : kRoot.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto check = targets.find(target);
        ASSERT_NE(check, targets.end()) << "no fuzz target " << target.toStdString();
        inputs += runInputs(target, check->second);
    }
    EXPECT_GT(inputs, 0);
}

// The structure target's description of a golden file, expanded, is that file byte for byte: the
// target's files are laid out as the writer lays them out, down to the last line.
TEST(FuzzRegressions, ADescribedGoldenFileExpandsToItself)
{
    for (const char *name : {"project_new/expected.egd.z", "project_map/input.egd.z"}) {
        QFile file(QStringLiteral(VESK4_TEST_DATA "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray golden = qUncompress(file.readAll());
        QBuffer buffer;
        buffer.setData(golden);
        buffer.open(QIODevice::ReadOnly);
        const Expected<ProjectContent> content = readProject(buffer);
        ASSERT_TRUE(content.ok()) << name;

        ProjectDescription described;
        readDescription(descriptionBytes(describedContent(content.value()), golden.size()), described);
        QByteArray text;
        EXPECT_EQ(writeProjectText(described, text), 0) << name;
        EXPECT_TRUE(text == golden) << name;
        EXPECT_TRUE(checkDescribedProject(descriptionBytes(described, golden.size())).ok()) << name;
    }
}

// A locale installed here whose decimal separator is a comma, or an empty text.
std::string decimalCommaLocale()
{
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8",
                             "ru_RU.utf8", "nl_NL.UTF-8", "nl_NL.utf8"}) {
        const locale_t locale = newlocale(LC_NUMERIC_MASK, name, locale_t(0));
        if (!locale)
            continue;
        const bool comma = std::string(nl_langinfo_l(RADIXCHAR, locale)) == ",";
        freelocale(locale);
        if (comma)
            return name;
    }
    return {};
}

// The editor's application object puts the process in the user's locale; the settings panel must
// read "0.5" as a half there too. Needs such a locale on the machine (or one under LOCPATH).
TEST(FuzzRegressions, NumberTextsReadAlikeInADecimalCommaLocale)
{
    const std::string name = decimalCommaLocale();
    if (name.empty())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, name.c_str()), nullptr);
    const int inputs = runInputs(QStringLiteral("number_text"), fuzzNumberText);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_GT(inputs, 0);
}

} // namespace
