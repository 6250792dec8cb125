#include "files/file_names.h"

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

// Only the last four characters count, compared case-sensitively.
TEST(FileNames, OnlyTheTailCountsAndASeparatorMakesNoPlainName)
{
    const struct {
        const char *typed;
        ExtensionFit fit;
        const char *completed;
    } cases[] = {
        {"abc", ExtensionFit::Missing, "abc.egd"},
        {"a.b", ExtensionFit::Missing, "a.b.egd"},
        {"", ExtensionFit::Missing, ".egd"},
        {"abc.eg", ExtensionFit::Missing, "abc.eg.egd"},
        {"a.egd.", ExtensionFit::Missing, "a.egd..egd"},
        {"abc.egd", ExtensionFit::Matches, "abc.egd"},
        {".egd", ExtensionFit::Matches, ".egd"},
        {"abc.EGD", ExtensionFit::Differs, "abc.egd"},
        {".e", ExtensionFit::Differs, ".egd"},
        {"x.egd.bak", ExtensionFit::Differs, "x.egd.egd"},
        {"画像.inc", ExtensionFit::Differs, "画像.egd"},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(extensionFit(typed, QStringLiteral(".egd")), c.fit);
        EXPECT_EQ(withExtension(typed, QStringLiteral(".egd")), QString::fromUtf8(c.completed));
    }
    // A name with a separator is no plain file name.
    EXPECT_TRUE(isPlainFileName(QStringLiteral("..egd")));
    EXPECT_FALSE(isPlainFileName(QStringLiteral("sub/abc.egd")));
    EXPECT_FALSE(isPlainFileName(QStringLiteral("a") + QChar(0) + QStringLiteral(".egd")));
}

} // namespace
