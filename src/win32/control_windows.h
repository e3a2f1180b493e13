// The real controls of one control table, bound to its model: made from the rows, their
// events passed to the model's handlers, and shown again from the model on every refresh,
// touching only what changed (setting an edit box's text would move its caret, setting a
// caption makes it flicker). The palette and the dialog views share it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "win32/win32_canvas.h"

namespace kv {

class ControlWindows {
public:
    // Runs a handler at the view's event boundary, which refreshes afterwards.
    using Runner = std::function<void(const std::function<void()>&)>;

    ControlWindows(std::vector<BoundControl> controls, Runner run);
    ControlWindows(const ControlWindows&) = delete;
    ControlWindows& operator=(const ControlWindows&) = delete;
    ~ControlWindows() = default;

    // Control i goes into parentOf(i) with the id kFirstControlId + i; hints show in a
    // tooltip owned by `owner`.
    void Create(HINSTANCE instance, HFONT font, HWND owner, const std::function<HWND(size_t)>& parentOf);

    // A WM_COMMAND of one of them: the control it came from when that was a click the
    // model has now handled, else nothing.
    const BoundControl* OnCommand(WPARAM wParam);
    // A WM_VSCROLL from `window`: an up-down control stepped, as OnCommand.
    const BoundControl* OnScroll(HWND window);
    // Whether the static control `window` shows a grey status label.
    bool IsGrey(HWND window) const;
    // The control shown in `window`, or null; the window of the control named `name`, or null.
    const BoundControl* ControlOf(HWND window) const;
    HWND WindowNamed(std::string_view name) const;
    void Refresh();

private:
    struct Live {
        HWND window = nullptr;
        std::string text;
        std::string hint;
        bool enabled = true;
        bool checked = false;
        bool visible = true;
        std::vector<std::string> items;  // a list's entries as shown
        int itemIndex = -1;              // a list's selected entry; an up-down control's position
        unsigned pictureChanges = 0;
    };

    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                        DWORD_PTR self);
    LRESULT OnControlMessage(size_t index, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RefreshControl(size_t index);
    void RefreshList(const BoundControl& c, Live& live);
    void RefreshProposals(const BoundControl& c, Live& live);
    void RefreshPicture(size_t index, Live& live);
    const BoundControl* OnListCommand(size_t index, UINT code);
    const BoundControl* OnEditListCommand(size_t index, UINT code);

    std::vector<BoundControl> controls_;
    std::vector<Live> live_;
    // The surfaces of the pictures, which the model draws on; by control index.
    std::vector<std::unique_ptr<Win32Canvas>> pictures_;
    Runner run_;
    HWND tooltip_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace kv
