#include "app/main_form.h"
#include "base/number_text.h"
#include "text/reference_form.h"
#include "text/text_states.h"

namespace kv {

namespace {

constexpr std::string_view kPresetStored = "設定を更新しました.  ";
constexpr std::string_view kNedProgram = "ranzel.exe";

}  // namespace

void TFormKvaneMain::StartTextButton(int n) {
    SelectTextPreset(n);
    Guarded([&] {
        op.host.SendCommand("\x03");
        TFormText dialog;
        const TTextBtn& preset = text.TextButtons[static_cast<size_t>(n)];
        textPlacement.ActiveText = preset;
        FillTextForm(dialog, preset, textPlacement);
        dialog.OnReference = [this] { StartTextReference(); };
        OpenTextForm = &dialog;
        const DialogResult result = op.ui.RunModal(dialog);
        OpenTextForm = nullptr;
        // A reference pick still waiting would keep the placement from starting.
        if (op.OpState == kTextReferencePickState) op.AbandonOperation();
        if (result == DialogResult::Ok && TakeConfirmedText(dialog, n, preset)) {
            op.host.SendCommand("\x03");
            if (op.OpState == kIdle) StartTextPlacement(op, textPlacement);
        }
        op.host.BringHostToFront();
    });
}

bool TFormKvaneMain::TakeConfirmedText(const TFormText& dialog, int n, const TTextBtn& preset) {
    try {
        TakeTextForm(dialog, n, textPlacement);
    } catch (const ConversionError& e) {
        // Shown here: the error boundary would also end an operation already running.
        op.ui.ShowMessage(e.what(), MessageButtons::Ok);
        return false;
    }
    TTextBtn& t = textPlacement.ActiveText;
    if (!preset.layerFixed) t.layer = op.host.GetSysVar("CLAYER");
    if (!preset.styleFixed) t.style.clear();
    return true;
}

void TFormKvaneMain::StartTextReference() {
    TFormSansyou reference;
    if (op.ui.RunModal(reference) != DialogResult::Ok) return;
    ReferenceMask = reference.ReferenceMask();
    StartPicker(kTextReferencePickState);
}

void TFormKvaneMain::SelectTextPreset(int n) {
    text.UpDown1.position = n;
    text.EditBtnNo.text = std::to_string(n);
    EditBtnNoChange();
}

void TFormKvaneMain::UpDown1Click() { SelectTextPreset(text.UpDown1.position); }

void TFormKvaneMain::EditBtnNoChange() {
    const TTextBtn& t = text.TextButtons[static_cast<size_t>(text.UpDown1.position)];
    text.EditBtnName.text = t.name;
    text.EditBtnTxtH.text = FormatReal(t.height);
    text.EditBtnTxtW.text = FormatReal(t.width);
    text.EditBtnTxtR.text = FormatReal(t.rotation);
    text.EditBtnTxtO.text = FormatReal(t.oblique);
    text.ComboBtnTxtB.itemIndex = ShownJustification(t.justification);
    text.CheckBtnTxtLay.checked = t.layerFixed;
    text.CheckBtnTxtSty.checked = t.styleFixed;
    text.EditBtnTxtLay.text = t.layer;
    text.EditBtnTxtSty.text = t.style;
    text.EditBtnTxtSty1.text = t.font1;
    text.EditBtnTxtSty2.text = t.font2;
    text.CheckBtnTxtIME.checked = t.inputMethodOn;
    text.CheckBtnTxtCup.checked = t.countUp;
    text.CheckBtnRepeat.checked = t.repeat;
}

void TFormKvaneMain::Button1Click() {
    const int p = text.UpDown1.position;
    TTextBtn t;
    try {
        t.height = ParseReal(text.EditBtnTxtH.text);
        t.width = ParseReal(text.EditBtnTxtW.text);
        t.rotation = ParseReal(text.EditBtnTxtR.text);
        t.oblique = ParseReal(text.EditBtnTxtO.text);
    } catch (const ConversionError& e) {
        op.ui.ShowMessage(e.what(), MessageButtons::Ok);
        return;
    }
    t.name = text.EditBtnName.text;
    t.justification = ShownJustification(text.ComboBtnTxtB.itemIndex);
    t.layerFixed = text.CheckBtnTxtLay.checked;
    t.layer = text.EditBtnTxtLay.text;
    t.styleFixed = text.CheckBtnTxtSty.checked;
    t.style = text.EditBtnTxtSty.text;
    t.font1 = text.EditBtnTxtSty1.text;
    t.font2 = text.EditBtnTxtSty2.text;
    t.vertical = text.CheckTate.checked;
    t.inputMethodOn = text.CheckBtnTxtIME.checked;
    t.countUp = text.CheckBtnTxtCup.checked;
    t.repeat = text.CheckBtnRepeat.checked;
    text.ButtonTxt[static_cast<size_t>(p - 1)].caption = t.name;
    text.TextButtons[static_cast<size_t>(p)] = t;
    const bool written = Settings.Write([&](IniFile& ini) { return WriteTextPreset(ini, p, t); });
    op.ui.ShowMessage(written ? kPresetStored : kSettingsNotSaved, MessageButtons::Ok);
}

void TFormKvaneMain::EditBtnTxtHKeyPress(char& key) {
    const bool kept = (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '\r' || key == '\b';
    if (!kept) key = 0;
}

void TFormKvaneMain::SpeedTxtStyClick() { StartPicker(kTextStylePickState); }

void TFormKvaneMain::ButtonTxt15Click() { LaunchBeside(kNedProgram); }

}  // namespace kv
