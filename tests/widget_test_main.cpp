// Runs GoogleTest inside a QApplication, so widget tests can create real widgets and send them
// QTest events. ctest sets QT_QPA_PLATFORM=offscreen; run by hand without a display, set it too.
#include "app/ui_language.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS(); // listing needs no display
    // The window keeps recent files in QSettings: here in a scratch folder, never in the user's store.
    QTemporaryDir settingsFolder;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(QSettings::IniFormat, scope, settingsFolder.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vesk4-tests"));
    // The editor's first language; a test of the English interface installs English itself.
    vesk4::installTranslations(vesk4::UiLanguage::Japanese);
    return RUN_ALL_TESTS();
}
