#pragma once

#include <QGroupBox>

#include <array>

class QPushButton;

namespace vesk4 {

// The frame "ファイル": Command2(0) "開く" and Command2(1) "保存" open the project dialogs,
// Command3 "PICデータ出力" the export dialog.
class FilePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FilePanel(QWidget *parent = nullptr);

    QPushButton *Command2(int index) const { return command2_.at(index); }
    QPushButton *Command3() const { return command3_; }

private:
    std::array<QPushButton *, 2> command2_{};
    QPushButton *command3_;
};

} // namespace vesk4
