#include "files/folder_access.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

TEST(FolderAccess, VolumesFolderChainsAndSubfolders)
{
    EXPECT_EQ(mountedVolumes().value(0).rootPath, QStringLiteral("/"));
    const QList<Volume> volumes{{"/", ""}, {"/media/usb", "STICK"}, {"/media", ""}, {"/home", ""}};
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/media/usb/egd")), 1);
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/media/usb2")), 2);
    EXPECT_EQ(volumeHolding(volumes, QStringLiteral("/homework")), 0);
    EXPECT_EQ(volumeHolding({{"/home", ""}}, QStringLiteral("/srv")), -1);

    EXPECT_EQ(folderChain(QStringLiteral("/")), QStringList{QStringLiteral("/")});
    EXPECT_EQ(folderChain(QStringLiteral("/a/b/../c/")), (QStringList{"/", "/a", "/a/c"}));
    EXPECT_EQ(pathInFolder(QStringLiteral("/"), QStringLiteral("x.egd")), QStringLiteral("/x.egd"));

    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("c.txt"))).open(QIODevice::WriteOnly));
    for (const char *name : {"Sub", "another", ".hidden"})
        ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8(name)));
    EXPECT_EQ(subfolderNames(dir.path()), (QStringList{"another", "Sub"}));
    EXPECT_TRUE(checkFolder(dir.path()).ok());
    EXPECT_FALSE(checkFolder(dir.filePath(QStringLiteral("c.txt"))).ok());
}

} // namespace
