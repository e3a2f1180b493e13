#include "text/text_reference_step.h"

#include "base/number_text.h"
#include "text/count_text.h"
#include "text/reference_form.h"
#include "text/text_pick.h"

namespace kv {

namespace {

// The picked text, and its number plus one as the start of a series continuing it.
void TakeText(TFormText& form, const std::string& text) {
    form.Edit1.text = text;
    const SplitText split = SplitNumber(text, true);
    const bool numbered = !split.number.empty();
    form.ComboBox1.text = numbered ? split.prefix : "";
    form.Edit2.text = numbered ? ZeroPad(NumberAfter(split.number), split.number.size()) : "";
    form.Edit3.text = numbered ? split.suffix : "";
    form.Edit1Change();
}

}  // namespace

void TextReferenceStep(OpContext& op, TFormText* form, uint32_t mask) {
    const std::optional<PickedText> picked = FinishTextPick(op);
    if (!picked || !form) return;
    const TTextBtn& t = picked->text;
    if (mask & kReferText) TakeText(*form, t.name);
    if (mask & kReferJustification) form->ComboBox5.itemIndex = ShownJustification(t.justification);
    if (mask & kReferHeight) form->ComboBox3.text = FormatReal(t.height / picked->dimScale);
    if (mask & kReferWidth) form->ComboBox4.text = FormatReal(t.width);
    if (mask & kReferRotation) form->ComboBox2.text = FormatReal(t.rotation);
    if (mask & kReferLayer) form->Edit4.text = t.layer;
    if (mask & kReferStyle) form->Edit5.text = t.style;
    op.ui.RaiseDialog(*form);
}

}  // namespace kv
