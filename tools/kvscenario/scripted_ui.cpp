#include "scripted_ui.h"

namespace kv::scenario {

MessageAnswer ScriptedUi::ShowMessage(std::string_view text, MessageButtons buttons) {
    messages.emplace_back(text);
    const bool yesNo = buttons == MessageButtons::YesNo;
    if (answers.empty()) {
        if (!yesNo) return MessageAnswer::Ok;
        // Answering for the scenario would hide which way the story meant to go.
        problems.push_back("the message \"" + std::string(text) + "\" asks Yes or No and no answer was given");
        return MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    if (yesNo != (answer != MessageAnswer::Ok)) {
        problems.push_back("the message \"" + std::string(text) + "\" got the answer " +
                           (answer == MessageAnswer::Ok ? "ok" : "yes/no") + ", which it does not offer");
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    return answer;
}

DialogResult ScriptedUi::RunModal(Dialog& dialog) {
    if (!runDialog) {
        problems.push_back("the dialog " + std::string(dialog.Frame().name) + " opened and no script was given for it");
        return DialogResult::Cancel;
    }
    return runDialog(dialog);
}

bool ScriptedUi::LaunchProgram(std::string_view path, std::string_view parameters) {
    launched.push_back({std::string(path), std::string(parameters)});
    return true;
}

}  // namespace kv::scenario
