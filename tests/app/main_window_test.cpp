// The main window as it opens: every control in its start-up state, and the canvas and thumbnail
// showing what the renderer painted.
#include "files/file_panel.h"

#include <QGroupBox>

#include "shown_window.h"

namespace vesk4 {
namespace {

// The widget's drawing area, inside its one-pixel border, as the screen shows it.
QImage shownImage(QWidget *surface, QSize area)
{
    return surface->grab().toImage().copy(QRect(QPoint(1, 1), area)).convertToFormat(QImage::Format_RGB32);
}

using MainWindowTest = ShownWindowTest;

TEST_F(MainWindowTest, WindowPlacesItsFramesAsDesigned)
{
    const QScrollBar *scroll = window.canvasView()->scrollBar();
    // Where a frame's size follows its contents, only its place is designed.
    const struct {
        const QWidget *widget;
        QRect designed;
    } frames[] = {
        {tools, {586, 64, 145, tools->height()}},
        {palette, {QPoint(586, 248), palette->size()}},
        // 480 twips between tool columns, 495-twip squares.
        {tools->toolButton(1), {tools->toolButton(0)->pos() + QPoint(32, 0), QSize(33, 33)}},
        {canvas, {canvas->pos(), QSize(514, 642)}},
        {scroll, {canvas->geometry().topRight() + QPoint(1, 0), QSize(17, 642)}},
        {window.thumbnail(), {window.thumbnail()->pos(), QSize(130, 194)}},
    };
    for (const auto &f : frames)
        EXPECT_EQ(f.widget->geometry(), f.designed) << f.widget->metaObject()->className();
    EXPECT_EQ(window.pos(), QPoint(100, 33));
    EXPECT_GE(palette->height(), 217);
    EXPECT_EQ(QPoint(scroll->value(), scroll->maximum()), QPoint(0, 128));
    // Nothing overlaps the canvas with its scroll bar or leaves the window.
    const QRect canvasArea(window.canvasView()->mapTo(&window, QPoint()), window.canvasView()->size());
    for (const QWidget *panel : std::initializer_list<QWidget *>{pages, tools, palette, settings,
                                                                 window.gridPanel(), window.filePanel()}) {
        const QRect area(panel->mapTo(&window, QPoint()), panel->size());
        EXPECT_FALSE(area.intersects(canvasArea)) << panel->metaObject()->className();
        EXPECT_TRUE(window.rect().contains(area)) << panel->metaObject()->className();
    }
}

TEST_F(MainWindowTest, ControlsShowTheirStartCaptions)
{
    QStringList shown;
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        shown << frame->title();
    shown.sort();
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10})
        shown << tools->toolButton(i)->text();
    const GridPanel *grid = window.gridPanel();
    shown << pages->pageButton(30)->text() << pages->pageButton(31)->text()
          << palette->modeButton(kMode2Ex)->text() << palette->penLabel(4)->text()
          << palette->penLabel(5)->text() << palette->penLabel(6)->text() << palette->penLabel(7)->text()
          << settings->sizeList(0)->currentText() << settings->sizeList(1)->currentText()
          << settings->numberBox(SettingsPanel::kPatternCountBox)->text() << grid->numberBox(0)->text()
          << grid->numberBox(1)->text() << window.filePanel()->projectButton(0)->text()
          << window.filePanel()->projectButton(1)->text() << window.filePanel()->exportButton()->text();
    EXPECT_EQ(shown.join('|'),
              QStringLiteral("CHR|キャラクタ設定|グリッド|ファイル|描画モード|色選択|"
                             "描画|範囲|ｺﾋﾟｰ|移動|消す|回転|左右|上下|白黒|面消|"
                             "Chr30|MapChip0|2色Ex|左：|右：|0|255|8|8|0|8|8|開く|保存|PICデータ出力"));
    for (int p = 0; p < 30; ++p)
        EXPECT_EQ(pages->pageButton(p)->text(), QStringLiteral("Chr%1").arg(p, 2, 10, QLatin1Char('0')));
    QStringList items;
    for (int list : {0, 1})
        for (int i = 0; i < settings->sizeList(list)->count(); ++i)
            items << settings->sizeList(list)->itemText(i);
    EXPECT_EQ(items.join(' '), QStringLiteral("4 8 16 20 24 32 40 48 56 64 8 16 20 24 32 40 48 56 64"));
}

TEST_F(MainWindowTest, OnlyThePenPageAndMonochromeControlsStartUsable)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}) {
        const QToolButton *button = tools->toolButton(i);
        EXPECT_EQ(QList<bool>({button->isEnabled(), button->isVisible()}), QList<bool>({i <= 1, i <= 8}))
            << i;
        EXPECT_EQ(button->iconSize(), i <= 8 ? QSize(12, 12) : QSize(10, 10));
        EXPECT_EQ(buttonBackground(button), i == 0 ? kLightGreen : face) << i;
    }
    for (int p = 0; p < 32; ++p) {
        EXPECT_EQ(pages->pageButton(p)->isEnabled(), p < 31) << p;
        EXPECT_EQ(buttonBackground(pages->pageButton(p)), p == 0 ? kLightGreen : face) << p;
    }
    for (int mode = 0; mode <= 4; ++mode) {
        EXPECT_EQ(palette->modeButton(mode)->isChecked(), mode == kMode2) << mode;
        EXPECT_EQ(palette->modeButton(mode)->isEnabled(), mode >= kMode2) << mode;
    }
    for (int k = 0; k < 16; ++k)
        EXPECT_FALSE(palette->paletteSwatch(k)->isVisible()) << k;
    SwatchBox *left = palette->colourSwatch(PalettePanel::kLeftSwatch);
    SwatchBox *right = palette->colourSwatch(PalettePanel::kRightSwatch);
    EXPECT_FALSE(left->isEnabled() || right->isEnabled());
    const QPoint middle(left->width() / 2, left->height() / 2);
    EXPECT_EQ(left->grab().toImage().pixelColor(middle), QColor(0, 0, 0));
    EXPECT_EQ(right->grab().toImage().pixelColor(middle), QColor(248, 248, 248));
    EXPECT_FALSE(settings->outputCheckBox()->isChecked());
}

TEST_F(MainWindowTest, CanvasAndThumbnailShowTheRenderedEmptyPage)
{
    const QImage &painted = window.renderer().canvas();
    EXPECT_EQ(shownImage(canvas, QSize(512, 640)), painted.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(painted.pixelColor(4, 4), QColor(255, 255, 255)); // inside a cell: entry 0 is colour 255
    const QImage &thumbnail = window.renderer().thumbnail();
    ASSERT_EQ(thumbnail.size(), QSize(128, 192));
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

} // namespace
} // namespace vesk4
