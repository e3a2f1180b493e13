// The palette's dialogs by the names stories give them: their frames and control tables
// without a model, so that a story's dialog script can be checked before it runs and a
// driver outside the process can find a dialog's controls.
#pragma once

#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace kv {

struct DialogLayout {
    DialogFrame frame;
    // Row i of the dialog's table; its window has the control id kFirstControlId + i.
    std::vector<const ControlInfo*> controls;
};

// Nothing for a name no dialog has.
const DialogLayout* FindDialogLayout(std::string_view name);

}  // namespace kv
