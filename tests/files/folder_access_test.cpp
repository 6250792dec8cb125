#include "files/folder_access.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

TEST(FolderAccess, TheRootComesFirstAmongReadyFolders)
{
    const QList<Volume> volumes = mountedVolumes();
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(volumes.first().rootPath, QStringLiteral("/"));
    for (qsizetype i = 0; i < volumes.size(); ++i) {
        EXPECT_TRUE(QFileInfo(volumes[i].rootPath).isDir()) << volumes[i].rootPath.toStdString();
        for (qsizetype j = i + 1; j < volumes.size(); ++j)
            EXPECT_NE(volumes[i].rootPath, volumes[j].rootPath);
    }
}

TEST(FolderAccess, TheLongestHoldingRootWins)
{
    const QList<Volume> volumes{{"/", ""}, {"/media/usb", "STICK"}, {"/media", ""}, {"/home", ""}};
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/media/usb/egd")), 1);
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/media/usb")), 1);
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/media/usb2")), 2);
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/homework")), 0);
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/")), 0);
    EXPECT_EQ(volumeHolding({{"/home", ""}}, QStringLiteral("/srv")), -1);
}

TEST(FolderAccess, ChainRunsFromTheRootDown)
{
    EXPECT_EQ(folderChain(QStringLiteral("/")), QStringList{QStringLiteral("/")});
    EXPECT_EQ(folderChain(QStringLiteral("/a/b/../c/")),
              (QStringList{QStringLiteral("/"), QStringLiteral("/a"), QStringLiteral("/a/c")}));
    EXPECT_EQ(pathInFolder(QStringLiteral("/"), QStringLiteral("x.egd")), QStringLiteral("/x.egd"));
    EXPECT_EQ(pathInFolder(QStringLiteral("/a"), QStringLiteral("x.egd")), QStringLiteral("/a/x.egd"));
    // A leading ":" names a file like any other character, no Qt resource.
    EXPECT_EQ(pathInFolder(QStringLiteral("/a"), QStringLiteral(":x.egd")), QStringLiteral("/a/:x.egd"));
}

TEST(FolderAccess, ListsFilesAndFoldersApart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"b.egd", "A.egd", ".egd", "c.txt"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(dir.path()).mkpath(QStringLiteral("Sub"));
    QDir(dir.path()).mkpath(QStringLiteral("another"));
    QDir(dir.path()).mkpath(QStringLiteral(".hidden"));

    EXPECT_EQ(fileNames(dir.path()), (QStringList{".egd", "A.egd", "b.egd", "c.txt"}));
    EXPECT_EQ(subfolderNames(dir.path()), (QStringList{"another", "Sub"}));

    EXPECT_TRUE(checkFolder(dir.path()).ok());
    const Status missing = checkFolder(dir.filePath(QStringLiteral("gone")));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(
        missing.failure().text().startsWith(dir.filePath(QStringLiteral("gone")) + QStringLiteral(": ")));
    EXPECT_FALSE(checkFolder(dir.filePath(QStringLiteral("c.txt"))).ok());
}

} // namespace
