#include "snapshot_request.h"

#include <windows.h>

#include "polling.h"

namespace kv::e2e {

namespace {

constexpr unsigned kSnapshotTimeoutMs = 20000;

}  // namespace

CheckResult RequestSnapshot(const std::wstring& folder, const std::wstring& name) {
    const std::wstring request = folder + L"\\" + name + L".request";
    HANDLE file = CreateFileW(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "cannot create the request file (error " + std::to_string(GetLastError()) + ")";
    }
    CloseHandle(file);
    auto served = [&] { return GetFileAttributesW(request.c_str()) == INVALID_FILE_ATTRIBUTES; };
    if (!WaitUntil(served, kSnapshotTimeoutMs)) {
        DeleteFileW(request.c_str());
        return "nobody took the screenshot within 20 s";
    }
    return {};
}

}  // namespace kv::e2e
