// The real host's window layout as the palette searches it: captions and class names
// its windows carry, and the messages it answers.
#pragma once

#include <cstdint>

namespace kv::sim::win {

inline constexpr wchar_t kFrameCaption[] = L"AutoCAD 2000 - [Drawing1.dwg]";
inline constexpr wchar_t kFrameClass[] = L"Afx:400000:8:10011:0:1a0b";
inline constexpr wchar_t kCommandBarCaption[] = L"コマンド ライン";
inline constexpr wchar_t kCommandBarClass[] = L"Afx:400000:8:10011:0:0";
inline constexpr wchar_t kTextWindowCaption[] = L"AutoCAD テキスト ウィンドウ - Drawing1.dwg";
inline constexpr wchar_t kTextWindowClass[] = L"Afx:400000:b:10011:6:0";
inline constexpr wchar_t kDrawingWindowCaption[] = L"Drawing1.dwg";
inline constexpr wchar_t kDrawingWindowClass[] = L"Afx:400000:b:10011:6:1c05";
inline constexpr wchar_t kViewClass[] = L"Afx:400000:28:10011:0:0";
// Window names of the two command-line controls: the palette finds them by these, and
// reads their contents with WM_GETTEXT.
inline constexpr char kPromptName[] = "Headlands";
inline constexpr char kHistoryName[] = "MountTam";

// WM_COPYDATA tags: typed input (ANSI bytes, NUL-terminated), automation lines (UTF-8),
// and the automation reply sent back to the sender's window (UTF-8).
inline constexpr std::uintptr_t kTypedInputTag = 1;
inline constexpr std::uintptr_t kAutomationTag = 0x5348;
inline constexpr std::uintptr_t kAutomationReplyTag = 0x5349;
// WM_COPYDATA answers to the automation tag.
inline constexpr long kAutomationOk = 1;
inline constexpr long kAutomationFailed = 2;

// WM_COMMAND to the text window: the history goes to the clipboard.
inline constexpr unsigned kCopyHistoryCommand = 0x800D;

}  // namespace kv::sim::win
