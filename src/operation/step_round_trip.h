// The round-trip ports of a wire-tool step, and the check that an inserted file reached
// the drawing.
#pragma once

#include <string_view>

#include "operation/op_context.h"
#include "dxf/round_trip.h"

namespace kv {

// The scratch file beside the executable; inserts are confirmed through the host's history.
RoundTripPorts StepPorts(OpContext& op);

// Exports the host's previous selection into the scratch file and loads it into buffer; false
// when no readable file came back.
bool ExportSelection(OpContext& op, DxfBuffer& buffer);

// The host answers an insert only in its history. Once it has ended -INSERT early (file
// missing or unreadable), the insertion point the palette typed after the file name reaches
// the command prompt and is echoed there as a command; a history that does not even show the
// file name means the host never took the command.
bool InsertArrived(HostLink& host, std::string_view path);

// Ends the wait for a single pick once the host is back at its prompt: the operation stops
// ticking and SNAPMODE is typed back. True when something was picked; the undo mark is then
// set, before the step changes the drawing.
bool TakeFinishedPick(OpContext& op);

// "\x03SNAPMODE 0 " and "SELECT SINGLE ": the next pick of a one-object-at-a-time tool in
// `state`, with Timer1 running.
void RestartSingleSelection(OpContext& op, State state);

}  // namespace kv
