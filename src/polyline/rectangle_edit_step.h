// Rectangle edit: a closed polyline of four sides gets a new width, height and corner radius;
// the corner, side middle or centre nearest the base point stays where it is.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "polyline/polyline_memory.h"
#include "polyline/rectangle_edit_form.h"

namespace kv {

void StartRectangleEdit(OpContext& op);
void RectanglePickStep(OpContext& op, PolylineMemory& memory, TFormRecEd& dialog);
void RectanglePointStep(OpContext& op, PolylineMemory& memory);

// Up to three decimals, no trailing zeros and no point without decimals: "12.5", "100".
std::string ShortDecimal(double value);

}  // namespace kv
