#include "snapshot_request.h"

#include <string>

#include "polling.h"

namespace kv::e2e {

namespace {

constexpr unsigned kSnapshotTimeoutMs = 20000;
constexpr DWORD kSettleMs = 200;

CheckResult Request(const std::wstring& folder, const std::wstring& name, const std::string& geometry) {
    const std::wstring request = folder + L"\\" + name + L".request";
    HANDLE file =
        CreateFileW(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "cannot create the request file (error " + std::to_string(GetLastError()) + ")";
    }
    DWORD written = 0;
    const bool complete = WriteFile(file, geometry.data(), static_cast<DWORD>(geometry.size()), &written, nullptr) &&
                          written == geometry.size();
    CloseHandle(file);
    if (!complete) {
        DeleteFileW(request.c_str());
        return "cannot write the request file";
    }
    auto served = [&] { return GetFileAttributesW(request.c_str()) == INVALID_FILE_ATTRIBUTES; };
    if (!WaitUntil(served, kSnapshotTimeoutMs)) {
        DeleteFileW(request.c_str());
        return "nobody took the screenshot within 20 s";
    }
    return {};
}

}  // namespace

CheckResult RequestSnapshot(const std::wstring& folder, const std::wstring& name) { return Request(folder, name, {}); }

CheckResult RequestWindowSnapshot(const std::wstring& folder, const std::wstring& name, HWND window) {
    return RequestWindowsSnapshot(folder, name, {window});
}

CheckResult RequestWindowsSnapshot(const std::wstring& folder, const std::wstring& name,
                                   std::initializer_list<HWND> windows) {
    RECT all{};
    for (HWND window : windows) {
        RECT r{};
        if (!GetWindowRect(window, &r)) return "the window to photograph is gone";
        UnionRect(&all, &all, &r);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    // Wine copies a painted window to the X display a moment later, on its own; the picture
    // is for people to look at and decides no check, so a short wait is enough here.
    Sleep(kSettleMs);
    const std::string geometry = std::to_string(all.right - all.left) + "x" + std::to_string(all.bottom - all.top) +
                                 "+" + std::to_string(all.left) + "+" + std::to_string(all.top);
    return Request(folder, name, geometry);
}

}  // namespace kv::e2e
