// The main window as it opens: every control in its start-up state, and the canvas and thumbnail
// showing what the renderer painted. Then the settings, grid and palette frames and the page
// buttons: what typing, picking and clicking store in the tables, and how a page switch brings every
// control in line with the page shown.
#include "files/file_panel.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGroupBox>

#include "palette/colour_model.h"
#include "shown_window.h"

namespace vesk4 {
namespace {

// The widget's drawing area, inside its one-pixel border, as the screen shows it.
QImage shownImage(QWidget *surface, QSize area)
{
    return surface->grab().toImage().copy(QRect(QPoint(1, 1), area)).convertToFormat(QImage::Format_RGB32);
}

class MainWindowTest : public ShownWindowTest {
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
    // Opens the list and picks the item with the keyboard, as a user does.
    static void choose(QComboBox *list, const QString &item)
    {
        list->showPopup();
        list->view()->setCurrentIndex(list->view()->model()->index(list->findText(item), 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }

    // What the controls show: name, width, height, pattern count, output flag, checked colour mode.
    QStringList shown() const
    {
        int mode = -1;
        for (ColourMode option : {kMode256, kMode16, kMode4, kMode2, kMode2Ex})
            mode = palette->modeButton(option)->isChecked() ? option : mode;
        return {settings->nameBox()->text(),
                settings->widthList()->currentText(),
                settings->heightList()->currentText(),
                count->text(),
                QString::number(settings->outputCheckBox()->isChecked()),
                QString::number(mode)};
    }
    // What the page stores, and the pattern size of the page shown.
    QList<int> stored(int page) const
    {
        return {doc.pages[page].patternWidth, doc.pages[page].patternHeight, doc.pages[page].patternCount,
                doc.pages[page].outputFlag,   doc.pages[page].colourMode,    state.currentPatternWidth,
                state.currentPatternHeight};
    }

    GridPanel *grid = window.gridPanel();
    QLineEdit *count = settings->patternCountBox();
};

TEST_F(MainWindowTest, WindowPlacesItsFramesAsDesigned)
{
    const QScrollBar *scroll = window.canvasView()->scrollBar();
    // Where a frame's size follows its contents, only its place is designed.
    const struct {
        const QWidget *widget;
        QRect designed;
    } frames[] = {
        {tools, {586, 64, 145, tools->height()}},
        {palette, {QPoint(586, 248), QSize(145, palette->height())}},
        {canvas, {canvas->pos(), QSize(514, 642)}},
        {window.thumbnail(), {window.thumbnail()->pos(), QSize(130, 194)}},
        {scroll, {canvas->geometry().topRight() + QPoint(1, 0), QSize(17, 642)}},
    };
    for (const auto &f : frames)
        EXPECT_EQ(f.widget->geometry(), f.designed) << f.widget->metaObject()->className();
    EXPECT_GE(palette->height(), 217); // 3255 twips, and more below the frame title in styles that need it
    EXPECT_EQ(window.pos(), QPoint(100, 33));
    EXPECT_EQ(QPoint(scroll->value(), scroll->maximum()), QPoint(0, 128));
}

// Only the pen, range, page and monochrome controls start usable, the pen and page 0 in light green.
TEST_F(MainWindowTest, ControlsStartWithTheirCaptionsAndStates)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    QStringList captions;
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        captions << frame->title();
    captions.sort();
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}) {
        const QToolButton *button = tools->toolButton(i);
        captions << button->text();
        EXPECT_EQ(QList<bool>({button->isEnabled(), button->isVisible()}), QList<bool>({i <= 1, i <= 8}))
            << i;
        EXPECT_EQ(buttonBackground(button), i == 0 ? kLightGreen : face) << i;
    }
    for (int p = 0; p < 32; ++p) {
        const QPushButton *button = pages->pageButton(p);
        EXPECT_EQ(button->text(),
                  p < 31 ? QStringLiteral("Chr%1").arg(p, 2, 10, QLatin1Char('0')) : "MapChip0");
        EXPECT_EQ(button->isEnabled(), p < 31) << p;
        EXPECT_EQ(buttonBackground(button), p == 0 ? kLightGreen : face) << p;
    }
    captions << palette->modeButton(kMode2Ex)->text() << palette->leftCaption()->text()
             << palette->rightCaption()->text() << palette->leftNumber()->text()
             << palette->rightNumber()->text() << grid->intervalBox(Axis::X)->text()
             << grid->intervalBox(Axis::Y)->text() << window.filePanel()->openButton()->text()
             << window.filePanel()->saveButton()->text() << window.filePanel()->exportButton()->text();
    EXPECT_EQ(captions.join('|'),
              QStringLiteral("CHR|キャラクタ設定|グリッド|ファイル|描画モード|色選択|"
                             "描画|範囲|ｺﾋﾟｰ|移動|消す|回転|左右|上下|白黒|面消|"
                             "2色Ex|左：|右：|0|255|8|8|開く|保存|PICデータ出力"));
    EXPECT_EQ(shown(), QStringList({"Chr00", "8", "8", "0", "0", "3"}));
    for (ColourMode mode : {kMode256, kMode16, kMode4, kMode2, kMode2Ex})
        EXPECT_EQ(palette->modeButton(mode)->isEnabled(), mode >= kMode2) << mode;
    EXPECT_FALSE(palette->leftColourSwatch()->isEnabled() || palette->rightColourSwatch()->isEnabled());
    // Each control is also found by the name of what it is.
    const std::pair<const char *, QWidget *> named[]
        = {{"patternCountSpinBar", settings->patternCountSpinBar()},
           {"gridYBox", grid->intervalBox(Axis::Y)},
           {"leftColourSwatch", palette->leftColourSwatch()}};
    for (auto [name, widget] : named)
        EXPECT_EQ(window.findChild<QWidget *>(QString::fromUtf8(name)), widget) << name;
}

TEST_F(MainWindowTest, CanvasAndThumbnailShowWhatTheRendererPainted)
{
    clickCell(0, 0);
    const QImage &painted = window.renderer().canvas();
    EXPECT_EQ(shownImage(canvas, QSize(512, 640)), painted.convertToFormat(QImage::Format_RGB32));
    const QImage &thumbnail = window.renderer().thumbnail();
    EXPECT_EQ(shownImage(window.thumbnail(), thumbnail.size()),
              thumbnail.convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowTest, NameBoxNamesThePageAndItsButton)
{
    clickPage(3);
    typeOver(settings->nameBox(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(doc.pages[3].name, QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(pages->pageButton(3)->text(), QStringLiteral("ABCDEFGH")); // as a load shows it
    // What a project file cannot carry back is not taken.
    typeOver(settings->nameBox(), QStringLiteral(" a,b\"c"));
    EXPECT_EQ(doc.pages[3].name, QStringLiteral("abc"));
    window.undo(); // the keys typed are one step; its undo renews the button
    EXPECT_EQ(pages->pageButton(3)->text(), QStringLiteral("Chr03"));
}

TEST_F(MainWindowTest, PageSwitchShowsEachPageWithItsOwnValuesAndKeepsTheRest)
{
    // Page 0: 16 x 24, 5 patterns, exported, "2色Ex", which shows entry 2 mid-grey.
    QTest::keyClick(settings->widthList(), Qt::Key_Down); // 8 -> 16
    choose(settings->heightList(), QStringLiteral("24"));
    paste(count, QStringLiteral("9x"));
    EXPECT_EQ(count->text(), QStringLiteral("0"));
    settings->patternCountSpinBar()->setSliderPosition(250); // as a drag moves it: 255 - 250 patterns
    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    cell(0, 20) = 2;
    QTest::mouseClick(palette->modeButton(kMode2Ex), Qt::LeftButton);
    EXPECT_EQ(window.renderer().canvas().pixelColor(4, 205), QColor(128, 128, 128));
    window.canvasView()->scrollBar()->setSliderPosition(20);
    paste(grid->intervalBox(Axis::X), QStringLiteral("4"));
    grid->intervalSpinBar(Axis::Y)->setSliderPosition(90);
    EXPECT_EQ(grid->intervalBox(Axis::Y)->text(), QStringLiteral("6"));
    EXPECT_EQ(grid->intervalSpinBar(Axis::X)->value(), 124);

    for (int page : {0, 7, 0}) {
        clickPage(page); // the current page's button stays highlighted when clicked again
        EXPECT_EQ(buttonBackground(pages->pageButton(page)), kLightGreen);
        EXPECT_EQ(shown(),
                  page == 0 ? QStringList({"Chr00", "16", "24", "5", "1", "4"})
                            : QStringList({"Chr07", "8", "8", "0", "0", "3"}));
        EXPECT_EQ(stored(page),
                  page == 0 ? QList<int>({16, 24, 5, 1, 4, 16, 24}) : QList<int>({8, 8, 0, 0, 3, 8, 8}));
        // Scroll, grid and pens belong to no page.
        EXPECT_EQ(QList<int>({window.state().scrollRow, state.gridIntervalX, state.gridIntervalY,
                              window.state().leftPenEntry, window.state().rightPenEntry}),
                  QList<int>({20, 4, 6, 1, 0}));
    }
    EXPECT_NE(buttonBackground(pages->pageButton(7)), kLightGreen);
    // The colour mode changes what the canvas shows, not the cells.
    QTest::mouseClick(palette->modeButton(kMode2), Qt::LeftButton);
    EXPECT_EQ(window.renderer().canvas().pixelColor(4, 5), QColor(255, 255, 255));
    EXPECT_EQ(cell(0, 20), 2);
}

// Values a file holds that no control can show: the size lists keep their previous item, a count
// above 99 becomes 0, and a flag other than 0 or 1 and a long name stay stored until edited.
// A 16-colour page shows its palette.
TEST_F(MainWindowTest, LoadedValuesOutsideTheListsAndBoxes)
{
    const QString longName(40000, QLatin1Char('N'));
    // Opened as a file from elsewhere.
    Document d = doc;
    d.pages[0].outputFlag = 1;
    d.pages[2].patternWidth = 12;
    d.pages[2].patternHeight = 10;
    d.pages[2].patternCount = 150;
    d.pages[2].name = QStringLiteral("EIGHTCHR");
    d.pages[2].outputFlag = 5;
    d.pages[2].colourMode = 7;
    d.pages[3].name = longName;
    d.pages[1].colourMode = kMode16;
    ASSERT_TRUE(saveProject(d, dir.filePath(QStringLiteral("p.egd"))));
    ASSERT_TRUE(window.openProjectFile(dir.filePath(QStringLiteral("p.egd"))));
    clickPage(2);
    EXPECT_EQ(shown(), QStringList({"EIGHTCHR", "8", "8", "0", "0", "-1"}));
    EXPECT_EQ(stored(2), QList<int>({12, 10, 0, 5, 7, 12, 10}));
    clickPage(3);
    EXPECT_EQ(settings->nameBox()->text().size(), longName.size());
    clickPage(0);
    EXPECT_EQ(doc.pages[2].outputFlag, 5);
    EXPECT_EQ(doc.pages[3].name.size(), longName.size());

    // Choosing the item a list already shows stores it; a click on the box stores its flag.
    clickPage(2);
    choose(settings->widthList(), QStringLiteral("8"));
    choose(settings->heightList(), QStringLiteral("8"));
    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    EXPECT_EQ(stored(2), QList<int>({8, 8, 0, 1, 7, 8, 8}));

    // The swatches of a 16-colour page pick its entries; without a colour chart a double-click
    // starts no edit that could never end.
    clickPage(1);
    QTest::mouseClick(palette->paletteSwatch(5), Qt::LeftButton);
    EXPECT_EQ(window.state().leftPenEntry, 5);
    EXPECT_EQ(window.state().leftPenColour, doc.pages[1].pal16[5]);
    EXPECT_EQ(palette->leftNumber()->text(), QString::number(doc.pages[1].pal16[5]));
    QTest::mouseClick(palette->paletteSwatch(9), Qt::MiddleButton);
    EXPECT_EQ(window.state().rightPenEntry, 9);
    EXPECT_EQ(palette->rightNumber()->text(), QString::number(doc.pages[1].pal16[9]));
    QTest::mouseClick(palette->paletteSwatch(3), Qt::LeftButton);
    QTest::mouseDClick(palette->paletteSwatch(3), Qt::LeftButton);
    EXPECT_EQ(window.state().leftPenEntry, 3);
    EXPECT_TRUE(canvas->isEnabled());
}

// Showing a page is no edit: every page of a loaded project shown in turn adds no undo step and
// leaves the save as it was, but for the one rule showing has: page 5's count of 150 becomes 0
// (page 6's of 99 stays). Only the BG page locks its name and size and offers the map tool.
TEST_F(MainWindowTest, ShowingEachPageOfALoadedProjectAddsNoStepAndKeepsTheSave)
{
    QFile golden(QStringLiteral(VESK4_TEST_DATA "/project_map/input.egd.z"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = qUncompress(golden.readAll()).split('\n');
    const int count5 = 1 + 32 * 256 + 34 * 5 + 4; // the format number, the cells, page 5's fifth field
    lines[count5 + 34] = " 99 \r";
    writeFile(QStringLiteral("in.egd"), lines.join('\n'));
    ASSERT_TRUE(window.openProjectFile(dir.filePath(QStringLiteral("in.egd"))));
    for (int page = 0; page < 32; ++page) {
        SCOPED_TRACE(page);
        window.pageButtonClicked(page); // the BG page's button is disabled; show it all the same
        EXPECT_EQ(QList<int>({window.undoStack().count(), window.isDocumentModified()}), QList<int>({0, 0}));
        EXPECT_EQ(QStringList({pages->pageButton(page)->text(), settings->nameBox()->text()}),
                  QStringList({doc.pages[page].name.left(8), doc.pages[page].name}));
        EXPECT_EQ(QList<bool>({settings->nameBox()->isEnabled(), settings->heightList()->isEnabled(),
                               !tools->toolButton(ToolButtons::kMapButton)->isEnabled()}),
                  QList<bool>(3, page != 31));
    }
    ASSERT_TRUE(window.saveProjectFile(dir.filePath(QStringLiteral("out.egd"))));
    QFile out(dir.filePath(QStringLiteral("out.egd")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    lines[count5] = " 0 \r"; // was " 150 "
    EXPECT_EQ(out.readAll(), lines.join('\n'));
}

// A "256色" page takes no pen colours of its own: its swatches show, by the linear rule, the pens the
// page shown before it took, here the monochrome page 0's colour numbers 0 and 255 (RGB332 0x00 and
// 0xFF).
TEST_F(MainWindowTest, A256ColourPageShowsThePensThePreviousPageTook)
{
    doc.pages[2].colourMode = kMode256;
    clickPage(2);
    EXPECT_EQ(
        QList<QVariant>({palette->leftNumber()->text(), palette->rightNumber()->text(),
                         palette->leftColourSwatch()->colour(), palette->rightColourSwatch()->colour(),
                         palette->modeButton(kMode256)->isChecked(), palette->paletteSwatch(0)->isVisible()}),
        QList<QVariant>({"0", "255", QColor(0, 0, 0), QColor(7 * 32, 7 * 32, 3 * 64), true, false}));
}

} // namespace
} // namespace vesk4
