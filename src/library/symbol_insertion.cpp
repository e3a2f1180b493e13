#include "library/symbol_insertion.h"

#include <cmath>
#include <numbers>

#include "base/number_text.h"
#include "base/strings.h"
#include "blocks/trim_around_insert.h"
#include "dxf/read_entities.h"
#include "hostlink/host_commands.h"
#include "hostlink/host_text.h"
#include "library/library_states.h"
#include "operation/step_round_trip.h"
#include "text/text_states.h"

namespace kv {

namespace {

constexpr std::string_view kAttReq = "ATTREQ";
constexpr std::string_view kAttDia = "ATTDIA";
constexpr std::string_view kLastPoint = "LASTPOINT";
constexpr std::string_view kViewCentre = "VIEWCTR";

struct ScaleTexts {
    std::string x, y;
};

// The scale times the DIMSCALE text when asked for; a product of 0 would collapse the symbol.
ScaleTexts ScalesOf(const InsertOptions& options, std::string_view dimScale) {
    double s = ParseReal(options.scale);
    if (options.dimScale) s *= ParseReal(dimScale);
    if (s == 0) s = 1.0;
    return {FormatReal(options.mirrorX ? -s : s), FormatReal(options.mirrorY ? -s : s)};
}

std::string SwitchCommand(std::string_view name, bool on) { return std::string(name) + (on ? " 1 " : " 0 "); }

std::string SetBackCommand(std::string_view name, std::string_view value) {
    return std::string(name).append(" ").append(value).append("\r");
}

void Restore(OpContext& op, const InsertMemory& memory) {
    op.host.SendCommand(CurrentLayerCommand(memory.savedLayer));
    op.host.SendCommand(SetBackCommand(kAttReq, memory.savedAttReq));
    op.host.SendCommand(SetBackCommand(kAttDia, memory.savedAttDia));
    op.ClearRestores();
}

// The symbol hangs on the cursor until the user gives its insertion point.
void InsertAtPoint(OpContext& op, const InsertMemory& memory, const ScaleTexts& scales, const InsertOptions& options) {
    op.host.SendCommand(InsertSymbolCommand(memory.file, scales.x, scales.y, options.rotation));
    op.OpState = kInsertBlockState;
    op.Timer1.enabled = true;
}

// The symbol stands at the view centre at once; the next step drags it by its base point.
void InsertAtCentre(OpContext& op, InsertMemory& memory, const ScaleTexts& scales, const InsertOptions& options) {
    memory.viewCentreText = op.host.GetSysVar(kViewCentre);
    memory.viewCentre = {};
    ParsePoint(memory.viewCentreText, memory.viewCentre);
    op.host.BringHostToFront();
    op.host.SendCommand(kUndoMark);
    op.host.SendCommand(InsertSymbolCommand(memory.file, scales.x, scales.y, options.rotation, memory.viewCentreText));
    op.OpState = kInsertAtCentreState;
    op.Timer1.enabled = true;
}

void InsertAgain(OpContext& op, InsertMemory& memory, const InsertOptions& options, bool atCentre) {
    const ScaleTexts scales = ScalesOf(options, op.DimScaleText);
    if (atCentre) InsertAtCentre(op, memory, scales, options);
    else InsertAtPoint(op, memory, scales, options);
}

// The wires under the new symbol are cut at its geometry.
void TrimUnderSymbol(OpContext& op, const InsertOptions& options) {
    DxfBuffer exported;
    if (!ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), exported, ExportForm::kInsertedSymbol))
        return;
    std::vector<TInsertEnt> inserts;
    if (ReadInserts(exported, inserts) < 1) return;
    RoundTripPorts ports = StepPorts(op);
    TrimAroundInsert(exported, inserts, options.cut, ports, [&op] { return op.host.SelectionCount(); });
}

// Waits for the command prompt and ends the tick's wait; true when the user cancelled, after
// the host values are typed back.
bool EndedByCancel(OpContext& op, const InsertMemory& memory) {
    op.EndOperation();
    if (!op.HistoryShowsCancel()) return false;
    Restore(op, memory);
    return true;
}

