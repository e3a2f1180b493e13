#include "app/main_form.h"
#include "base/number_text.h"
#include "hostlink/host_commands.h"
#include "text/text_states.h"

namespace kv {

void TFormKvaneMain::ButtonSenbanClick() {
    Guarded([this] {
        FormSenban.Fill(wireNumbers);
        FormSenban.OnTextPick = [this] { StartWireNumberTextPick(); };
        const DialogResult result = op.ui.RunModal(FormSenban);
        if (result != DialogResult::Ok && result != DialogResult::Yes) return;
        try {
            FormSenban.ReadBack(wireNumbers);
        } catch (const ConversionError& e) {
            // Shown here: the operation that may be running goes on.
            op.ui.ShowMessage(e.what(), MessageButtons::Ok);
            return;
        }
        textPlacement.PrefixIndex = 0;
        const bool atPoint = result == DialogResult::Ok;
        op.host.BringHostToFront();
        op.host.SendCommand("\x03");
        if (op.OpState != kIdle) {
            op.LastOp = atPoint ? QueueCode::kWireNumberAtPoint : QueueCode::kWireNumberAlongLine;
            return;
        }
        op.SaveDimScale();
        op.host.SendCommand(atPoint ? std::string_view("\x03ID ") : kStartLine);
        op.OpState = atPoint ? kWireNumberPointState : kWireNumberLineState;
        Timer1.enabled = true;
    });
}

void TFormKvaneMain::StartWireNumberTextPick() { StartPicker(kWireNumberTextPickState); }

}  // namespace kv
