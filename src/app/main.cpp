#include "app/main_window.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Button colours show state; Fusion paints a button's palette colour on every platform.
    QApplication::setStyle(QStringLiteral("Fusion"));
    vesk4::MainWindow window;
    window.show();
    return app.exec();
}
