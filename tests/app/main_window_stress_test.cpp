// A long random session on the window: mouse presses, moves and releases with every button set,
// far outside the canvas too, on the canvas and on the floating block, mixed with tool buttons,
// page buttons and scrolling. Nothing may crash, nothing may land outside the cell store, and every
// cell must hold an entry the tools can write.
#include <random>
#include <set>

#include "shown_window.h"

namespace vesk4 {
namespace {

constexpr int kMouseEvents = 100000;

// The window as the program shows it, in the platform's own style: the session below reaches its
// tools with this style's sizes.
TEST(MainWindowStress, RandomSessionKeepsEveryCellAWritableEntry)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PictureSurface *canvas = window.canvasView()->canvas();
    const Document &doc = window.document();
    std::mt19937 random(20261206);
    const auto pick
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    // Anywhere at all, just around the edges, or inside (an empty block surface has no pixel of its own).
    const auto position = [&](const QWidget *surface) {
        const int choice = pick(0, 9);
        if (choice == 0)
            return QPointF(pick(-100000, 100000), pick(-100000, 100000));
        if (choice == 1)
            return QPointF(pick(-20, surface->width() + 20), pick(-20, surface->height() + 20));
        return QPointF(pick(0, std::max(surface->width() - 1, 0)) + pick(0, 3) * 0.25,
                       pick(0, std::max(surface->height() - 1, 0)));
    };
    std::set<int> seenModes;
    // Each pick below draws from the generator in this order: the session is the same on every run.
    for (int events = 0; events < kMouseEvents; seenModes.insert(window.state().toolMode)) {
        const int what = pick(0, 99);
        if (what < 2) // a disabled or hidden button takes no click
            QTest::mouseClick(
                window.toolPanel()->toolButton(std::array{0, 1, 2, 3, 4, 5, 6, 7, 8, 10}[pick(0, 9)]),
                Qt::LeftButton);
        else if (what < 3)
            QTest::mouseClick(window.pageBar()->pageButton(pick(0, 31)), Qt::LeftButton);
        else if (what < 4)
            window.canvasView()->scrollBar()->setValue(pick(0, 128));
        else {
            QWidget *block = window.canvasView()->floatingBlock();
            QWidget *target = block->isVisible() && pick(0, 2) == 0 ? block : canvas;
            const auto button = std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[pick(0, 2)];
            const auto held = Qt::MouseButtons::fromInt(pick(0, 7));
            const QPointF at = position(target);
            // Moves four times in six.
            const auto type = std::array{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                         QEvent::MouseMove}[std::min(pick(0, 5), 2)];
            QMouseEvent event(type, at, target->mapToGlobal(at),
                              type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
            ++events;
        }
    }

    // The pen writes entries 0, 1 and 2, the inversion 0 and 1; every cell started at 0.
    for (int page = 0; page < kPageCount; ++page)
        for (int y = kCellMin; y <= kCellMax; ++y)
            for (int x = kCellMin; x <= kCellMax; ++x)
                ASSERT_TRUE(doc.PixelData(page, x, y) >= 0 && doc.PixelData(page, x, y) <= 2)
                    << page << " " << x << "," << y << " holds " << doc.PixelData(page, x, y);
    // The session reached the pen, the range tool and the floating block, and never the map.
    EXPECT_EQ(seenModes, (std::set<int>{kToolPen, kToolRange, kToolFloating}));
    EXPECT_GE(window.state().rangeStartX, 0);
    EXPECT_LE(window.state().rangeStartX, 64);
    EXPECT_GE(window.state().blockWidthCells, 0);
}

} // namespace
} // namespace vesk4
