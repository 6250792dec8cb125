#pragma once

#include <QMainWindow>

namespace vesk4 {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
};

} // namespace vesk4
