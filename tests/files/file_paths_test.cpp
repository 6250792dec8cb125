// File names as typed into the dialogs, and the folders and volumes they list.
#include "files/file_names.h"
#include "files/folder_access.h"

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

// Only the last four characters of a name count, compared case-sensitively.
TEST(FilePaths, NamesVolumesAndFolderChains)
{
    const struct {
        const char *typed;
        ExtensionFit fit;
        const char *completed;
    } cases[] = {
        {"a.b", ExtensionFit::Missing, "a.b.egd"},         {"", ExtensionFit::Missing, ".egd"},
        {"abc.eg", ExtensionFit::Missing, "abc.eg.egd"},   {"a.egd.", ExtensionFit::Missing, "a.egd..egd"},
        {".egd", ExtensionFit::Matches, ".egd"},           {".e", ExtensionFit::Differs, ".egd"},
        {"x.egd.bak", ExtensionFit::Differs, "x.egd.egd"},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(extensionFit(typed, QStringLiteral(".egd")), c.fit);
        EXPECT_EQ(withExtension(typed, QStringLiteral(".egd")), QString::fromUtf8(c.completed));
    }
    // A NUL ends a name where the file system reads it: no plain file name.
    EXPECT_FALSE(isPlainFileName(QStringLiteral("a") + QChar(0) + QStringLiteral(".egd")));

    // The volume holding a path is the one with the longest root that contains it.
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
