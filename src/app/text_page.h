// The text tab ("文字"): for now only its "↓"/"↑" button.
#pragma once

#include "platform/form_controls.h"

namespace kv {

struct TextPage {
    ButtonControl SpeedButton4{"↓", "設定表示/非表示"};
};

}  // namespace kv
