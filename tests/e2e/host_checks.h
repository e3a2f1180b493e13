// Checks on simhost.exe as the palette meets it: the windows its searches find, the
// prompt and history it reads, the clipboard copy, the view variables, a click in the
// view, and the automation channel the later checks act through.
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
    // The drawing as ":entities" lists it; empty when the channel failed.
    std::string Entities();
};

std::vector<Check> HostWindowChecks(HostUnderTest& host);
std::vector<Check> HostChannelChecks(HostUnderTest& host);
std::vector<Check> HostCloseChecks(HostUnderTest& host);

}  // namespace kv::e2e
