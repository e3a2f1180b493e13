#include "wires/junction_check.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/number_text.h"
#include "dxf/read_entities.h"
#include "dxf/round_trip.h"
#include "wires/geometry.h"
#include "wires/intersections.h"

namespace kv {

namespace {

std::string Corner(const Point3& p, double dx, double dy) {
    return FormatReal(p.x + dx) + "," + FormatReal(p.y + dy) + "\r";
}

bool NearAnEnd(const Point3& x, const TLineEnt& wire) {
    return Distance2D(x, wire.P1) < kJunctionTolerance || Distance2D(x, wire.P2) < kJunctionTolerance;
}

bool InSquare(const Point3& x, const Point3& p, double range) {
    return std::fabs(x.x - p.x) <= range && std::fabs(x.y - p.y) <= range;
}

bool ExportedWiresMeetAt(OpContext& op, const Point3& p, double range) {
    DxfBuffer buffer;
    if (!ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), buffer, ExportForm::kJunctionCheck))
        return false;
    std::vector<TLineEnt> wires;
    if (ReadLines(buffer, wires) < 2) return false;
    return WiresMeetAt(wires, p, range);
}

}  // namespace

bool WiresMeetAt(const std::vector<TLineEnt>& wires, const Point3& p, double range) {
    for (size_t i = 0; i < wires.size(); ++i) {
        for (size_t j = i + 1; j < wires.size(); ++j) {
            const std::optional<Point3> x = IntersectLines(wires[i].P1, wires[i].P2, wires[j].P1, wires[j].P2, false);
            if (!x || !InSquare(*x, p, range)) continue;
            if (!(NearAnEnd(*x, wires[i]) && NearAnEnd(*x, wires[j]))) return true;
        }
    }
    return false;
}

bool EndPointJunctionCheck(OpContext& op, const Point3& p, double range) {
    const double r = range;
    op.host.SendCommand("SELECT F " + Corner(p, r, r) + Corner(p, -r, r) + Corner(p, -r, -r) + Corner(p, r, -r) +
                        Corner(p, r, r) + "\r\r");
    const bool junction = op.host.SelectionCount() > 0 && ExportedWiresMeetAt(op, p, r);
    op.host.SendCommand("SELECT W " + Corner(p, r, r) + Corner(p, -r, -r) + "\r");
    const bool somethingInside = op.host.SelectionCount() > 0;
    if (somethingInside && !junction) {
        op.host.SendCommand("ERASE P\r\r");
        return false;
    }
    return !somethingInside && junction;
}

}  // namespace kv
