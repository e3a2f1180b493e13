// A scenario: one user story compiled from its text into steps that set up the host
// and the palette, act as the user, and check the outcome.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"
#include "simhost/drawing.h"

namespace kv::scenario {

class ScenarioRun;
using Action = std::function<void(ScenarioRun&)>;

struct Step {
    int line = 0;
    Action action;
    bool setup = false;  // builds the starting drawing or switches the host; acts on nothing
};

// Played when the palette opens a dialog modally; its last step closes the dialog.
struct DialogScript {
    int line = 0;
    std::string name;
    std::vector<Step> steps;
};

struct Scenario {
    std::string title;
    std::vector<Step> steps;
};

// Every line is checked before anything runs; a mistake throws ScenarioError.
Scenario CompileScenario(std::string_view text);

// Given the host's drawing as the story left it, whether it held or not.
using DrawingSink = std::function<void(const sim::Drawing&)>;
// Given every command text the palette typed and the prompt at each of the user's actions in the host.
using TraceSink = std::function<void(const std::vector<std::string>& typed, const std::vector<std::string>& waited)>;

// Runs the story in process, in simulated time. Failures as "line N: what went wrong";
// empty when the story held. `folder` is where the scenario's own files (DXF drawings)
// are looked up.
std::vector<std::string> RunScenario(const Scenario& scenario, const std::string& folder, const DrawingSink& atEnd = {},
                                     const TraceSink& trace = {});

}  // namespace kv::scenario
