// Message boxes, modal dialogs and program launches over the Win32 API. Message boxes and
// dialogs are owned by the palette window, set once it exists.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "platform/ui.h"

namespace kv {

class Win32Ui;

// Shows one kind of dialog model in a window of its own and returns how it was closed. A
// view reports its window with DialogShown / DialogClosed so that RaiseDialog can find it,
// and runs it with RunModalLoop.
using DialogView = std::function<DialogResult(Dialog& dialog, HWND owner, Win32Ui& ui)>;

class Win32Ui : public Ui {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }

    // Views register under the dialog model's Name().
    void RegisterDialogView(std::string name, DialogView view);
    void DialogShown(const Dialog& dialog, HWND window) { open_[&dialog] = window; }
    void DialogClosed(const Dialog& dialog) { open_.erase(&dialog); }

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    // A dialog without a registered view cannot be shown: it counts as cancelled.
    DialogResult RunModal(Dialog& dialog) override;
    void RaiseDialog(Dialog& dialog) override;
    // No error box of the shell's own: the caller decides what a failure means.
    bool LaunchProgram(std::string_view path, std::string_view parameters) override;

private:
    HWND owner_ = nullptr;
    std::map<std::string, DialogView> views_;
    std::map<const Dialog*, HWND> open_;
};

}  // namespace kv
