#include "files/folder_access.h"

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

TEST(FolderAccess, VolumesFolderChainsAndAFolderCheck)
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
    EXPECT_FALSE(checkFolder(QStringLiteral("/dev/null")).ok()); // there, but no folder
}

} // namespace
