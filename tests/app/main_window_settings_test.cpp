// The settings, grid and palette frames and the page buttons: what typing, picking and clicking
// store in the tables, and how a page switch brings every control in line with the page shown.
#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "files/project_file.h"
#include "palette/palette_panel.h"
#include "widgets/twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "shown_window.h"

namespace vesk4 {
namespace {

class MainWindowSettings : public ShownWindowTest {
protected:
    // Replaces the whole text in one step, as a paste over a selection does.
    static void paste(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QApplication::clipboard()->setText(text);
        box->paste();
    }
    static void typeOver(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void clickPage(int page) { QTest::mouseClick(pages->pageButton(page), Qt::LeftButton); }
    // Opens the list and picks the item with the keyboard, as a user does.
    static void choose(QComboBox *list, const QString &item)
    {
        list->showPopup();
        QAbstractItemView *view = list->view();
        view->setCurrentIndex(view->model()->index(list->findText(item), 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    // Saves the window's document with a change and opens it again, as a file from elsewhere.
    template <class Change> void reopenWith(Change change)
    {
        Document edited = window.document();
        change(edited);
        ASSERT_TRUE(saveProject(edited, dir.filePath(QStringLiteral("p.egd"))));
        if (window.isDocumentModified())
            messages.saveChoices.push_back(SaveChoice::Discard);
        ASSERT_TRUE(window.openProjectFile(dir.filePath(QStringLiteral("p.egd"))));
    }

    Document &doc = window.document();
    PageBar *pages = window.pageBar();
    SettingsPanel *settings = window.settingsPanel();
    GridPanel *grid = window.gridPanel();
    PalettePanel *palette = window.palettePanel();
    QLineEdit *gridX = grid->numberBox(0);
    QLineEdit *gridY = grid->numberBox(1);
    QLineEdit *count = settings->numberBox(SettingsPanel::kPatternCountBox);
    QTemporaryDir dir;
};

TEST_F(MainWindowSettings, GridBoxReturnsToTheLastAcceptedValue)
{
    typeOver(gridX, QStringLiteral("12"));
    EXPECT_EQ(doc.GridX, 12);
    EXPECT_EQ(grid->spinBar(0)->value(), 116);
    paste(gridX, QStringLiteral("200"));
    EXPECT_EQ(gridX->text(), QStringLiteral(" 12"));
    EXPECT_EQ(doc.GridX, 12);

    // Key by key, 2 and 20 are accepted before 200 is refused.
    typeOver(gridX, QStringLiteral("200"));
    EXPECT_EQ(gridX->text(), QStringLiteral(" 20"));
    EXPECT_EQ(doc.GridX, 20);
    EXPECT_EQ(doc.lastGridValue[0], 20);

    paste(gridX, QStringLiteral("-3"));
    EXPECT_EQ(gridX->text(), QStringLiteral(" 20"));
    EXPECT_EQ(doc.GridX, 20);
}

TEST_F(MainWindowSettings, GridYHasItsOwnLimitAndRefusesWhatDoesNotFitSixteenBits)
{
    paste(gridY, QStringLiteral("96"));
    EXPECT_EQ(doc.GridY, 96);
    EXPECT_EQ(grid->spinBar(1)->value(), 0);
    paste(gridY, QStringLiteral("97"));
    EXPECT_EQ(gridY->text(), QStringLiteral(" 96"));
    paste(gridY, QStringLiteral("99999999999999999999"));
    EXPECT_EQ(gridY->text(), QStringLiteral(" 96"));
    paste(gridY, QStringLiteral("1e999"));
    EXPECT_EQ(gridY->text(), QStringLiteral(" 96"));
    EXPECT_EQ(doc.GridY, 96);
    // An empty box counts as 0, which is accepted.
    paste(gridY, QString());
    EXPECT_EQ(doc.GridY, 0);
}

TEST_F(MainWindowSettings, SpinBarsAndBoxesFollowEachOther)
{
    grid->spinBar(0)->setValue(128 - 5);
    EXPECT_EQ(gridX->text(), QStringLiteral("5"));
    EXPECT_EQ(doc.GridX, 5);

    // A typed leading zero goes once the bar has moved.
    typeOver(gridX, QStringLiteral("07"));
    EXPECT_EQ(gridX->text(), QStringLiteral("7"));
    EXPECT_EQ(doc.GridX, 7);

    QScrollBar *countBar = settings->spinBar(SettingsPanel::kPatternCountBox);
    countBar->setValue(255 - 12);
    EXPECT_EQ(count->text(), QStringLiteral("12"));
    EXPECT_EQ(doc.ChrPtnNum[0], 12);
    countBar->setValue(155); // 100
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_EQ(doc.ChrPtnNum[0], 0);
    // The count box does not move its bar.
    typeOver(count, QStringLiteral("30"));
    EXPECT_EQ(countBar->value(), 155);
}

TEST_F(MainWindowSettings, PatternCountBoxTakesNumbersUpTo99)
{
    typeOver(count, QStringLiteral("42"));
    EXPECT_EQ(doc.ChrPtnNum[0], 42);
    paste(count, QStringLiteral("100"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_EQ(doc.ChrPtnNum[0], 0);
    paste(count, QStringLiteral("abc"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    paste(count, QStringLiteral("-5"));
    EXPECT_EQ(doc.ChrPtnNum[0], -5); // accepted; the export writes no pattern for it
    paste(count, QStringLiteral("-99999"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_EQ(doc.ChrPtnNum[0], 0);
    typeOver(count, QStringLiteral("100"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
}

TEST_F(MainWindowSettings, PatternCountAbove99IsRefusedBeforeRounding)
{
    // Typed text, the box's text after it, the count stored.
    const struct {
        const char *typed, *shown;
        int stored;
    } cases[] = {{"99.4", "0", 0}, {"99", "99", 99}, {"98.6", "98.6", 99}, {"99.5", "0", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        paste(count, QString::fromUtf8(c.typed));
        EXPECT_EQ(count->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(doc.ChrPtnNum[0], c.stored);
    }
}

TEST_F(MainWindowSettings, NameBoxNamesThePageAndItsButton)
{
    clickPage(3);
    typeOver(settings->nameBox(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(doc.ChrName[3], QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(pages->pageButton(3)->text(), QStringLiteral("ABCDEFG"));

    // What a project file cannot carry back is not taken.
    typeOver(settings->nameBox(), QStringLiteral("a,b\"c"));
    EXPECT_EQ(doc.ChrName[3], QStringLiteral("abc"));
    typeOver(settings->nameBox(), QStringLiteral(" x"));
    EXPECT_EQ(doc.ChrName[3], QStringLiteral("x"));
}

TEST_F(MainWindowSettings, SizeListsCheckBoxAndScrollBarStoreTheirValues)
{
    QComboBox *width = settings->sizeList(0);
    QTest::keyClick(width, Qt::Key_Down); // 8 -> 16
    EXPECT_EQ(doc.ChrSizeX[0], 16);
    EXPECT_EQ(doc.currentPatternWidth, 16);
    choose(settings->sizeList(1), QStringLiteral("24"));
    EXPECT_EQ(doc.ChrSizeY[0], 24);
    EXPECT_EQ(doc.currentPatternHeight, 24);

    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    EXPECT_EQ(doc.ChrOutFlag[0], 1);
    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    EXPECT_EQ(doc.ChrOutFlag[0], 0);

    QScrollBar *scroll = window.canvasView()->scrollBar();
    QTest::keyClick(scroll, Qt::Key_Down);
    EXPECT_EQ(window.state().scrollRow, 1);
    scroll->setValue(128);
    EXPECT_EQ(window.state().scrollRow, 128);
}

TEST_F(MainWindowSettings, PageSwitchShowsEachPageWithItsOwnValues)
{
    // Page 0: 16 x 24, 5 patterns, exported, "2色Ex".
    choose(settings->sizeList(0), QStringLiteral("16"));
    choose(settings->sizeList(1), QStringLiteral("24"));
    typeOver(count, QStringLiteral("5"));
    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    QTest::mouseClick(palette->modeButton(4), Qt::LeftButton);
    EXPECT_EQ(doc.ColorMode[0], 4);

    clickPage(7);
    EXPECT_EQ(window.state().currentPage, 7);
    EXPECT_EQ(settings->nameBox()->text(), QStringLiteral("Chr07"));
    EXPECT_EQ(settings->sizeList(0)->currentText(), QStringLiteral("8"));
    EXPECT_EQ(settings->sizeList(1)->currentText(), QStringLiteral("8"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_FALSE(settings->outputCheckBox()->isChecked());
    EXPECT_TRUE(palette->modeButton(3)->isChecked());
    EXPECT_EQ(doc.currentPatternWidth, 8);
    EXPECT_EQ(pages->pageButton(7)->palette().color(QPalette::Button), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_NE(pages->pageButton(0)->palette().color(QPalette::Button), QColor(0xC0, 0xFF, 0xC0));

    clickPage(0);
    EXPECT_EQ(settings->sizeList(0)->currentText(), QStringLiteral("16"));
    EXPECT_EQ(settings->sizeList(1)->currentText(), QStringLiteral("24"));
    EXPECT_EQ(count->text(), QStringLiteral("5"));
    EXPECT_TRUE(settings->outputCheckBox()->isChecked());
    EXPECT_TRUE(palette->modeButton(4)->isChecked());
    EXPECT_EQ(doc.currentPatternWidth, 16);
    EXPECT_EQ(doc.currentPatternHeight, 24);
    EXPECT_EQ(doc.ChrPtnNum[0], 5);
    EXPECT_EQ(doc.ChrPtnNum[7], 0);
    EXPECT_EQ(doc.ChrSizeX[7], 8);
    EXPECT_EQ(doc.ColorMode[7], 3);

    // The current page's button stays highlighted when clicked again.
    clickPage(0);
    EXPECT_EQ(pages->pageButton(0)->palette().color(QPalette::Button), QColor(0xC0, 0xFF, 0xC0));
}

TEST_F(MainWindowSettings, PageSwitchKeepsScrollToolPenEntriesAndGrid)
{
    window.canvasView()->scrollBar()->setValue(20);
    paste(gridX, QStringLiteral("4"));
    clickPage(5);
    EXPECT_EQ(window.state().scrollRow, 20);
    EXPECT_EQ(doc.GridX, 4);
    EXPECT_EQ(window.state().leftPenEntry, 1);
    EXPECT_EQ(window.state().rightPenEntry, 0);
}

TEST_F(MainWindowSettings, LoadedValuesOutsideTheListsAndBoxes)
{
    reopenWith([](Document &d) {
        d.ChrSizeX[2] = 12;
        d.ChrPtnNum[2] = 150;
        d.ChrName[2] = QStringLiteral("EIGHTCHR");
        d.ChrOutFlag[2] = 5;
        d.ColorMode[2] = 7;
    });
    EXPECT_EQ(pages->pageButton(2)->text(), QStringLiteral("EIGHTCHR")); // whole after a load
    clickPage(2);
    EXPECT_EQ(settings->sizeList(0)->currentText(), QStringLiteral("8")); // the previous selection
    EXPECT_EQ(doc.ChrSizeX[2], 12);
    EXPECT_EQ(doc.currentPatternWidth, 12);
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    EXPECT_EQ(doc.ChrPtnNum[2], 0);
    EXPECT_EQ(pages->pageButton(2)->text(), QStringLiteral("EIGHTCH")); // the name box's rule
    EXPECT_FALSE(settings->outputCheckBox()->isChecked()); // only 1 is exported, so only 1 shows checked
    for (int mode = 0; mode < 5; ++mode)
        EXPECT_FALSE(palette->modeButton(mode)->isChecked()) << mode;
    EXPECT_EQ(palette->penLabel(6)->text(), QStringLiteral("0")); // shown like the monochrome modes
    EXPECT_EQ(palette->penLabel(7)->text(), QStringLiteral("255"));
}

TEST_F(MainWindowSettings, ChoosingTheSizeTheListAlreadyShowsStoresIt)
{
    reopenWith([](Document &d) {
        d.ChrSizeX[2] = 12;
        d.ChrSizeY[2] = 10;
    });
    clickPage(2);
    ASSERT_EQ(settings->sizeList(0)->currentText(), QStringLiteral("8"));
    ASSERT_EQ(settings->sizeList(1)->currentText(), QStringLiteral("8"));
    choose(settings->sizeList(0), QStringLiteral("8"));
    choose(settings->sizeList(1), QStringLiteral("8"));
    EXPECT_EQ(doc.ChrSizeX[2], 8);
    EXPECT_EQ(doc.ChrSizeY[2], 8);
    EXPECT_EQ(doc.currentPatternWidth, 8);
    EXPECT_EQ(doc.currentPatternHeight, 8);
}

TEST_F(MainWindowSettings, ShowingAPageKeepsItsLongName)
{
    const QString name(40000, QLatin1Char('N'));
    reopenWith([&](Document &d) { d.ChrName[2] = name; });
    clickPage(2);
    EXPECT_EQ(settings->nameBox()->text().size(), name.size());
    clickPage(0);
    EXPECT_EQ(doc.ChrName[2].size(), name.size());
}

// Only a flag of 1 is exported, so only 1 shows checked; any other value from a file stays stored,
// whatever the box showed before, until the user clicks the box.
TEST_F(MainWindowSettings, ShowingAPageKeepsAnUnusualOutputFlag)
{
    for (int previous : {0, 1}) {
        SCOPED_TRACE(previous);
        reopenWith([&](Document &d) {
            d.ChrOutFlag[0] = int16_t(previous);
            d.ChrOutFlag[2] = 5;
            d.ChrOutFlag[3] = -1;
        });
        clickPage(0);
        ASSERT_EQ(settings->outputCheckBox()->isChecked(), previous == 1);
        clickPage(2);
        EXPECT_FALSE(settings->outputCheckBox()->isChecked());
        clickPage(3);
        clickPage(0);
        EXPECT_EQ(doc.ChrOutFlag[0], previous);
        EXPECT_EQ(doc.ChrOutFlag[2], 5);
        EXPECT_EQ(doc.ChrOutFlag[3], -1);
        clickPage(2);
        QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
        EXPECT_EQ(doc.ChrOutFlag[2], 1);
    }
}

TEST_F(MainWindowSettings, ColourModeOptionsChangeTheDisplayOnly)
{
    doc.PixelData(0, 0, 0) = 2;
    const int16_t cell = doc.PixelData(0, 0, 0);
    QTest::mouseClick(palette->modeButton(4), Qt::LeftButton);
    EXPECT_EQ(doc.ColorMode[0], 4);
    EXPECT_EQ(window.renderer().canvas().pixelColor(4, 5), QColor(128, 128, 128));
    EXPECT_EQ(palette->penLabel(6)->text(), QStringLiteral("0"));
    EXPECT_EQ(palette->penLabel(7)->text(), QStringLiteral("255"));
    QTest::mouseClick(palette->modeButton(3), Qt::LeftButton);
    EXPECT_EQ(doc.ColorMode[0], 3);
    EXPECT_EQ(window.renderer().canvas().pixelColor(4, 5), QColor(255, 255, 255));
    EXPECT_EQ(doc.PixelData(0, 0, 0), cell);
    EXPECT_FALSE(palette->modeButton(0)->isEnabled());
    EXPECT_FALSE(palette->modeButton(1)->isEnabled());
    EXPECT_FALSE(palette->modeButton(2)->isEnabled());
}

TEST_F(MainWindowSettings, PaletteOptionsLineUpWithTheColourRows)
{
    const QRect left = palette->colourSwatch(PalettePanel::kLeftSwatch)->geometry();
    const QRect right = palette->colourSwatch(PalettePanel::kRightSwatch)->geometry();
    EXPECT_EQ(palette->penLabel(4)->y(), left.y());
    EXPECT_EQ(palette->penLabel(5)->y(), right.y());
    // The options' designed tops in twips, against the left row's 2280.
    const int designedTops[] = {2280, 2520, 2760, 3000, 3000};
    for (int mode = 0; mode < 5; ++mode) {
        const QRect option = palette->modeButton(mode)->geometry();
        EXPECT_EQ(option.y() - left.y(), twips(designedTops[mode]) - twips(2280)) << mode;
        EXPECT_TRUE(palette->rect().contains(option)) << mode;
    }
    // "2色Ex" lies below the right swatch, with space between them.
    EXPECT_FALSE(right.adjusted(0, 0, 0, 1).intersects(palette->modeButton(4)->geometry()));
}

TEST_F(MainWindowSettings, PaletteSwatchesPickTheEntriesOfA16ColourPage)
{
    reopenWith([](Document &d) { d.ColorMode[0] = 1; });
    SwatchBox *swatch5 = palette->paletteSwatch(5);
    ASSERT_TRUE(swatch5->isVisible());
    QTest::mouseClick(swatch5, Qt::LeftButton);
    EXPECT_EQ(window.state().leftPenEntry, 5);
    EXPECT_EQ(window.state().leftPenColour, doc.Pal16[0][5]);
    EXPECT_EQ(palette->penLabel(6)->text(), QString::number(doc.Pal16[0][5]));
    QTest::mouseClick(palette->paletteSwatch(9), Qt::MiddleButton);
    EXPECT_EQ(window.state().rightPenEntry, 9);
    EXPECT_EQ(palette->penLabel(7)->text(), QString::number(doc.Pal16[0][9]));

    // Without a colour chart a double-click starts no edit that could never end.
    QTest::mouseClick(palette->paletteSwatch(3), Qt::LeftButton);
    QTest::mouseDClick(palette->paletteSwatch(3), Qt::LeftButton);
    EXPECT_EQ(window.state().leftPenEntry, 3);
    EXPECT_EQ(doc.paletteEditing, 0);
    EXPECT_TRUE(window.canvasView()->canvas()->isEnabled());
    EXPECT_TRUE(pages->pageButton(4)->isEnabled());
}

} // namespace
} // namespace vesk4
