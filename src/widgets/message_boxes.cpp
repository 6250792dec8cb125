#include "widgets/message_boxes.h"

#include <QMessageBox>

namespace vesk4 {

void QtMessageBoxes::inform(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

bool QtMessageBoxes::ask(QWidget *parent, const QString &caption, const QString &text)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace vesk4
