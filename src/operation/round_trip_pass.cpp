#include "operation/round_trip_pass.h"

#include "operation/step_round_trip.h"

namespace kv {

bool WriteAndInsert(RoundTripPorts& ports, const RoundTripFile& file) {
    if (!file.write(ports.files, ports.scratchPath)) return false;
    if (!InsertDxf(ports.host, ports.files, ports.scratchPath, file.insert)) return false;
    return !ports.insertArrived || ports.insertArrived(ports.scratchPath);
}

RoundTripResult RunRoundTrip(RoundTripPorts& ports, const RoundTripComputation& compute, AfterPartialInsert partial) {
    DxfBuffer exported;
    if (!ExportPrevious(ports.host, ports.files, ports.scratchPath, exported)) return RoundTripResult::kNoExport;
    const std::vector<RoundTripFile> files = compute(exported);
    if (files.empty()) return RoundTripResult::kNothingToInsert;
    if (!WriteAndInsert(ports, files.front())) return RoundTripResult::kNotInserted;
    for (size_t i = 1; i < files.size(); ++i) {
        if (WriteAndInsert(ports, files[i])) continue;
        if (partial == AfterPartialInsert::kUndoToMark) ports.host.SendCommand("\x03UNDO B ");
        return RoundTripResult::kPartlyInserted;
    }
    return RoundTripResult::kInserted;
}

RoundTripResult RunRoundTrip(OpContext& op, const RoundTripComputation& compute, AfterPartialInsert partial) {
    RoundTripPorts ports = StepPorts(op);
    return RunRoundTrip(ports, compute, partial);
}

}  // namespace kv
