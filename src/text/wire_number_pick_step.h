// The text picked from the open wire-number dialog: its number continues the series, its look
// becomes the numbers' look.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "text/wire_number_form.h"

namespace kv {

// The digits of a decimal number plus one, as long as they were at least.
std::string NextDecimal(std::string_view digits);

// Waits for the pick; a pick that is no TEXT asks again, an empty pick (or an export that
// brings nothing back) ends it with the dialog as it was.
void WireNumberTextPickStep(OpContext& op, TFormSenban& dialog);

}  // namespace kv
