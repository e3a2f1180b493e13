#include "scenario.h"

#include <filesystem>

#include "app/main_form.h"
#include "base/strings.h"
#include "drawing_content.h"
#include "entity_desc.h"
#include "in_process_run.h"
#include "scenario_run.h"
#include "simhost/sysvars.h"
#include "step_table.h"

namespace kv::scenario {

std::vector<const ScenarioLine*> LineCursor::Body(int openingLine, std::string_view verb) {
    std::vector<const ScenarioLine*> body;
    while (next < lines.size()) {
        const ScenarioLine& line = lines[next++];
        if (line.words.size() == 1 && !line.words[0].quoted && line.words[0].text == "end") return body;
        body.push_back(&line);
    }
    throw ScenarioError(openingLine, "\"" + std::string(verb) + "\" has no \"end\"");
}

namespace {

const VerbTable& Verbs() {
    static const VerbTable verbs = [] {
        VerbTable table;
        AddSetupVerbs(table);
        AddActionVerbs(table);
        AddExpectVerbs(table);
        return table;
    }();
    return verbs;
}

bool IsSetupVerb(const Word& verb) {
    static const VerbTable setup = [] {
        VerbTable table;
        AddSetupVerbs(table);
        return table;
    }();
    return !verb.quoted && setup.contains(verb.text);
}

}  // namespace

Action CompileLine(const ScenarioLine& line, LineCursor& cursor) {
    const Word& verb = line.words[0];
    const auto it = verb.quoted ? Verbs().end() : Verbs().find(verb.text);
    if (it == Verbs().end()) throw ScenarioError(line.number, "unknown step '" + verb.text + "'");
    cursor.current = &line;
    Args args(line, 1);
    Action action = it->second(args, cursor);
    args.Done();
    return action;
}

Scenario CompileScenario(std::string_view text) {
    const std::vector<ScenarioLine> lines = SplitScenarioLines(text);
    Scenario scenario;
    LineCursor cursor{lines};
    while (cursor.next < lines.size()) {
        const ScenarioLine& line = lines[cursor.next++];
        const Word& verb = line.words[0];
        if (verb.text == "title" && !verb.quoted) {
            if (!scenario.title.empty()) throw ScenarioError(line.number, "a scenario has one title");
            for (std::size_t i = 1; i < line.words.size(); ++i)
                scenario.title += (i > 1 ? " " : "") + line.words[i].text;
            continue;
        }
        scenario.steps.push_back({line.number, CompileLine(line, cursor), IsSetupVerb(verb)});
    }
    if (scenario.title.empty()) throw ScenarioError(1, "the scenario has no title line");
    return scenario;
}

namespace {

void RecordStartingValues(ScenarioRun& run) {
    for (const std::string_view name : kOperationVariables) {
        const sim::VariableInfo* variable = sim::FindVariable(name);
        if (variable) run.startingValues.emplace(name, sim::VariableText(run.StartingDrawing(), *variable));
    }
}

// False when a step stopped the story.
bool PlaySteps(const Scenario& scenario, ScenarioRun& run) {
    for (const Step& step : scenario.steps) {
        run.line = step.line;
        try {
            if (!step.setup && !run.startingEntities) {
                RecordStartingValues(run);  // before the first read of the drawing starts a run under Wine
                run.startingEntities = run.Drawing().Entities();
            }
            step.action(run);
        } catch (const ScenarioError& e) {
            run.failures.push_back(e.what());
            return false;
        } catch (const std::exception& e) {
            run.Fail(std::string("stopped: ") + e.what());
            return false;
        }
        for (const std::string& problem : run.ui.problems) run.Fail(problem);
        run.ui.problems.clear();
    }
    return true;
}

void CheckNothingLeftOver(ScenarioRun& run) {
    if (run.startingEntities) {
        for (const sim::Entity* e : NewDuplicates(*run.startingEntities, run.Drawing().Entities(), run.tolerance))
            run.Fail("the story ends with copies of " + Describe(*e) + " it did not start with");
    }
    for (const DialogScript& script : run.dialogs)
        run.failures.push_back("line " + std::to_string(script.line) + ": the dialog " + script.name + " never opened");
    if (!run.ui.answers.empty())
        run.Fail(std::to_string(run.ui.answers.size()) + " answer(s) given were never asked for");
}

}  // namespace

std::string ScenarioRun::ScenarioPath(const std::string& path) const {
    const std::filesystem::path p(path);
    return p.is_absolute() ? path : (std::filesystem::path(scenarioFolder) / p).string();
}

std::string ScenarioRun::BusyReason() {
    const std::string caption = Caption();
    return caption == kAppTitle ? "" : "the caption is \"" + caption + "\"";
}

void CopyDxfTreeFlat(const std::filesystem::path& source, const std::filesystem::path& folder, std::error_code& error) {
    namespace fs = std::filesystem;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(source, error)) {
        if (e.path().extension() != ".dxf") continue;
        fs::path name = e.path().parent_path().filename();
        name += "-";
        name += e.path().filename();
        fs::copy_file(e.path(), folder / name, fs::copy_options::overwrite_existing, error);
        if (error) return;
    }
}

ControlState ShownControl(ScenarioRun& run, const NamedControl& c) {
    ControlState state = run.Control(c);
    if (c.info->offPage) state.visible = false;
    return state;
}

std::vector<std::string> RunScenario(const Scenario& scenario, ScenarioRun& run) {
    if (PlaySteps(scenario, run)) CheckNothingLeftOver(run);
    return run.failures;
}

std::vector<std::string> RunScenario(const Scenario& scenario, const std::string& folder, const DrawingSink& atEnd,
                                     const TraceSink& trace) {
    InProcessRun run(folder);
    RunScenario(scenario, run);
    if (atEnd) atEnd(run.Drawing());
    if (trace) trace(run.TypedTexts(), run.waitedPrompts);
    return run.failures;
}

}  // namespace kv::scenario
