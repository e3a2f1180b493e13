#include "dxf/dxf_buffer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "base/encoding.h"
#include "base/number_text.h"
#include "platform/huge_pages.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

// Offsets are uint32 with the top bit reserved for the edited flag.
constexpr size_t kMaxTextBytes = 0x7FFFFFFFu;

fs::path FsPath(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

constexpr uint64_t kHighBits = 0x8080808080808080ull;

bool IsAscii(const char* p, const char* end) {
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & kHighBits) return false;
    }
    for (; p < end; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80) return false;
    return true;
}

// A plain count, which compilers turn into vector code: the per-byte loop costs more than the rest
// of the load.
size_t CountLineBreaks(const char* p, const char* end) { return static_cast<size_t>(std::count(p, end, '\n')); }

// The line from `from` up to its "\n" at `lineEnd` without one CR before it.
std::string_view LineText(const char* from, const char* lineEnd) {
    size_t length = static_cast<size_t>(lineEnd - from);
    if (length > 0 && from[length - 1] == '\r') --length;
    return std::string_view(from, length);
}

// Stores a line and its "\n" at `to`, which may overlap the line's old place before it.
char* StoreLine(char* to, std::string_view line) {
    std::memmove(to, line.data(), line.size());
    to[line.size()] = '\n';
    return to + line.size() + 1;
}

// Exports right-align codes in three columns ("  0", " 10", "330") before CR LF or LF; this reads
// that form without loops. The code, and `end` at the line's "\n"; -1 for any other line.
int AlignedCode(const char* p, const char*& end) {
    const auto digit = [](char c) { return static_cast<unsigned>(c - '0'); };
    // Each test stops at the line's "\n", so no byte past it is read.
    const auto column = [&](char c) { return c == ' ' || digit(c) <= 9; };
    if (!column(p[0]) || !column(p[1]) || digit(p[2]) > 9) return -1;
    end = p[3] == '\n' ? p + 3 : p[3] == '\r' && p[4] == '\n' ? p + 4 : nullptr;
    if (!end) return -1;
    int value = 0;
    if (p[0] != ' ') {  // three digits: no leading zero
        if (p[0] == '0' || p[1] == ' ') return -1;
        value = 100 * static_cast<int>(digit(p[0])) + 10 * static_cast<int>(digit(p[1]));
    } else if (p[1] != ' ') {
        if (p[1] == '0') return -1;
        value = 10 * static_cast<int>(digit(p[1]));
    }
    return value + static_cast<int>(digit(p[2]));
}

// Any code line: the code when the trimmed line is a plain decimal of at most three digits, -1
// otherwise; `end` at the line's "\n", found in the same pass.
int LooseCode(const char* p, const char*& end) {
    constexpr int kMaxDigits = 3;  // a fourth makes the code 1000 or more, or gives it a leading zero
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\n'; };
    while (blank(*p)) ++p;
    const char* digits = p;
    int value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (p - digits < kMaxDigits) value = value * 10 + (*p - '0');
    const long digitCount = p - digits;
    while (blank(*p)) ++p;
    if (*p != '\n') {
        while (*p != '\n') ++p;
        end = p;
        return -1;
    }
    end = p;
    if (digitCount == 0 || digitCount > kMaxDigits || (digitCount > 1 && *digits == '0')) return -1;
    return value;
}

struct MovedLine {
    char* to;          // past the stored "\n"
    const char* next;  // past the line's "\n" in the text
    bool ascii;
};

