#include "files/file_panel.h"

#include <QGridLayout>
#include <QPushButton>

namespace vesk4 {

FilePanel::FilePanel(QWidget *parent)
    : QGroupBox(QStringLiteral("ファイル"), parent),
      exportButton_(new QPushButton(QStringLiteral("PICデータ出力")))
{
    projectButtons_ = {new QPushButton(QStringLiteral("開く")), new QPushButton(QStringLiteral("保存"))};
    auto *layout = new QGridLayout(this);
    layout->addWidget(projectButtons_[0], 0, 0);
    layout->addWidget(projectButtons_[1], 0, 1);
    layout->addWidget(exportButton_, 1, 0, 1, 2);
}

} // namespace vesk4
