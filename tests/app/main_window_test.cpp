// The main window as it opens: every control in its start-up state, and the canvas and thumbnail
// showing what the renderer painted.
#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/tool_panel.h"
#include "files/file_panel.h"
#include "palette/colour_model.h"
#include "palette/palette_panel.h"
#include "widgets/button_colour.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "shown_window.h"

namespace vesk4 {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 162, 232);
const QColor kRed(237, 28, 36);
const QColor kLightGreen(0xC0, 0xFF, 0xC0);

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

class MainWindowTest : public ShownWindowTest {
protected:
    QColor buttonFace() const { return QApplication::palette().color(QPalette::Button); }
    // Pixel (x, y) of the canvas's drawing area as the widget shows it, inside its border.
    QColor shownOnCanvas(int x, int y) const
    {
        return window.canvasView()->canvas()->grab().toImage().pixelColor(x + 1, y + 1);
    }

    PageBar *pages = window.pageBar();
    ToolPanel *tools = window.toolPanel();
    PalettePanel *palette = window.palettePanel();
    SettingsPanel *settings = window.settingsPanel();
};

TEST_F(MainWindowTest, WindowHasItsCaptionPlaceAndFrames)
{
    // The placeholder stays hidden while the document has no unsaved changes.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("VESK4グラフィックエディタ（モノクロ仕様 Ver2.0）[*]"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(window.pos(), QPoint(100, 33));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    QStringList titles;
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        titles << frame->title();
    titles.sort();
    QStringList expected{"CHR", "描画モード", "色選択", "キャラクタ設定", "グリッド", "ファイル"};
    expected.sort();
    EXPECT_EQ(titles, expected);

    EXPECT_EQ(tools->geometry(), QRect(586, 64, 145, tools->height()));
    EXPECT_EQ(palette->pos(), QPoint(586, 248));
    EXPECT_GE(palette->height(), 217);
    // Nothing overlaps the canvas or another panel.
    const QRect canvas(window.canvasView()->mapTo(&window, QPoint()), window.canvasView()->size());
    for (const QWidget *panel : std::initializer_list<QWidget *>{pages, tools, palette, settings,
                                                                 window.gridPanel(), window.filePanel()}) {
        const QRect area(panel->mapTo(&window, QPoint()), panel->size());
        EXPECT_FALSE(area.intersects(canvas)) << panel->metaObject()->className();
        EXPECT_TRUE(window.rect().contains(area)) << panel->metaObject()->className();
    }
}

TEST_F(MainWindowTest, PageButtonsShowTheNamesAndTheCurrentPage)
{
    for (int p = 0; p < 31; ++p) {
        const QPushButton *button = pages->pageButton(p);
        EXPECT_EQ(button->text(), QStringLiteral("Chr%1").arg(p, 2, 10, QLatin1Char('0')));
        EXPECT_TRUE(button->isEnabled()) << p;
        EXPECT_EQ(buttonBackground(button), p == 0 ? kLightGreen : buttonFace()) << p;
    }
    const QPushButton *bg = pages->pageButton(31);
    EXPECT_EQ(bg->text(), QStringLiteral("MapChip0"));
    EXPECT_FALSE(bg->isEnabled());
    EXPECT_EQ(buttonBackground(bg), buttonFace());
    // The whole caption fits, and the buttons form one column in page order.
    EXPECT_LE(bg->fontMetrics().horizontalAdvance(bg->text()), bg->contentsRect().width() - 2);
    for (int p = 1; p < 32; ++p) {
        EXPECT_EQ(pages->pageButton(p)->x(), pages->pageButton(0)->x());
        EXPECT_EQ(pages->pageButton(p)->y(), pages->pageButton(p - 1)->geometry().bottom() + 1);
    }
}

TEST_F(MainWindowTest, ClickingADisabledButtonChangesNothing)
{
    QSignalSpy pageClicks(pages, &PageBar::pageClicked);
    QSignalSpy toolClicks(tools, &ToolPanel::toolClicked);
    const Document before = window.document();

    QTest::mouseClick(pages->pageButton(31), Qt::LeftButton);
    QTest::mouseClick(tools->toolButton(2), Qt::LeftButton);
    QTest::mouseClick(palette->modeButton(kMode256), Qt::LeftButton);

    EXPECT_EQ(pageClicks.count(), 0);
    EXPECT_EQ(toolClicks.count(), 0);
    EXPECT_EQ(window.state().currentPage, 0);
    EXPECT_EQ(buttonBackground(pages->pageButton(31)), buttonFace());
    EXPECT_TRUE(palette->modeButton(kMode2)->isChecked());
    EXPECT_FALSE(palette->modeButton(kMode256)->isChecked());
    EXPECT_TRUE(window.document() == before);

    QTest::mouseClick(pages->pageButton(4), Qt::LeftButton);
    ASSERT_EQ(pageClicks.count(), 1);
    EXPECT_EQ(pageClicks.at(0).at(0).toInt(), 4);
}

