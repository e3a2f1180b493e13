#include "app/main_form.h"
#include "polyline/angled_polyline_step.h"
#include "polyline/element_move_step.h"
#include "polyline/fillet_step.h"
#include "polyline/rectangle_edit_step.h"

namespace kv {

void TFormKvaneMain::StartPolylineTool(double stepAngle, const std::function<void(OpContext&)>& start) {
    Guarded([&] {
        if (op.OpState != kIdle) op.AbandonOperation();
        op.LastOp = QueueCode::kNone;
        if (stepAngle > 0) polylineMemory.StepAngle = stepAngle;
        op.host.BringHostToFront();
        start(op);
    });
}

void TFormKvaneMain::Button5Click() { StartPolylineTool(15.0, StartAngledPolyline); }
void TFormKvaneMain::Button6Click() { StartPolylineTool(30.0, StartAngledPolyline); }
void TFormKvaneMain::Button7Click() { StartPolylineTool(45.0, StartAngledPolyline); }

void TFormKvaneMain::Button9Click() {
    polylineMemory.FilletRadiusText.assign(1, '0');  // not = "0": GCC 12 warns falsely on that
    StartPolylineTool(0, StartFillet);
}

void TFormKvaneMain::Button10Click() {
    StartPolylineTool(0, [this](OpContext& o) {
        if (o.host.FindHostWindows() != kNoWindow)
            polylineMemory.FilletRadiusText = FilletRadiusOf(o, polyline.EditFrad2.text);
        StartFillet(o);
    });
}

void TFormKvaneMain::Button8Click() { StartPolylineTool(0, StartElementMove); }
void TFormKvaneMain::Button4Click() { StartPolylineTool(0, StartRectangleEdit); }

void TFormKvaneMain::CheckExplodeClick() {
    const bool lines = polyline.CheckExplode.checked;
    const std::string suffix = lines ? "L" : "PL";
    const std::string kind = lines ? "°LINE" : "°PLINE";
    for (auto [button, degrees] :
         {std::pair{&polyline.Button5, "15"}, {&polyline.Button6, "30"}, {&polyline.Button7, "45"}}) {
        button->caption = degrees + suffix;
        button->hint = degrees + kind;
    }
}

void TFormKvaneMain::EditFradKeyPress(char& key) { KeepNumberKey(key); }

void TFormKvaneMain::EditFrad2Change() {
    polyline.Button10.caption = polyline.EditFrad2.text + "FIL";
    polyline.Button10.hint = "ﾌｨﾚｯﾄ " + polyline.EditFrad2.text + "xDIMSCALE";
}

void TFormKvaneMain::EditFrad2KeyPress(char& key) { KeepNumberKey(key); }

}  // namespace kv
