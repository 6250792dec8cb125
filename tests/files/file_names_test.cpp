#include "files/file_names.h"

#include <gtest/gtest.h>

using namespace vesk4;

namespace {

struct NameCase {
    const char *typed;
    ExtensionFit fit;
    const char *completed;
};

// Only the last four characters count, compared case-sensitively.
const NameCase kCases[] = {
    {"abc", ExtensionFit::Missing, "abc.egd"},
    {"a.b", ExtensionFit::Missing, "a.b.egd"},
    {"", ExtensionFit::Missing, ".egd"},
    {"ab", ExtensionFit::Missing, "ab.egd"},
    {"abc.egd", ExtensionFit::Matches, "abc.egd"},
    {".egd", ExtensionFit::Matches, ".egd"},
    {"abc.txt", ExtensionFit::Differs, "abc.egd"},
    {"abc.EGD", ExtensionFit::Differs, "abc.egd"},
    {"abc.eg", ExtensionFit::Missing, "abc.eg.egd"},
    {"a.egd.", ExtensionFit::Missing, "a.egd..egd"},
    {".e", ExtensionFit::Differs, ".egd"},
    {"x.egd.bak", ExtensionFit::Differs, "x.egd.egd"},
    {"画像.inc", ExtensionFit::Differs, "画像.egd"},
};

TEST(FileNames, TailRule)
{
    for (const NameCase &c : kCases) {
        const QString typed = QString::fromUtf8(c.typed);
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(extensionFit(typed, QStringLiteral(".egd")), c.fit);
        EXPECT_EQ(withExtension(typed, QStringLiteral(".egd")), QString::fromUtf8(c.completed));
    }
    EXPECT_EQ(extensionFit(QStringLiteral("ChrData.inc"), QStringLiteral(".inc")), ExtensionFit::Matches);
    EXPECT_EQ(withExtension(QStringLiteral("ChrData.egd"), QStringLiteral(".inc")),
              QStringLiteral("ChrData.inc"));
}

TEST(FileNames, ANameWithASeparatorIsNoPlainFileName)
{
    EXPECT_TRUE(isPlainFileName(QStringLiteral("abc.egd")));
    EXPECT_TRUE(isPlainFileName(QStringLiteral("..egd")));
    EXPECT_TRUE(isPlainFileName(QString()));
    EXPECT_FALSE(isPlainFileName(QStringLiteral("sub/abc.egd")));
    EXPECT_FALSE(isPlainFileName(QStringLiteral("/etc/abc.egd")));
    EXPECT_FALSE(isPlainFileName(QStringLiteral("a") + QChar(0) + QStringLiteral(".egd")));
}

} // namespace
