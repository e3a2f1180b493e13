// The round trip of a tool, in one call: the host exports its previous selection, the tool's
// computation reads the export and hands back the files that replace it, and each file is
// written, inserted exploded at the origin and confirmed in the host's history, in order.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/round_trip.h"
#include "operation/op_context.h"
#include "operation/step_round_trip.h"

namespace kv {

struct RoundTripFile {
    // Writes the file to the scratch path; false when it could not be written. Called only once
    // the files before it are in the drawing.
    std::function<bool(Files& files, std::string_view path)> write;
    InsertForm insert = InsertForm::kCancelFirst;
};

// The files that replace the exported selection; none when the tool has nothing to write.
using RoundTripComputation = std::function<std::vector<RoundTripFile>(DxfBuffer& exported)>;

// What a file that fails after an earlier one went in leaves behind.
enum class AfterPartialInsert {
    kKeep,        // the files already inserted stay
    kUndoToMark,  // the drawing goes back to the operation's undo mark
};

enum class RoundTripResult {
    kNoExport,         // no readable export came back; nothing was written
    kNothingToInsert,  // the computation gave no file
    kNotInserted,      // the first file did not reach the drawing, which is as it was
    kPartlyInserted,   // a later file did not (and the drawing went back to the mark if asked)
    kInserted,         // every file is in the drawing
};

// One file of the palette's own, written and inserted without an export first; false when it
// did not reach the drawing.
bool WriteAndInsert(RoundTripPorts& ports, const RoundTripFile& file);

RoundTripResult RunRoundTrip(RoundTripPorts& ports, const RoundTripComputation& compute,
                             AfterPartialInsert partial = AfterPartialInsert::kKeep);
// The same with the scratch file beside the executable, inserts confirmed in the history.
RoundTripResult RunRoundTrip(OpContext& op, const RoundTripComputation& compute,
                             AfterPartialInsert partial = AfterPartialInsert::kKeep);

}  // namespace kv
