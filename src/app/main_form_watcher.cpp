#include "app/main_form.h"

namespace kv {

// Presses the button of a keyword typed on the host's command line while no operation
// runs. A button that refuses to start leaves the keyword there; it is not pressed again
// until the line changes, or every tick would repeat the refusal (and its message).
void TFormKvaneMain::Timer2Timer() {
    // A tick arriving while a handler or a step runs (a message box lets timers through)
    // must not start a second operation inside it.
    if (OpState != 0 || !main.CheckCmdLine.checked || ticking_ || watching_) return;
    const std::string prompt = host.ReadCommandLine();
    if (prompt == refusedPrompt_) return;
    refusedPrompt_.clear();
    const std::optional<Keyword> keyword = FindKeyword(prompt, main.EditLastChar.text);
    if (!keyword) return;
    watching_ = true;
    PressKeywordButton(*keyword);
    watching_ = false;
    if (OpState == 0) refusedPrompt_ = prompt;
}

void TFormKvaneMain::PressKeywordButton(Keyword keyword) {
    switch (keyword) {
    case Keyword::DrawLine: return ButtonDrawClick();
    case Keyword::TrimLine: return ButtonSelectClick();
    case Keyword::TrimBlock: return ButtonBCutClick();
    case Keyword::MoveBlock: return ButtonBMoveClick();
    case Keyword::CopyBlock: return ButtonBCopyClick();
    case Keyword::EraseBlock: return ButtonBEraseClick();
    case Keyword::EraseLine: return ButtonLpickClick();
    case Keyword::JunctionMark: return ButtonKpMarkClick();
    case Keyword::Stretch: return ButtonCStretchClick();
    case Keyword::Undo: return SpeedButtonUndoClick();
    case Keyword::JointLine: return ButtonLJointClick();
    case Keyword::DrawLineN: return ButtonLdrawNClick();
    case Keyword::TwistMark: return ButtonTWClick();
    case Keyword::ShieldMark: return ButtonSealedClick();
    }
}

}  // namespace kv
