// The pick of a text whose values the open text dialog takes over (state 1551).
#pragma once

#include <cstdint>

#include "operation/op_context.h"
#include "text/text_form.h"

namespace kv {

// Once the pick has ended: the items of `mask` (ReferenceItem bits) from the picked text into
// `form`, which is then raised. Nothing when the dialog has closed meanwhile (form null).
void TextReferenceStep(OpContext& op, TFormText* form, uint32_t mask);

}  // namespace kv