// Moves the line at `from` down to `to` without one CR before its "\n" and tells whether it holds
// bytes outside ASCII: the one pass over each value. Eight bytes at a time while a whole word may
// be written, that is while nothing unread lies within a word above `to` (or `to` is `from`, and
// the bytes are written back where they are); the text ends with "\n" at `end`.
MovedLine MoveLine(char* to, const char* from, const char* end) {
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const auto gap = from - to;
    size_t k = 0;
    uint64_t high = 0;
    char last = '\0';  // the byte before the word being read
    if (gap == 0 || gap >= 8) {
        for (; end - (from + k) >= 8; k += 8) {
            uint64_t word;
            std::memcpy(&word, from + k, 8);
            std::memcpy(to + k, &word, 8);
            const uint64_t x = word ^ (kOnes * '\n');
            // The cheap zero-byte test: exact for the lowest zero byte, the first "\n" in the text.
            const uint64_t breaks = (x - kOnes) & ~x & kHighBits;
            if (!breaks) {
                high |= word;
                last = static_cast<char>(word >> 56);
                continue;
            }
            const int at = std::countr_zero(breaks) / 8;
            if (at > 0) {
                high |= word & (~uint64_t{0} >> (64 - 8 * at));
                last = static_cast<char>(word >> (8 * (at - 1)));
            }
            size_t length = k + static_cast<size_t>(at);
            if (length > 0 && last == '\r') --length;
            to[length] = '\n';
            return {to + length + 1, from + k + static_cast<size_t>(at) + 1, (high & kHighBits) == 0};
        }
    }
    // The rest byte by byte; the words already moved may have overwritten the start of the line.
    const char* lineEnd = static_cast<const char*>(std::memchr(from + k, '\n', static_cast<size_t>(end - from - k)));
    const bool ascii = (high & kHighBits) == 0 && IsAscii(from + k, lineEnd);
    const char before = lineEnd > from + k ? lineEnd[-1] : last;
    size_t length = static_cast<size_t>(lineEnd - from);
    std::memmove(to + k, from + k, length - k);
    if (length > 0 && before == '\r') --length;
    to[length] = '\n';
    return {to + length + 1, lineEnd + 1, ascii};
}

// Plain decimals ("-12.5", "3", up to 16 digits as exports write coordinates) computed directly:
// a mantissa of at most 2^53 and a power of ten of at most 10^22 are both exact doubles, so one
// division rounds correctly and gives the value from_chars gives. Reads "[-]digits[.digits]" at
// `p` and returns the end of it; nullptr for any other form or more digits than that.
const char* ScanPlainDecimal(const char* p, double& out) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr uint64_t kMaxExactMantissa = uint64_t{1} << 53;
    constexpr long kMaxDigits = 19;  // beyond, the mantissa may have wrapped
    const auto digit = [](char c) { return static_cast<unsigned>(c - '0'); };
    const bool negative = *p == '-';
    if (negative) ++p;
    uint64_t mantissa = 0;
    const char* first = p;
    for (; digit(*p) <= 9; ++p) mantissa = mantissa * 10 + digit(*p);
    long digits = p - first;
    long fractionDigits = 0;
    if (*p == '.') {
        const char* fraction = ++p;
        for (; digit(*p) <= 9; ++p) mantissa = mantissa * 10 + digit(*p);
        fractionDigits = p - fraction;
    }
    digits += fractionDigits;
    if (digits == 0 || digits > kMaxDigits || mantissa > kMaxExactMantissa) return nullptr;
    const double v = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    out = negative ? -v : v;
    return p;
}

// TryParseReal and TryParseInt on text already trimmed, inline: a large export holds millions of
// numbers, and the second trim and the calls cost a third of the conversion.
bool ReadTrimmedReal(std::string_view t, double& out) {
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    // from_chars takes no leading '+' and would take "inf"/"nan"; neither is a number here.
    const char first = t.front();
    if (!((first >= '0' && first <= '9') || first == '-' || first == '.')) return false;
    double v = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

bool ReadTrimmedInt(std::string_view t, int& out) {
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    int v = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), v, 10);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size()) return false;
    out = v;
    return true;
}

