#include <optional>

#include "app/main_form.h"
#include "text/text_states.h"
#include "text/two_line_text.h"

namespace kv {

void TFormKvaneMain::ButtonMainClick() {
    Guarded([this] { TwoLineTextAgain(); });
}

void TFormKvaneMain::TwoLineTextAgain() {
    std::optional<IniFile> ini;
    if (!settingsPath_.empty()) ini.emplace(settingsPath_);
    TwoLineText(op, {FormText2, twoLine, ini ? &*ini : nullptr}, kTwoLineTextState, true);
}

}  // namespace kv
