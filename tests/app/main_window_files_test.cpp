// The window's open, save and export: what reaches the document and the controls, and how a
// failure is reported.
#include "app/main_window.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "files/project_file.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "scripted_messages.h"

namespace vesk4 {
namespace {

class MainWindowFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window.setMessageBoxes(&messages);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    MainWindow window;
    ScriptedMessages messages;
};

TEST_F(MainWindowFiles, OpenShowsTheLoadedDocument)
{
    Document doc = window.document();
    doc.ChrName[5] = QStringLiteral("キャラクタ五番目");
    doc.ChrName[6] = QStringLiteral("LongName123");
    doc.ChrSizeX[0] = 24;
    doc.ChrPtnNum[0] = 150;
    ASSERT_TRUE(saveProject(doc, path("a.egd")).ok());

    ASSERT_TRUE(window.openProjectFile(path("a.egd")));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window.pageBar()->pageButton(5)->text(), QStringLiteral("キャラクタ五番目"));
    EXPECT_EQ(window.pageBar()->pageButton(6)->text(), QStringLiteral("LongName"));
    EXPECT_EQ(window.settingsPanel()->numberBox(SettingsPanel::kPatternCountBox)->text(),
              QStringLiteral("0"));
    EXPECT_EQ(window.document().ChrPtnNum[0], 0);
    EXPECT_EQ(window.document().currentPatternWidth, 24);
    // The canvas was redrawn for the loaded page: width 24 leaves view column 50 light grey.
    EXPECT_EQ(window.renderer().canvas().pixel(50 * 8 + 4, 5), qRgb(200, 200, 200));
}

TEST_F(MainWindowFiles, AFailedOpenSaysWhereAndChangesNothing)
{
    window.document().PixelData(0, 3, 3) = 1;
    const Document before = window.document();
    const EditorState stateBefore = window.state();

    EXPECT_FALSE(window.openProjectFile(path("missing.egd")));
    writeFile("broken.egd", " 0 \r\n 0  0  zz ");
    EXPECT_FALSE(window.openProjectFile(path("broken.egd")));

    ASSERT_EQ(messages.shown.size(), 2u);
    for (const Message &m : messages.shown)
        EXPECT_EQ(m.caption, QStringLiteral("ファイル情報"));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("line 2")));
    EXPECT_TRUE(window.document() == before);
    EXPECT_TRUE(window.state() == stateBefore);
}

TEST_F(MainWindowFiles, AFailedSaveOrExportIsReportedAndKeepsTheOldFile)
{
    EXPECT_FALSE(window.saveProjectFile(path("no/such/folder/a.egd")));
    ASSERT_EQ(messages.shown.size(), 1u);

    writeFile("old.inc", "old");
    window.document().ChrOutFlag[2] = 1;
    window.document().ChrSizeX[2] = 0;
    EXPECT_FALSE(window.exportIncludeFile(path("old.inc")));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("Chr02")));
    QFile old(path("old.inc"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));

    window.document().ChrSizeX[2] = 8;
    EXPECT_TRUE(window.exportIncludeFile(path("old.inc")));
    EXPECT_TRUE(window.saveProjectFile(path("a.egd")));
    EXPECT_EQ(messages.shown.size(), 2u);
}

} // namespace
} // namespace vesk4
