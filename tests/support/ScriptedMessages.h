#pragma once

#include "app/Maindb.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

// Stands in for the message box of a data module while it lives: records every
// message shown and answers questions from a script. A question without a
// scripted answer fails the test and is answered No/Cancel.
class ScriptedMessages {
public:
    struct Shown {
        std::string Caption;
        std::string Text;
        int Style;
    };

    explicit ScriptedMessages(TfMaindb& db) : db_(db) {
        db_.MessageBox = [this](const std::string& caption, const std::string& text, int style) {
            shown.push_back({caption, text, style});
            if (style == MsgInformation) {
                return IdOk;
            }
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << text;
                return 0;
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    ~ScriptedMessages() { db_.MessageBox = nullptr; }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    std::vector<Shown> shown;
    std::deque<int> answers;

private:
    TfMaindb& db_;
};
