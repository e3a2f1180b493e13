// The polyline tab ("15PL"): the angled polylines, the fillets, element move, rectangle edit
// and their options.
#pragma once

#include "platform/form_controls.h"

namespace kv {

struct PolylinePage {
    ButtonControl SpeedButton17{"↓", "設定表示/非表示"};
    // Captions as CheckExplode, checked at start, makes them.
    ButtonControl Button5{"15L", "15°LINE"};
    ButtonControl Button6{"30L", "30°LINE"};
    ButtonControl Button7{"45L", "45°LINE"};
    ButtonControl Button9{"0 FIL", ""};
    ButtonControl Button10{"10FIL", "ﾌｨﾚｯﾄ 10xDIMSCALE"};
    ButtonControl Button8{"E移動", "LINE,PLINEのｴﾚﾒﾝﾄを移動"};
    ButtonControl Button4{"RecEd", "RECTANGLEを修正"};
    EditControl EditFrad{"10"};
    CheckControl CheckExplode{"分解 (LINE化)する", true};
    CheckControl CheckFillet{"ﾌｨﾚｯﾄする", true};
    EditControl EditFrad2{"10"};
    CheckControl CheckFilletAll{"繋がる線分を一括で"};
};

}  // namespace kv
