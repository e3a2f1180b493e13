// The text tab ("文字"): its "↓"/"↑" button, the wire numbers and the two-line labels.
#pragma once

#include "platform/form_controls.h"

namespace kv {

struct TextPage {
    ButtonControl SpeedButton4{"↓", "設定表示/非表示"};
    ButtonControl ButtonSenban{"線番", "線番作成"};
    ButtonControl ButtonMain{"2行", "2行文字作成"};
};

}  // namespace kv
