// The real host's window layout as the palette searches it: the captions and class names
// its windows carry and the messages it answers. simhost.exe and the in-process desktop
// both show it.
#pragma once

#include <cstdint>
#include <string_view>

namespace kv::sim {

inline constexpr std::string_view kFrameCaption = "AutoCAD 2000 - [Drawing1.dwg]";
inline constexpr std::string_view kFrameClass = "Afx:400000:8:10011:0:1a0b";
inline constexpr std::string_view kCommandLineCaption = "コマンド ライン";
inline constexpr std::string_view kCommandLineClass = "Afx:400000:8:10011:0:0";
inline constexpr std::string_view kTextWindowCaption = "AutoCAD テキスト ウィンドウ - Drawing1.dwg";
inline constexpr std::string_view kTextWindowClass = "Afx:400000:b:10011:6:0";
inline constexpr std::string_view kDrawingWindowCaption = "Drawing1.dwg";
inline constexpr std::string_view kDrawingWindowClass = "Afx:400000:b:10011:6:1c05";
inline constexpr std::string_view kViewClass = "Afx:400000:28:10011:0:0";
// Window names of the two command-line controls: the palette finds them by these, and
// reads their contents with WM_GETTEXT.
inline constexpr std::string_view kPromptCaption = "Headlands";
inline constexpr std::string_view kHistoryCaption = "MountTam";

// WM_COPYDATA tag of typed input (ANSI bytes, NUL-terminated).
inline constexpr std::uint32_t kTypedInputTag = 1;
// WM_COMMAND to the text window: the history goes to the clipboard.
inline constexpr std::uint32_t kCopyHistoryCommand = 0x800D;

// simhost.exe's automation channel: WM_COPYDATA lines (UTF-8) under its tag, answered with
// kAutomationOk or kAutomationFailed, the reply sent back to the sender's window (UTF-8).
inline constexpr std::uint32_t kAutomationTag = 0x5348;
inline constexpr std::uint32_t kAutomationReplyTag = 0x5349;
inline constexpr long kAutomationOk = 1;
inline constexpr long kAutomationFailed = 2;

}  // namespace kv::sim
