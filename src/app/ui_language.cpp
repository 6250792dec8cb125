#include "app/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace vesk4 {

namespace {

const QString kLanguageKey = QStringLiteral("language");

} // namespace

std::optional<UiLanguage> languageFromCode(const QString &code)
{
    // A locale name carries its territory after "_" or "-": "ja_JP", "en-GB".
    const QString language = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (language == QLatin1String("ja"))
        return UiLanguage::Japanese;
    if (language == QLatin1String("en"))
        return UiLanguage::English;
    return std::nullopt;
}

QString languageCode(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

UiLanguage chooseLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> picked,
                          const QStringList &systemLanguages)
{
    if (commandLine)
        return *commandLine;
    if (picked)
        return *picked;
    for (const QString &code : systemLanguages)
        if (const std::optional<UiLanguage> language = languageFromCode(code))
            return *language;
    return UiLanguage::Japanese;
}

std::optional<UiLanguage> pickedLanguage()
{
    return languageFromCode(QSettings().value(kLanguageKey).toString());
}

void setPickedLanguage(UiLanguage language)
{
    QSettings().setValue(kLanguageKey, languageCode(language));
}

void installTranslations(UiLanguage language)
{
    // Owned here so that a second call replaces, not adds to, the first call's translators.
    static std::unique_ptr<QTranslator> editorTexts;
    static std::unique_ptr<QTranslator> qtTexts;
    for (std::unique_ptr<QTranslator> *translator : {&editorTexts, &qtTexts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    const QString code = languageCode(language);
    editorTexts = std::make_unique<QTranslator>();
    if (editorTexts->load(QStringLiteral(":/i18n/vesk4_") + code))
        QCoreApplication::installTranslator(editorTexts.get());
    // English is the language of Qt's own texts; Japanese comes from the system's Qt translations.
    if (language == UiLanguage::Japanese) {
        qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts.get());
    }
}

} // namespace vesk4
