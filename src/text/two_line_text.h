// Two-line labels: the dialog's lines written as TEXTs of a file that the host inserts as a
// block hanging on the cursor by its base point; once placed it is exploded and its definition
// purged, leaving plain texts.
#pragma once

#include <string>
#include <vector>

#include "operation/op_context.h"
#include "platform/settings_access.h"
#include "text/two_line_form.h"
#include "text/two_line_settings.h"

namespace kv {

struct TwoLineTool {
    TFormText2& dialog;
    TwoLineSettings& settings;
    const SettingsAccess& file;
};

// The label's file, with the height and gap already scaled, inserted at 0,0.
std::vector<std::string> TwoLineFile(const TwoLineSettings& settings, int lineCount, double dimScale,
                                     std::string_view layer);

// Shows the dialog and, once confirmed, hangs the label on the cursor and enters `state`
// (the user places it there). With repeat allowed the dialog offers to come back.
void TwoLineText(OpContext& op, TwoLineTool tool, State state, bool repeatAllowed);

// The label has been placed or the placing cancelled. Placed, it becomes plain texts. True when
// the operation goes on: the label was placed and the caller may continue.
bool TwoLinePlacedStep(OpContext& op);

}  // namespace kv
