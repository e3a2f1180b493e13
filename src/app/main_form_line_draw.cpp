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
    return {form.main.EditKpMark.text, form.main.CheckKpLayer.checked, form.main.EditKpLayer.text, form.main.EditKpRad.text};
}

LineDrawOptions LineDrawOptionsOf(const TFormKvaneMain& form) {
    LineDrawOptions options;
    options.CheckMin = form.main.CheckMin.checked;
    options.EditMin = form.main.EditMin.text;
    options.CheckKpMark = form.main.CheckKpMark.checked;
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
    main.EditKpMark.text = choice->EditKpMark;
    main.EditKpLayer.text = choice->EditKpLayer;
    if (!choice->EditKpRad.empty()) main.EditKpRad.text = choice->EditKpRad;
}

void TFormKvaneMain::SpeedButton5Click() {
    host.BringHostToFront();
    RoundTripPorts ports = StepPorts(*this);
    if (!LoadBuiltInJunctionBlock(ports)) {
        ui.ShowMessage(kBlockNotLoaded, MessageButtons::Ok);
        return;
    }
    main.EditKpMark.text = kBuiltInJunctionBlock;
    main.EditKpRad.text = kBuiltInJunctionRange;
}

}  // namespace kv
