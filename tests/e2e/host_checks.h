// Checks on simhost.exe that no story makes: its drawing view, the view variables against
// the view's real size, a mouse click in the view, and its exit. The stories run under
// Wine find its windows, type into it and read it as the palette does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "check_list.h"
#include "host_automation.h"
#include "host_windows.h"

namespace kv::e2e {

// The host process as the checks find it; filled by the first check.
struct HostUnderTest {
    HostWindows windows;
    HANDLE process = nullptr;
    HostAutomation automation;

    HostUnderTest() = default;
    HostUnderTest(const HostUnderTest&) = delete;
    HostUnderTest& operator=(const HostUnderTest&) = delete;
    ~HostUnderTest() {
        if (process) CloseHandle(process);
    }

    std::string Prompt() const { return ControlTextA(windows.prompt); }
    // The finished history lines as the text window holds them.
    std::string History() const { return ControlTextA(windows.textHistory); }
    std::string LastHistoryLine() const;
};

std::vector<Check> HostChecks(HostUnderTest& host);
std::vector<Check> HostCloseChecks(HostUnderTest& host);

}  // namespace kv::e2e
