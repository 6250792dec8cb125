#include "widgets/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <array>

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

namespace {

// A question with the editor's own three answers: one that goes ahead (the default), one that
// throws away, and one that decides nothing (also Esc and closing the box). Which one was taken:
// 0, 1 or 2 in that order.
int askWithThreeAnswers(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
                        const char *goAhead, const char *throwAway, const char *decideNothing)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    const auto answer = [&box](const char *caption, QMessageBox::ButtonRole role) {
        return box.addButton(QCoreApplication::translate("vesk4::MessageBoxes", caption), role);
    };
    QPushButton *first = answer(goAhead, QMessageBox::AcceptRole);
    QPushButton *second = answer(throwAway, QMessageBox::DestructiveRole);
    QPushButton *third = answer(decideNothing, QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.setEscapeButton(third);
    box.exec();
    if (box.clickedButton() == first)
        return 0;
    return box.clickedButton() == second ? 1 : 2;
}

} // namespace

SaveChoice QtMessageBoxes::askToSave(QWidget *parent, const QString &caption, const QString &text)
{
    // The editor's own button texts, not Qt's standard ones: the Japanese wording is the editor's.
    const int answer = askWithThreeAnswers(parent, QMessageBox::Warning, caption, text,
                                           QT_TRANSLATE_NOOP("vesk4::MessageBoxes", "&Save"),
                                           QT_TRANSLATE_NOOP("vesk4::MessageBoxes", "Do&n't Save"),
                                           QT_TRANSLATE_NOOP("vesk4::MessageBoxes", "Cancel"));
    return std::array{SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel}[std::size_t(answer)];
}

// Closing the box decides nothing: the copy stays for the next start.
RestoreChoice QtMessageBoxes::askToRestore(QWidget *parent, const QString &caption, const QString &text)
{
    const int answer = askWithThreeAnswers(parent, QMessageBox::Question, caption, text,
                                           QT_TRANSLATE_NOOP("vesk4::MessageBoxes", "Restore"),
                                           QT_TRANSLATE_NOOP("vesk4::MessageBoxes", "Discard"),
                                           QT_TRANSLATE_NOOP("vesk4::MessageBoxes", "Later"));
    return std::array{RestoreChoice::Restore, RestoreChoice::Discard,
                      RestoreChoice::Later}[std::size_t(answer)];
}

} // namespace vesk4
