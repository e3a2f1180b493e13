// The Ui port of a scenario: message boxes are recorded and answered from the
// answers the scenario gave beforehand; dialogs are handed to the scenario's scripts.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace kv::scenario {

class ScriptedUi : public Ui {
public:
    struct Launch {
        std::string path;
        std::string parameters;
    };

    std::vector<std::string> messages;
    std::deque<MessageAnswer> answers;
    std::vector<Launch> launched;
    // What the scripts could not answer; the run turns these into failures.
    std::vector<std::string> problems;
    // Plays the scenario's next dialog script.
    std::function<DialogResult(Dialog&)> runDialog;

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    DialogResult RunModal(Dialog& dialog) override;
    void RaiseDialog(Dialog&) override {}
    bool LaunchProgram(std::string_view path, std::string_view parameters) override;
};

}  // namespace kv::scenario
