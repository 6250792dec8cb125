// The recent-files list: newest first, no repeats, at most eight, kept in the settings store.
#include "app/recent_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAtMostEightAndARemovedOneGoes)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path()); // the names added are relative; the list holds them absolute
    const struct {
        QStringList added;
        QString removed;
        QStringList listed;
    } steps[] = {
        {{"p1", "sub/../p2"}, {}, {"p2", "p1"}},
        {{"p1"}, {}, {"p1", "p2"}},
        {{"p3", "p4", "p5", "p6", "p7", "p8", "p9"}, {}, {"p9", "p8", "p7", "p6", "p5", "p4", "p3", "p1"}},
        {{}, "p4", {"p9", "p8", "p7", "p6", "p5", "p3", "p1"}},
    };
    for (const auto &step : steps) {
        for (const QString &name : step.added)
            addRecentFile(settings, name);
        if (!step.removed.isEmpty())
            removeRecentFile(settings, step.removed);
        QStringList expected;
        for (const QString &name : step.listed)
            expected << folder.filePath(name);
        EXPECT_EQ(recentFiles(settings), expected) << step.listed.join(' ').toStdString();
    }
    QDir::setCurrent(before);

    // A store edited by hand loses its blanks and what lies past the eighth.
    settings.setValue(QStringLiteral("recentFiles"),
                      QStringList{"", "p1", "", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_EQ(recentFiles(settings), (QStringList{"p1", "2", "3", "4", "5", "6", "7", "8"}));
}

// The entry's key and the path; a path too long for a menu loses its middle.
TEST(RecentFilesTest, CaptionNumbersTheEntryAndShortensALongPath)
{
    EXPECT_EQ(recentFileCaption(0, QStringLiteral("/p/a&b.egd")), QStringLiteral("&1 /p/a&&b.egd"));
    const QString huge = QLatin1Char('/') + QString(5 << 20, QLatin1Char('x')) + QStringLiteral("/end.egd");
    const QString caption = recentFileCaption(7, huge);
    EXPECT_EQ(caption.size(), 3 + kMaxRecentCaptionChars - 1);
    EXPECT_TRUE(caption.startsWith(QStringLiteral("&8 /xxx")));
    EXPECT_TRUE(caption.endsWith(QString(QChar(0x2026)) + QString(41, QLatin1Char('x')) + "/end.egd"));
}

} // namespace
} // namespace vesk4
