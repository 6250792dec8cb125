// Runs GoogleTest inside a QApplication, so widget tests can create real widgets and send them
// QTest events. ctest sets QT_QPA_PLATFORM=offscreen; run by hand without a display, set it too.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS(); // listing needs no display
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
