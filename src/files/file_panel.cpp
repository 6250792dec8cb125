#include "files/file_panel.h"

#include <QGridLayout>
#include <QPushButton>

namespace vesk4 {

FilePanel::FilePanel(QWidget *parent)
    : QGroupBox(QStringLiteral("ファイル"), parent), openButton_(new QPushButton(QStringLiteral("開く"))),
      saveButton_(new QPushButton(QStringLiteral("保存"))),
      exportButton_(new QPushButton(QStringLiteral("PICデータ出力")))
{
    openButton_->setObjectName(QStringLiteral("openButton"));
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(openButton_, 0, 0);
    layout->addWidget(saveButton_, 0, 1);
    layout->addWidget(exportButton_, 1, 0, 1, 2);
}

} // namespace vesk4
