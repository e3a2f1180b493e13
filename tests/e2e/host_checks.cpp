#include "host_checks.h"

#include <cstdio>

#include "polling.h"

namespace kv::e2e {

namespace {

// Wine starts its server and desktop on the first program of a session: allow for it.
constexpr unsigned kStartTimeoutMs = 30000;
constexpr unsigned kCloseTimeoutMs = 10000;
constexpr unsigned kClickTimeoutMs = 5000;

const CheckResult kNoHost = "simhost.exe's frame was not found";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

CheckResult FindHost(HostUnderTest& host) {
    bool shown = WaitUntil(
        [&] {
            host.windows = FindHostWindows();
            return host.windows.frame && IsWindowVisible(host.windows.frame);
        },
        kStartTimeoutMs);
    if (!host.windows.frame) return "no top-level \"AutoCAD \" window of class Afx:...400000:8:... within 30 s";
    if (!shown) return "the frame exists but is not visible";
    DWORD pid = 0;
    GetWindowThreadProcessId(host.windows.frame, &pid);
    host.process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!host.process) return "cannot open simhost's process (error " + std::to_string(GetLastError()) + ")";
    return {};
}

CheckResult CheckDrawingView(const HostUnderTest& host) {
    if (!host.windows.mdiClient) return "no MDIClient child of the frame";
    if (!host.windows.drawingWindow) return "WM_MDIGETACTIVE answered no drawing window";
    if (!host.windows.view)
        return "no Afx:...400000:28:... view in the drawing window (class of the drawing window: " +
               Quoted(ClassNameA(host.windows.drawingWindow)) + ")";
    RECT r{};
    GetWindowRect(host.windows.view, &r);
    if (r.right - r.left < 100 || r.bottom - r.top < 100)
        return "the view is only " + std::to_string(r.right - r.left) + " x " + std::to_string(r.bottom - r.top) +
               " pixels";
    return {};
}

// A read-only variable typed as a transparent command prints "NAME = value (...)".
std::string ReadOnlyVariable(const HostUnderTest& host, const std::string& name) {
    SendTyped(host.windows.frame, "'" + name + "\r");
    std::string line = host.LastHistoryLine();
    std::size_t eq = line.find(" = ");
    std::size_t open = line.find(" (");
    if (eq == std::string::npos || open == std::string::npos || open < eq) return "?" + line;
    return line.substr(eq + 3, open - eq - 3);
}

CheckResult CheckViewVariables(HostUnderTest& host) {
    AutomationReply zoom = host.automation.Run(host.windows.frame, ":zoom 100,50 80");
    if (!zoom.ok) return "the automation channel refused :zoom: " + zoom.text;
    RECT client{};
    GetClientRect(host.windows.view, &client);
    std::string size = std::to_string(client.right) + ".0000," + std::to_string(client.bottom) + ".0000";
    std::string center = ReadOnlyVariable(host, "VIEWCTR");
    if (center != "100.0000,50.0000,0.0000") return "VIEWCTR " + Quoted(center);
    std::string height = ReadOnlyVariable(host, "VIEWSIZE");
    if (height != "80.0000") return "VIEWSIZE " + Quoted(height);
    std::string screen = ReadOnlyVariable(host, "SCREENSIZE");
    if (screen != size) return "SCREENSIZE " + Quoted(screen) + ", the view's client area is " + size;
    return {};
}

CheckResult CheckClickPicks(HostUnderTest& host) {
    SendTyped(host.windows.frame, "\x03ID ");
    RECT client{};
    GetClientRect(host.windows.view, &client);
    // A pixel a quarter of the view right of and above the middle; the view shows 80 units
    // from top to bottom around 100,50, its middle at half the client size.
    int column = client.right / 2 + client.bottom / 4;
    int row = client.bottom / 2 - client.bottom / 4;
    double unitsPerPixel = 80.0 / client.bottom;
    char expected[96];
    std::snprintf(expected, sizeof expected, "X = %.4f     Y = %.4f     Z = 0.0000",
                  100 + (column - client.right / 2.0) * unitsPerPixel,
                  50 - (row - client.bottom / 2.0) * unitsPerPixel);
    LPARAM at = MAKELPARAM(column, row);
    PostMessageW(host.windows.view, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(host.windows.view, WM_LBUTTONUP, 0, at);
    bool picked = WaitUntil([&] { return host.LastHistoryLine() == expected; }, kClickTimeoutMs);
    host.automation.Run(host.windows.frame, ":zoom extents");
    if (!picked) return "after a click in the middle of the view the history ends " + Quoted(host.LastHistoryLine());
    return {};
}

CheckResult CloseHost(const HostUnderTest& host) {
    if (!host.windows.frame) return kNoHost;
    PostMessageW(host.windows.frame, WM_CLOSE, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(host.windows.frame); }, kCloseTimeoutMs)) {
        return "the frame is still there 10 s after WM_CLOSE";
    }
    if (!host.process || WaitForSingleObject(host.process, kCloseTimeoutMs) != WAIT_OBJECT_0) {
        return "the process did not end";
    }
    DWORD code = 0;
    GetExitCodeProcess(host.process, &code);
    if (code != 0) return "exit code " + std::to_string(code);
    return {};
}

}  // namespace

std::string HostUnderTest::LastHistoryLine() const {
    std::string text = History();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    std::size_t cut = text.find_last_of("\r\n");
    return cut == std::string::npos ? text : text.substr(cut + 1);
}

std::vector<Check> HostChecks(HostUnderTest& host) {
    return {
        {"simhost frame appears", [&] { return FindHost(host); }},
        {"simhost drawing view through MDIClient and WM_MDIGETACTIVE", [&] { return CheckDrawingView(host); }},
        {"simhost VIEWCTR, VIEWSIZE, SCREENSIZE follow the view", [&] { return CheckViewVariables(host); }},
        {"simhost click in the view picks that point", [&] { return CheckClickPicks(host); }},
    };
}

std::vector<Check> HostCloseChecks(HostUnderTest& host) {
    return {{"simhost closes on WM_CLOSE with exit code 0", [&] { return CloseHost(host); }}};
}

}  // namespace kv::e2e
