#include "polyline/rectangle_edit_form.h"

#include <array>

#include "platform/dialog_rows.h"

namespace kv {

namespace {

using F = TFormRecEd;
using R = DialogRows<F>;

constexpr DialogFrame kFrame{"TFormRecEd", "RECTANG修正", 176, 120};

constexpr auto kControls = std::to_array<R::Row>({
    R::Text({8, 12, 20, 16}, "W"),
    R::Edit<&F::Edit1>("Edit1", {34, 9, 134, 20}, &F::Edit1KeyPress),
    R::Text({8, 38, 20, 16}, "H"),
    R::Edit<&F::Edit2>("Edit2", {34, 35, 134, 20}, &F::Edit2KeyPress),
    R::Text({8, 64, 20, 16}, "ｒ"),
    R::Edit<&F::Edit3>("Edit3", {34, 61, 134, 20}, &F::Edit3KeyPress),
    R::Closing<&F::Button1>("Button1", {8, 90, 92, 24}, DialogResult::Ok),
    R::Closing<&F::Button2>("Button2", {106, 90, 62, 24}, DialogResult::Cancel),
});

}  // namespace

void KeepNumberKey(char& key) {
    const bool kept = (key >= '0' && key <= '9') || key == '.' || key == '\r' || key == '\b';
    if (!kept) key = 0;
}

// Enter goes on to the next field and is used up there, so it never closes the dialog.
void TFormRecEd::Edit1KeyPress(char& key) { KeepNumberKeyOrMoveOn(key, "Edit2"); }
void TFormRecEd::Edit2KeyPress(char& key) { KeepNumberKeyOrMoveOn(key, "Edit3"); }
void TFormRecEd::Edit3KeyPress(char& key) { KeepNumberKeyOrMoveOn(key, "Button1"); }

void TFormRecEd::KeepNumberKeyOrMoveOn(char& key, std::string_view next) {
    KeepNumberKey(key);
    if (key != '\r') return;
    focusRequest = next;
    key = 0;
}

const DialogFrame& TFormRecEd::Frame() const { return kFrame; }

std::vector<BoundControl> TFormRecEd::Controls() { return BindAll(RectangleEditControls(), *this); }

std::span<const ControlRow<TFormRecEd>> RectangleEditControls() { return kControls; }

}  // namespace kv
