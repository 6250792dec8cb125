// Message boxes for widget tests: every box is recorded, and each question is answered from a
// script; a question without a scripted answer fails the test.
#pragma once

#include "widgets/message_boxes.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace vesk4 {

struct Message {
    QWidget *parent;
    QString caption;
    QString text;
};

class ScriptedMessages : public MessageBoxes {
public:
    void inform(QWidget *parent, const QString &caption, const QString &text) override
    {
        shown.push_back({parent, caption, text});
    }
    bool ask(QWidget *parent, const QString &caption, const QString &text) override
    {
        asked.push_back({parent, caption, text});
        return nextAnswer(answers, false, text);
    }
    SaveChoice askToSave(QWidget *parent, const QString &caption, const QString &text) override
    {
        askedToSave.push_back({parent, caption, text});
        return nextAnswer(saveChoices, SaveChoice::Cancel, text);
    }

    RestoreChoice askToRestore(QWidget *parent, const QString &caption, const QString &text) override
    {
        askedToRestore.push_back({parent, caption, text});
        return nextAnswer(restoreChoices, RestoreChoice::Later, text);
    }

    std::deque<bool> answers;
    std::deque<RestoreChoice> restoreChoices;
    std::vector<Message> askedToRestore;
    std::deque<SaveChoice> saveChoices;
    std::vector<Message> askedToSave;
    std::vector<Message> shown;
    std::vector<Message> asked;

private:
    template <class Answer>
    static Answer nextAnswer(std::deque<Answer> &script, Answer unscripted, const QString &question)
    {
        if (script.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return unscripted;
        }
        const Answer answer = script.front();
        script.pop_front();
        return answer;
    }
};

} // namespace vesk4
