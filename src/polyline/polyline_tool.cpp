#include "polyline/polyline_tool.h"

#include "base/number_text.h"
#include "dxf/read_entities.h"
#include "dxf/round_trip.h"
#include "hostlink/host_text.h"
#include "operation/step_round_trip.h"

namespace kv {

void AskForPick(OpContext& op, State state) {
    op.host.SendCommand("\x03");
    op.host.SendCommand(kSelectSingle);
    op.OpState = state;
    op.Timer1.enabled = true;
}

bool PickFinished(OpContext& op) {
    if (!PointGiven(op)) return false;
    return op.host.SelectionCount() >= 1;
}

bool PointGiven(OpContext& op) {
    if (!op.HostAtCommandPrompt()) return false;
    op.EndOperation();
    return !op.HistoryShowsCancel();
}

bool ExportObject(OpContext& op, DxfBuffer& buffer, ExportForm form) {
    return ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), buffer, form);
}

std::optional<PickedPolyline> ReadPickedPolyline(const DxfBuffer& buffer) {
    std::vector<TLwpBlk> headers;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> looks;
    if (ReadPolylines(buffer, headers, vertices, looks) == kNoPolyline || headers.empty()) return std::nullopt;
    PickedPolyline picked;
    picked.header = headers.front();
    for (const TLwpEle& v : vertices)
        if (v.OwnerHandle == picked.header.Handle) picked.vertices.push_back(v);
    if (!looks.empty()) picked.look = looks.front();
    return picked;
}

double DimScale(OpContext& op) {
    op.SaveDimScale();
    return ParseReal(op.DimScaleText);
}

HostValue::HostValue(OpContext& op, std::string_view name) : op_(op), name_(name), saved_(op.host.GetSysVar(name)) {}

void HostValue::Set(std::string_view value) {
    // A value that read as nothing cannot be typed back; the host keeps the new one then.
    if (!saved_.empty()) op_.RememberRestore(name_, SetVariableCommand(name_, saved_));
    op_.host.SendCommand(SetVariableCommand(name_, value));
}

void HostValue::Restore(std::string_view prefix) {
    if (!saved_.empty()) op_.host.SendCommand(std::string(prefix) + SetVariableCommand(name_, saved_));
    op_.ForgetRestore(name_);
}

DrawingLook::DrawingLook(OpContext& op)
    : layer_(op, "CLAYER"), color_(op, "CECOLOR"), scale_(op, "CELTSCALE"), linetype_(op, "CELTYPE") {}

void DrawingLook::Apply(const TLineEnt& look) {
    layer_.Set(look.Layer);
    color_.Set(std::to_string(look.Color));
    scale_.Set(FormatReal(look.LtScale));
    linetype_.Set(look.Linetype);
}

void DrawingLook::Restore() {
    layer_.Restore();
    color_.Restore();
    scale_.Restore();
    linetype_.Restore();
}

std::optional<Point3> LastPoint(OpContext& op) {
    Point3 p;
    if (!ParsePoint(op.host.GetSysVar("LASTPOINT"), p)) return std::nullopt;
    return p;
}

}  // namespace kv
