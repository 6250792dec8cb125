#include "widgets/message_boxes.h"

#include <QCoreApplication>
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
    // The editor's own button texts, not Qt's standard ones: the Japanese wording is the editor's.
    QPushButton *save
        = box.addButton(QCoreApplication::translate("vesk4::MessageBoxes", "&Save"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QCoreApplication::translate("vesk4::MessageBoxes", "Do&n't Save"),
                                         QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QCoreApplication::translate("vesk4::MessageBoxes", "Cancel"),
                                        QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

RestoreChoice QtMessageBoxes::askToRestore(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton *restore
        = box.addButton(QCoreApplication::translate("MessageBoxes", "Restore"), QMessageBox::AcceptRole);
    QPushButton *discard
        = box.addButton(QCoreApplication::translate("MessageBoxes", "Discard"), QMessageBox::DestructiveRole);
    // Closing the box decides nothing: the copy stays for the next start.
    QPushButton *later
        = box.addButton(QCoreApplication::translate("MessageBoxes", "Later"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return RestoreChoice::Restore;
    return box.clickedButton() == discard ? RestoreChoice::Discard : RestoreChoice::Later;
}

} // namespace vesk4
