// Reading the palette's controls from outside its process: children with their class, text
// and screen rectangle, the tab control's items, the hints of the tooltip control.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kv::e2e {

struct ChildControl {
    HWND window = nullptr;
    std::wstring className;
    std::wstring text;
    RECT rect{};           // screen coordinates
    bool visible = false;  // shown, and every parent shown
    bool groupBox = false;
};

std::vector<ChildControl> ChildControls(HWND palette);
// The visible push button or check box showing `text`, if exactly one does.
std::optional<ChildControl> VisibleControl(HWND palette, const std::wstring& text);
int CountControls(HWND palette, const std::wstring& text);

std::wstring TextOf(HWND window);
RECT ClientRectOnScreen(HWND window);
int ClientHeight(HWND window);

HWND TabControl(HWND palette);
std::vector<std::wstring> TabNames(HWND tabs);
int SelectedTab(HWND tabs);
// Clicks the tab as the mouse would; false when its rectangle could not be read.
bool ClickTab(HWND tabs, int index);
void ClickButton(HWND button);

// The text each control's hint shows, keyed by the control's caption.
std::map<std::wstring, std::wstring> HintsByCaption(HWND palette);

}  // namespace kv::e2e
