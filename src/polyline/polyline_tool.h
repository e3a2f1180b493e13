// What the polyline tools share: the export of the one object picked or drawn, the polyline
// read from it, and host values set for a while and always typed back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "hostlink/host_commands.h"
#include "operation/op_context.h"
#include "polyline/picked_polyline.h"

namespace kv {

// "\x03" and "SELECT SINGLE ", waiting in `state`; no other operation's check.
void AskForPick(OpContext& op, State state);
// At the command prompt after a pick: the operation stops ticking; true when something was
// picked.
bool PickFinished(OpContext& op);
// At the command prompt after ID or a drawing command: true unless the user cancelled.
bool PointGiven(OpContext& op);

// Exports into the scratch file and loads it; false when no readable file came back.
bool ExportObject(OpContext& op, DxfBuffer& buffer, ExportForm form);

// The first polyline of an export; nothing when it holds none.
std::optional<PickedPolyline> ReadPickedPolyline(const DxfBuffer& buffer);

// DIMSCALE as a number; 1 when it reads as empty, zero or not a number.
double DimScale(OpContext& op);

// A host variable changed for a while: its value is read first and typed back by Restore, or
// by the error boundary when the step fails before that.
class HostValue {
public:
    HostValue(OpContext& op, std::string_view name);
    void Set(std::string_view value);
    void Restore(std::string_view prefix = {});

private:
    OpContext& op_;
    std::string name_;
    std::string saved_;
};

// CLAYER, CECOLOR, CELTSCALE and CELTYPE of a polyline, made current for drawing it anew.
class DrawingLook {
public:
    explicit DrawingLook(OpContext& op);
    void Apply(const TLineEnt& look);
    void Restore();

private:
    HostValue layer_, color_, scale_, linetype_;
};

// The picked point of the last pick or ID; nothing when it does not read as a point.
std::optional<Point3> LastPoint(OpContext& op);

}  // namespace kv
