// Message boxes, modal dialogs and program launches over the Win32 API. Message boxes and
// dialogs are owned by the palette window, set once it exists.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "platform/ui.h"
#include "win32/dialog_window.h"

namespace kv {

class Win32Ui : public Ui {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }

    // Makes the dialog's window now, hidden, instead of when it is first run; false when it
    // could not be made.
    bool Prepare(Dialog& dialog);
    // Shows the models of the open dialogs again, after the palette's timers changed them.
    void RefreshDialogs();

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    // A dialog whose window cannot be made counts as cancelled.
    DialogResult RunModal(Dialog& dialog) override;
    void RaiseDialog(Dialog& dialog) override;
    // No error box of the shell's own: the caller decides what a failure means.
    bool LaunchProgram(std::string_view path, std::string_view parameters) override;

private:
    DialogWindow* WindowOf(Dialog& dialog);

    HWND owner_ = nullptr;
    std::map<const Dialog*, std::unique_ptr<DialogWindow>> dialogs_;
};

}  // namespace kv
