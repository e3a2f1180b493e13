#include "win32/modal_loop.h"

namespace kv {

void RunModalLoop(HWND dialog, HWND owner, const bool& done) {
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    MSG msg;
    while (!done && IsWindow(dialog)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
}

}  // namespace kv
