#pragma once

#include <QObject>

namespace vesk4 {

class MainWindow;

// The three file dialogs behind the main window's file buttons: "開く", "保存" and
// "PICデータ出力".
class FileDialogs : public QObject {
    Q_OBJECT
public:
    explicit FileDialogs(MainWindow &window);
    ~FileDialogs() override;

private:
    MainWindow &window_;
};

} // namespace vesk4
