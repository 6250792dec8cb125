#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

namespace vesk4 {

// The languages the editor's interface speaks. Japanese is the editor's first language; the texts in
// the code are English.
enum class UiLanguage { Japanese, English };

// "ja" or "en", also as a locale or BCP 47 name ("ja_JP.UTF-8", "en-GB", "en_US@euro"), in either
// case; nothing for any other text ("C", "POSIX", "jav", "").
std::optional<UiLanguage> languageFromCode(const QString &code);
QString languageCode(UiLanguage language);

// The language to start in: the command line's (--language) first, then the one the user picked in
// the menu, then the first of the system's UI languages that the editor speaks. Japanese when none
// of them says (a C or POSIX locale says nothing).
UiLanguage chooseLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> picked,
                          const QStringList &systemLanguages);

// The system's UI languages, most wanted first; none under a C or POSIX locale, which asks for no
// language (as gettext ignores LANGUAGE there), so that the editor starts in Japanese.
QStringList systemLanguages();

// The language picked in the menu, kept in the settings; nothing when the user never picked one.
std::optional<UiLanguage> pickedLanguage();
void setPickedLanguage(UiLanguage language);

// Installs the editor's translation and Qt's own (the standard buttons' texts) for the language on
// the application. Replaces what an earlier call installed.
void installTranslations(UiLanguage language);
// The language installTranslations installed last; English, the code's own, before the first call.
UiLanguage installedLanguage();

// A text of the editor's translations in the language, whichever is installed: sourceText as
// tr(sourceText) gives it in the context once that language is installed.
QString textIn(UiLanguage language, const char *context, const char *sourceText);

} // namespace vesk4
