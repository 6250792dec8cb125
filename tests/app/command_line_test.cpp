#include "app/command_line.h"
#include "version.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace vesk4 {
namespace {

struct Read {
    std::optional<int> status;
    QString out;
    QString err;
};

Read beforeDisplay(const QStringList &args)
{
    Read r;
    QTextStream out(&r.out);
    r.status = answerBeforeDisplay(QStringList{"vesk4-editor"} + args, out);
    out.flush();
    return r;
}

Read whole(const QStringList &args)
{
    Read r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = readEditorCommandLine(QStringList{"/some/folder/vesk4-editor"} + args, out, err).exitStatus;
    out.flush();
    err.flush();
    return r;
}

TEST(EditorCommandLine, HelpAndVersionAnswerBeforeTheDisplay)
{
    for (const char *option : {"--help", "-h"}) {
        const Read help = beforeDisplay({option});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: vesk4-editor [options]\n")) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("--version"));
    }
    const Read version = beforeDisplay({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("vesk4-editor %1\n").arg(kVersion));
}

TEST(EditorCommandLine, QtsOwnOptionsWaitForQApplication)
{
    const Read r = beforeDisplay({"-platform", "offscreen", "-style", "Fusion"});
    EXPECT_EQ(r.status, std::nullopt);
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(EditorCommandLine, NothingOrAFileStartsTheEditor)
{
    for (const QStringList &args : {QStringList{}, QStringList{"drawing.egd"}}) {
        const Read r = whole(args);
        EXPECT_EQ(r.status, std::nullopt);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.isEmpty());
    }
}

TEST(EditorCommandLine, AWrongOptionExitsTwoWithAOneLineHint)
{
    const Read r = whole({"--frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.err.contains("frobnicate"));
    EXPECT_TRUE(r.err.contains("vesk4-editor --help"));
}

// The manual page is made from these at build time, where there may be no display.
TEST(EditorProgram, HelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess editor;
    editor.setProcessEnvironment(env);

    editor.start(VESK4_EDITOR, {"--version"});
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), 0);
    EXPECT_EQ(editor.readAllStandardOutput(), QStringLiteral("vesk4-editor %1\n").arg(kVersion).toUtf8());

    editor.start(VESK4_EDITOR, {"--help"});
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_EQ(editor.exitCode(), 0);
    EXPECT_TRUE(editor.readAllStandardOutput().startsWith("Usage: vesk4-editor [options]\n"));
}

} // namespace
} // namespace vesk4
