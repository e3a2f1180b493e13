// Message boxes, modal dialogs and program launches over the Win32 API. Message boxes and
// dialogs are owned by the palette window, set once it exists.
#pragma once

#include <windows.h>

#include "platform/ui.h"

namespace kv {

class Win32Ui : public Ui {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    // No dialog model has a Win32 view yet: each counts as cancelled, and none is ever
    // open to be raised.
    DialogResult RunModal(Dialog&) override { return DialogResult::Cancel; }
    void RaiseDialog(Dialog&) override {}
    // No error box of the shell's own: the caller decides what a failure means.
    bool LaunchProgram(std::string_view path, std::string_view parameters) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace kv
