#include "polyline/rectangle_edit_form.h"

#include <array>

namespace kv {

namespace {

using F = TFormRecEd;
using Row = ControlRow<F>;

constexpr DialogFrame kFrame{"TFormRecEd", "RECTANG修正", 176, 120};

template <auto member>
auto& Member(F& f) {
    return f.*member;
}

constexpr Row Label(PixelRect r, std::string_view text) {
    return {.info = {.kind = ControlKind::Text, .rect = r, .text = text}};
}

constexpr Row Edit(std::string_view name, PixelRect r, EditControl& (*edit)(F&), void (F::*key)(char&)) {
    return {.info = {.name = name, .kind = ControlKind::Edit, .rect = r}, .edit = edit, .keyPress = key};
}

constexpr Row Closing(std::string_view name, PixelRect r, ButtonControl& (*button)(F&), DialogResult result) {
    return {.info = {.name = name, .kind = ControlKind::Button, .rect = r, .closes = result}, .button = button};
}

constexpr auto kControls = std::to_array<Row>({
    Label({8, 12, 20, 16}, "W"),
    Edit("Edit1", {34, 9, 134, 20}, Member<&F::Edit1>, &F::Edit1KeyPress),
    Label({8, 38, 20, 16}, "H"),
    Edit("Edit2", {34, 35, 134, 20}, Member<&F::Edit2>, &F::Edit2KeyPress),
    Label({8, 64, 20, 16}, "ｒ"),
    Edit("Edit3", {34, 61, 134, 20}, Member<&F::Edit3>, &F::Edit3KeyPress),
    Closing("Button1", {8, 90, 92, 24}, Member<&F::Button1>, DialogResult::Ok),
    Closing("Button2", {106, 90, 62, 24}, Member<&F::Button2>, DialogResult::Cancel),
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
