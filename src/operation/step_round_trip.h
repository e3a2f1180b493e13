// The host's half of a round trip: the export of the selection, the insert of a written file
// and the check that it reached the drawing; and the round-trip ports of a wire-tool step.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "dxf/read_entities.h"
#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"
#include "operation/op_context.h"

namespace kv {

// Exports the host's previous selection set into path and loads it into buffer. The buffer
// is cleared and the old file deleted first. False when no readable file came back.
bool ExportPrevious(CommandChannel& host, Files& files, std::string_view path, DxfBuffer& buffer,
                    ExportForm form = ExportForm::kStandard);

// kCancelFirst leads with Ctrl+C; a second insert of the same round trip may leave it out.
enum class InsertForm { kCancelFirst, kNoCancel };

// Inserts the file exploded at 0,0, scale 1, rotation 0 when it exists; false otherwise.
bool InsertDxf(CommandChannel& host, Files& files, std::string_view path, InsertForm form = InsertForm::kCancelFirst);

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

// The block references of a finished pick, read from its export; nothing while the pick goes on
// or when no export came back. `inserts` is empty when the pick held no block reference.
struct PickedBlocks {
    DxfBuffer exported;
    std::vector<TInsertEnt> inserts;
};
std::optional<PickedBlocks> ExportFinishedPick(OpContext& op);

// "\x03SNAPMODE 0 " and "SELECT SINGLE ": the next pick of a one-object-at-a-time tool in
// `state`, with Timer1 running.
void RestartSingleSelection(OpContext& op, State state);
// The same with another selection command.
void RestartSelection(OpContext& op, State state, std::string_view selection);

}  // namespace kv
