#pragma once

#include <QGroupBox>

class QPushButton;

namespace vesk4 {

// The frame "ファイル": openButton "開く" and saveButton "保存" show the project dialogs, exportButton
// "PICデータ出力" the export dialog.
class FilePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FilePanel(QWidget *parent = nullptr);

    QPushButton *openButton() const { return openButton_; }
    QPushButton *saveButton() const { return saveButton_; }
    QPushButton *exportButton() const { return exportButton_; }

private:
    QPushButton *openButton_;
    QPushButton *saveButton_;
    QPushButton *exportButton_;
};

} // namespace vesk4
