#include "app/dialog_layouts.h"

#include "polyline/element_move_form.h"
#include "polyline/rectangle_edit_form.h"
#include "text/reference_form.h"
#include "text/text_form.h"
#include "text/two_line_form.h"
#include "text/wire_number_form.h"

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
    static const std::vector<DialogLayout> dialogs{LayoutOf<TFormRecEd>(),  LayoutOf<TFormEMove>(),
                                                   LayoutOf<TFormText>(),   LayoutOf<TFormSansyou>(),
                                                   LayoutOf<TFormSenban>(), LayoutOf<TFormText2>()};
    for (const DialogLayout& d : dialogs)
        if (d.frame.name == name) return &d;
    return nullptr;
}

}  // namespace kv
