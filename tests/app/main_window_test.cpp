// The main window as it opens: every control in its start-up state, and the canvas and thumbnail
// showing what the renderer painted.
#include "app/grid_panel.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "files/file_panel.h"
#include "palette/colour_model.h"
#include "palette/palette_panel.h"
#include "widgets/button_colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "shown_window.h"

namespace vesk4 {
namespace {

const QColor kLightGreen(0xC0, 0xFF, 0xC0);

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The widget's drawing area, inside its one-pixel border, as it shows on the screen.
QImage shownImage(QWidget *surface, QSize area)
{
    return surface->grab().toImage().copy(QRect(QPoint(1, 1), area)).convertToFormat(QImage::Format_RGB32);
}

class MainWindowTest : public ShownWindowTest {
protected:
    QColor buttonFace() const { return QApplication::palette().color(QPalette::Button); }

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
    QStringList titles;
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        titles << frame->title();
    EXPECT_EQ(QSet(titles.begin(), titles.end()),
              QSet<QString>({"CHR", "描画モード", "色選択", "キャラクタ設定", "グリッド", "ファイル"}));
    EXPECT_EQ(tools->geometry(), QRect(586, 64, 145, tools->height()));
    EXPECT_EQ(palette->pos(), QPoint(586, 248));
    EXPECT_GE(palette->height(), 217);
    // Nothing overlaps the canvas or leaves the window.
    const QRect canvasArea(window.canvasView()->mapTo(&window, QPoint()), window.canvasView()->size());
    for (const QWidget *panel : std::initializer_list<QWidget *>{pages, tools, palette, settings,
                                                                 window.gridPanel(), window.filePanel()}) {
        const QRect area(panel->mapTo(&window, QPoint()), panel->size());
        EXPECT_FALSE(area.intersects(canvasArea)) << panel->metaObject()->className();
        EXPECT_TRUE(window.rect().contains(area)) << panel->metaObject()->className();
    }
}

TEST_F(MainWindowTest, PageButtonsShowTheNamesAndTheCurrentPageInOneColumn)
{
    for (int p = 0; p < 32; ++p) {
        const QPushButton *button = pages->pageButton(p);
        EXPECT_EQ(button->text(),
                  p < 31 ? QStringLiteral("Chr%1").arg(p, 2, 10, QLatin1Char('0'))
                         : QStringLiteral("MapChip0"));
        EXPECT_EQ(button->isEnabled(), p < 31) << p;
        EXPECT_EQ(buttonBackground(button), p == 0 ? kLightGreen : buttonFace()) << p;
        EXPECT_EQ(button->x(), pages->pageButton(0)->x());
        if (p > 0)
            EXPECT_EQ(button->y(), pages->pageButton(p - 1)->geometry().bottom() + 1);
    }
    // The whole caption fits.
    const QPushButton *bg = pages->pageButton(31);
    EXPECT_LE(bg->fontMetrics().horizontalAdvance(bg->text()), bg->contentsRect().width() - 2);
}

TEST_F(MainWindowTest, ToolButtonsStartWithThePen)
{
    const QStringList captions{"描画", "範囲", "ｺﾋﾟｰ", "移動", "消す", "回転",
                               "左右", "上下", "白黒", "",     "面消"};
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}) {
        const QToolButton *button = tools->toolButton(i);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_EQ(button->isEnabled(), i <= 1) << i;
        EXPECT_EQ(button->isVisible(), i <= 8) << i;
        EXPECT_EQ(button->iconSize(), i <= 8 ? QSize(12, 12) : QSize(10, 10));
        EXPECT_EQ(buttonBackground(button), i == 0 ? kLightGreen : buttonFace()) << i;
    }
    EXPECT_EQ(tools->toolButton(9), nullptr);
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
    const QStringList labels{"左：", "右：", "0", "255"};
    for (int index = 4; index <= 7; ++index)
        EXPECT_EQ(palette->penLabel(index)->text(), labels[index - 4]);
    SwatchBox *left = palette->colourSwatch(PalettePanel::kLeftSwatch);
    SwatchBox *right = palette->colourSwatch(PalettePanel::kRightSwatch);
    EXPECT_FALSE(left->isEnabled() || right->isEnabled());
    const QPoint middle(left->width() / 2, left->height() / 2);
    EXPECT_EQ(left->grab().toImage().pixelColor(middle), QColor(0, 0, 0));
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

TEST_F(MainWindowTest, CanvasAndThumbnailShowTheRenderedEmptyPageBesideTheScrollBar)
{
    const QScrollBar *scroll = window.canvasView()->scrollBar();
    EXPECT_EQ(canvas->size(), QSize(514, 642));
    EXPECT_EQ(window.thumbnail()->size(), QSize(130, 194));
    EXPECT_EQ(scroll->orientation(), Qt::Vertical);
    EXPECT_EQ(QPoint(scroll->minimum(), scroll->maximum()), QPoint(0, 128));
    EXPECT_EQ(scroll->geometry().topLeft(), canvas->geometry().topRight() + QPoint(1, 0));
    EXPECT_EQ(scroll->height(), canvas->height());
    // The scroll bar ends where the tool column begins.
    EXPECT_LE(scroll->mapTo(&window, QPoint(scroll->width(), 0)).x(), tools->mapTo(&window, QPoint()).x());

    const QImage &painted = window.renderer().canvas();
    EXPECT_EQ(shownImage(canvas, QSize(512, 640)), painted.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(painted.pixelColor(4, 4), QColor(255, 255, 255)); // inside a cell: entry 0 is colour 255
    EXPECT_EQ(painted.pixelColor(8, 2), QColor(0, 162, 232)); // the fine grid
    EXPECT_EQ(painted.pixelColor(64, 5), QColor(237, 28, 36)); // pattern lines from x 64 on
    const QImage &thumbnail = window.renderer().thumbnail();
    ASSERT_EQ(thumbnail.size(), QSize(128, 192));
    EXPECT_EQ(shownImage(window.thumbnail(), thumbnail.size()),
              thumbnail.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(thumbnail.pixelColor(127, 191), QColor(255, 255, 255));
}

TEST_F(MainWindowTest, SettingsGridAndFileButtonsStartOnPageZero)
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
    const struct {
        QLineEdit *box;
        QScrollBar *bar;
        int maximum;
        const char *text;
    } spins[] = {{grid->numberBox(0), grid->spinBar(0), 128, "8"},
                 {grid->numberBox(1), grid->spinBar(1), 96, "8"},
                 {settings->numberBox(4), settings->spinBar(4), 255, "0"}};
    for (const auto &spin : spins) {
        EXPECT_EQ(spin.box->text(), QString::fromUtf8(spin.text));
        EXPECT_EQ(QPoint(spin.bar->minimum(), spin.bar->maximum()), QPoint(0, spin.maximum));
        EXPECT_EQ(spin.bar->value(), spin.maximum - spin.box->text().toInt());
    }
    EXPECT_EQ(window.filePanel()->projectButton(0)->text(), QStringLiteral("開く"));
    EXPECT_EQ(window.filePanel()->projectButton(1)->text(), QStringLiteral("保存"));
    EXPECT_EQ(window.filePanel()->exportButton()->text(), QStringLiteral("PICデータ出力"));
}

TEST_F(MainWindowTest, ShowingTheBgPageLocksNameAndSize)
{
    for (int page : {31, 1}) {
        window.state().currentPage = int16_t(page);
        window.showCurrentPage();
        const bool bg = page == 31;
        EXPECT_EQ(settings->nameBox()->text(), bg ? QStringLiteral("MapChip0") : QStringLiteral("Chr01"));
        EXPECT_EQ(settings->nameBox()->isEnabled(), !bg);
        EXPECT_EQ(settings->sizeList(0)->isEnabled(), !bg);
        EXPECT_EQ(settings->sizeList(1)->isEnabled(), !bg);
        EXPECT_EQ(tools->toolButton(ToolButtons::kMapButton)->isEnabled(), bg);
    }
}

} // namespace
} // namespace vesk4
