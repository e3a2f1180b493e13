#include "input_text.h"

#include <cmath>
#include <cstdio>

#include "base/number_text.h"
#include "base/strings.h"

namespace kv::sim {

std::optional<Point3> ParsePointText(std::string_view text) {
    std::vector<std::string> parts = Split(text, ',');
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    Point3 p;
    if (!TryParseReal(parts[0], p.x) || !TryParseReal(parts[1], p.y)) return std::nullopt;
    if (parts.size() == 3 && !TryParseReal(parts[2], p.z)) return std::nullopt;
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return std::nullopt;
    return p;
}

std::string FormatFixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string FormatPoint(Point3 p, int decimals) {
    return FormatFixed(p.x, decimals) + "," + FormatFixed(p.y, decimals) + "," + FormatFixed(p.z, decimals);
}

namespace {

struct ColorName {
    std::string_view name;
    int color;
};

constexpr ColorName kColorNames[] = {
    {"BYLAYER", 256}, {"BYBLOCK", 0}, {"RED", 1},      {"YELLOW", 2}, {"GREEN", 3}, {"CYAN", 4},
    {"BLUE", 5},      {"MAGENTA", 6}, {"WHITE", 7},    {"赤", 1},     {"黄", 2},    {"緑", 3},
    {"シアン", 4},    {"青", 5},      {"マゼンタ", 6}, {"白", 7},
};

}  // namespace

std::optional<int> ParseColor(std::string_view text) {
    std::string value = Trim(text);
    int number = 0;
    if (TryParseInt(value, number)) {
        if (number < 0 || number > 256) return std::nullopt;
        return number;
    }
    std::string upper = UpperAscii(value);
    for (const ColorName& c : kColorNames) {
        if (upper == c.name) return c.color;
    }
    return std::nullopt;
}

std::string ColorText(int color) {
    if (color == 256) return "BYLAYER";
    if (color == 0) return "BYBLOCK";
    return std::to_string(color);
}

bool MatchesKeyword(std::string_view answer, const Keyword& keyword) {
    std::string upper = UpperAscii(answer);
    return upper.size() >= keyword.abbreviation.size() && upper.size() <= keyword.word.size() &&
           keyword.word.substr(0, upper.size()) == upper;
}

std::optional<std::size_t> MatchKeyword(std::string_view answer, const std::vector<Keyword>& keywords) {
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        if (MatchesKeyword(answer, keywords[i])) return i;
    }
    return std::nullopt;
}

std::string Unquote(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

}  // namespace kv::sim
