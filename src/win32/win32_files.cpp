#include "win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "base/encoding.h"

namespace kv {

namespace {

// A file handle closed on every path out of a scope.
class ScopedFile {
public:
    explicit ScopedFile(HANDLE h) : h_(h) {}
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    ~ScopedFile() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

class ScopedFind {
public:
    explicit ScopedFind(HANDLE h) : h_(h) {}
    ScopedFind(const ScopedFind&) = delete;
    ScopedFind& operator=(const ScopedFind&) = delete;
    ~ScopedFind() {
        if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
    }
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

bool IsDotEntry(const wchar_t* name) {
    return (name[0] == L'.' && name[1] == L'\0') || (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

HANDLE OpenToRead(std::string_view path) {
    return CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

std::wstring SearchPattern(std::string_view folder) {
    std::wstring pattern = Utf8ToWide(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    return pattern + L"*";
}

}  // namespace

bool Win32Files::Exists(std::string_view path) {
    return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Files::Delete(std::string_view path) { return DeleteFileW(Utf8ToWide(path).c_str()) != 0; }

std::optional<std::string> Win32Files::ReadText(std::string_view path) {
    ScopedFile file(OpenToRead(path));
    if (!file.valid()) return std::nullopt;
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) return std::nullopt;
        if (read == 0) return AnsiToUtf8(bytes);
        bytes.append(chunk.data(), read);
    }
}

bool Win32Files::ReadChunks(std::string_view path, ChunkReader& reader) {
    ScopedFile file(OpenToRead(path));
    if (!file.valid()) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return false;
    reader.Start(static_cast<uint64_t>(size.QuadPart));
    for (;;) {
        const std::span<char> room = reader.Room();
        // One ReadFile call takes at most 4 GB; a chunk is far smaller.
        const DWORD want = static_cast<DWORD>(std::min<size_t>(room.size(), std::numeric_limits<DWORD>::max()));
        DWORD read = 0;
        if (!ReadFile(file.get(), room.data(), want, &read, nullptr)) return false;
        if (read == 0) return true;  // the end of the file
        reader.Filled(read);
    }
}

bool Win32Files::WriteText(std::string_view path, std::string_view text) {
    const std::string bytes = Utf8ToAnsi(text);
    if (bytes.size() > std::numeric_limits<DWORD>::max()) return false;
    ScopedFile file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return false;
    return written == bytes.size();
}

std::vector<FolderEntry> Win32Files::ListFolder(std::string_view path) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    ScopedFind find(FindFirstFileW(SearchPattern(path).c_str(), &found));
    if (!find.valid()) return entries;
    do {
        if (IsDotEntry(found.cFileName)) continue;
        entries.push_back({WideToUtf8(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0, found.dwFileAttributes});
    } while (FindNextFileW(find.get(), &found));
    return entries;
}

void Win32Clock::Sleep(int milliseconds) { ::Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }

long long Win32Clock::Milliseconds() { return static_cast<long long>(::GetTickCount64()); }

}  // namespace kv
