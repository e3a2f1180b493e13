#include "window_procs.h"

#include "host_front.h"
#include "simhost/window_names.h"

namespace kv::sim::win {

void KeepFront(HWND w, LPARAM createStruct) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(createStruct);
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

HostFront* FrontOf(HWND w) { return reinterpret_cast<HostFront*>(GetWindowLongPtrW(w, GWLP_USERDATA)); }

bool HandleTyping(HostFront& front, UINT message, WPARAM wp) {
    if (message == WM_CHAR) {
        front.KeyChar(static_cast<wchar_t>(wp));
        return true;
    }
    if (message == WM_KEYDOWN) return front.KeyDown(wp);
    return false;
}

LRESULT CALLBACK FrameProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) KeepFront(w, lp);
    HostFront* front = FrontOf(w);
    HWND mdiClient = front ? front->MdiClient() : nullptr;
    if (!front) return DefFrameProcW(w, mdiClient, message, wp, lp);
    switch (message) {
    case WM_COPYDATA: return front->CopyData(reinterpret_cast<HWND>(wp), *reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_SIZE:
        // The MDI client shares the frame with the command line: no default layout.
        front->LayoutFrame();
        return 0;
    case WM_SETFOCUS: SetFocus(front->CommandBar()); return 0;
    case WM_TIMER:
        if (wp == kPromptLagTimer) front->PromptLagOver();
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default:
        if (HandleTyping(*front, message, wp)) return 0;
        break;
    }
    return DefFrameProcW(w, mdiClient, message, wp, lp);
}

LRESULT CALLBACK DrawingWindowProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_SIZE) {
        // The view fills the drawing window.
        if (HWND view = GetWindow(w, GW_CHILD)) MoveWindow(view, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    } else if (message == WM_SETFOCUS) {
        // Keys typed over the drawing go to the command line through the view.
        if (HWND view = GetWindow(w, GW_CHILD)) SetFocus(view);
    } else if (message == WM_CLOSE) {
        return 0;  // the one drawing stays open while the host runs
    }
    return DefMDIChildProcW(w, message, wp, lp);
}

LRESULT CALLBACK CommandBarProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) KeepFront(w, lp);
    HostFront* front = FrontOf(w);
    if (front && HandleTyping(*front, message, wp)) return 0;
    if (message == WM_LBUTTONDOWN) {
        SetFocus(w);
        return 0;
    }
    return DefWindowProcW(w, message, wp, lp);
}

LRESULT CALLBACK TextWindowProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) KeepFront(w, lp);
    HostFront* front = FrontOf(w);
    if (!front) return DefWindowProcW(w, message, wp, lp);
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wp) == kCopyHistoryCommand) {
            front->CopyHistoryToClipboard();
            return 0;
        }
        break;
    case WM_SIZE: front->LayoutTextWindow(); return 0;
    case WM_CLOSE:
        // Closing the text window hides it; the host keeps it, as the palette reads it.
        ShowWindow(w, SW_HIDE);
        return 0;
    case WM_LBUTTONDOWN: SetFocus(w); return 0;
    default:
        if (HandleTyping(*front, message, wp)) return 0;
        break;
    }
    return DefWindowProcW(w, message, wp, lp);
}

}  // namespace kv::sim::win
