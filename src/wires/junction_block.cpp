#include "wires/junction_block.h"

#include <cmath>

#include "base/number_text.h"
#include "dxf/dxf_writer.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "geometry/block_extents.h"
#include "operation/round_trip_pass.h"
#include "operation/step_round_trip.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

constexpr std::string_view kPickBlock = "ﾌﾞﾛｯｸを選択してください.  ";
// The width of a junction block divided by this gives its detection range factor.
constexpr double kRangePerWidth = 1.6;

// The extent of the picked block; the first one when the export names it nowhere.
const BlockExtent* ExtentOf(const std::vector<BlockExtent>& extents, std::string_view name) {
    for (const BlockExtent& extent : extents)
        if (extent.BlockName == name) return &extent;
    return extents.empty() ? nullptr : &extents.front();
}

}  // namespace

std::vector<std::string> BuiltInJunctionBlockItems() {
    std::vector<std::string> items = {"  0", "SECTION", "  2", "HEADER",   "  9", "$ACADVER", "  1", "AC1009",
                                      "  0", "ENDSEC",  "  0", "SECTION",  "  2", "BLOCKS",   "  0", "BLOCK",
                                      "  8", "0",       "  2", "I_KOUTEN", " 70", "0",        " 10", "0.0",
                                      " 20", "0.0",     " 30", "0.0",      "  3", "I_KOUTEN", "  1", ""};
    for (const char* radius : {"0.1", "0.2", "0.3", "0.4", "0.5"}) {
        items.insert(items.end(), {"  0", "CIRCLE", "  8", "0", " 62", "0", " 10", "0.0", " 20", "0.0", " 30", "0.0",
                                   " 40", radius});
    }
    items.insert(items.end(), {"  0", "ENDBLK", "  0", "ENDSEC", "  0", "EOF"});
    return items;
}

bool LoadBuiltInJunctionBlock(RoundTripPorts& ports) {
    const RoundTripFile block{
        [](Files& files, std::string_view path) { return WriteDxfFile(files, path, BuiltInJunctionBlockItems()); },
        InsertForm::kNoCancel};
    return WriteAndInsert(ports, block);
}

std::optional<JunctionBlockChoice> JunctionBlockPickStep(OpContext& op) {
    if (!op.HostAtCommandPrompt()) return std::nullopt;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() > 0;
    op.RestoreSnapMode();
    if (!picked) return std::nullopt;

    DxfBuffer buffer;
    if (!ExportSelection(op, buffer)) return std::nullopt;
    HeaderVars header;
    ReadHeaderVars(buffer, header);
    std::vector<TInsertEnt> inserts;
    if (ReadInserts(buffer, inserts) < 1) {
        op.ui.ShowMessage(kPickBlock, MessageButtons::Ok);
        RestartSingleSelection(op, kJunctionBlockPickState);
        return std::nullopt;
    }

    JunctionBlockChoice choice{inserts.front().Name, inserts.front().Layer, {}};
    BlockGeometry geometry;
    ReadBlocks(buffer, geometry);
    std::vector<BlockExtent> extents;
    ComputeBlockExtents(geometry, extents);
    if (const BlockExtent* extent = ExtentOf(extents, choice.EditKpMark))
        choice.EditKpRad = FormatReal(std::fabs(extent->Max.x - extent->Min.x) / kRangePerWidth);
    return choice;
}

}  // namespace kv