std::vector<LineRange> SortedClippedRanges(const std::vector<LineRange>& ranges, size_t lineCount) {
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

// Lines ending in "\n", converted from the code page in one call. A conversion that merged or
// split lines (a lead byte before a break) is redone line by line, so that lines stay lines.
std::string ConvertLines(const std::string& ansi) {
    std::string utf8 = AnsiToUtf8(ansi);
    if (std::count(utf8.begin(), utf8.end(), '\n') == std::count(ansi.begin(), ansi.end(), '\n')) return utf8;
    utf8.clear();
    for (size_t start = 0, end; start < ansi.size(); start = end + 1) {
        end = ansi.find('\n', start);
        utf8.append(AnsiToUtf8(std::string_view(ansi).substr(start, end - start))).push_back('\n');
    }
    return utf8;
}

}  // namespace

void DxfBuffer::Load(std::string_view text) {
    if (text.size() >= kMaxTextBytes) throw std::length_error("DXF text of 2 GiB or more");
    Clear();
    if (text.empty()) return;
    const bool ends = text.back() == '\n';
    data_ = ByteBlock(text.size() + (ends ? 0 : 1));
    std::memcpy(data_.data(), text.data(), text.size());
    if (!ends) data_.data()[text.size()] = '\n';
    ReservePairs((CountLineBreaks(data_.data(), data_.data() + data_.size()) + 1) / 2);
    Fill fill;
    StorePairs(fill, data_.size(), true);
    data_.Resize(fill.to);
}

DxfBuffer::AnsiLoad::AnsiLoad(DxfBuffer& buffer) : buffer_(buffer) { buffer_.Clear(); }

// Room for the whole file and its last break at once, which costs nothing until it is written:
// the chunks are read where the stored form grows.
void DxfBuffer::AnsiLoad::Start(uint64_t size) {
    if (size >= kMaxTextBytes) throw std::length_error("DXF text of 2 GiB or more");
    expected_ = size;
    buffer_.data_ = ByteBlock(static_cast<size_t>(size) + 1);
}

std::span<char> DxfBuffer::AnsiLoad::Room() {
    // A chunk small enough to be rewritten while it is still in the cache.
    constexpr size_t kChunkBytes = size_t{1} << 18;
    ByteBlock& data = buffer_.data_;
    if (fill_.filled == data.size()) {  // the file grew while it was read
        if (data.size() + kChunkBytes >= kMaxTextBytes) throw std::length_error("DXF text of 2 GiB or more");
        data.Resize(data.size() + kChunkBytes);
    }
    return {data.data() + fill_.filled, std::min(kChunkBytes, data.size() - fill_.filled)};
}

// Only pairs whose lines all arrived are stored; the rest waits for the next chunk.
void DxfBuffer::AnsiLoad::Filled(size_t count) {
    if (count == 0) return;
    const char* const text = buffer_.data_.data();
    const size_t before = fill_.filled;
    fill_.filled += count;
    if (buffer_.pairStarts_.capacity() == 0) {
        // Sized from the first chunk's lines; a denser rest grows the arrays.
        const double lines = static_cast<double>(CountLineBreaks(text, text + fill_.filled));
        const double scale =
            static_cast<double>(std::max<uint64_t>(expected_, fill_.filled)) / static_cast<double>(fill_.filled);
        buffer_.ReservePairs(static_cast<size_t>(lines * scale * 0.5 * 1.125) + 64);
    }
    size_t end = fill_.filled;
    while (end > before && text[end - 1] != '\n') --end;
    if (end == before) return;
    buffer_.StorePairs(fill_, end, false);
    // The rest, less than a pair, moves down to the stored form, where the next chunk follows it:
    // so only as much memory is touched as the stored form takes.
    const size_t rest = fill_.filled - fill_.from;
    std::memmove(buffer_.data_.data() + fill_.to, text + fill_.from, rest);
    fill_.from = fill_.to;
    fill_.filled = fill_.to + rest;
}

void DxfBuffer::AnsiLoad::Finish() {
    ByteBlock& data = buffer_.data_;
    if (fill_.filled == 0) {
        buffer_.Clear();
        return;
    }
    if (data.data()[fill_.filled - 1] != '\n') {
        if (fill_.filled == data.size()) data.Resize(data.size() + 1);
        data.data()[fill_.filled++] = '\n';
    }
    buffer_.StorePairs(fill_, fill_.filled, true);
    data.Resize(buffer_.ConvertPairs(fill_.foreign, fill_.to));
}

