// The command-line controls ("Headlands": the prompt line, "MountTam": the history).
// Their window name is the name they were created with and never changes; their
// contents answer WM_GETTEXTLENGTH and WM_GETTEXT. The class is an ANSI class so that
// the palette's A reads get the exact CP932 bytes and length, as from the real host.
#pragma once

#include <windows.h>

#include <string_view>

namespace kv::sim::win {

enum class CommandTextStyle {
    PromptLine,   // one line, the end shown with a caret
    HistoryPane,  // as many of the last lines as fit
};

bool RegisterCommandTextClass(HINSTANCE instance);
HWND CreateCommandText(HWND parent, std::string_view name, CommandTextStyle style, HINSTANCE instance);
// New contents (UTF-8); the control repaints only when they changed.
void SetCommandText(HWND control, std::string_view utf8);

}  // namespace kv::sim::win
