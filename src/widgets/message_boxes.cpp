#include "widgets/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

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

SaveChoice QtMessageBoxes::askToSave(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
    // The button texts are set here: the editor loads no translations of Qt's own.
    QPushButton *save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

} // namespace vesk4
