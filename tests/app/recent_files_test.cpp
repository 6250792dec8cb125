// The recent-files list: newest first, no repeats, at most eight, kept in the settings store.
#include "app/recent_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    QString path(int n) const { return folder.filePath(QStringLiteral("p%1.egd").arg(n)); }
    QStringList paths(std::initializer_list<int> numbers) const
    {
        QStringList list;
        for (int n : numbers)
            list << path(n);
        return list;
    }

    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
};

TEST_F(RecentFilesTest, KeepsTheEightNewestFirstWithoutRepeats)
{
    EXPECT_TRUE(recentFiles(settings).isEmpty());
    for (int n = 1; n <= 9; ++n)
        addRecentFile(settings, path(n));
    EXPECT_EQ(recentFiles(settings), paths({9, 8, 7, 6, 5, 4, 3, 2}));

    addRecentFile(settings, path(5));
    EXPECT_EQ(recentFiles(settings), paths({5, 9, 8, 7, 6, 4, 3, 2}));
    removeRecentFile(settings, path(7));
    EXPECT_EQ(recentFiles(settings), paths({5, 9, 8, 6, 4, 3, 2}));

    // Kept in the store: another settings object on the same file sees the same list.
    settings.sync();
    const QSettings again(settings.fileName(), QSettings::IniFormat);
    EXPECT_EQ(recentFiles(again), paths({5, 9, 8, 6, 4, 3, 2}));
}

TEST_F(RecentFilesTest, StoresAbsolutePathsAndSkipsBlanksOfAHandEditedStore)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    addRecentFile(settings, QStringLiteral("sub/../p1.egd"));
    QDir::setCurrent(before);
    EXPECT_EQ(recentFiles(settings), paths({1}));

    settings.setValue(
        QStringLiteral("recentFiles"),
        QStringList{"", path(1), path(2), "", path(3), path(4), path(5), path(6), path(7), path(8), path(9)});
    EXPECT_EQ(recentFiles(settings), paths({1, 2, 3, 4, 5, 6, 7, 8}));
}

} // namespace
} // namespace vesk4
