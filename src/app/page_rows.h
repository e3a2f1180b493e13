// Makers of the rows of the palette's page tables, shared by the four pages.
#pragma once

#include "app/palette_layout.h"

namespace kv::page_rows {

using F = TFormKvaneMain;
using Row = PaletteRow;
using K = ControlKind;

// The control `member` of the page `page` of the form.
template <auto page, auto member>
auto& Control(F& f) {
    return (f.*page).*member;
}

inline constexpr int kRowHeight = 22;
// The "↓"/"↑" button sits at the same place on every tab.
inline constexpr PixelRect kHeightButton{307, 1, 20, kRowHeight};

constexpr Row Button(std::string_view name, PixelRect r, ButtonControl& (*b)(F&), void (F::*click)(),
                     void (F::*down)(MouseButton) = nullptr) {
    return {.info = {.name = name, .kind = K::Button, .rect = r}, .button = b, .click = click, .mouseDown = down};
}

constexpr Row Check(std::string_view name, PixelRect r, CheckControl& (*c)(F&), void (F::*click)() = nullptr) {
    return {.info = {.name = name, .kind = K::Check, .rect = r}, .check = c, .click = click};
}

constexpr Row Edit(std::string_view name, PixelRect r, EditControl& (*e)(F&), void (F::*key)(char&) = nullptr,
                   void (F::*change)() = nullptr) {
    return {.info = {.name = name, .kind = K::Edit, .rect = r}, .edit = e, .keyPress = key, .change = change};
}

constexpr Row Status(std::string_view name, PixelRect r, LabelControl& (*l)(F&), bool grey) {
    return {.info = {.name = name, .kind = K::Label, .rect = r, .grey = grey}, .label = l};
}

// A drop-down list: click is its change event.
constexpr Row Combo(std::string_view name, PixelRect r, ListControl& (*l)(F&), void (F::*change)()) {
    return {.info = {.name = name, .kind = K::Combo, .rect = r}, .list = l, .click = change};
}

// An edit box with a drop-down list of proposals.
constexpr Row EditList(std::string_view name, PixelRect r, EditControl& (*e)(F&)) {
    return {.info = {.name = name, .kind = K::EditList, .rect = r}, .edit = e};
}

// Two arrows stepping a number: click follows a step.
constexpr Row UpDown(std::string_view name, PixelRect r, UpDownControl& (*u)(F&), void (F::*click)()) {
    return {.info = {.name = name, .kind = K::UpDown, .rect = r}, .upDown = u, .click = click};
}

// A list box: click follows a change of the selection.
constexpr Row List(std::string_view name, PixelRect r, ListControl& (*l)(F&), void (F::*click)(),
                   void (F::*doubleClick)()) {
    return {.info = {.name = name, .kind = K::List, .rect = r}, .list = l, .click = click, .doubleClick = doubleClick};
}

// A picture: its canvas, and its hint held as a label's caption.
constexpr Row Image(std::string_view name, PixelRect r, Canvas*& (*canvas)(F&), LabelControl& (*hint)(F&),
                    void (F::*click)(), void (F::*down)(int, int), void (F::*move)(int, int)) {
    return {.info = {.name = name, .kind = K::Image, .rect = r},
            .label = hint,
            .image = canvas,
            .click = click,
            .pointerDown = down,
            .pointerMove = move};
}

constexpr Row Group(PixelRect r, std::string_view text) {
    return {.info = {.kind = K::Group, .rect = r, .text = text}};
}

constexpr Row Text(PixelRect r, std::string_view text) { return {.info = {.kind = K::Text, .rect = r, .text = text}}; }

// On the form below the client area at either height: never seen.
constexpr Row OffPage(Row row) {
    row.info.offPage = true;
    return row;
}

// Kept in the settings file under this section and key, written in `order`.
constexpr Row Kept(Row row, ControlSetting setting) {
    row.info.setting = setting;
    return row;
}
constexpr ControlSetting TextKey(std::string_view section, std::string_view key, int order,
                                 std::string_view byDefault = {}) {
    return {.section = section, .key = key, .order = order, .text = byDefault};
}
constexpr ControlSetting CheckKey(std::string_view section, std::string_view key, int order, bool byDefault) {
    return {.section = section, .key = key, .order = order, .checked = byDefault};
}
constexpr ControlSetting WrittenOnly(ControlSetting s) {
    s.read = false;
    return s;
}
constexpr ControlSetting ReadOnly(ControlSetting s) {
    s.written = false;
    return s;
}

}  // namespace kv::page_rows
