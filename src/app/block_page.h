// The block tab ("ﾌﾞﾛｯｸ"): for now its "↓"/"↑" button and the picture capture's controls.
#pragma once

#include "platform/canvas.h"
#include "platform/form_controls.h"

namespace kv {

struct BlockPage {
    ButtonControl SpeedButton6{"↓", "設定表示/非表示"};
    // On the form below the client area, never seen.
    ButtonControl SpeedButton3{"BMP", "", true, false};
    LabelControl Label8;
    // The first preview picture, which the picture capture fills; the view supplies its
    // surface. Without one the capture still finds and names the block, and grabs nothing.
    Canvas* Image1 = nullptr;
};

}  // namespace kv
