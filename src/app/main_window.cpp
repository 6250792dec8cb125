#include "app/main_window.h"

namespace vesk4 {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) { }

} // namespace vesk4
