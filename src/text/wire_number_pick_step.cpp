#include "text/wire_number_pick_step.h"

#include "base/number_text.h"
#include "dxf/read_tables.h"
#include "operation/step_round_trip.h"
#include "text/count_text.h"
#include "text/text_dxf.h"
#include "text/text_states.h"

namespace kv {

namespace {
constexpr std::string_view kNotAText = "文字列(TEXT)を選択してください.  ";
}  // namespace

std::string NextDecimal(std::string_view digits) {
    std::string next(digits);
    for (size_t i = next.size(); i-- > 0;) {
        if (next[i] != '9') {
            ++next[i];
            return next;
        }
        next[i] = '0';
    }
    return "1" + next;
}

void WireNumberTextPickStep(OpContext& op, TFormSenban& dialog) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!picked) return;
    DxfBuffer buffer;
    if (!ExportSelection(op, buffer)) return;
    HeaderVars header;
    ReadHeaderVars(buffer, header);
    TTextBtn text;
    if (!ReadPickedText(buffer, text)) {
        op.ui.ShowMessage(kNotAText, MessageButtons::Ok);
        RestartSingleSelection(op, kWireNumberTextPickState);
        return;
    }
    ReadTextStyle(buffer, text.style, text);
    const SplitText split = SplitNumber(text.name, true);
    if (!split.number.empty()) {
        dialog.ComboMae.text = split.prefix;
        dialog.EditKaishi.text = ZeroPad(NextDecimal(split.number), split.number.size());
        dialog.EditAto.text = split.suffix;
    }
    double dimScale = 1.0;
    if (!TryParseReal(header.DimScale, dimScale) || dimScale == 0) dimScale = 1.0;
    dialog.EditTextH.text = FormatReal(text.height / dimScale);
    dialog.EditTextW.text = FormatReal(text.width);
    dialog.EditLayer.text = text.layer;
    dialog.EditStyle.text = text.style;
    op.ui.RaiseDialog(dialog);
}

}  // namespace kv
