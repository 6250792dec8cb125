// Which language the editor starts in: the command line's over the one picked in the menu over the
// system's, Japanese when none says; how language names are read; where the pick is kept.
#include "app/ui_language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

constexpr auto Japanese = UiLanguage::Japanese;
constexpr auto English = UiLanguage::English;

TEST(UiLanguageTest, ReadsTheLanguageOfALocaleOrLanguageName)
{
    const struct {
        const char *code;
        std::optional<UiLanguage> language;
    } cases[] = {
        {"ja", Japanese},
        {"en", English},
        {"JA", Japanese},
        {"ja_JP", Japanese},
        {"ja-JP", Japanese},
        {"ja-Jpan-JP", Japanese},
        {"ja_JP.UTF-8", Japanese},
        {"ja_JP.eucJP", Japanese},
        {"en-GB", English},
        {"en_US.UTF-8", English},
        {"en_US@euro", English},
        {"en.UTF-8", English},
        // No language the editor speaks, or none at all.
        {"C", std::nullopt},
        {"C.UTF-8", std::nullopt},
        {"POSIX", std::nullopt},
        {"", std::nullopt},
        {"de-DE", std::nullopt},
        {"jav", std::nullopt}, // Javanese begins with the letters of Japanese
        {"eng", std::nullopt},
        {"english", std::nullopt},
        {"-ja", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(languageFromCode(QString::fromLatin1(c.code)), c.language);
    }
    EXPECT_EQ(languageCode(Japanese), QStringLiteral("ja"));
    EXPECT_EQ(languageCode(English), QStringLiteral("en"));
}

TEST(UiLanguageTest, TheCommandLineWinsOverThePickWhichWinsOverTheSystem)
{
    const std::optional<UiLanguage> none;
    const struct {
        std::optional<UiLanguage> commandLine;
        std::optional<UiLanguage> picked;
        QStringList system;
        UiLanguage chosen;
    } cases[] = {
        {none, none, {}, Japanese},
        {none, none, {"C"}, Japanese},
        {none, none, {"POSIX"}, Japanese},
        {none, none, {"de-DE", "fr"}, Japanese},
        {none, none, {"en-US", "en-Latn-US", "en"}, English},
        {none, none, {"ja-JP", "ja"}, Japanese},
        // The first language the editor speaks in the system's order.
        {none, none, {"en", "ja"}, English},
        {none, none, {"ja", "en"}, Japanese},
        {none, none, {"de-DE", "en-GB", "ja"}, English},
        {none, none, {"C", "en"}, English},
        {none, Japanese, {"en"}, Japanese},
        {none, English, {"ja"}, English},
        {none, English, {}, English},
        {Japanese, English, {"en"}, Japanese},
        {English, Japanese, {"ja"}, English},
        {English, none, {}, English},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.system.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(chooseLanguage(c.commandLine, c.picked, c.system), c.chosen);
    }
}

TEST(UiLanguageTest, ThePickIsKeptInTheSettings)
{
    QTemporaryDir folder;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("vesk4-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("ui-language"));

    EXPECT_EQ(pickedLanguage(), std::nullopt);
    setPickedLanguage(English);
    EXPECT_EQ(QSettings().value(QStringLiteral("language")), QStringLiteral("en"));
    EXPECT_EQ(pickedLanguage(), English);
    setPickedLanguage(Japanese);
    EXPECT_EQ(pickedLanguage(), Japanese);
    // A store edited by hand with a language the editor does not speak picks none.
    QSettings().setValue(QStringLiteral("language"), QStringLiteral("fr"));
    EXPECT_EQ(pickedLanguage(), std::nullopt);
}

TEST(UiLanguageTest, GivesATextInEitherLanguageWhicheverIsInstalled)
{
    const char *const context = "vesk4::MainMenu";
    const char *const text = "The editor will show its texts in Japanese from its next start.";
    EXPECT_EQ(textIn(English, context, text), QString::fromLatin1(text));
    EXPECT_EQ(textIn(Japanese, context, text), QStringLiteral("次回の起動から日本語で表示します。"));
    // A text the translations do not hold stays as it is.
    EXPECT_EQ(textIn(Japanese, context, "No such text"), QStringLiteral("No such text"));
}

} // namespace
} // namespace vesk4
