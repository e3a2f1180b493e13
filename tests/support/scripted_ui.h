// A Ui that records what the palette shows and answers with preset choices.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui.h"
#include "support/counting_clock.h"

namespace kv::test {

class ScriptedUi : public Ui {
public:
    std::vector<std::string> messages;
    std::deque<MessageAnswer> answers;  // Yes/No questions; Yes when none is left
    std::vector<std::pair<std::string, std::string>> launched;
    std::function<void()> whileShown;  // runs inside each message box, as a timer tick would

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override {
        messages.emplace_back(text);
        if (whileShown) whileShown();
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::Yes;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    DialogResult RunModal(Dialog&) override { return DialogResult::Cancel; }
    void RaiseDialog(Dialog&) override {}
    bool LaunchProgram(std::string_view path, std::string_view parameters) override {
        launched.emplace_back(path, parameters);
        return true;
    }
};

}  // namespace kv::test
