#include "text/text_placement.h"

#include "base/number_text.h"
#include "hostlink/host_text.h"
#include "text/count_text.h"
#include "text/text_dxf.h"
#include "text/text_states.h"

namespace kv {

namespace {

constexpr std::string_view kOrthoMode = "ORTHOMODE";
constexpr std::string_view kEraseDragged =
    "\x03"
    "ERASE SINGLE P ";

void RestoreOrthoMode(OpContext& op, const TextPlacement& p) {
    op.host.SendCommand(std::string(kOrthoMode) + " " + p.SavedOrthoMode + "\r");
    op.ForgetRestore(kOrthoMode);
}

bool ReadViewCentre(OpContext& op, TextPlacement& p) {
    p.ViewCentre = op.host.GetSysVar("VIEWCTR");
    return ParsePoint(p.ViewCentre, op.PickedPoint);
}

void EnterState(OpContext& op, State state) {
    op.OpState = state;
    op.Timer1.enabled = true;
}

}  // namespace

void FillTextForm(TFormText& form, const TTextBtn& preset, TextPlacement& p) {
    form.ComboBox3.text = FormatReal(preset.height);
    form.ComboBox2.text = FormatReal(preset.rotation);
    form.ComboBox4.text = FormatReal(preset.width);
    form.ComboBox5.itemIndex = ShownJustification(preset.justification);
    form.Edit4.text = preset.layerFixed ? preset.layer : "";
    form.Edit4.enabled = form.Label5.enabled = preset.layerFixed;
    form.Edit5.text = preset.styleFixed ? preset.style : "";
    form.Edit5.enabled = form.Label6.enabled = preset.styleFixed;
    form.Edit1.inputMethod = preset.inputMethodOn;
    if (preset.countUp) {
        // push_back, not = "1": GCC 12 gives a false -Wrestrict warning on that assignment.
        if (p.CountValue.empty()) p.CountValue.push_back('1');
        form.ComboBox1.text = p.CountPrefix;
        form.Edit2.text = p.CountValue;
        form.Edit3.text = p.CountSuffix;
    }
    form.ShowCountUp(preset.countUp);
}

void TakeTextForm(const TFormText& form, int n, TextPlacement& p) {
    TextPlacement taken = p;
    TTextBtn& t = taken.ActiveText;
    t.height = ParseReal(form.ComboBox3.text);
    t.rotation = ParseReal(form.ComboBox2.text);
    t.width = ParseReal(form.ComboBox4.text);
    t.justification = ShownJustification(form.ComboBox5.itemIndex);
    t.layer = form.Edit4.text;
    t.style = form.Edit5.text;
    t.number = n;
    if (form.CountUpShown()) {
        taken.CountPrefix = form.ComboBox1.text;
        taken.CountValue = form.Edit2.text;
        taken.CountSuffix = form.Edit3.text;
        taken.SavedCount = taken.CountValue;
        t.name = NextCountText(taken.CountPrefix, taken.CountValue, taken.CountSuffix, false, taken.PrefixIndex);
    } else {
        t.name = form.Edit1.text;
        taken.CountPrefix.clear();
        taken.CountValue.clear();
        taken.CountSuffix.clear();
        taken.SavedCount.clear();
    }
    p = std::move(taken);
}

bool StartTextPlacement(OpContext& op, TextPlacement& p) {
    op.SaveDimScale();
    if (!ReadViewCentre(op, p)) return false;
    p.SavedOrthoMode = op.host.GetSysVar(kOrthoMode);
    op.host.SendCommand("ORTHOMODE 0 ");
    op.RememberRestore(kOrthoMode, std::string(kOrthoMode) + " " + p.SavedOrthoMode + "\r");
    EnterState(op, kTextPlaceState);
    return true;
}

void TextPlaceStep(OpContext& op, TextPlacement& p) {
    op.EndOperation();
    // Without the new text, MOVE LAST would take whatever was drawn last.
    if (!WriteTextDxf(op, p.ActiveText)) return RestoreOrthoMode(op, p);
    op.host.SendCommand("MOVE SINGLE LAST " + p.ViewCentre + "\r");
    EnterState(op, kTextDragState);
}

TextDragEnd TextDragStep(OpContext& op, TextPlacement& p, bool repeat) {
    if (!op.HostAtCommandPrompt()) return TextDragEnd::kWaiting;
    op.EndOperation();
    if (op.HistoryShowsCancel()) {
        op.host.SendCommand(kEraseDragged);
        RestoreOrthoMode(op, p);
        if (p.CountingUp()) {
            p.PrefixIndex = 0;
            p.CountValue = p.SavedCount;
        }
        return TextDragEnd::kReopen;
    }
    if (!repeat) {
        RestoreOrthoMode(op, p);
        return TextDragEnd::kDone;
    }
    if (!p.CountingUp()) {
        RestoreOrthoMode(op, p);
        return TextDragEnd::kReopen;
    }
    p.SavedCount = p.CountValue;
    p.ActiveText.name = NextCountText(p.CountPrefix, p.CountValue, p.CountSuffix, false, p.PrefixIndex);
    if (!ReadViewCentre(op, p)) {
        RestoreOrthoMode(op, p);
        return TextDragEnd::kDone;
    }
    EnterState(op, kTextPlaceState);
    return TextDragEnd::kNextCounted;
}

}  // namespace kv
