// The main form's line drawing and junction-mark tools: their options read from the controls,
// the steps of their states, and the built-in junction block.
#include "app/main_form.h"

#include "wires/junction_block.h"
#include "wires/junction_tool_step.h"
#include "wires/line_draw_step.h"
#include "operation/step_round_trip.h"

namespace kv {

namespace {

constexpr std::string_view kBlockNotLoaded = "I_KOUTEN を定義できませんでした.  ";

JunctionOptions JunctionOptionsOf(const TFormKvaneMain& form) {
    return {form.EditKpMark.text, form.CheckKpLayer.checked, form.EditKpLayer.text, form.EditKpRad.text};
}

LineDrawOptions LineDrawOptionsOf(const TFormKvaneMain& form) {
    LineDrawOptions options;
    options.CheckMin = form.CheckMin.checked;
    options.EditMin = form.EditMin.text;
    options.CheckKpMark = form.CheckKpMark.checked;
    options.junction = JunctionOptionsOf(form);
    return options;
}

}  // namespace

void TFormKvaneMain::LineDrawStep() {
    LineDrawOptions options = LineDrawOptionsOf(*this);
    options.cut = TrimOptions();
    LineDrawSegmentStep(*this, options);
}

void TFormKvaneMain::JunctionToolStep() {
    if (OpState == 11)
        JunctionPointStep(*this, JunctionOptionsOf(*this));
    else
        JunctionToggleStep(*this, JunctionOptionsOf(*this));
}

void TFormKvaneMain::JunctionBlockPick() {
    const std::optional<JunctionBlockChoice> choice = JunctionBlockPickStep(*this);
    if (!choice) return;
    EditKpMark.text = choice->EditKpMark;
    EditKpLayer.text = choice->EditKpLayer;
    if (!choice->EditKpRad.empty()) EditKpRad.text = choice->EditKpRad;
}

void TFormKvaneMain::SpeedButton5Click() {
    host.BringHostToFront();
    RoundTripPorts ports = StepPorts(*this);
    if (!LoadBuiltInJunctionBlock(ports)) {
        ui.ShowMessage(kBlockNotLoaded, MessageButtons::Ok);
        return;
    }
    EditKpMark.text = kBuiltInJunctionBlock;
    EditKpRad.text = kBuiltInJunctionRange;
}

}  // namespace kv
