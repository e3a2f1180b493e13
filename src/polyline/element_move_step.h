// Element move: one straight element of a route moves sideways, parallel to itself, and its
// neighbours follow. On a polyline the segment nearest the pick moves and the corners and
// fillets are made anew; on a LINE the lines joined to its ends, directly or through a fillet
// arc, are lengthened or shortened to meet it and the arcs follow.
#pragma once

#include "operation/op_context.h"
#include "platform/settings_access.h"
#include "polyline/element_move_form.h"
#include "polyline/polyline_memory.h"

namespace kv {

void StartElementMove(OpContext& op);

// The pick: the element is found, the dialog asks how far it moves, and ID asks for the point.
// The dialog's values are kept in the settings file, section "EleMove".
void ElementPickStep(OpContext& op, PolylineMemory& memory, TFormEMove& dialog, const SettingsAccess& settings);
void PolylineElementMoveStep(OpContext& op, PolylineMemory& memory);
void LineElementMoveStep(OpContext& op, PolylineMemory& memory);

}  // namespace kv
