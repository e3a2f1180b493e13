// simhost.exe's automation channel from the driver's side: lines sent with WM_COPYDATA
// tag 0x5348 to the frame; the host answers before the send returns, by sending its
// reply (tag 0x5349) to the window named in the message, here a message-only window.
#pragma once

#include <windows.h>

#include <string>

namespace kv::e2e {

struct AutomationReply {
    bool delivered = false;  // the frame took the message
    bool ok = false;         // every line worked
    std::string text;        // what the lines printed (UTF-8)
};

class HostAutomation {
public:
    HostAutomation() = default;
    HostAutomation(const HostAutomation&) = delete;
    HostAutomation& operator=(const HostAutomation&) = delete;
    ~HostAutomation();

    AutomationReply Run(HWND frame, const std::string& lines);

private:
    bool EnsureWindow();
    static LRESULT CALLBACK ReplyProc(HWND w, UINT message, WPARAM wp, LPARAM lp);

    HWND window_ = nullptr;
    std::string reply_;
    bool replied_ = false;
};

}  // namespace kv::e2e
