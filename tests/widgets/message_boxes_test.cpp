// The real message boxes, answered as a user answers them: each button and key of a question gives
// the answer it names. The window's tests answer through a script, which cannot see a swap here.
#include "widgets/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vesk4 {
namespace {

class QtMessageBoxesTest : public ::testing::Test {
protected:
    // Once the box is shown and waits in its own event loop, notes what it shows and answers it.
    void answerWhenShown(const std::function<void(QMessageBox *)> &answer)
    {
        shown = {};
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList buttons; // in the order of the platform's style: sorted
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            buttons.sort();
            shown << box->windowTitle() << box->text() << buttons;
            poll->deleteLater();
            answer(box);
        });
        poll->start(10);
    }
    static std::function<void(QMessageBox *)> clickButton(const char *text)
    {
        return [text](QMessageBox *box) {
            for (QAbstractButton *button : box->buttons())
                if (button->text() == QString::fromUtf8(text))
                    return QTest::mouseClick(button, Qt::LeftButton);
            ADD_FAILURE() << "no button " << text;
            box->reject();
        };
    }
    static std::function<void(QMessageBox *)> pressKey(Qt::Key key)
    {
        return [key](QMessageBox *box) { QTest::keyClick(box, key); };
    }

    QtMessageBoxes boxes;
    QStringList shown;
};

TEST_F(QtMessageBoxesTest, EachAnswerToTheSaveQuestionIsTheChoiceItNames)
{
    const struct {
        std::function<void(QMessageBox *)> answer;
        SaveChoice choice;
    } cases[] = {
        {clickButton("保存"), SaveChoice::Save},         {clickButton("保存しない"), SaveChoice::Discard},
        {clickButton("キャンセル"), SaveChoice::Cancel}, {pressKey(Qt::Key_Escape), SaveChoice::Cancel},
        {pressKey(Qt::Key_Return), SaveChoice::Save}, // the default button
    };
    for (const auto &c : cases) {
        answerWhenShown(c.answer);
        EXPECT_EQ(boxes.askToSave(nullptr, QStringLiteral("保存確認"), QStringLiteral("保存しますか？")),
                  c.choice)
            << int(c.choice);
        EXPECT_EQ(shown, QStringList({"保存確認", "保存しますか？", "キャンセル", "保存", "保存しない"}));
    }
}

TEST_F(QtMessageBoxesTest, YesAndNoAnswerAQuestionAndOkClosesANotice)
{
    for (bool yes : {true, false}) {
        answerWhenShown([yes](QMessageBox *box) {
            QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
        });
        EXPECT_EQ(boxes.ask(nullptr, QStringLiteral("保存確認"), QStringLiteral("上書き保存しますか?")), yes);
        EXPECT_EQ(shown.mid(0, 2), QStringList({"保存確認", "上書き保存しますか?"}));
    }
    answerWhenShown(
        [](QMessageBox *box) { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); });
    boxes.inform(nullptr, QStringLiteral("ファイル情報"), QStringLiteral("開けません。"));
    EXPECT_EQ(shown.mid(0, 2), QStringList({"ファイル情報", "開けません。"}));
}

} // namespace
} // namespace vesk4