TEST_F(MainWindowTest, ToolButtonsStartWithThePen)
{
    const QStringList captions{"描画", "範囲", "ｺﾋﾟｰ", "移動", "消す", "回転", "左右", "上下", "白黒"};
    for (int i = 0; i <= 8; ++i) {
        const QToolButton *button = tools->toolButton(i);
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_EQ(button->isEnabled(), i <= 1) << i;
        EXPECT_TRUE(button->isVisible()) << i;
        EXPECT_EQ(button->iconSize(), QSize(12, 12));
        EXPECT_EQ(buttonBackground(button), i == 0 ? kLightGreen : buttonFace()) << i;
    }
    EXPECT_EQ(tools->toolButton(9), nullptr);
    const QToolButton *map = tools->toolButton(10);
    EXPECT_EQ(map->text(), QStringLiteral("面消"));
    EXPECT_FALSE(map->isVisible());
    EXPECT_FALSE(map->isEnabled());
    EXPECT_EQ(map->iconSize(), QSize(10, 10));
    // 480 twips between columns, 495-twip squares.
    EXPECT_EQ(tools->toolButton(1)->x() - tools->toolButton(0)->x(), 32);
    EXPECT_EQ(tools->toolButton(8)->size(), QSize(33, 33));
}

TEST_F(MainWindowTest, PaletteOpensMonochrome)
{
    for (int mode = 0; mode <= 4; ++mode) {
        EXPECT_EQ(palette->modeButton(mode)->isChecked(), mode == kMode2) << mode;
        EXPECT_EQ(palette->modeButton(mode)->isEnabled(), mode >= kMode2) << mode;
    }
    EXPECT_EQ(palette->modeButton(kMode2Ex)->text(), QStringLiteral("2色Ex"));
    EXPECT_EQ(palette->penLabel(4)->text(), QStringLiteral("左："));
    EXPECT_EQ(palette->penLabel(5)->text(), QStringLiteral("右："));
    EXPECT_EQ(palette->penLabel(6)->text(), QStringLiteral("0"));
    EXPECT_EQ(palette->penLabel(7)->text(), QStringLiteral("255"));

    SwatchBox *left = palette->colourSwatch(PalettePanel::kLeftSwatch);
    SwatchBox *right = palette->colourSwatch(PalettePanel::kRightSwatch);
    EXPECT_FALSE(left->isEnabled());
    EXPECT_FALSE(right->isEnabled());
    EXPECT_EQ(palette->colourSwatch(0), nullptr);
    const QPoint middle(left->width() / 2, left->height() / 2);
    EXPECT_EQ(left->grab().toImage().pixelColor(middle), kBlack);
    EXPECT_EQ(right->grab().toImage().pixelColor(middle), QColor(248, 248, 248));
    for (int k = 0; k < 16; ++k)
        EXPECT_FALSE(palette->paletteSwatch(k)->isVisible()) << k;
    // Captions and numbers show whole, side by side, left of their swatches.
    for (int index : {5, 7}) {
        const QLabel *label = palette->penLabel(index);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << index;
    }
    EXPECT_LT(palette->penLabel(5)->geometry().right(), palette->penLabel(7)->x());
    EXPECT_LT(palette->penLabel(7)->geometry().right(), right->x());
}

TEST_F(MainWindowTest, CanvasThumbnailAndScrollBarAreSizedAndPlaced)
{
    const PictureSurface *canvas = window.canvasView()->canvas();
    const QScrollBar *scroll = window.canvasView()->scrollBar();
    EXPECT_EQ(canvas->size(), QSize(514, 642));
    EXPECT_EQ(window.thumbnail()->size(), QSize(130, 194));
    EXPECT_EQ(scroll->orientation(), Qt::Vertical);
    EXPECT_EQ(scroll->minimum(), 0);
    EXPECT_EQ(scroll->maximum(), 128);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(scroll->x(), canvas->x() + canvas->width());
    EXPECT_EQ(scroll->y(), canvas->y());
    EXPECT_EQ(scroll->height(), canvas->height());
    // The scroll bar ends where the tool column begins.
    EXPECT_LE(scroll->mapTo(&window, QPoint(scroll->width(), 0)).x(), tools->mapTo(&window, QPoint()).x());
}

