// The words of one scenario line after its verb, taken apart with clear errors:
// positional words in order, key=value options in any order, flag words anywhere.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"
#include "scenario_lines.h"

namespace kv::scenario {

class Args {
public:
    Args(const ScenarioLine& line, std::size_t first);

    int line() const { return line_; }
    [[noreturn]] void Error(const std::string& message) const;

    bool Empty() const { return next_ >= positional_.size(); }
    // The next positional word; `what` names it in the error when it is missing.
    std::string Text(std::string_view what);
    Point3 Point(std::string_view what);
    double Real(std::string_view what);
    int Int(std::string_view what);
    bool NextIsPoint() const;
    // Takes the next word when it is this unquoted keyword (ASCII case ignored).
    bool Keyword(std::string_view keyword);
    // Takes a flag word wherever it stands among the remaining words.
    bool Flag(std::string_view flag);

    std::optional<std::string> Option(std::string_view key);
    std::optional<double> RealOption(std::string_view key);
    std::optional<int> IntOption(std::string_view key);
    std::optional<Point3> PointOption(std::string_view key);
    // 1..255, 0 (BYBLOCK), 256 (BYLAYER), or a name: bylayer, byblock, red ... white.
    std::optional<int> ColorOption(std::string_view key);
    std::optional<std::vector<double>> RealListOption(std::string_view key);

    // Every word must have been taken.
    void Done() const;

private:
    double ToReal(std::string_view text, std::string_view what) const;
    Point3 ToPoint(std::string_view text, std::string_view what) const;

    int line_;
    std::vector<Word> positional_;
    std::vector<bool> taken_;
    std::size_t next_ = 0;
    std::map<std::string, std::string, std::less<>> options_;
};

// "x,y" or "x,y,z"; false when the text is not one.
bool ParsePointText(std::string_view text, Point3& point);

}  // namespace kv::scenario
