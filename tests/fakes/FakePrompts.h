// Modal boxes answered without a user: each box is recorded ("confirm <text>", "inform <text>") and a
// confirmation is answered with the next entry of answers ("OK" when none is left).
#pragma once

#include <deque>
#include <vector>

#include "shell/Shortcuts.h"

class FakePrompts : public NullPrompts {
public:
    std::deque<bool> answers;
    std::vector<Text> boxes;

    bool Confirm(const Text& text) override {
        boxes.push_back("confirm " + text);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void Inform(const Text& text) override { boxes.push_back("inform " + text); }
};
