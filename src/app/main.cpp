#include "app/main_window.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    vesk4::MainWindow window;
    window.show();
    return app.exec();
}
