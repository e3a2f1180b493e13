#include "dxf/dxf_buffer.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "base/encoding.h"
#include "base/number_text.h"
#include "dxf/huge_pages.h"

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

std::vector<LineRange> SortedClippedRanges(std::vector<LineRange> ranges, size_t lineCount) {
    std::vector<LineRange> out;
    for (const LineRange& r : ranges) {
        if (r.first >= lineCount || r.count == 0) continue;
        out.push_back({r.first, std::min(r.count, lineCount - r.first)});
    }
    std::sort(out.begin(), out.end(), [](const LineRange& a, const LineRange& b) { return a.first < b.first; });
    std::vector<LineRange> merged;
    for (const LineRange& r : out) {
        if (!merged.empty() && r.first <= merged.back().first + merged.back().count) {
            const size_t end = std::max(merged.back().first + merged.back().count, r.first + r.count);
            merged.back().count = end - merged.back().first;
        } else {
            merged.push_back(r);
        }
    }
    return merged;
}

bool ReadWholeFile(const fs::path& path, std::string& out, std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) {
        error = "cannot read '" + path.string() + "': " + ec.message();
        return false;
    }
    if (size >= kMaxTextBytes) {
        error = "cannot read '" + path.string() + "': file is 2 GiB or larger";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open '" + path.string() + "'";
        return false;
    }
    out.reserve(static_cast<size_t>(size) + 1);  // room for the final line break
    AdviseHugePages(out.data(), out.capacity());
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
    if (bytes.size() >= kMaxTextBytes) {
        if (error) *error = "cannot read '" + std::string(path) + "': file is 2 GiB or larger";
        return false;
    }
    Load(std::move(bytes));
    return true;
}

void DxfBuffer::Load(std::string text) {
    if (text.size() >= kMaxTextBytes) throw std::length_error("DXF text of 2 GiB or more");
    Clear();
    data_ = std::move(text);
    if (data_.empty()) return;
    if (data_.back() != '\n') data_.push_back('\n');
    IndexPairs();
}

void DxfBuffer::IndexPairs() {
    const char* text = data_.data();
    const size_t size = data_.size();
    lineCount_ = static_cast<size_t>(std::count(text, text + size, '\n'));
    pairStarts_.reserve((lineCount_ + 1) / 2);
    AdviseHugePages(pairStarts_.data(), pairStarts_.capacity() * sizeof(uint32_t));
    pairStarts_.resize((lineCount_ + 1) / 2);
    uint32_t* out = pairStarts_.data();
    *out++ = 0;
    size_t line = 0;
    for (size_t i = 0; i + 1 < size; ++i) {
        if (text[i] != '\n') continue;
        if ((++line & 1) == 0) *out++ = static_cast<uint32_t>(i + 1);
    }
}

std::string DxfBuffer::Text() const {
    std::string out;
    out.reserve(data_.size() + LineCount() + 16);
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
    pairStarts_ = std::vector<uint32_t>();
    lineCount_ = 0;
    edited_.clear();
}

void DxfBuffer::ThrowPastEnd(size_t i) {
    throw std::out_of_range("DXF line " + std::to_string(i) + " past the end");
}

std::string_view DxfBuffer::EditedLine(size_t i) const {
    const EditedPair& p = edited_[pairStarts_[i / 2] & ~kEditedFlag];
    return i % 2 ? p.value : p.code;
}

void DxfBuffer::SetLine(size_t i, std::string_view text) {
    if (i >= lineCount_) ThrowPastEnd(i);
    const size_t pair = i / 2;
    if (!(pairStarts_[pair] & kEditedFlag)) {
        EditedPair p{std::string(Line(2 * pair)), 2 * pair + 1 < lineCount_ ? std::string(Value(pair)) : ""};
        edited_.push_back(std::move(p));
        pairStarts_[pair] = kEditedFlag | static_cast<uint32_t>(edited_.size() - 1);
    }
    EditedPair& p = edited_[pairStarts_[pair] & ~kEditedFlag];
    (i % 2 ? p.value : p.code) = std::string(text);
}

void DxfBuffer::EraseLines(size_t first, size_t count) { EraseLineRanges({{first, count}}); }

void DxfBuffer::EraseLineRanges(std::vector<LineRange> ranges) {
    const std::vector<LineRange> sorted = SortedClippedRanges(std::move(ranges), lineCount_);
    for (const LineRange& r : sorted) {
        if (r.first % 2 != 0 || (r.count % 2 != 0 && r.first + r.count != lineCount_)) {
            RebuildWithout(sorted);
            return;
        }
    }
    size_t out = 0;
    size_t in = 0;
    for (const LineRange& r : sorted) {
        for (; in < r.first / 2; ++in) pairStarts_[out++] = pairStarts_[in];
        in = (r.first + r.count + 1) / 2;
        lineCount_ -= r.count;
    }
    for (; in < pairStarts_.size(); ++in) pairStarts_[out++] = pairStarts_[in];
    pairStarts_.resize(out);
}

void DxfBuffer::RebuildWithout(const std::vector<LineRange>& sortedRanges) {
    std::string text;
    text.reserve(data_.size());
    size_t next = 0;
    for (size_t i = 0; i < lineCount_; ++i) {
        if (next < sortedRanges.size() && i >= sortedRanges[next].first) {
            i = sortedRanges[next].first + sortedRanges[next].count - 1;
            ++next;
            continue;
        }
        text += Line(i);
        text += '\n';
    }
    Load(std::move(text));
}

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
