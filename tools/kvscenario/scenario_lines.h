// A scenario file split into lines of words: blanks separate words, double quotes
// keep blanks and take escapes, "#" outside quotes starts a comment.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kv::scenario {

// A mistake in a scenario file; the message names the line.
class ScenarioError : public std::runtime_error {
public:
    ScenarioError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct Word {
    std::string text;
    bool quoted = false;                     // some part was written in quotes
    std::size_t equals = std::string::npos;  // an "=" before any quote: key=value
};

struct ScenarioLine {
    int number = 0;
    std::vector<Word> words;
};

// Lines without words (blank, comment only) are left out.
std::vector<ScenarioLine> SplitScenarioLines(std::string_view text);

}  // namespace kv::scenario
