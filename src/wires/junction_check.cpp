#include "wires/junction_check.h"

#include <string>
#include <vector>

#include "base/strings.h"
#include "dxf/read_entities.h"
#include "dxf/round_trip.h"
#include "wires/junction_marks.h"

namespace kv {

namespace {

bool ExportSelection(OpContext& op, DxfBuffer& buffer) {
    return ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), buffer, ExportForm::kJunctionCheck);
}

bool WiresMeetInSquare(OpContext& op, const Point3& p, double range) {
    op.host.SendCommand(SquareFenceCommand(p, range));
    if (op.host.SelectionCount() <= 0) return false;
    DxfBuffer buffer;
    std::vector<TLineEnt> wires;
    return ExportSelection(op, buffer) && ReadLines(buffer, wires) >= 2 && WiresMeetNear(wires, p, range);
}

int EntityCount(const DxfBuffer& buffer) {
    int count = 0;
    bool inEntities = false;
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.GroupCode(i);
        if (code == 2 && buffer.TrimmedValue(i) == "ENTITIES") inEntities = true;
        if (code != 0 || !inEntities) continue;
        if (buffer.TrimmedValue(i) == "ENDSEC") break;
        ++count;
    }
    return count;
}

// The window selection exported: every object in it is a reference of the mark block.
bool OnlyMarksInSquare(OpContext& op, const Point3& p, double range, std::string_view markName) {
    op.host.SendCommand(SquareWindowCommand(p, range));
    if (op.host.SelectionCount() <= 0) return false;
    DxfBuffer buffer;
    if (!ExportSelection(op, buffer)) return false;
    std::vector<TInsertEnt> inserts;
    ReadInserts(buffer, inserts);
    for (const TInsertEnt& insert : inserts)
        if (!EqualsIgnoreCaseAscii(insert.Name, markName)) return false;
    return !inserts.empty() && static_cast<int>(inserts.size()) == EntityCount(buffer);
}

}  // namespace

void EraseStaleMarkAt(OpContext& op, const Point3& p, double range, std::string_view markName) {
    const std::string name = Trim(markName);
    if (name.empty()) return;
    if (WiresMeetInSquare(op, p, range)) return;
    if (OnlyMarksInSquare(op, p, range, name)) op.host.SendCommand("ERASE P\r\r");
}

}  // namespace kv
