// The window procedures of simhost.exe's window classes. Each window created with a
// HostFront as its creation parameter keeps it and hands its input to it.
#pragma once

#include <windows.h>

namespace kv::sim::win {

class HostFront;

// The frame's timer that ends a slow host's prompt lag.
constexpr UINT_PTR kPromptLagTimer = 1;

LRESULT CALLBACK FrameProc(HWND w, UINT message, WPARAM wp, LPARAM lp);
LRESULT CALLBACK DrawingWindowProc(HWND w, UINT message, WPARAM wp, LPARAM lp);
LRESULT CALLBACK CommandBarProc(HWND w, UINT message, WPARAM wp, LPARAM lp);
LRESULT CALLBACK TextWindowProc(HWND w, UINT message, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ViewProc(HWND w, UINT message, WPARAM wp, LPARAM lp);

// Keeps the creation parameter of WM_NCCREATE; the HostFront of a window after that.
void KeepFront(HWND w, LPARAM createStruct);
HostFront* FrontOf(HWND w);
// Typing is the same in every window of the host; true when the message was handled.
bool HandleTyping(HostFront& front, UINT message, WPARAM wp);

}  // namespace kv::sim::win
