// A long random session on the window: mouse presses, moves and releases with every button set,
// far outside the canvas too, on the canvas and on the floating block, mixed with tool buttons,
// page buttons and scrolling. Nothing may crash, nothing may land outside the cell store, and every
// cell must hold an entry the tools can write.
#include "app/main_window.h"
#include "app/page_bar.h"
#include "canvas/canvas_view.h"
#include "canvas/tool_panel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace vesk4 {
namespace {

constexpr int kMouseEvents = 100000;

class RandomSession {
public:
    explicit RandomSession(MainWindow &window, unsigned seed) : window_(window), random_(seed) { }

    void step()
    {
        const int what = pick(0, 99);
        if (what < 2)
            clickTool();
        else if (what < 3)
            clickPage();
        else if (what < 4)
            window_.canvasView()->scrollBar()->setValue(pick(0, 128));
        else
            mouseEvent();
        seenModes_.insert(window_.state().toolMode);
    }
    int mouseEvents() const { return mouseEvents_; }
    const std::set<int> &seenModes() const { return seenModes_; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void clickTool()
    {
        static constexpr int kTools[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
        QToolButton *button = window_.toolPanel()->toolButton(kTools[pick(0, 9)]);
        QTest::mouseClick(button, Qt::LeftButton); // a disabled or hidden button takes no click
    }

    void clickPage() { QTest::mouseClick(window_.pageBar()->pageButton(pick(0, 31)), Qt::LeftButton); }

    QPointF position(QWidget *surface)
    {
        switch (pick(0, 9)) {
        case 0: // anywhere at all
            return QPointF(pick(-100000, 100000), pick(-100000, 100000));
        case 1: // just around the edges
            return QPointF(pick(-20, surface->width() + 20), pick(-20, surface->height() + 20));
        default: // an empty block surface has no pixel of its own
            return QPointF(pick(0, std::max(surface->width() - 1, 0)) + pick(0, 3) * 0.25,
                           pick(0, std::max(surface->height() - 1, 0)));
        }
    }

    void mouseEvent()
    {
        QWidget *block = window_.canvasView()->floatingBlock();
        QWidget *target = block->isVisible() && pick(0, 2) == 0 ? block : window_.canvasView()->canvas();
        static constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = kButtons[pick(0, 2)];
        const Qt::MouseButtons held = Qt::MouseButtons::fromInt(pick(0, 7) & 0x7);
        const QPointF at = position(target);
        QEvent::Type type = QEvent::MouseMove;
        switch (pick(0, 5)) {
        case 0:
            type = QEvent::MouseButtonPress;
            break;
        case 1:
            type = QEvent::MouseButtonRelease;
            break;
        default:
            break;
        }
        QMouseEvent event(type, at, target->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        ++mouseEvents_;
    }

    MainWindow &window_;
    std::mt19937 random_;
    int mouseEvents_ = 0;
    std::set<int> seenModes_;
};

TEST(MainWindowStress, RandomSessionKeepsEveryCellAWritableEntry)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    RandomSession session(window, 20261206);
    while (session.mouseEvents() < kMouseEvents)
        session.step();

    // The pen writes entries 0, 1 and 2, the inversion 0 and 1; every cell started at 0.
    const Document &doc = window.document();
    for (int page = 0; page < kPageCount; ++page)
        for (int y = kCellMin; y <= kCellMax; ++y)
            for (int x = kCellMin; x <= kCellMax; ++x)
                ASSERT_TRUE(doc.PixelData(page, x, y) >= 0 && doc.PixelData(page, x, y) <= 2)
                    << page << " " << x << "," << y << " holds " << doc.PixelData(page, x, y);
    // The session reached the pen, the range tool and the floating block.
    EXPECT_EQ(session.seenModes(), (std::set<int>{kToolPen, kToolRange, kToolFloating}));
    const EditorState &state = window.state();
    EXPECT_TRUE(state.toolMode == kToolPen || state.toolMode == kToolRange
                || state.toolMode == kToolFloating);
    EXPECT_GE(state.rangeStartX, 0);
    EXPECT_LE(state.rangeStartX, 64);
    EXPECT_GE(state.blockWidthCells, 0);
}

} // namespace
} // namespace vesk4
