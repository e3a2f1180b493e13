#include "platform/native_files.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "base/encoding.h"

namespace kv {

namespace fs = std::filesystem;

namespace {
fs::path FsPath(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Name(const fs::path& p) {
    std::u8string s = p.filename().u8string();
    return std::string(s.begin(), s.end());
}
}  // namespace

bool NativeFiles::Exists(std::string_view path) {
    std::error_code ec;
    return fs::exists(FsPath(path), ec);
}

bool NativeFiles::Delete(std::string_view path) {
    std::error_code ec;
    return fs::remove(FsPath(path), ec);
}

std::optional<std::string> NativeFiles::ReadText(std::string_view path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return AnsiToUtf8(bytes);
}

bool NativeFiles::ReadChunks(std::string_view path, ChunkReader& reader) {
    std::error_code ec;
    const auto size = fs::file_size(FsPath(path), ec);
    if (ec) return false;
    std::ifstream in(FsPath(path), std::ios::binary);
    if (!in) return false;
    reader.Start(size);
    for (;;) {
        const std::span<char> room = reader.Room();
        in.read(room.data(), static_cast<std::streamsize>(room.size()));
        if (in.bad()) return false;
        const auto count = static_cast<size_t>(in.gcount());
        if (count > 0) reader.Filled(count);
        if (count < room.size()) return true;  // the end of the file
    }
}

bool NativeFiles::WriteText(std::string_view path, std::string_view text) {
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << Utf8ToAnsi(text);
    out.flush();
    return static_cast<bool>(out);
}

std::vector<FolderEntry> NativeFiles::ListFolder(std::string_view path) {
    std::vector<FolderEntry> entries;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(FsPath(path), ec)) {
        std::string name = Utf8Name(e.path());
        const bool folder = e.is_directory(ec);
        const bool hidden = !name.empty() && name[0] == '.';
        const unsigned attributes =
            (folder ? file_attribute::kDirectory : file_attribute::kArchive) | (hidden ? file_attribute::kHidden : 0U);
        entries.push_back({name, folder, hidden, attributes});
    }
    return entries;
}

void NativeClock::Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

long long NativeClock::Milliseconds() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

}  // namespace kv
