#include "text/wire_number_pick_step.h"

#include "base/number_text.h"
#include "text/count_text.h"
#include "text/text_dxf.h"
#include "text/text_pick.h"

namespace kv {

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
    std::optional<PickedText> picked = FinishTextPick(op);
    if (!picked) return;
    TTextBtn& text = picked->text;
    ReadTextStyle(picked->exported, text.style, text);
    const SplitText split = SplitNumber(text.name, true);
    if (!split.number.empty()) {
        dialog.ComboMae.text = split.prefix;
        dialog.EditKaishi.text = ZeroPad(NextDecimal(split.number), split.number.size());
        dialog.EditAto.text = split.suffix;
    }
    dialog.EditTextH.text = FormatReal(text.height / picked->dimScale);
    dialog.EditTextW.text = FormatReal(text.width);
    dialog.EditLayer.text = text.layer;
    dialog.EditStyle.text = text.style;
    op.ui.RaiseDialog(dialog);
}

}  // namespace kv
