// The recent-files list: newest first, no repeats, at most eight, kept in the settings store.
#include "app/recent_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

TEST(RecentFilesTest, KeepsAbsolutePathsAndSkipsBlanksOfAHandEditedStore)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QStringList paths;
    for (int n = 1; n <= 9; ++n)
        paths << folder.filePath(QStringLiteral("p%1.egd").arg(n));

    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    addRecentFile(settings, QStringLiteral("sub/../p2.egd"));
    QDir::setCurrent(before);
    addRecentFile(settings, paths[0]);
    addRecentFile(settings, paths[1]);
    EXPECT_EQ(recentFiles(settings), (QStringList{paths[1], paths[0]}));

    settings.setValue(QStringLiteral("recentFiles"),
                      QStringList{""} + paths.mid(0, 3) + QStringList{""} + paths.mid(3));
    EXPECT_EQ(recentFiles(settings), paths.mid(0, 8));
}

} // namespace
} // namespace vesk4