void DxfBuffer::ReservePairs(size_t pairs) {
    ReserveRecords(pairStarts_, pairs);
    ReserveRecords(codes_, pairs);
    codeKept_.reserve((pairs + 63) / 64);
}

void DxfBuffer::StorePairs(Fill& fill, size_t end, bool complete) {
    char* const text = data_.data();
    const char* const textEnd = text + end;
    char* to = text + fill.to;
    const char* from = text + fill.from;
    while (from != textEnd) {
        const char* codeEnd = nullptr;
        int code = AlignedCode(from, codeEnd);
        const bool aligned = code >= 0 && code < kOtherCode;
        if (code < 0) code = LooseCode(from, codeEnd);
        const bool hasValue = codeEnd + 1 != textEnd;
        if (!hasValue && !complete) break;
        const size_t pair = pairStarts_.size();
        codes_.push_back(code >= 0 && code < kOtherCode ? static_cast<uint8_t>(code) : kOtherCode);
        if (pair % 64 == 0) codeKept_.push_back(0);
        bool ascii = true;
        if (!aligned) {
            const std::string_view line = LineText(from, codeEnd);
            ascii = IsAscii(line.data(), line.data() + line.size());
            to = StoreLine(to, line);
            codeKept_[pair / 64] |= uint64_t{1} << (pair % 64);
        }
        pairStarts_.push_back(static_cast<uint32_t>(to - text));
        from = codeEnd + 1;
        ++lineCount_;
        if (hasValue) {
            const MovedLine moved = MoveLine(to, from, textEnd);
            to = aligned && moved.ascii ? ShareRepeatedValue(fill, codes_.back(), to, moved.to) : moved.to;
            from = moved.next;
            ascii = ascii && moved.ascii;
            ++lineCount_;
        }
        if (!ascii) fill.foreign.push_back(pair);
    }
    fill.to = static_cast<size_t>(to - text);
    fill.from = static_cast<size_t>(from - text);
}

// Names, markers and flags come again and again ("AcDbEntity", the layer, "     0"): a value
// equal to one of the last two stored with the same code is not stored again, its pair points at
// that one. Coordinates, reals and handles seldom repeat and are not tried. Returns the end of
// the stored form.
char* DxfBuffer::ShareRepeatedValue(Fill& fill, uint8_t code, char* value, char* end) {
    static constexpr auto kTried = [] {
        std::array<bool, kOtherCode> codes{};
        for (int c = 0; c < kOtherCode; ++c)
            codes[c] = !(c == 1 || c == 5 || (c >= 10 && c < 60) || (c >= 110 && c < 150) || (c >= 210 && c < 240));
        return codes;
    }();
    if (!kTried[code]) return end;
    const char* const text = data_.data();
    const auto length = static_cast<uint32_t>(end - value);
    std::array<Fill::Stored, 2>& recent = fill.recent[code];
    for (const Fill::Stored& seen : recent) {
        if (seen.length != length || std::memcmp(text + seen.start, value, length) != 0) continue;
        pairStarts_.back() = seen.start;
        return value;
    }
    recent = {recent[1], {static_cast<uint32_t>(value - text), length}};
    return end;
}

