// Every input a fuzz target once failed on (tests/data/fuzz-regressions/<target>/), through the
// checks that target runs.
#include "fuzz/fuzz_checks.h"
#include "fuzz/project_description.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <langinfo.h>
#include <locale.h>
#include <map>

using namespace vesk4;

namespace {

using Check = std::function<Status(QByteArrayView)>;

const QDir kRoot(QStringLiteral(VESK4_TEST_DATA "/fuzz-regressions"));

QByteArray contents(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Runs every stored input of the target through the check; returns how many there were.
int runInputs(const QString &target, const Check &check)
{
    int inputs = 0;
    for (QDirIterator files(kRoot.filePath(target), QDir::Files); files.hasNext(); ++inputs) {
        const QString path = files.next();
        const Status s = check(contents(path));
        EXPECT_TRUE(s.ok()) << path.toStdString() << ": " << (s ? "" : s.failure().text().toStdString());
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
        ASSERT_TRUE(targets.contains(target)) << "no fuzz target " << target.toStdString();
        inputs += runInputs(target, targets.at(target));
    }
    EXPECT_GT(inputs, 0);
}

// The structure target's description of a golden file, expanded, is that file byte for byte: the
// target's files are laid out as the writer lays them out, down to the last line.
TEST(FuzzRegressions, ADescribedGoldenFileExpandsToItself)
{
    for (const char *name : {"project_new/expected.egd.z", "project_map/input.egd.z"}) {
        SCOPED_TRACE(name);
        const QByteArray golden = qUncompress(contents(QStringLiteral(VESK4_TEST_DATA "/") + name));
        QBuffer buffer;
        buffer.setData(golden);
        buffer.open(QIODevice::ReadOnly);
        const Expected<ProjectContent> content = readProject(buffer);
        ASSERT_TRUE(content.ok());

        ProjectDescription described;
        readDescription(descriptionBytes(describedContent(content.value()), golden.size()), described);
        QByteArray text;
        EXPECT_EQ(writeProjectText(described, text), 0);
        EXPECT_TRUE(text == golden);
        EXPECT_TRUE(checkDescribedProject(descriptionBytes(described, golden.size())).ok());
    }
}

// A locale installed here whose decimal separator is a comma, or an empty text.
std::string decimalCommaLocale()
{
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8",
                             "ru_RU.utf8", "nl_NL.UTF-8", "nl_NL.utf8"}) {
        const locale_t locale = newlocale(LC_NUMERIC_MASK, name, locale_t(0));
        const bool comma = locale && std::string(nl_langinfo_l(RADIXCHAR, locale)) == ",";
        if (locale)
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
