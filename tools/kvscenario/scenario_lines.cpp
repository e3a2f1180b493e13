#include "scenario_lines.h"

namespace kv::scenario {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the escape after a backslash at `i`; leaves `i` on its last character.
char Escape(std::string_view line, std::size_t& i, int number) {
    if (i + 1 >= line.size()) throw ScenarioError(number, "a backslash ends the line");
    const char c = line[++i];
    switch (c) {
    case '\\': return '\\';
    case '"': return '"';
    case 'r': return '\r';
    case 'n': return '\n';
    case 't': return '\t';
    case 'e': return '\x1b';
    case 'x': {
        const int high = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
        const int low = i + 2 < line.size() ? HexDigit(line[i + 2]) : -1;
        if (high < 0 || low < 0) throw ScenarioError(number, "\\x needs two hexadecimal digits");
        i += 2;
        return static_cast<char>(high * 16 + low);
    }
    default: throw ScenarioError(number, std::string("unknown escape \\") + c);
    }
}

std::vector<Word> SplitWords(std::string_view line, int number) {
    std::vector<Word> words;
    bool inWord = false;
    bool inQuotes = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuotes) {
            if (c == '"') inQuotes = false;
            else words.back().text += c == '\\' ? Escape(line, i, number) : c;
            continue;
        }
        if (c == ' ' || c == '\t') {
            inWord = false;
            continue;
        }
        if (c == '#') break;
        if (!inWord) {
            words.emplace_back();
            inWord = true;
        }
        Word& w = words.back();
        if (c == '"') {
            inQuotes = true;
            w.quoted = true;
        } else {
            if (c == '=' && !w.quoted && w.equals == std::string::npos) w.equals = w.text.size();
            w.text += c;
        }
    }
    if (inQuotes) throw ScenarioError(number, "a quoted text is not closed");
    return words;
}

}  // namespace

std::vector<ScenarioLine> SplitScenarioLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<ScenarioLine> lines;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<Word> words = SplitWords(line, number);
        if (!words.empty()) lines.push_back({number, std::move(words)});
    }
    return lines;
}

}  // namespace kv::scenario
