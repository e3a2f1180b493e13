#include "step_args.h"

#include "base/number_text.h"
#include "base/strings.h"

namespace kv::scenario {

namespace {

constexpr std::pair<std::string_view, int> kColorNames[] = {
    {"BYBLOCK", 0}, {"RED", 1},     {"YELLOW", 2}, {"GREEN", 3},     {"CYAN", 4},
    {"BLUE", 5},    {"MAGENTA", 6}, {"WHITE", 7},  {"BYLAYER", 256},
};

}  // namespace

bool ParsePointText(std::string_view text, Point3& point) {
    const std::vector<std::string> parts = Split(text, ',');
    if (parts.size() < 2 || parts.size() > 3) return false;
    Point3 p;
    if (!TryParseReal(parts[0], p.x) || !TryParseReal(parts[1], p.y)) return false;
    if (parts.size() == 3 && !TryParseReal(parts[2], p.z)) return false;
    point = p;
    return true;
}

Args::Args(const ScenarioLine& line, std::size_t first) : line_(line.number) {
    for (std::size_t i = first; i < line.words.size(); ++i) {
        const Word& w = line.words[i];
        if (w.equals != std::string::npos && w.equals > 0) {
            const std::string key = w.text.substr(0, w.equals);
            if (!options_.emplace(key, w.text.substr(w.equals + 1)).second)
                Error("option " + w.text.substr(0, w.equals) + "= is given twice");
        } else {
            positional_.push_back(w);
        }
    }
    taken_.assign(positional_.size(), false);
}

void Args::Error(const std::string& message) const { throw ScenarioError(line_, message); }

std::string Args::Text(std::string_view what) {
    while (next_ < positional_.size() && taken_[next_]) ++next_;
    if (next_ >= positional_.size()) Error("missing " + std::string(what));
    taken_[next_] = true;
    return positional_[next_++].text;
}

double Args::ToReal(std::string_view text, std::string_view what) const {
    double value = 0;
    if (!TryParseReal(text, value)) Error(std::string(what) + ": '" + std::string(text) + "' is not a number");
    return value;
}

Point3 Args::ToPoint(std::string_view text, std::string_view what) const {
    Point3 p;
    if (!ParsePointText(text, p))
        Error(std::string(what) + ": '" + std::string(text) + "' is not a point x,y or x,y,z");
    return p;
}

Point3 Args::Point(std::string_view what) { return ToPoint(Text(what), what); }

double Args::Real(std::string_view what) { return ToReal(Text(what), what); }

int Args::Int(std::string_view what) {
    const std::string text = Text(what);
    int value = 0;
    if (!TryParseInt(text, value)) Error(std::string(what) + ": '" + text + "' is not an integer");
    return value;
}

bool Args::NextIsPoint() const {
    std::size_t i = next_;
    while (i < positional_.size() && taken_[i]) ++i;
    Point3 p;
    return i < positional_.size() && !positional_[i].quoted && ParsePointText(positional_[i].text, p);
}

bool Args::Keyword(std::string_view keyword) {
    std::size_t i = next_;
    while (i < positional_.size() && taken_[i]) ++i;
    if (i >= positional_.size() || positional_[i].quoted) return false;
    if (!EqualsIgnoreCaseAscii(positional_[i].text, keyword)) return false;
    taken_[i] = true;
    next_ = i + 1;
    return true;
}

bool Args::Flag(std::string_view flag) {
    for (std::size_t i = next_; i < positional_.size(); ++i) {
        if (taken_[i] || positional_[i].quoted || !EqualsIgnoreCaseAscii(positional_[i].text, flag)) continue;
        taken_[i] = true;
        return true;
    }
    return false;
}

std::optional<std::string> Args::Option(std::string_view key) {
    const auto it = options_.find(key);
    if (it == options_.end()) return std::nullopt;
    std::string value = std::move(it->second);
    options_.erase(it);
    return value;
}

std::optional<double> Args::RealOption(std::string_view key) {
    const std::optional<std::string> text = Option(key);
    if (!text) return std::nullopt;
    return ToReal(*text, std::string(key) + "=");
}

std::optional<int> Args::IntOption(std::string_view key) {
    const std::optional<std::string> text = Option(key);
    if (!text) return std::nullopt;
    int value = 0;
    if (!TryParseInt(*text, value)) Error(std::string(key) + "=: '" + *text + "' is not an integer");
    return value;
}

std::optional<Point3> Args::PointOption(std::string_view key) {
    const std::optional<std::string> text = Option(key);
    if (!text) return std::nullopt;
    return ToPoint(*text, std::string(key) + "=");
}

std::optional<int> Args::ColorOption(std::string_view key) {
    const std::optional<std::string> text = Option(key);
    if (!text) return std::nullopt;
    for (const auto& [name, number] : kColorNames)
        if (EqualsIgnoreCaseAscii(*text, name)) return number;
    int value = 0;
    if (!TryParseInt(*text, value) || value < 0 || value > 256)
        Error(std::string(key) + "=: '" + *text + "' is not a colour (0 to 256 or a name such as bylayer, red)");
    return value;
}

std::optional<std::vector<double>> Args::RealListOption(std::string_view key) {
    const std::optional<std::string> text = Option(key);
    if (!text) return std::nullopt;
    std::vector<double> values;
    for (const std::string& part : Split(*text, ',')) values.push_back(ToReal(part, std::string(key) + "="));
    return values;
}

void Args::Done() const {
    for (std::size_t i = 0; i < positional_.size(); ++i)
        if (!taken_[i]) Error("unexpected '" + positional_[i].text + "'");
    if (!options_.empty()) Error("unknown option " + options_.begin()->first + "=");
}

}  // namespace kv::scenario
