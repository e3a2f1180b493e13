#include "text/count_text.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "base/number_text.h"

namespace kv {

namespace {

bool IsBlank(char c) { return c != 0 && static_cast<unsigned char>(c) <= ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Comma text: items separated by commas or blanks; a quoted item may hold both, "" stands for
// one quote. Blanks around a comma belong to no item.
std::vector<std::string> SplitCommaText(std::string_view s) {
    std::vector<std::string> items;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < s.size() && IsBlank(s[i])) ++i;
    };
    skipBlanks();
    while (i < s.size()) {
        std::string item;
        if (s[i] == '"') {
            for (++i; i < s.size(); ++i) {
                if (s[i] != '"') {
                    item += s[i];
                } else if (i + 1 < s.size() && s[i + 1] == '"') {
                    item += s[++i];
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            const size_t start = i;
            while (i < s.size() && !IsBlank(s[i]) && s[i] != ',') ++i;
            item = s.substr(start, i - start);
        }
        items.push_back(item);
        skipBlanks();
        if (i < s.size() && s[i] == ',') {
            ++i;
            skipBlanks();
        }
    }
    return items;
}

bool TryParseHex(std::string_view s, int64_t& out) {
    if (s.empty() || s.size() > 8) return false;
    uint32_t v = 0;
    for (char c : s) {
        int digit = 0;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return false;
        }
        v = v * 16 + static_cast<uint32_t>(digit);
    }
    out = v;
    return true;
}

int64_t HexValue(const std::string& counter) {
    int64_t value = 0;
    if (!TryParseHex(counter, value)) throw ConversionError(IntConversionMessage(counter));
    return value;
}

std::string HexText(int64_t value, size_t digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*llX", static_cast<int>(digits), static_cast<unsigned long long>(value));
    return text;
}

std::string AdvancedCounter(const std::string& counter, bool hexadecimal, int step) {
    if (hexadecimal) return HexText(HexValue(counter) + step, counter.size());
    int decimal = 0;
    const int64_t value = TryParseInt(counter, decimal) && decimal != 0 ? decimal : HexValue(counter);
    return ZeroPad(std::to_string(value + step), counter.size());
}

}  // namespace

std::string NextCountText(std::string_view prefixList, std::string& counter, std::string_view suffix, bool hexadecimal,
                          int& prefixIndex) {
    std::string prefix(prefixList);
    int step = 1;
    if (prefixList.find(',') != std::string_view::npos) {
        const std::vector<std::string> items = SplitCommaText(prefixList);
        const int k = static_cast<int>(items.size());
        const int at = k == 0 ? 0 : prefixIndex % k;
        prefix = k == 0 ? std::string() : items[static_cast<size_t>(at)];
        step = at == k - 1 ? 1 : 0;
    }
    std::string text = prefix + counter + std::string(suffix);
    counter = AdvancedCounter(counter, hexadecimal, step);
    ++prefixIndex;
    return text;
}

std::string ZeroPad(std::string_view text, size_t length) {
    if (text.size() >= length) return std::string(text);
    return std::string(length - text.size(), '0') + std::string(text);
}

std::string NumberAfter(std::string_view digits) {
    std::string next(digits);
    for (size_t i = next.size(); i-- > 0;) {
        if (next[i] != '9') {
            ++next[i];
            return next;
        }
        next[i] = '0';
    }
    return "1" + next;
}

SplitText SplitNumber(std::string_view text, bool fromEnd) {
    for (int n = 0; n < 2 && !text.empty() && (text.back() == '\r' || text.back() == '\n'); ++n) {
        text.remove_suffix(1);
    }
    size_t first = 0;
    size_t end = 0;
    if (fromEnd) {
        end = text.size();
        while (end > 0 && !IsDigit(text[end - 1])) --end;
        first = end;
        while (first > 0 && IsDigit(text[first - 1])) --first;
    } else {
        first = 0;
        while (first < text.size() && !IsDigit(text[first])) ++first;
        end = first;
        while (end < text.size() && IsDigit(text[end])) ++end;
    }
    if (first == end) return {std::string(text), {}, {}};
    return {std::string(text.substr(0, first)), std::string(text.substr(first, end - first)),
            std::string(text.substr(end))};
}

}  // namespace kv
