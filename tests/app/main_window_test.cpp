// The main window as it opens: every control in its start-up state, and the canvas and thumbnail
// showing what the renderer painted. Then the settings, grid and palette frames and the page
// buttons: what typing, picking and clicking store in the tables, and how a page switch brings every
// control in line with the page shown.
#include "files/file_panel.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGroupBox>

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
        for (int option = 0; option < 5; ++option)
            mode = palette->modeButton(option)->isChecked() ? option : mode;
        return {settings->nameBox()->text(),
                settings->sizeList(0)->currentText(),
                settings->sizeList(1)->currentText(),
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
    QLineEdit *count = settings->numberBox(SettingsPanel::kPatternCountBox);
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
    captions << palette->modeButton(kMode2Ex)->text() << palette->penLabel(4)->text()
             << palette->penLabel(5)->text() << palette->penLabel(6)->text() << palette->penLabel(7)->text()
             << grid->numberBox(0)->text() << grid->numberBox(1)->text()
             << window.filePanel()->projectButton(0)->text() << window.filePanel()->projectButton(1)->text()
             << window.filePanel()->exportButton()->text();
    EXPECT_EQ(captions.join('|'),
              QStringLiteral("CHR|キャラクタ設定|グリッド|ファイル|描画モード|色選択|"
                             "描画|範囲|ｺﾋﾟｰ|移動|消す|回転|左右|上下|白黒|面消|"
                             "2色Ex|左：|右：|0|255|8|8|開く|保存|PICデータ出力"));
    EXPECT_EQ(shown(), QStringList({"Chr00", "8", "8", "0", "0", "3"}));
    for (int mode = 0; mode <= 4; ++mode)
        EXPECT_EQ(palette->modeButton(mode)->isEnabled(), mode >= kMode2) << mode;
    EXPECT_FALSE(palette->colourSwatch(PalettePanel::kLeftSwatch)->isEnabled()
                 || palette->colourSwatch(PalettePanel::kRightSwatch)->isEnabled());
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

TEST_F(MainWindowTest, ShowingTheBgPageLocksNameAndSize)
{
    for (int page : {31, 1}) {
        window.state().currentPage = int16_t(page);
        window.showCurrentPage();
        const bool bg = page == 31;
        EXPECT_EQ(settings->nameBox()->text(), bg ? QStringLiteral("MapChip0") : QStringLiteral("Chr01"));
        EXPECT_EQ(QList<bool>({settings->nameBox()->isEnabled(), settings->sizeList(0)->isEnabled(),
                               settings->sizeList(1)->isEnabled(),
                               !tools->toolButton(ToolButtons::kMapButton)->isEnabled()}),
                  QList<bool>(4, !bg));
    }
}

// A grid box refused returns to the last value it accepted; the count box above 99 shows 0. Key by
// key, 2 and 20 are accepted before 200 is refused; the count is compared before rounding. A grid
// box and its spin bar follow each other; the count box does not move its bar.
TEST_F(MainWindowTest, NumberBoxesAndSpinBarsAcceptWhatFitsTheirLimits)
{
    enum Input { Paste, Type, Bar };
    const struct {
        int box; // 0 and 1 the grid boxes, 4 the pattern count
        Input input;
        const char *text, *shown;
        int stored;
    } cases[] = {
        {0, Bar, "5", "5", 5},
        {0, Type, "07", "7", 7}, // a typed leading zero goes once the bar has moved
        {0, Paste, "200", " 7", 7},
        {0, Type, "200", " 20", 20},
        {0, Paste, "-3", " 20", 20},
        {1, Paste, "96", "96", 96},
        {1, Paste, "97", " 96", 96},
        {1, Paste, "99999999999999999999", " 96", 96},
        {1, Paste, "", "0", 0},
        {4, Bar, "12", "12", 12},
        {4, Paste, "5x", "0", 0},
        {4, Paste, "-5", "-5", -5},
        {4, Paste, "-99999", "0", 0},
        {4, Paste, "99.4", "0", 0},
        {4, Paste, "99", "99", 99},
        {4, Paste, "98.6", "98.6", 99},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const bool isCount = c.box == SettingsPanel::kPatternCountBox;
        QLineEdit *box = isCount ? count : grid->numberBox(c.box);
        QScrollBar *bar = isCount ? settings->spinBar(c.box) : grid->spinBar(c.box);
        const int barMaximum = c.box == 0 ? 128 : c.box == 1 ? 96 : 255;
        const int barBefore = bar->value();
        if (c.input == Bar)
            bar->setValue(barMaximum - QByteArray(c.text).toInt());
        else
            (c.input == Type ? typeOver : paste)(box, QString::fromUtf8(c.text));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(c.box == 0       ? state.gridIntervalX
                      : c.box == 1 ? state.gridIntervalY
                                   : doc.pages[0].patternCount,
                  c.stored);
        if (c.input != Bar) {
            EXPECT_EQ(bar->value(), isCount ? barBefore : barMaximum - c.stored);
        }
    }
}

TEST_F(MainWindowTest, NameBoxNamesThePageAndItsButton)
{
    clickPage(3);
    typeOver(settings->nameBox(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(doc.pages[3].name, QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(pages->pageButton(3)->text(), QStringLiteral("ABCDEFG"));
    // What a project file cannot carry back is not taken.
    typeOver(settings->nameBox(), QStringLiteral(" a,b\"c"));
    EXPECT_EQ(doc.pages[3].name, QStringLiteral("abc"));
}

TEST_F(MainWindowTest, PageSwitchShowsEachPageWithItsOwnValuesAndKeepsTheRest)
{
    // Page 0: 16 x 24, 5 patterns, exported, "2色Ex", which shows entry 2 mid-grey.
    QTest::keyClick(settings->sizeList(0), Qt::Key_Down); // 8 -> 16
    choose(settings->sizeList(1), QStringLiteral("24"));
    paste(count, QStringLiteral("5"));
    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    cell(0, 20) = 2;
    QTest::mouseClick(palette->modeButton(kMode2Ex), Qt::LeftButton);
    EXPECT_EQ(window.renderer().canvas().pixelColor(4, 205), QColor(128, 128, 128));
    window.canvasView()->scrollBar()->setValue(20);
    paste(grid->numberBox(0), QStringLiteral("4"));

    for (int page : {0, 7, 0}) {
        clickPage(page); // the current page's button stays highlighted when clicked again
        EXPECT_EQ(buttonBackground(pages->pageButton(page)), kLightGreen);
        EXPECT_EQ(shown(),
                  page == 0 ? QStringList({"Chr00", "16", "24", "5", "1", "4"})
                            : QStringList({"Chr07", "8", "8", "0", "0", "3"}));
        EXPECT_EQ(stored(page),
                  page == 0 ? QList<int>({16, 24, 5, 1, 4, 16, 24}) : QList<int>({8, 8, 0, 0, 3, 8, 8}));
        // Scroll, grid and pens belong to no page.
        EXPECT_EQ(QList<int>({window.state().scrollRow, state.gridIntervalX, window.state().leftPenEntry,
                              window.state().rightPenEntry}),
                  QList<int>({20, 4, 1, 0}));
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
    EXPECT_EQ(pages->pageButton(2)->text(), QStringLiteral("EIGHTCHR")); // whole after a load
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
    choose(settings->sizeList(0), QStringLiteral("8"));
    choose(settings->sizeList(1), QStringLiteral("8"));
    QTest::keyClick(settings->outputCheckBox(), Qt::Key_Space);
    EXPECT_EQ(stored(2), QList<int>({8, 8, 0, 1, 7, 8, 8}));

    // The swatches of a 16-colour page pick its entries; without a colour chart a double-click
    // starts no edit that could never end.
    clickPage(1);
    QTest::mouseClick(palette->paletteSwatch(5), Qt::LeftButton);
    EXPECT_EQ(window.state().leftPenEntry, 5);
    EXPECT_EQ(window.state().leftPenColour, doc.pages[1].pal16[5]);
    EXPECT_EQ(palette->penLabel(6)->text(), QString::number(doc.pages[1].pal16[5]));
    QTest::mouseClick(palette->paletteSwatch(9), Qt::MiddleButton);
    EXPECT_EQ(window.state().rightPenEntry, 9);
    EXPECT_EQ(palette->penLabel(7)->text(), QString::number(doc.pages[1].pal16[9]));
    QTest::mouseClick(palette->paletteSwatch(3), Qt::LeftButton);
    QTest::mouseDClick(palette->paletteSwatch(3), Qt::LeftButton);
    EXPECT_EQ(window.state().leftPenEntry, 3);
    EXPECT_TRUE(canvas->isEnabled());
}

} // namespace
} // namespace vesk4
