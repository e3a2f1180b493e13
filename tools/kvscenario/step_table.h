// How scenario lines become steps: each verb has a compiler that checks the line's
// words and returns the action to run. Verbs with a body ("block", "dialog") read
// their lines up to "end" from the cursor.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "named_controls.h"
#include "scenario.h"
#include "scenario_lines.h"
#include "step_args.h"

namespace kv::scenario {

struct LineCursor {
    const std::vector<ScenarioLine>& lines;
    std::size_t next = 0;
    const ScenarioLine* current = nullptr;  // the line being compiled
    std::string_view dialog{};              // the dialog whose script is compiled; empty outside one

    // The body of a verb opened at `openingLine`: the lines before the matching "end".
    std::vector<const ScenarioLine*> Body(int openingLine, std::string_view verb);
};

using Compiler = std::function<Action(Args& args, LineCursor& cursor)>;
using VerbTable = std::map<std::string, Compiler, std::less<>>;

// One line, by its verb; ScenarioError for an unknown verb or a mistake in its words.
Action CompileLine(const ScenarioLine& line, LineCursor& cursor);

// The next word as a control of the palette, or of `dialog` when one is given.
NamedControl ControlNamed(Args& args, std::string_view dialog);

void AddSetupVerbs(VerbTable& verbs);
void AddActionVerbs(VerbTable& verbs);
// The single verb "expect", which has its own table of checks.
void AddExpectVerbs(VerbTable& verbs);

}  // namespace kv::scenario
