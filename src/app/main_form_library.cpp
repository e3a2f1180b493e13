// The block tab's handlers: the library lists, the previews, the settings file of each library
// and the start of an insertion.
#include "app/library_settings.h"
#include "app/main_form.h"
#include "base/number_text.h"
#include "base/paths.h"
#include "library/library_block.h"
#include "library/library_folders.h"
#include "library/library_states.h"
#include "operation/step_round_trip.h"

namespace kv {

namespace {

constexpr std::string_view kSettingsSaved = "設定を保存しました.  ";
constexpr std::string_view kDeleteQuestion = "を削除します. よろしいですか？";

int Count(const ListControl& list) { return static_cast<int>(list.items.size()); }

bool HasSelection(const ListControl& list) { return list.itemIndex >= 0 && list.itemIndex < Count(list); }

const std::string& Selected(const ListControl& list) { return list.items[static_cast<size_t>(list.itemIndex)]; }

// Digits, ".", "-", Enter and Backspace pass; anything else is discarded (set to 0).
void KeepSignedNumberKey(char& key) {
    const bool digit = key >= '0' && key <= '9';
    if (!digit && key != '.' && key != '-' && key != '\r' && key != '\b') key = 0;
}

}  // namespace

std::string TFormKvaneMain::LibraryRoot() const { return FolderOf(op.executablePath); }

std::string TFormKvaneMain::SelectedFolder() const {
    return HasSelection(block.ComboBox1) ? Selected(block.ComboBox1) : std::string();
}

void TFormKvaneMain::ShowLibraries() {
    Guarded([&] {
        block.ComboBox1.items = ListLibraryFolders(op.files, LibraryRoot());
        block.ComboBox1.itemIndex = block.ComboBox1.items.empty() ? -1 : 0;
        SwitchLibrary();
    });
}

void TFormKvaneMain::SwitchLibrary() {
    const std::string folder = SelectedFolder();
    if (!folder.empty()) {
        ReadLibrarySettings(IniFile(LibrarySettingsPath(LibraryRoot(), folder)), block);
        if (PageControl1.activePageIndex == kBlockTabIndex) ShowLibraryCaption();
    }
    block.ListBox1.items =
        folder.empty() ? std::vector<std::string>{} : ListSymbolNames(op.files, LibraryRoot(), folder);
    block.ListBox1.itemIndex = block.ListBox1.items.empty() ? -1 : 0;
    for (int slot = 0; slot < kPreviewSlots; ++slot) {
        block.hints[static_cast<size_t>(slot)].caption.clear();
        if (Canvas* canvas = block.Image(slot)) ClearSlot(*canvas);
    }
    ShowPreviews();
}

void TFormKvaneMain::ShowPreviews() {
    ListControl& list = block.ListBox1;
    // A rotation being typed ("", "-") is no number yet: the pictures wait for it.
    double rotation = 0;
    if (list.items.empty() || !TryParseReal(block.EditKakudo.text, rotation)) return;
    if (!HasSelection(list)) list.itemIndex = 0;
    const PreviewOptions options{block.CheckXrev.checked, block.CheckYrev.checked, block.CheckKiten.checked,
                                 block.EditKakudo.text};
    const std::vector<int> entries = PreviewEntries(Count(list), list.itemIndex);
    for (size_t slot = 0; slot < entries.size(); ++slot) {
        const std::string& name = list.items[static_cast<size_t>(entries[slot])];
        block.hints[slot].caption = name;
        Canvas* canvas = block.Image(static_cast<int>(slot));
        if (!canvas) continue;
        RenderPreview(op.files, SymbolFilePath(LibraryRoot(), SelectedFolder(), name), *canvas, options,
                      block.views[slot]);
    }
}

void TFormKvaneMain::ShowLibraryCaption() {
    const bool onBlockTab = PageControl1.activePageIndex == kBlockTabIndex;
    if (!onBlockTab || !HasSelection(block.ComboBox1)) {
        Caption = kAppTitle;
        return;
    }
    Caption = std::to_string(block.ComboBox1.itemIndex + 1) + ":" + SelectedFolder() + "[" + block.EditCmt.text + "]";
}

void TFormKvaneMain::ComboBox1Change() {
    Guarded([&] { SwitchLibrary(); });
}

void TFormKvaneMain::SpeedButton8Click() {
    ListControl& libraries = block.ComboBox1;
    if (libraries.items.empty()) return;
    libraries.itemIndex = libraries.itemIndex + 1 < Count(libraries) ? libraries.itemIndex + 1 : 0;
    ComboBox1Change();
}

void TFormKvaneMain::ListBox1Click() {
    Guarded([&] { ShowPreviews(); });
}

void TFormKvaneMain::SpeedButton7Click() {
    ListControl& list = block.ListBox1;
    if (Count(list) <= kPreviewSlots) return;
    list.itemIndex = NextPageSelection(Count(list), list.itemIndex);
    ListBox1Click();
}

void TFormKvaneMain::PreviewOptionClick() { ListBox1Click(); }

void TFormKvaneMain::ButtonIniClick() {
    if (!HasSelection(block.ComboBox1)) return;
    Guarded([&] {
        IniFile ini(LibrarySettingsPath(LibraryRoot(), SelectedFolder()));
        WriteLibrarySettings(ini, block);
        ShowLibraryCaption();
        op.ui.ShowMessage(kSettingsSaved, MessageButtons::Ok);
    });
}

void TFormKvaneMain::Button2Click() {
    if (!HasSelection(block.ComboBox1) || !HasSelection(block.ListBox1)) return;
    Guarded([&] {
        const std::string name = Selected(block.ListBox1);
        if (op.ui.ShowMessage(name + std::string(kDeleteQuestion), MessageButtons::YesNo) != MessageAnswer::Yes) return;
        op.files.Delete(SymbolFilePath(LibraryRoot(), SelectedFolder(), name));
        SwitchLibrary();
    });
}

void TFormKvaneMain::CheckAttreqClick() { block.CheckAttdia.enabled = block.CheckAttreq.checked; }

void TFormKvaneMain::TurnRotation(double degrees) {
    Guarded([&] {
        block.EditKakudo.text = TurnedRotation(block.EditKakudo.text, degrees);
        ShowPreviews();
    });
}

void TFormKvaneMain::SpeedButton9Click() { TurnRotation(-90); }
void TFormKvaneMain::SpeedButton10Click() { TurnRotation(-45); }
void TFormKvaneMain::SpeedButton11Click() { TurnRotation(-15); }
void TFormKvaneMain::SpeedButton12Click() { TurnRotation(90); }
void TFormKvaneMain::SpeedButton13Click() { TurnRotation(45); }
void TFormKvaneMain::SpeedButton14Click() { TurnRotation(15); }

void TFormKvaneMain::SpeedButton15Click() {
    // "0"; assigning the literal trips a false -Wrestrict of GCC 12 in the cross build.
    block.EditKakudo.text.assign(1, '0');
    ListBox1Click();
}

void TFormKvaneMain::EditSyakudoKeyPress(char& key) { KeepSignedNumberKey(key); }

void TFormKvaneMain::EditKakudoKeyPress(char& key) { KeepSignedNumberKey(key); }

InsertOptions TFormKvaneMain::InsertOptionsNow() {
    InsertOptions o;
    o.scale = block.EditSyakudo.text;
    o.dimScale = block.CheckDimsc.checked;
    o.mirrorX = block.CheckXrev.checked;
    o.mirrorY = block.CheckYrev.checked;
    o.rotation = block.EditKakudo.text;
    o.chooseBase = block.CheckKiten.checked;
    o.repeat = block.CheckRenzoku.checked;
    o.attReq = block.CheckAttreq.checked;
    o.attDia = block.CheckAttdia.checked;
    o.layerOn = block.CheckInLay.checked;
    o.layer = block.EditInLay.text;
    o.label = block.CheckText2In.checked;
    o.startLabel = [this](State label) { TwoLineLabel(label, false); };
    o.trim = block.CheckBCut.checked;
    const int offset = block.insertion.slotOffset;
    if (offset >= 0 && offset < kPreviewSlots) o.basePoint = block.views[static_cast<size_t>(offset)].basePoint;
    o.cut = {main.CheckLayer.checked, main.EditLayer.text,      main.CheckBlock.checked, main.EditBlock.text,
             main.CheckLine.checked,  main.CheckCircle.checked, main.CheckArc.checked,   main.CheckLWP.checked};
    return o;
}

void TFormKvaneMain::InsertEntry(int entry) {
    const ListControl& list = block.ListBox1;
    if (entry < 0 || list.items.empty() || !HasSelection(list)) return;
    Guarded([&] {
        if (!op.host.BringHostToFront()) return;
        block.insertion.slotOffset = entry - list.itemIndex;
        if (entry >= Count(list)) entry -= Count(list);
        if (entry >= Count(list)) return;
        const std::string file =
            SymbolFilePath(LibraryRoot(), SelectedFolder(), list.items[static_cast<size_t>(entry)]);
        if (!op.files.Exists(file)) return;
        // A tool still waiting would otherwise lose the host values it has to type back.
        if (op.OpState != kIdle) op.AbandonOperation();
        InsertSymbol(op, block.insertion, InsertOptionsNow(), file);
    });
}

void TFormKvaneMain::InsertFromSlot(int slot) {
    if (HasSelection(block.ListBox1)) InsertEntry(block.ListBox1.itemIndex + slot);
}

void TFormKvaneMain::ListBox1DblClick() {
    if (HasSelection(block.ListBox1)) InsertEntry(block.ListBox1.itemIndex);
}

void TFormKvaneMain::ChooseSlotBase(int slot, int x, int y) {
    const Canvas* canvas = block.Image(slot);
    if (!canvas) return;
    ChooseBasePoint(block.views[static_cast<size_t>(slot)], x, y, canvas->Width(), canvas->Height());
}

void TFormKvaneMain::ShowSlotCaption(int slot) {
    if (!HasSelection(block.ComboBox1)) return;
    const ListControl& list = block.ListBox1;
    std::string caption =
        std::to_string(block.ComboBox1.itemIndex + 1) + ":" + SelectedFolder() + " [" + block.EditCmt.text + "] ";
    const int entry = EntryOfSlot(Count(list), list.itemIndex, slot);
    if (entry >= 0) caption += list.items[static_cast<size_t>(entry)];
    Caption = caption;
}

void TFormKvaneMain::SpeedButton16Click() { StartPicker(kAngleFromLineState); }

void TFormKvaneMain::Button3Click() { StartPicker(kAddBlockState); }

}  // namespace kv
