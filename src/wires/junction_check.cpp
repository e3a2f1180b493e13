#include "wires/junction_check.h"

#include <string>
#include <vector>

#include "base/strings.h"
#include "dxf/entity_walk.h"
#include "dxf/read_entities.h"
#include "hostlink/host_commands.h"
#include "operation/step_round_trip.h"
#include "wires/junction_marks.h"

namespace kv {

namespace {

bool ExportSquare(OpContext& op, DxfBuffer& buffer) {
    return ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), buffer, ExportForm::kJunctionCheck);
}

int EntityCount(const DxfBuffer& buffer) {
    int count = 0;
    ForEachEntity(buffer, [&count](const EntitySpan&) { ++count; });
    return count;
}

}  // namespace

bool WiresMeetInSquare(OpContext& op, const Point3& p, double range) {
    op.host.SendCommand(SquareFenceCommand(p, range));
    if (op.host.SelectionCount() <= 0) return false;
    DxfBuffer buffer;
    std::vector<TLineEnt> wires;
    return ExportSquare(op, buffer) && ReadLines(buffer, wires) >= 2 && WiresMeetNear(wires, p, range);
}

SquareMarks LookForMarksInSquare(OpContext& op, const Point3& p, double range, std::string_view markName) {
    SquareMarks marks;
    op.host.SendCommand(SquareWindowCommand(p, range));
    marks.found = op.host.SelectionCount() > 0;
    if (!marks.found) return marks;
    DxfBuffer buffer;
    if (!ExportSquare(op, buffer)) return marks;
    marks.known = true;
    std::vector<TInsertEnt> inserts;
    ReadInserts(buffer, inserts);
    int markCount = 0;
    for (const TInsertEnt& insert : inserts)
        if (EqualsIgnoreCaseAscii(insert.Name, markName)) ++markCount;
    marks.hasMark = markCount > 0;
    marks.onlyMarks = marks.hasMark && markCount == EntityCount(buffer);
    return marks;
}

void EraseStaleMarkAt(OpContext& op, const Point3& p, double range, std::string_view markName) {
    const std::string name = Trim(markName);
    if (name.empty()) return;
    if (WiresMeetInSquare(op, p, range)) return;
    if (LookForMarksInSquare(op, p, range, name).onlyMarks) op.host.SendCommand(kErasePrevious);
}

}  // namespace kv
