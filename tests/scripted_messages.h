// Message boxes for widget tests: every box is recorded, and each question is answered from a
// script; a question without a scripted answer fails the test.
#pragma once

#include "widgets/message_boxes.h"

#include <QString>

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
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    SaveChoice askToSave(QWidget *parent, const QString &caption, const QString &text) override
    {
        askedToSave.push_back({parent, caption, text});
        if (saveChoices.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return SaveChoice::Cancel;
        }
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }

    std::deque<bool> answers;
    std::deque<SaveChoice> saveChoices;
    std::vector<Message> askedToSave;
    std::vector<Message> shown;
    std::vector<Message> asked;
};

} // namespace vesk4
