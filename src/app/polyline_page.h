// The polyline tab ("15PL"): for now its "↓"/"↑" button and the options the settings keep.
#pragma once

#include "platform/form_controls.h"

namespace kv {

struct PolylinePage {
    ButtonControl SpeedButton17{"↓", "設定表示/非表示"};
    EditControl EditFrad{"10"};
    CheckControl CheckExplode{"分解 (LINE化)する", true};
    CheckControl CheckFillet{"ﾌｨﾚｯﾄする", true};
    EditControl EditFrad2{"10"};
    CheckControl CheckFilletAll{"繋がる線分を一括で"};
};

}  // namespace kv
