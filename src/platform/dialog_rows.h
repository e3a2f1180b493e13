// Makers of the rows of a dialog's control table, shared by every dialog model:
// `using R = DialogRows<TFormX>;` then `R::Edit<&TFormX::Edit1>("Edit1", rect)`.
#pragma once

#include <string_view>

#include "platform/control_table.h"

namespace kv {

template <class F>
struct DialogRows {
    using Row = ControlRow<F>;
    using K = ControlKind;

    template <auto member>
    static auto& Member(F& f) {
        return f.*member;
    }

    // A caption that binds nothing.
    static constexpr Row Text(PixelRect r, std::string_view text) {
        return {.info = {.kind = K::Text, .rect = r, .text = text}};
    }

    static constexpr Row Group(PixelRect r, std::string_view text) {
        return {.info = {.kind = K::Group, .rect = r, .text = text}};
    }

    // A caption the model shows or hides.
    template <LabelControl F::*m>
    static constexpr Row Label(std::string_view name, PixelRect r) {
        return {.info = {.name = name, .kind = K::Label, .rect = r}, .label = Member<m>};
    }

    template <EditControl F::*m>
    static constexpr Row Edit(std::string_view name, PixelRect r, void (F::*key)(char&) = nullptr,
                              void (F::*change)() = nullptr) {
        return {
            .info = {.name = name, .kind = K::Edit, .rect = r}, .edit = Member<m>, .keyPress = key, .change = change};
    }

    // An edit box with a drop-down list of proposals.
    template <EditControl F::*m>
    static constexpr Row EditList(std::string_view name, PixelRect r, void (F::*key)(char&) = nullptr) {
        return {.info = {.name = name, .kind = K::EditList, .rect = r}, .edit = Member<m>, .keyPress = key};
    }

    // A drop-down list to choose from.
    template <ListControl F::*m>
    static constexpr Row Combo(std::string_view name, PixelRect r) {
        return {.info = {.name = name, .kind = K::Combo, .rect = r}, .list = Member<m>};
    }

    // A picture drawn on the canvas in `m`: mouse-down at a pixel, then click; a double click.
    template <Canvas* F::*m>
    static constexpr Row Image(std::string_view name, PixelRect r, void (F::*down)(int, int), void (F::*click)(),
                               void (F::*doubleClick)()) {
        return {.info = {.name = name, .kind = K::Image, .rect = r},
                .image = Member<m>,
                .click = click,
                .doubleClick = doubleClick,
                .pointerDown = down};
    }

    template <CheckControl F::*m>
    static constexpr Row Check(std::string_view name, PixelRect r, void (F::*click)() = nullptr) {
        return {.info = {.name = name, .kind = K::Check, .rect = r}, .check = Member<m>, .click = click};
    }

    template <ButtonControl F::*m>
    static constexpr Row Button(std::string_view name, PixelRect r, void (F::*click)()) {
        return {.info = {.name = name, .kind = K::Button, .rect = r}, .button = Member<m>, .click = click};
    }

    // A button that closes the dialog with `result` once its click (if any) has run.
    template <ButtonControl F::*m>
    static constexpr Row Closing(std::string_view name, PixelRect r, DialogResult result,
                                 void (F::*click)() = nullptr) {
        return {.info = {.name = name, .kind = K::Button, .rect = r, .closes = result},
                .button = Member<m>,
                .click = click};
    }
};

}  // namespace kv
