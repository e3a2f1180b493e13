#include "dxf_pairs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/number_text.h"
#include "base/strings.h"

namespace kv::sim {

namespace {

constexpr int kMaxDecimals = 16;

std::string FixedText(double value, const int* places) {
    char buffer[512];  // the largest double has 309 integer digits
    auto result = places ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, *places)
                         : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

size_t DecimalPlaces(const std::string& text) {
    size_t dot = text.find('.');
    return dot == std::string::npos ? 0 : text.size() - dot - 1;
}

void DropTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
}

}  // namespace

std::string FormatDxfReal(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (!std::isfinite(value)) value = 0;
    std::string text = FixedText(value, nullptr);
    if (DecimalPlaces(text) > static_cast<size_t>(decimals)) {
        text = FixedText(value, &decimals);
        DropTrailingZeros(text);
    }
    if (text.find_first_not_of("-0.") == std::string::npos) text.assign(1, '0');  // also folds -0
    if (decimals > 0 && text.find('.') == std::string::npos) text += ".0";
    return text;
}

void DxfPairWriter::Str(int code, std::string_view value) {
    char buffer[16];
    int width = std::snprintf(buffer, sizeof buffer, "%3d", code);
    text_.append(buffer, static_cast<size_t>(width));
    text_ += "\r\n";
    text_ += value;
    text_ += "\r\n";
}

// The host right-aligns integers by their group's width: 16-bit groups in six
// columns, 32-bit groups in nine; readers that keep raw value texts see the blanks.
void DxfPairWriter::Int(int code, long long value) {
    bool wide = (code >= 90 && code <= 99) || (code >= 420 && code <= 429) || (code >= 440 && code <= 449);
    char buffer[32];
    int width = std::snprintf(buffer, sizeof buffer, wide ? "%9lld" : "%6lld", value);
    Str(code, std::string_view(buffer, static_cast<size_t>(width)));
}

void DxfPairWriter::Real(int code, double value) { Str(code, FormatDxfReal(value, decimals_)); }

void DxfPairWriter::Point(int code, const Point3& p, bool withZ) {
    Real(code, p.x);
    Real(code + 10, p.y);
    if (withZ) Real(code + 20, p.z);
}

DxfPairsResult ReadDxfPairs(std::string_view text) {
    DxfPairsResult result;
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        DxfPair pair;
        pair.line = static_cast<int>(i + 1);
        if (!TryParseInt(lines[i], pair.code)) {
            result.error = "line " + std::to_string(pair.line) + ": '" + Trim(lines[i]) + "' is not a valid group code";
            result.pairs.clear();
            return result;
        }
        pair.value = std::string(lines[i + 1]);
        bool eof = pair.code == 0 && TrimView(pair.value) == "EOF";
        result.pairs.push_back(std::move(pair));
        if (eof) break;
    }
    return result;
}

}  // namespace kv::sim