void AfterInsert(OpContext& op, InsertMemory& memory, const InsertOptions& options, bool atCentre) {
    if (options.trim) TrimUnderSymbol(op, options);
    if (options.label && options.startLabel) {
        op.host.SendCommand("\x03LASTPOINT " + memory.lastPoint + "\r");
        const State label = atCentre ? kTwoLineLabelAfterDragState : kTwoLineLabelState;
        options.startLabel(label);
        if (op.OpState == label) return;
        // No label after all (its dialog cancelled): go on as after a placed one, so that the
        // saved host values are typed back or the next insertion starts.
        return AfterInsertLabel(op, memory, options, label);
    }
    if (options.repeat) return InsertAgain(op, memory, options, atCentre);
    Restore(op, memory);
}

}  // namespace

void InsertSymbol(OpContext& op, InsertMemory& memory, const InsertOptions& options, const std::string& file) {
    ParseReal(options.scale);
    memory.file = file;
    op.host.SendCommand("\x03");
    memory.savedLayer = op.host.GetSysVar(kCurrentLayerVariable);
    op.RememberRestore(kCurrentLayerVariable, CurrentLayerCommand(memory.savedLayer));
    if (options.layerOn && !Trim(options.layer).empty()) op.host.SendCommand(MakeLayerCommand(Trim(options.layer)));
    memory.savedAttReq = op.host.GetSysVar(kAttReq);
    memory.savedAttDia = op.host.GetSysVar(kAttDia);
    op.RememberRestore(kAttReq, SetBackCommand(kAttReq, memory.savedAttReq));
    op.RememberRestore(kAttDia, SetBackCommand(kAttDia, memory.savedAttDia));
    op.host.SendCommand(SwitchCommand(kAttReq, options.attReq));
    op.host.SendCommand(SwitchCommand(kAttDia, options.attDia));
    if (options.dimScale) op.SaveDimScale();
    const ScaleTexts scales = ScalesOf(options, op.DimScaleText);
    if (options.chooseBase) return InsertAtCentre(op, memory, scales, options);
    op.host.BringHostToFront();
    InsertAtPoint(op, memory, scales, options);
}

void InsertPlacedStep(OpContext& op, InsertMemory& memory, const InsertOptions& options) {
    if (!op.HostAtCommandPrompt() || EndedByCancel(op, memory)) return;
    memory.lastPoint = op.host.GetSysVar(kLastPoint);
    AfterInsert(op, memory, options, false);
}

void InsertAtCentreStep(OpContext& op, InsertMemory& memory, const InsertOptions& options) {
    if (!op.HostAtCommandPrompt() || EndedByCancel(op, memory)) return;
    memory.lastPoint = op.host.GetSysVar(kLastPoint);
    const ScaleTexts scales = ScalesOf(options, op.DimScaleText);
    const Point3 scaled{options.basePoint.x * ParseReal(scales.x), options.basePoint.y * ParseReal(scales.y), 0};
    const double angle = ParseReal(options.rotation) * std::numbers::pi / 180;
    const Point3 b{scaled.x * std::cos(angle) - scaled.y * std::sin(angle),
                   scaled.x * std::sin(angle) + scaled.y * std::cos(angle), 0};
    op.host.BringHostToFront();
    op.host.SendCommand(MoveLastCommand({memory.viewCentre.x + b.x, memory.viewCentre.y + b.y, 0}));
    op.OpState = kInsertDragState;
    op.Timer1.enabled = true;
}

void InsertDraggedStep(OpContext& op, InsertMemory& memory, const InsertOptions& options) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    if (op.HistoryShowsCancel()) {
        op.host.SendCommand(kUndoBack);
        Restore(op, memory);
        return;
    }
    AfterInsert(op, memory, options, true);
}

void AfterInsertLabel(OpContext& op, InsertMemory& memory, const InsertOptions& options, State labelState) {
    if (!options.repeat) return Restore(op, memory);
    const bool atCentre = labelState == kTwoLineLabelAfterDragState;
    if (!atCentre && options.dimScale) op.SaveDimScale();
    InsertAgain(op, memory, options, atCentre);
}

std::string TurnedRotation(std::string_view rotation, double degrees) {
    double turned = ParseReal(rotation) + degrees;
    if (turned < 0) turned += 360;
    if (turned >= 360) turned -= 360;
    return FormatReal(turned);
}

}  // namespace kv
