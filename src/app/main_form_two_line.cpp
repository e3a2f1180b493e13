#include "app/main_form.h"
#include "text/text_states.h"
#include "text/two_line_text.h"

namespace kv {

void TFormKvaneMain::ButtonMainClick() {
    Guarded([this] { TwoLineTextAgain(); });
}

void TFormKvaneMain::TwoLineTextAgain() { TwoLineLabel(kTwoLineTextState, true); }

void TFormKvaneMain::TwoLineLabel(State state, bool repeatAllowed) {
    TwoLineText(op, {FormText2, twoLine, Settings}, state, repeatAllowed);
}

}  // namespace kv
