#include "app/keyword_watcher.h"
#include "app/main_form.h"
#include "app/operation_table.h"

namespace kv {

// Presses the button of a keyword typed on the host's command line while no operation
// runs. A button that refuses to start leaves the keyword there; it is not pressed again
// until the line changes, or every tick would repeat the refusal (and its message).
void TFormKvaneMain::Timer2Timer() {
    // A tick arriving while a handler or a step runs (a message box lets timers through)
    // must not start a second operation inside it.
    if (op.OpState != kIdle || !main.CheckCmdLine.checked || ticking_ || watching_) return;
    Guarded([this] {
        const std::string prompt = op.host.ReadCommandLine();
        if (prompt == refusedPrompt_) return;
        refusedPrompt_.clear();
        const Operation* operation = FindKeyword(prompt, main.EditLastChar.text);
        if (!operation) return;
        watching_ = true;
        (this->*operation->button)();
        watching_ = false;
        if (op.OpState == kIdle) refusedPrompt_ = prompt;
    });
}

}  // namespace kv
