#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

namespace vesk4 {

// The languages the editor's interface speaks. Japanese is the editor's first language; the texts in
// the code are English.
enum class UiLanguage { Japanese, English };

// "ja" or "en" (also "ja_JP", "en-GB" and the like); nothing for any other text.
std::optional<UiLanguage> languageFromCode(const QString &code);
QString languageCode(UiLanguage language);

// The language to start in: the command line's (--language) first, then the one the user picked in
// the menu, then the first of the system's UI languages that the editor speaks. Japanese when none
// of them says (a C or POSIX locale says nothing).
UiLanguage chooseLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> picked,
                          const QStringList &systemLanguages);

// The language picked in the menu, kept in the settings; nothing when the user never picked one.
std::optional<UiLanguage> pickedLanguage();
void setPickedLanguage(UiLanguage language);

// Installs the editor's translation and Qt's own (the standard buttons' texts) for the language on
// the application. Replaces what an earlier call installed.
void installTranslations(UiLanguage language);

} // namespace vesk4
