#include "hostlink/host_text.h"

#include <algorithm>

#include "base/number_text.h"
#include "base/strings.h"

namespace kv {

namespace {

constexpr std::string_view kSelectCommand = "SELECT";
constexpr std::string_view kTotalMarker = "総数";
constexpr std::string_view kFoundMarker = "認識された数:";
// The selection prompt that follows a report ends the number.
constexpr std::string_view kCutHalfWidth = "ｵﾌﾞｼﾞｪｸﾄを";
constexpr std::string_view kCutFullWidth = "オブジェクトを";

int CountBeforeCut(std::string_view report) {
    size_t cut = report.find(kCutHalfWidth);
    if (cut == std::string_view::npos) cut = report.find(kCutFullWidth);
    int count = 0;
    if (!TryParseInt(TrimView(report.substr(0, cut)), count)) return -1;
    return count;
}

bool IsDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool IsCommandPrompt(std::string_view prompt) {
    return prompt == kCommandPromptHalfWidth || prompt == kCommandPromptFullWidth;
}

bool IsSelectObjectsPrompt(std::string_view prompt) {
    return prompt == kSelectObjectsPromptHalfWidth || prompt == kSelectObjectsPromptFullWidth;
}

std::string TextBetween(std::string_view left, std::string_view right, std::string_view text) {
    if (left.empty() || right.empty() || text.find(left) == std::string_view::npos) return {};
    // Cut through every occurrence in turn: overlapping markers ("<<<") end up
    // after the last whole marker read from the left.
    for (size_t p = text.find(left); p != std::string_view::npos; p = text.find(left))
        text.remove_prefix(p + left.size());
    const size_t end = text.find(right);
    if (end == std::string_view::npos) return {};
    return Trim(text.substr(0, end));
}

std::string TextAfterLast(std::string_view marker, std::string_view text) {
    if (marker.empty()) return {};
    const size_t p = text.rfind(marker);
    if (p == std::string_view::npos) return {};
    return Trim(text.substr(p + marker.size()));
}

std::string LastLine(std::string_view text) {
    if (EndsWith(text, "\r\n")) text.remove_suffix(2);
    else if (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    const size_t p = text.find_last_of("\r\n");
    return std::string(p == std::string_view::npos ? text : text.substr(p + 1));
}

int SelectionCountInHistory(std::string_view history) {
    const std::string lastSelection = TextAfterLast(kSelectCommand, history);
    const std::string total = TextAfterLast(kTotalMarker, lastSelection);
    if (!total.empty()) return CountBeforeCut(total);
    const std::string found = TextAfterLast(kFoundMarker, lastSelection);
    if (found.empty()) return -1;
    return CountBeforeCut(found);
}

bool ParsePoint(std::string_view text, Point3& point) {
    if (!text.empty() && text.front() == '"') {
        text.remove_prefix(1);
        if (!text.empty()) text.remove_suffix(1);
    }
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    double v = 0;
    if (!TryParseReal(text.substr(0, comma), v)) return false;
    point.x = v;
    const std::string_view rest = text.substr(comma + 1);
    const size_t second = rest.find(',');
    if (!TryParseReal(rest.substr(0, second), v)) return false;
    point.y = v;
    if (second == std::string_view::npos) return true;
    if (!TryParseReal(rest.substr(second + 1), v)) return false;
    point.z = v;
    return true;
}

std::string TrimTrailingZeros(std::string_view number) {
    const size_t point = number.find('.');
    if (point == std::string_view::npos || !IsDigits(number.substr(point + 1))) return std::string(number);
    const size_t keep = point + 2;  // the point and one digit after it
    while (number.size() > keep && number.back() == '0') number.remove_suffix(1);
    return std::string(number);
}

}  // namespace kv
