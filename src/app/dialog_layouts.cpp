#include "app/dialog_layouts.h"

#include "polyline/element_move_form.h"
#include "polyline/rectangle_edit_form.h"

namespace kv {

namespace {

template <class Model>
DialogLayout LayoutOf() {
    Model model;
    DialogLayout layout{model.Frame(), {}};
    for (const BoundControl& c : model.Controls()) layout.controls.push_back(c.info);
    return layout;
}

}  // namespace

const DialogLayout* FindDialogLayout(std::string_view name) {
    static const std::vector<DialogLayout> dialogs{LayoutOf<TFormRecEd>(), LayoutOf<TFormEMove>()};
    for (const DialogLayout& d : dialogs)
        if (d.frame.name == name) return &d;
    return nullptr;
}

}  // namespace kv
