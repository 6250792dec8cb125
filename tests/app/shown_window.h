// What the window's widget tests share: a main window shown on the offscreen screen in the style the
// editor runs with, its message boxes answered from a script, and mouse moves with a chosen set of buttons
// held.
#pragma once

#include "app/main_window.h"
#include "scripted_messages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

namespace vesk4 {

class ShownWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void SetUp() override
    {
        // A question no test scripted fails the test instead of waiting for a click forever.
        window.setMessageBoxes(&messages);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    ScriptedMessages messages;
    MainWindow window;
};

// A move to a position in the widget's pixels with exactly these buttons held, as the toolkit
// delivers it during a drag or, with none, a hover. QTest's own moves carry only the buttons it
// pressed itself.
inline void sendMouseMove(QWidget *widget, QPoint position, Qt::MouseButtons held)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(position), widget->mapToGlobal(QPointF(position)),
                      Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace vesk4