// The lines of the given pairs converted from the code page and stored after the first `used`
// bytes of the block, where the pairs then point; returns the bytes used in all. The same layer
// names and labels come again and again: each distinct line is converted once, and pairs whose
// code line is not kept share one stored value.
size_t DxfBuffer::ConvertPairs(const std::vector<size_t>& pairs, size_t used) {
    if (pairs.empty()) return used;
    constexpr uint32_t kNone = UINT32_MAX;
    std::unordered_map<std::string_view, uint32_t> ids;
    std::string ansi;
    const auto id = [&](std::string_view line) {
        const auto [found, added] = ids.emplace(line, static_cast<uint32_t>(ids.size()));
        if (added) ansi.append(line).push_back('\n');
        return found->second;
    };
    std::vector<std::pair<uint32_t, uint32_t>> lineIds;  // per pair: its code line's, its value's
    lineIds.reserve(pairs.size());
    for (size_t pair : pairs) {
        const uint32_t code = CodeKept(pair) ? id(Line(2 * pair)) : kNone;
        lineIds.emplace_back(code, 2 * pair + 1 < lineCount_ ? id(Line(2 * pair + 1)) : kNone);
    }
    const std::string utf8 = ConvertLines(ansi);
    std::vector<std::string_view> converted;
    converted.reserve(ids.size());
    for (size_t start = 0, end; start < utf8.size(); start = end + 1) {
        end = utf8.find('\n', start);
        converted.push_back(std::string_view(utf8).substr(start, end - start));
    }
    std::vector<uint32_t> sharedValue(converted.size(), kNone);
    size_t size = used;
    for (const auto& [code, value] : lineIds) {
        if (code != kNone) size += converted[code].size() + 1;
        if (value != kNone && (code != kNone || sharedValue[value] == kNone)) size += converted[value].size() + 1;
        if (value != kNone && code == kNone) sharedValue[value] = 0;
    }
    if (size >= kMaxTextBytes) throw std::length_error("DXF text of 2 GiB or more");
    if (size > data_.size()) data_.Resize(size);
    std::fill(sharedValue.begin(), sharedValue.end(), kNone);
    char* const text = data_.data();
    char* to = text + used;
    for (size_t k = 0; k < pairs.size(); ++k) {
        const auto [code, value] = lineIds[k];
        if (code != kNone) to = StoreLine(to, converted[code]);
        if (code == kNone && value != kNone && sharedValue[value] != kNone) {
            pairStarts_[pairs[k]] = sharedValue[value];
            continue;
        }
        pairStarts_[pairs[k]] = static_cast<uint32_t>(to - text);
        if (code == kNone && value != kNone) sharedValue[value] = pairStarts_[pairs[k]];
        if (value != kNone) to = StoreLine(to, converted[value]);
    }
    return size;
}

std::string DxfBuffer::Text() const {
    std::string out;
    out.reserve(data_.size() + 3 * LineCount() + 16);  // the code lines not kept, the CRs dropped
    for (size_t i = 0; i < LineCount(); ++i) {
        out += Line(i);
        out += "\r\n";
    }
    return out;
}