TEST_F(MainWindowTest, CanvasShowsTheEmptyPageUnderTheGrid)
{
    const QImage &painted = window.renderer().canvas();
    ASSERT_EQ(painted.size(), QSize(512, 640));
    EXPECT_EQ(shownOnCanvas(4, 4), kWhite); // inside a cell: entry 0 is colour 255
    EXPECT_EQ(shownOnCanvas(8, 2), kBlue); // fine grid, vertical: dots at even rows of a cell
    EXPECT_EQ(shownOnCanvas(8, 3), kWhite);
    EXPECT_EQ(shownOnCanvas(2, 10), kBlue); // fine grid, horizontal
    EXPECT_EQ(shownOnCanvas(0, 2), kBlack); // the grid only along the left edge
    EXPECT_EQ(shownOnCanvas(0, 3), kWhite);
    EXPECT_EQ(shownOnCanvas(64, 5), kRed); // pattern lines from x 64 and y 80 on
    EXPECT_EQ(shownOnCanvas(1, 80), kRed);
    EXPECT_EQ(shownOnCanvas(511, 639), QColor(painted.pixel(511, 639)));

    const QImage thumbnail = window.thumbnail()->grab().toImage();
    EXPECT_EQ(window.renderer().thumbnail().size(), QSize(128, 192));
    EXPECT_EQ(thumbnail.pixelColor(1, 1), kWhite);
    EXPECT_EQ(thumbnail.pixelColor(128, 192), kWhite);
}

TEST_F(MainWindowTest, SettingsAndGridStartOnPageZero)
{
    EXPECT_EQ(settings->nameBox()->text(), QStringLiteral("Chr00"));
    EXPECT_EQ(itemsOf(settings->sizeList(0)),
              QStringList({"4", "8", "16", "20", "24", "32", "40", "48", "56", "64"}));
    EXPECT_EQ(itemsOf(settings->sizeList(1)),
              QStringList({"8", "16", "20", "24", "32", "40", "48", "56", "64"}));
    EXPECT_EQ(settings->sizeList(0)->currentText(), QStringLiteral("8"));
    EXPECT_EQ(settings->sizeList(1)->currentText(), QStringLiteral("8"));
    EXPECT_FALSE(settings->outputCheckBox()->isChecked());

    // Each spin bar runs 0..K and sits at K minus its box's number.
    const GridPanel *grid = window.gridPanel();
    const std::array<std::pair<QLineEdit *, QScrollBar *>, 3> spins{{
        {grid->numberBox(0), grid->spinBar(0)},
        {grid->numberBox(1), grid->spinBar(1)},
        {settings->numberBox(4), settings->spinBar(4)},
    }};
    const std::array<int, 3> maxima{128, 96, 255};
    const std::array<const char *, 3> texts{"8", "8", "0"};
    for (int i = 0; i < 3; ++i) {
        const auto [box, bar] = spins[i];
        EXPECT_EQ(box->text(), QString::fromUtf8(texts[i])) << i;
        EXPECT_EQ(bar->minimum(), 0) << i;
        EXPECT_EQ(bar->maximum(), maxima[i]) << i;
        EXPECT_EQ(bar->value(), maxima[i] - box->text().toInt()) << i;
    }
    EXPECT_EQ(settings->numberBox(0), nullptr);
    EXPECT_EQ(grid->numberBox(4), nullptr);

    EXPECT_EQ(window.filePanel()->projectButton(0)->text(), QStringLiteral("開く"));
    EXPECT_EQ(window.filePanel()->projectButton(1)->text(), QStringLiteral("保存"));
    EXPECT_EQ(window.filePanel()->exportButton()->text(), QStringLiteral("PICデータ出力"));
}

TEST_F(MainWindowTest, ShowingTheBgPageLocksNameAndSize)
{
    window.state().currentPage = 31;
    window.showCurrentPage();
    EXPECT_EQ(settings->nameBox()->text(), QStringLiteral("MapChip0"));
    EXPECT_FALSE(settings->nameBox()->isEnabled());
    EXPECT_FALSE(settings->sizeList(0)->isEnabled());
    EXPECT_FALSE(settings->sizeList(1)->isEnabled());
    EXPECT_TRUE(tools->toolButton(10)->isEnabled());

    window.state().currentPage = 1;
    window.showCurrentPage();
    EXPECT_TRUE(settings->nameBox()->isEnabled());
    EXPECT_TRUE(settings->sizeList(0)->isEnabled());
    EXPECT_FALSE(tools->toolButton(10)->isEnabled());
}

} // namespace
} // namespace vesk4
