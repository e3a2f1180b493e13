#include "host_checks.h"

#include <filesystem>
#include <fstream>
#include <cstdio>
#include <sstream>

#include "polling.h"

namespace kv::e2e {

namespace {

// Wine starts its server and desktop on the first program of a session: allow for it.
constexpr unsigned kStartTimeoutMs = 30000;
constexpr unsigned kCloseTimeoutMs = 10000;
constexpr unsigned kClickTimeoutMs = 5000;
constexpr UINT kCopyHistoryCommand = 0x800D;

const char kIdlePrompt[] = "コマンド: ";
const char kFirstPointPrompt[] = "1 点目を指定: ";
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

CheckResult CheckFrame(const HostUnderTest& host) {
    if (!host.windows.frame) return kNoHost;
    std::string caption = CaptionA(host.windows.frame);
    if (caption != "AutoCAD 2000 - [Drawing1.dwg]") return "caption " + Quoted(caption);
    std::string className = ClassNameA(host.windows.frame);
    if (!BeginsWith(className, "Afx:400000:8:")) return "class " + Quoted(className);
    return {};
}

CheckResult CheckCommandLine(const HostUnderTest& host) {
    if (!host.windows.frame) return kNoHost;
    if (!host.windows.prompt) return "no \"Headlands\" control in the frame";
    if (!host.windows.history) return "no \"MountTam\" control in the frame";
    std::string prompt = host.Prompt();
    if (prompt != kIdlePrompt) return "Headlands reads " + Quoted(prompt);
    return {};
}

CheckResult CheckTextWindow(const HostUnderTest& host) {
    if (!host.windows.frame) return kNoHost;
    if (!host.windows.textWindow) return "no text window (Afx:...400000:b:..., the frame's thread)";
    std::string caption = CaptionA(host.windows.textWindow);
    if (caption != "AutoCAD テキスト ウィンドウ - Drawing1.dwg") return "caption " + Quoted(caption);
    if (!host.windows.textPrompt || !host.windows.textHistory) return "Headlands or MountTam missing in it";
    if (host.windows.textPrompt == host.windows.prompt) return "the text window's Headlands is the frame's";
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

CheckResult CheckTypedLine(const HostUnderTest& host) {
    if (!SendTyped(host.windows.frame, "\x03LINE ")) return kNoHost;
    // Read at once: the host answered before the send returned.
    std::string prompt = host.Prompt();
    if (prompt != kFirstPointPrompt) return "right after sending, Headlands reads " + Quoted(prompt);
    std::string name = CaptionA(host.windows.prompt);
    if (name != "Headlands") return "the control's window name became " + Quoted(name);
    if (host.LastHistoryLine() != "コマンド: LINE") return "last history line " + Quoted(host.LastHistoryLine());
    if (ControlTextA(host.windows.textPrompt) != kFirstPointPrompt) return "the text window's prompt did not follow";
    return {};
}

std::string ClipboardAnsi() {
    if (!OpenClipboard(nullptr)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

CheckResult CheckHistoryCopy(const HostUnderTest& host) {
    if (!host.windows.textWindow) return "no text window";
    SendMessageA(host.windows.textWindow, WM_COMMAND, kCopyHistoryCommand, 0);
    std::string copied = AnsiToUtf8(ClipboardAnsi());
    std::string shown = host.History();
    SendTyped(host.windows.frame, "\x03");
    if (copied.empty()) return "nothing on the clipboard";
    const std::string last = "コマンド: LINE\r\n";
    if (copied.size() < last.size() || copied.compare(copied.size() - last.size(), last.size(), last) != 0) {
        return "the clipboard ends " + Quoted(copied.substr(copied.size() > 40 ? copied.size() - 40 : 0));
    }
    for (std::size_t i = 0; i < copied.size(); ++i) {
        if (copied[i] == '\n' && (i == 0 || copied[i - 1] != '\r')) return "a line ends in LF without CR";
    }
    if (copied != shown) return "the clipboard differs from the MountTam text";
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

CheckResult CheckChannelDraws(HostUnderTest& host) {
    AutomationReply drawn = host.automation.Run(host.windows.frame, "\\x03LINE \n:pick 150,250\n:pick 230,250\n:enter");
    if (!drawn.delivered) return "no reply from the automation channel";
    if (!drawn.ok) return "a line failed: " + drawn.text;
    std::string entities = host.Entities();
    if (!ListsLine(entities, "150,250,0", "230,250,0")) return "no LINE 150,250 - 230,250 in:\n" + entities;
    AutomationReply bad = host.automation.Run(host.windows.frame, ":pick here");
    if (bad.ok || bad.text.find(":pick wants a point") == std::string::npos) return "a bad line was not refused";
    return {};
}

CheckResult CheckDump(HostUnderTest& host) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"kve2e-simhost-dump.dxf";
    DeleteFileW(path.c_str());
    AutomationReply dumped = host.automation.Run(host.windows.frame, ":dump " + WideToUtf8(path));
    if (!dumped.ok) return ":dump failed: " + dumped.text;
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string dxf = bytes.str();
    DeleteFileW(path.c_str());
    if (dxf.find("AC1015") == std::string::npos) return "the dump is no release 2000 DXF file";
    std::size_t from = dxf.find("\nENTITIES\r\n");
    std::size_t to = dxf.find("\nENDSEC\r\n", from == std::string::npos ? 0 : from);
    if (from == std::string::npos || to == std::string::npos) return "the dump has no ENTITIES section";
    std::string entities = dxf.substr(from, to - from);
    int lines = 0;
    for (std::size_t at = entities.find("\nLINE\r\n"); at != std::string::npos;
         at = entities.find("\nLINE\r\n", at + 1)) {
        ++lines;
    }
    int listed = CountKind(host.Entities(), "LINE");
    if (lines != listed)
        return "the dump holds " + std::to_string(lines) + " LINE entities, the drawing " + std::to_string(listed);
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

std::string HostUnderTest::Entities() {
    AutomationReply reply = automation.Run(windows.frame, ":entities");
    return reply.ok ? reply.text : std::string();
}

std::vector<Check> HostWindowChecks(HostUnderTest& host) {
    return {
        {"simhost frame appears", [&] { return FindHost(host); }},
        {"simhost frame: caption and Afx:400000:8: class", [&] { return CheckFrame(host); }},
        {"simhost command line: Headlands idle prompt, MountTam", [&] { return CheckCommandLine(host); }},
        {"simhost text window: caption, class, thread, controls", [&] { return CheckTextWindow(host); }},
        {"simhost drawing view through MDIClient and WM_MDIGETACTIVE", [&] { return CheckDrawingView(host); }},
        {"simhost answers WM_COPYDATA tag 1 before it returns", [&] { return CheckTypedLine(host); }},
        {"simhost text window copies the history with 0x800D", [&] { return CheckHistoryCopy(host); }},
    };
}

std::vector<Check> HostChannelChecks(HostUnderTest& host) {
    return {
        {"simhost VIEWCTR, VIEWSIZE, SCREENSIZE follow the view", [&] { return CheckViewVariables(host); }},
        {"simhost click in the view picks that point", [&] { return CheckClickPicks(host); }},
        {"simhost automation channel draws and lists", [&] { return CheckChannelDraws(host); }},
        {"simhost DXF dump holds the whole drawing", [&] { return CheckDump(host); }},
    };
}

std::vector<Check> HostCloseChecks(HostUnderTest& host) {
    return {{"simhost closes on WM_CLOSE with exit code 0", [&] { return CloseHost(host); }}};
}

}  // namespace kv::e2e
