#include "files/file_panel.h"

#include <QGridLayout>
#include <QPushButton>

namespace vesk4 {

FilePanel::FilePanel(QWidget *parent)
    : QGroupBox(tr("File"), parent), openButton_(new QPushButton(tr("Open"))),
      saveButton_(new QPushButton(tr("Save"))), exportButton_(new QPushButton(tr("Export PIC Data")))
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
