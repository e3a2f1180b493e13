// One table per form: every control a palette page or a dialog shows, where it sits, which
// member of the model holds its state, which handlers its events run and where the settings
// file keeps it. The views create the real controls from it, the story runner finds controls
// by name in it, and the settings are loaded and saved through it.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/form_controls.h"

namespace kv {

// Image: a picture the model draws on the canvas the view gives it (`image`), whenever what it
// shows changes.
// EditList: an edit box with a drop-down list of proposals. UpDown: two arrows stepping a number.
enum class ControlKind { Button, Check, Edit, Label, Group, Text, Combo, List, Image, EditList, UpDown };

// Yes: a dialog with two ways to go on ("2点指示" beside "1点指示").
enum class DialogResult { Ok, Cancel, Yes };

// Pixels, relative to the top-left corner of the window or page that holds the control.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    constexpr int Right() const { return x + width; }
    constexpr int Bottom() const { return y + height; }
};

// Where the settings file keeps a control's value; a control without a section is not kept.
struct ControlSetting {
    std::string_view section{};
    std::string_view key{};
    int order = 0;            // keys are written in this order
    std::string_view text{};  // an edit box's value when the key is missing
    bool checked = false;     // a check box's
    bool read = true;         // false: written at exit, but the control starts as the form has it
    bool written = true;      // false: read at start, never written
};

// What a row says without a model: enough to find a control by name and to lay it out.
struct ControlInfo {
    std::string_view name{};  // the model's member; empty for groups and texts, which bind nothing
    ControlKind kind = ControlKind::Text;
    PixelRect rect;
    std::string_view text{};  // what a group or a text shows
    ControlSetting setting{};
    std::optional<DialogResult> closes{};  // a dialog's button that closes it with this result
    bool grey = false;                     // a small status label in grey
    bool offPage = false;                  // on the form below its client area, not on the page
};

template <class Model>
struct ControlRow {
    ControlInfo info;
    // The member that holds the control's state: the one that matches the kind.
    ButtonControl& (*button)(Model&) = nullptr;
    CheckControl& (*check)(Model&) = nullptr;
    EditControl& (*edit)(Model&) = nullptr;
    LabelControl& (*label)(Model&) = nullptr;
    ListControl& (*list)(Model&) = nullptr;
    UpDownControl& (*upDown)(Model&) = nullptr;
    Canvas*& (*image)(Model&) = nullptr;
    void (Model::*click)() = nullptr;
    void (Model::*mouseDown)(MouseButton) = nullptr;
    void (Model::*keyPress)(char&) = nullptr;
    void (Model::*doubleClick)() = nullptr;
    void (Model::*change)() = nullptr;  // an edit box's text changed
    // A picture's mouse events at a pixel of it.
    void (Model::*pointerDown)(int x, int y) = nullptr;
    void (Model::*pointerMove)(int x, int y) = nullptr;
};

// A row joined to one model, as the views and the story runner use it.
struct BoundControl {
    const ControlInfo* info = nullptr;
    ButtonControl* button = nullptr;
    CheckControl* check = nullptr;
    EditControl* edit = nullptr;
    LabelControl* label = nullptr;
    ListControl* list = nullptr;
    UpDownControl* upDown = nullptr;
    Canvas** image = nullptr;
    std::function<void()> click;
    std::function<void(MouseButton)> mouseDown;
    std::function<void(char&)> keyPress;
    std::function<void()> doubleClick;
    std::function<void()> change;
    std::function<void(int, int)> pointerDown;
    std::function<void(int, int)> pointerMove;
};

template <class Model>
BoundControl Bind(const ControlRow<Model>& row, Model& model) {
    BoundControl c;
    c.info = &row.info;
    if (row.button) c.button = &row.button(model);
    if (row.check) c.check = &row.check(model);
    if (row.edit) c.edit = &row.edit(model);
    if (row.label) c.label = &row.label(model);
    if (row.list) c.list = &row.list(model);
    if (row.upDown) c.upDown = &row.upDown(model);
    if (row.image) c.image = &row.image(model);
    if (auto h = row.click) c.click = [&model, h] { (model.*h)(); };
    if (auto h = row.mouseDown) c.mouseDown = [&model, h](MouseButton b) { (model.*h)(b); };
    if (auto h = row.keyPress) c.keyPress = [&model, h](char& key) { (model.*h)(key); };
    if (auto h = row.doubleClick) c.doubleClick = [&model, h] { (model.*h)(); };
    if (auto h = row.change) c.change = [&model, h] { (model.*h)(); };
    if (auto h = row.pointerDown) c.pointerDown = [&model, h](int x, int y) { (model.*h)(x, y); };
    if (auto h = row.pointerMove) c.pointerMove = [&model, h](int x, int y) { (model.*h)(x, y); };
    return c;
}

template <class Model>
std::vector<BoundControl> BindAll(std::span<const ControlRow<Model>> rows, Model& model) {
    std::vector<BoundControl> bound;
    bound.reserve(rows.size());
    for (const ControlRow<Model>& row : rows) bound.push_back(Bind(row, model));
    return bound;
}

template <class Model>
std::vector<const ControlInfo*> InfosOf(std::span<const ControlRow<Model>> rows) {
    std::vector<const ControlInfo*> infos;
    for (const ControlRow<Model>& row : rows) infos.push_back(&row.info);
    return infos;
}

// The window made for row i of a table has the control id kFirstControlId + i, so that a
// driver outside the process finds a control by its name.
inline constexpr int kFirstControlId = 1000;

}  // namespace kv