bool DxfBuffer::SaveFile(std::string_view path) const {
    std::string text = Text();
    if (!IsAscii(text.data(), text.data() + text.size())) text = Utf8ToAnsi(text);
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

void DxfBuffer::Clear() {
    data_ = ByteBlock();
    pairStarts_ = std::vector<uint32_t>();
    codes_ = std::vector<uint8_t>();
    codeKept_ = std::vector<uint64_t>();
    lineCount_ = 0;
    edited_.clear();
}

void DxfBuffer::ThrowConversionError(size_t pair, const std::string& message) const {
    throw ConversionError("line " + std::to_string(ValueLineNumber(pair)) + ", group " +
                          std::string(TrimmedCode(pair)) + ": " + message);
}

void DxfBuffer::ThrowPastEnd(size_t i) { throw std::out_of_range("DXF line " + std::to_string(i) + " past the end"); }

std::string_view DxfBuffer::AlignedCodeLine(uint8_t code) {
    using Column = std::array<char, 3>;
    static constexpr std::array<Column, kOtherCode> kLines = [] {
        std::array<Column, kOtherCode> lines{};
        for (int c = 0; c < kOtherCode; ++c) {
            const auto digit = [](int d) { return static_cast<char>('0' + d); };
            lines[c] = {c >= 100 ? digit(c / 100) : ' ', c >= 10 ? digit(c / 10 % 10) : ' ', digit(c % 10)};
        }
        return lines;
    }();
    return std::string_view(kLines[code].data(), 3);
}

// A kept code line ends just before its value line.
std::string_view DxfBuffer::KeptCodeLine(uint32_t valueStart) const {
    const char* text = data_.data();
    const char* end = text + valueStart - 1;
    const char* p = end;
    while (p > text && p[-1] != '\n') --p;
    return std::string_view(p, static_cast<size_t>(end - p));
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
    if (i % 2 == 0) codes_[pair] = CodeByte(text);
}

void DxfBuffer::EraseLines(size_t first, size_t count) { EraseLineRanges({{first, count}}); }

void DxfBuffer::EraseLineRanges(const std::vector<LineRange>& ranges) {
    const std::vector<LineRange> sorted = SortedClippedRanges(ranges, lineCount_);
    for (const LineRange& r : sorted) {
        if (r.first % 2 != 0 || (r.count % 2 != 0 && r.first + r.count != lineCount_)) {
            RebuildWithout(sorted);
            return;
        }
    }
    size_t out = 0;
    size_t in = 0;
    const auto keep = [&] { KeepPair(in, out++); };
    for (const LineRange& r : sorted) {
        for (; in < r.first / 2; ++in) keep();
        in = (r.first + r.count + 1) / 2;
        lineCount_ -= r.count;
    }
    for (; in < pairStarts_.size(); ++in) keep();
    pairStarts_.resize(out);
    codes_.resize(out);
    codeKept_.resize((out + 63) / 64);
}

void DxfBuffer::KeepPair(size_t from, size_t to) {
    pairStarts_[to] = pairStarts_[from];
    codes_[to] = codes_[from];
    const uint64_t bit = uint64_t{1} << (to % 64);
    codeKept_[to / 64] = CodeKept(from) ? codeKept_[to / 64] | bit : codeKept_[to / 64] & ~bit;
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
    Load(text);
}

int DxfBuffer::ParseGroupCode(std::string_view t) {
    constexpr size_t kMaxDigits = 6;  // codes stop at 1071; this keeps the sum in range
    if (t.empty() || t.size() > kMaxDigits || (t[0] == '0' && t.size() > 1)) return -1;
    int code = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        code = code * 10 + (c - '0');
    }
    return code;
}

uint8_t DxfBuffer::CodeByte(std::string_view codeLine) {
    // Three digits at most: a fourth makes the code 1000 or more, or gives it a leading zero.
    const std::string_view t = TrimBlanks(codeLine);
    if (t.empty() || t.size() > 3 || (t[0] == '0' && t.size() > 1)) return kOtherCode;
    int code = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return kOtherCode;
        code = code * 10 + (c - '0');
    }
    return code < kOtherCode ? static_cast<uint8_t>(code) : kOtherCode;
}

bool DxfBuffer::IsPair(size_t pair, std::string_view code, std::string_view value) const {
    return TrimmedCode(pair) == code && TrimmedValue(pair) == value;
}

bool DxfBuffer::PlainRealValue(size_t pair, double& out) const {
    if (2 * pair + 1 >= lineCount_) return false;
    const uint32_t start = pairStarts_[pair];
    if (start & kEditedFlag) return false;
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\n'; };
    const char* p = data_.data() + start;
    while (blank(*p)) ++p;
    p = ScanPlainDecimal(p, out);
    if (!p) return false;
    while (blank(*p)) ++p;
    return *p == '\n';
}

double DxfBuffer::RealValue(size_t pair) const {
    double v = 0;
    if (PlainRealValue(pair, v)) return v;
    const std::string_view text = TrimmedValue(pair);
    if (!ReadTrimmedReal(text, v)) ThrowConversionError(pair, RealConversionMessage(text));
    return v;
}

int DxfBuffer::IntValue(size_t pair) const {
    const std::string_view text = TrimmedValue(pair);
    int v = 0;
    if (!ReadTrimmedInt(text, v)) ThrowConversionError(pair, IntConversionMessage(text));
    return v;
}

}  // namespace kv
