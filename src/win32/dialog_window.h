// The one view of every dialog model: a window of the dialog's own class with the controls
// of its table. It is made hidden and shown modally as often as the model is run; the modal
// loop dispatches every message of the thread, so the palette's timers keep ticking.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "platform/ui.h"
#include "win32/control_windows.h"
#include "win32/scoped_gdi.h"

namespace kv {

// Sent to a dialog's owner after each of the dialog's handlers, which may change the owner's
// model too (a pick the dialog starts switches the operation timer on).
inline constexpr UINT kOwnerModelChanged = WM_APP + 1;

class DialogWindow {
public:
    // `ui` shows what a failing handler raised.
    DialogWindow(Dialog& dialog, Ui& ui);
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    ~DialogWindow();

    // Hidden, owned by `owner`; false when the window could not be made.
    bool Create(HINSTANCE instance, HWND owner);
    // Shows it with `owner` disabled until a closing button, Esc or the close box closes it;
    // a dialog destroyed on the way (its owner closed) counts as cancelled.
    DialogResult RunModal(HWND owner);
    void Refresh();
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam);
    void PressEnter();
    void Run(const std::function<void()>& handler);
    void Close(DialogResult result);

    Dialog& dialog_;
    Ui& ui_;
    ControlWindows controls_;
    HWND window_ = nullptr;
    ScopedFont font_;
    std::optional<DialogResult> closedWith_;
    bool closed_ = false;
};

}  // namespace kv
