// Modal interaction with the user: message boxes, dialogs, launching programs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_table.h"

namespace kv {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What a dialog window is: its window class, which is also the name stories give it, its
// caption and the size of its client area.
struct DialogFrame {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
};

// A dialog model run modally; the port decides how it is shown (a real dialog on
// Windows, a script in tests). The timers keep ticking while it is open.
class Dialog {
public:
    virtual ~Dialog() = default;
    // Set by a handler (a key press) that closes the dialog, or moves the focus to a control
    // by its name; the view carries it out and clears it.
    std::optional<DialogResult> closeRequest;
    std::string_view focusRequest;
    virtual const DialogFrame& Frame() const = 0;
    // Its control table, bound to this model.
    virtual std::vector<BoundControl> Controls() = 0;
    // The view calls it as the dialog opens, its pictures' canvases given: a model draws them.
    virtual void Opening() {}
};

class Ui {
public:
    virtual ~Ui() = default;

    // Caption "Korvane2000", owned by the palette.
    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) = 0;
    virtual DialogResult RunModal(Dialog& dialog) = 0;
    virtual void RaiseDialog(Dialog& dialog) = 0;
    // ShellExecute with the "open" verb; false when it could not be started.
    virtual bool LaunchProgram(std::string_view path, std::string_view parameters) = 0;
};

}  // namespace kv
