#include "dxf/dxf_buffer.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "base/encoding.h"
#include "base/number_text.h"
#include "base/strings.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

// Offsets are uint32 with the top bit reserved for the edited flag.
constexpr size_t kMaxTextBytes = 0x7FFFFFFFu;

fs::path FsPath(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// Exports are nearly always pure ASCII; checking eight bytes at a time keeps the
// code-page conversion off the common path.
bool IsAscii(std::string_view s) {
    constexpr uint64_t kHighBits = 0x8080808080808080ull;
    size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & kHighBits) return false;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
    return true;
}

size_t CountLineBreaks(std::string_view s) {
    size_t n = 0;
    const char* p = s.data();
    const char* end = p + s.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
        ++n;
        ++p;
    }
    return n;
}

bool ReadWholeFile(const fs::path& path, std::string& out, std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) {
        error = "cannot read '" + path.string() + "': " + ec.message();
        return false;
    }
    if (size > kMaxTextBytes) {
        error = "cannot read '" + path.string() + "': file is 2 GiB or larger";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open '" + path.string() + "'";
        return false;
    }
    out.resize(static_cast<size_t>(size));
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    if (in.gcount() != static_cast<std::streamsize>(out.size())) {
        error = "cannot read '" + path.string() + "': short read";
        return false;
    }
    return true;
}

}  // namespace

bool DxfBuffer::LoadFile(std::string_view path, std::string* error) {
    Clear();
    std::string bytes;
    std::string why;
    if (!ReadWholeFile(FsPath(path), bytes, why)) {
        if (error) *error = why;
        return false;
    }
    if (!IsAscii(bytes)) bytes = AnsiToUtf8(bytes);
    if (bytes.size() > kMaxTextBytes) {
        if (error) *error = "cannot read '" + std::string(path) + "': file is 2 GiB or larger";
        return false;
    }
    Load(std::move(bytes));
    return true;
}

void DxfBuffer::Load(std::string text) {
    if (text.size() > kMaxTextBytes) throw std::length_error("DXF text of 2 GiB or more");
    Clear();
    data_ = std::move(text);
    if (data_.empty()) return;
    starts_.reserve(CountLineBreaks(data_) + 1);
    starts_.push_back(0);
    const char* base = data_.data();
    const char* end = base + data_.size();
    const char* p = base;
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
        ++p;
        if (p == end) break;  // a final line break does not open another line
        starts_.push_back(static_cast<uint32_t>(p - base));
    }
}

std::string DxfBuffer::Text() const {
    std::string out;
    out.reserve(data_.size() + LineCount());
    for (size_t i = 0; i < LineCount(); ++i) {
        out += Line(i);
        out += "\r\n";
    }
    return out;
}

bool DxfBuffer::SaveFile(std::string_view path) const {
    std::string text = Text();
    if (!IsAscii(text)) text = Utf8ToAnsi(text);
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

void DxfBuffer::Clear() {
    data_ = std::string();
    starts_ = std::vector<uint32_t>();
    edited_.clear();
}

std::string_view DxfBuffer::Line(size_t i) const {
    const uint32_t start = starts_.at(i);
    if (start & kEditedFlag) return edited_[start & ~kEditedFlag];
    const char* base = data_.data() + start;
    const size_t room = data_.size() - start;
    const void* nl = std::memchr(base, '\n', room);
    size_t len = nl ? static_cast<size_t>(static_cast<const char*>(nl) - base) : room;
    if (len > 0 && base[len - 1] == '\r') --len;
    return std::string_view(base, len);
}

void DxfBuffer::SetLine(size_t i, std::string_view text) {
    uint32_t& start = starts_.at(i);
    if (start & kEditedFlag) {
        edited_[start & ~kEditedFlag] = std::string(text);
        return;
    }
    edited_.emplace_back(text);
    start = kEditedFlag | static_cast<uint32_t>(edited_.size() - 1);
}

void DxfBuffer::EraseLines(size_t first, size_t count) {
    if (first >= starts_.size()) return;
    count = std::min(count, starts_.size() - first);
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(first),
                  starts_.begin() + static_cast<std::ptrdiff_t>(first + count));
}

void DxfBuffer::EraseLineRanges(std::vector<LineRange> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const LineRange& a, const LineRange& b) { return a.first < b.first; });
    size_t out = 0;
    size_t in = 0;
    for (const LineRange& r : ranges) {
        const size_t first = std::min(r.first, starts_.size());
        const size_t last = first + std::min(r.count, starts_.size() - first);
        for (; in < first; ++in) starts_[out++] = starts_[in];
        in = std::max(in, last);
    }
    for (; in < starts_.size(); ++in) starts_[out++] = starts_[in];
    starts_.resize(out);
}

std::string_view DxfBuffer::TrimmedCode(size_t pair) const { return TrimView(Code(pair)); }

std::string_view DxfBuffer::TrimmedValue(size_t pair) const { return TrimView(Value(pair)); }

int DxfBuffer::GroupCode(size_t pair) const {
    constexpr size_t kMaxDigits = 6;  // codes stop at 1071; this keeps the sum in range
    const std::string_view t = TrimmedCode(pair);
    if (t.empty() || t.size() > kMaxDigits || (t[0] == '0' && t.size() > 1)) return -1;
    int code = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        code = code * 10 + (c - '0');
    }
    return code;
}

bool DxfBuffer::IsPair(size_t pair, std::string_view code, std::string_view value) const {
    return TrimmedCode(pair) == code && TrimmedValue(pair) == value;
}

double DxfBuffer::RealValue(size_t pair) const {
    const std::string_view text = TrimmedValue(pair);
    double v = 0;
    if (!TryParseReal(text, v))
        throw ConversionError("line " + std::to_string(ValueLineNumber(pair)) + ": " +
                              RealConversionMessage(text));
    return v;
}

int DxfBuffer::IntValue(size_t pair) const {
    const std::string_view text = TrimmedValue(pair);
    int v = 0;
    if (!TryParseInt(text, v))
        throw ConversionError("line " + std::to_string(ValueLineNumber(pair)) + ": " +
                              IntConversionMessage(text));
    return v;
}

}  // namespace kv
