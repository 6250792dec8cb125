// The editor's whole program with a scripted user, for the tests that kill it: once the window is
// shown, it draws pen strokes on the canvas with real mouse events, writes what "上書き保存" would
// write into the file VESK4_TEST_REFERENCE names (through the save's own writer, without saving, so
// the edits stay unsaved), and then waits like an idle editor until it is killed.
#include "app/editor_main.h"
#include "app/main_window.h"
#include "canvas/canvas_view.h"
#include "files/project_file.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void drawOnceShown()
{
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, watch, [watch] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<vesk4::MainWindow *>(widget);
            if (!window || !window->isVisible())
                continue;
            watch->stop();
            // Canvas pixels inside its one-pixel border; a cell is 8 x 10 pixels.
            QWidget *canvas = window->canvasView()->canvas();
            QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(13, 16));
            QTest::mouseMove(canvas, QPoint(45, 16));
            QTest::mouseMove(canvas, QPoint(45, 56));
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(45, 56));
            QTest::mousePress(canvas, Qt::RightButton, {}, QPoint(29, 16));
            QTest::mouseRelease(canvas, Qt::RightButton, {}, QPoint(29, 16));
            const vesk4::Status saved
                = vesk4::saveProject(window->document(), qEnvironmentVariable("VESK4_TEST_REFERENCE"));
            if (!saved)
                std::fprintf(stderr, "reference not written: %s\n", qPrintable(saved.failure().text()));
            return;
        }
    });
    watch->start(10);
}

} // namespace

int main(int argc, char **argv)
{
    qAddPreRoutine(drawOnceShown);
    return vesk4::runEditor(argc, argv);
}
