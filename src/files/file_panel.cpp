#include "files/file_panel.h"

#include <QGridLayout>
#include <QPushButton>

namespace vesk4 {

FilePanel::FilePanel(QWidget *parent)
    : QGroupBox(QStringLiteral("ファイル"), parent),
      command3_(new QPushButton(QStringLiteral("PICデータ出力")))
{
    command2_ = {new QPushButton(QStringLiteral("開く")), new QPushButton(QStringLiteral("保存"))};
    auto *layout = new QGridLayout(this);
    layout->addWidget(command2_[0], 0, 0);
    layout->addWidget(command2_[1], 0, 1);
    layout->addWidget(command3_, 1, 0, 1, 2);
}

} // namespace vesk4
