// The palette: the view of TFormKvaneMain. It creates the real controls from the pages'
// control tables, forwards every event to the model's handler, and after every handler and
// every timer tick copies the model back into the controls, the window's caption and height,
// the two timers and the open dialogs. The model is the single source of truth.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/palette_layout.h"
#include "app/settings_file.h"
#include "win32/control_windows.h"
#include "win32/scoped_gdi.h"
#include "win32/win32_ui.h"

namespace kv {

class PaletteWindow {
public:
    PaletteWindow(TFormKvaneMain& form, Win32Ui& ui, SettingsFile& settings);
    PaletteWindow(const PaletteWindow&) = delete;
    PaletteWindow& operator=(const PaletteWindow&) = delete;
    ~PaletteWindow();

    // Creates the window hidden with all its controls, loads the settings and places the
    // window where they say. False when the window could not be created.
    bool Create(HINSTANCE instance);
    void Show(int showCommand);
    HWND Handle() const { return window_; }

private:
    struct LiveTimer {
        bool running = false;
        int interval = 0;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateFrame(HINSTANCE instance);
    void CreateControls(HINSTANCE instance);
    void PlaceFromSettings();
    void OnTabChange();
    void OnDestroy();

    // Runs a model handler, then refreshes the controls from the model.
    void Run(const std::function<void()>& handler);
    void Refresh();
    void RefreshHeight();
    void RefreshPage();
    void RefreshTimer(UINT_PTR id, const TimerControl& timer, LiveTimer& live);
    void LayoutPages();
    void ProcessMessages();

    TFormKvaneMain& form_;
    Win32Ui& ui_;
    SettingsFile& settings_;
    HWND window_ = nullptr;
    HWND tabs_ = nullptr;
    std::array<HWND, kPaletteTabCount> pages_{};
    ControlWindows controls_;
    ScopedFont font_;
    std::string caption_;
    int clientHeight_ = 0;
    int activePage_ = -1;
    LiveTimer timer1_;
    LiveTimer timer2_;
    bool refreshing_ = false;
};

}  // namespace kv
