#pragma once

#include <QGroupBox>

#include <array>

class QPushButton;

namespace vesk4 {

// The frame "ファイル": projectButton(0) "開く" and projectButton(1) "保存" open the project dialogs,
// exportButton "PICデータ出力" the export dialog.
class FilePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FilePanel(QWidget *parent = nullptr);

    QPushButton *projectButton(int index) const { return projectButtons_.at(index); }
    QPushButton *exportButton() const { return exportButton_; }

private:
    std::array<QPushButton *, 2> projectButtons_{};
    QPushButton *exportButton_;
};

} // namespace vesk4
