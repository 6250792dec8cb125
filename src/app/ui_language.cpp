#include "app/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace vesk4 {

namespace {

const QString kLanguageKey = QStringLiteral("language");

UiLanguage installed = UiLanguage::English;

QString editorTranslation(UiLanguage language)
{
    return QStringLiteral(":/i18n/vesk4_") + languageCode(language);
}

} // namespace

std::optional<UiLanguage> languageFromCode(const QString &code)
{
    // The language comes first; a territory, script, code set or modifier follows after "_", "-",
    // "." or "@": "ja_JP.UTF-8", "en-Latn-US", "en_US@euro".
    // (Searched by hand: a regular expression would cost the start-up its compilation.)
    qsizetype end = 0;
    while (end < code.size() && !QStringView(u"-_.@").contains(code[end]))
        ++end;
    const QString language = code.left(end).toLower();
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

QStringList systemLanguages()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return {};
    return system.uiLanguages();
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
    installed = language;
    editorTexts = std::make_unique<QTranslator>();
    if (editorTexts->load(editorTranslation(language)))
        QCoreApplication::installTranslator(editorTexts.get());
    // English is the language of Qt's own texts; Japanese comes from the system's Qt translations.
    if (language == UiLanguage::Japanese) {
        qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts.get());
    }
}

UiLanguage installedLanguage()
{
    return installed;
}

QString textIn(UiLanguage language, const char *context, const char *sourceText)
{
    QTranslator translator;
    if (translator.load(editorTranslation(language)))
        if (QString text = translator.translate(context, sourceText); !text.isEmpty())
            return text;
    return QString::fromUtf8(sourceText);
}

} // namespace vesk4
