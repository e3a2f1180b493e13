// The pick of one TEXT in the drawing, shared by the style pick of the text tab and the picks
// made while a text dialog stays open.
#pragma once

#include <optional>

#include "dxf/dxf_buffer.h"
#include "operation/op_context.h"
#include "text/text_button.h"

namespace kv {

struct PickedText {
    DxfBuffer exported;  // its STYLE table gives the fonts (ReadTextStyle)
    TTextBtn text;       // as drawn: the height not yet divided by dimScale
    double dimScale = 1.0;
};

inline constexpr std::string_view kPickTextMessage = "文字列(TEXT)を選択してください.  ";

// At the command prompt: the operation ends, SNAPMODE is typed back and the picked object
// exported. Nothing while the host is still picking, when nothing was picked or no export came
// back; a pick that is not a TEXT shows kPickTextMessage and asks again in the same state.
std::optional<PickedText> FinishTextPick(OpContext& op);

}  // namespace kv
