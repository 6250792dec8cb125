// Runs GoogleTest inside a QGuiApplication: drawing glyphs needs Qt's font engine, though no
// widget. ctest sets QT_QPA_PLATFORM=offscreen; run by hand without a display, set it too.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS(); // listing needs no display
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
