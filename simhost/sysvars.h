// The system variables: their types, limits and the way they are shown and set,
// and the command that runs when a variable's name is typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"
#include "task.h"

namespace kv::sim {

class Session;

enum class VariableType { Integer, Real, Text, Color, Point, Point2 };

struct VariableInfo {
    std::string_view name;
    VariableType type;
    bool readOnly = false;
    int min = 0;  // integers
    int max = 0;
};

const VariableInfo* FindVariable(std::string_view upperName);
const std::vector<VariableInfo>& AllVariables();

// The value as the host shows it: integers plain, reals and points with LUPREC
// decimals, texts in double quotes.
std::string VariableText(const Drawing& drawing, const VariableInfo& variable);

// Sets the variable from an answer; the error line to show when the answer is refused.
std::optional<std::string> SetVariable(Drawing& drawing, const VariableInfo& variable, std::string_view answer);

Task<void> RunVariable(Session& session, const VariableInfo& variable);

}  // namespace kv::sim
