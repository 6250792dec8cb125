// What the window's widget tests share: a main window shown and active on the offscreen screen in
// the style the editor runs with, its message boxes answered from a script, a scratch folder, its
// panels, and the mouse on the canvas.
#pragma once

#include "app/grid_panel.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/page_bar.h"
#include "app/settings_panel.h"
#include "canvas/canvas_view.h"
#include "canvas/tool_panel.h"
#include "files/file_dialogs.h"
#include "files/project_file.h"
#include "palette/palette_panel.h"
#include "scripted_messages.h"
#include "widgets/button_colour.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vesk4 {

// The shade of the current page's button and of the active tool.
inline const QColor kLightGreen(0xC0, 0xFF, 0xC0);

class ShownWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The file dialogs start in the working folder: the scratch folder until the test ends.
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        // A question no test scripted fails the test instead of waiting for a click forever.
        window.setMessageBoxes(&messages);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~ShownWindowTest() override { QDir::setCurrent(previousFolder); }

    // Canvas positions are pixels of its drawing area, inside its one-pixel border.
    static QPoint onCanvas(QPoint p) { return p + QPoint(1, 1); }
    void press(Qt::MouseButton button, QPoint p) { QTest::mousePress(canvas, button, {}, onCanvas(p)); }
    void release(Qt::MouseButton button, QPoint p) { QTest::mouseRelease(canvas, button, {}, onCanvas(p)); }
    void click(Qt::MouseButton button, QPoint p)
    {
        press(button, p);
        release(button, p);
    }
    // A move with exactly these buttons held, as the toolkit delivers it during a drag or, with
    // none, a hover. QTest's own moves carry only the buttons it pressed itself.
    void moveOnCanvas(QPoint p, Qt::MouseButtons held)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(onCanvas(p)), canvas->mapToGlobal(QPointF(onCanvas(p))),
                          Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    // The middle of view cell c.
    static QPoint cellCentre(QPoint c) { return {8 * c.x() + 4, 10 * c.y() + 5}; }
    // A left click in the middle of view cell (x, y); with the pen, one step.
    void clickCell(int x, int y) { click(Qt::LeftButton, cellCentre({x, y})); }
    // A drag, as the range and shape tools take it.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        press(button, from);
        moveOnCanvas(to, button);
        release(button, to);
    }
    void clickTool(int index) { QTest::mouseClick(tools->toolButton(index), Qt::LeftButton); }
    // The range tool's drag over view cells from (0, 0) up to the grid point (columns, rows).
    void selectFromTopLeft(int columns, int rows)
    {
        clickTool(ToolButtons::kRange);
        drag({3, 3}, {columns * 8 + 3, rows * 10 + 3});
    }
    void clickPage(int page) { QTest::mouseClick(pages->pageButton(page), Qt::LeftButton); }
    int16_t &cell(int x, int y) { return doc.PixelData(0, x, y); }
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir dir;
    QString previousFolder;
    ScriptedMessages messages;
    MainWindow window;
    Document &doc = window.document();
    EditorState &state = window.state();
    PictureSurface *canvas = window.canvasView()->canvas();
    PageBar *pages = window.pageBar();
    ToolPanel *tools = window.toolPanel();
    PalettePanel *palette = window.palettePanel();
    SettingsPanel *settings = window.settingsPanel();
    MainMenu *menu = window.mainMenu();
};

} // namespace vesk4
