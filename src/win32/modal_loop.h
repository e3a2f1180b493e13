// A modal loop of our own for dialog windows. Unlike a hand-written wait it dispatches every
// message of the thread, WM_TIMER included, so the palette's operation steps keep running
// while a dialog is open (some steps fill the open dialog's fields).
#pragma once

#include <windows.h>

namespace kv {

// Disables `owner`, shows `dialog` and runs messages until `done` is set or the dialog is
// destroyed; then enables the owner again before the dialog goes, so that the activation
// returns to the owner. A WM_QUIT met on the way is posted again for the main loop.
void RunModalLoop(HWND dialog, HWND owner, const bool& done);

}  // namespace kv
