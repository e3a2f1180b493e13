#include "scenario_run.h"

#include <stdlib.h>

#include "base/number_text.h"

namespace kv::scenario {

namespace {

// The palette is at rest when nothing it or the host shows has changed for this long.
constexpr long long kQuietMs = 1000;
// A story that has not come to rest by then never will.
constexpr long long kSettleLimitMs = 120000;
constexpr std::string_view kExecutableName = "kvane2k.exe";

std::filesystem::path MakeWorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvscenario-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder under " + pattern);
    return pattern;
}

}  // namespace

ScenarioRun::ScenarioRun(std::string folder)
    : scenarioFolder(std::move(folder)), workFolder(MakeWorkFolder()), session(sim::RealFiles()) {
    session.workingFolder = workFolder.string();
    hostInstance = desktop.StartHost(session);
    desktop.AddPaletteWindow(std::string(kAppTitle), "TFormKvaneMain");
    palette = std::make_unique<TFormKvaneMain>(desktop, ui, clock, files,
                                               (workFolder / kExecutableName).string());
    ui.runDialog = [this](Dialog& dialog) { return PlayDialog(dialog); };
}

ScenarioRun::~ScenarioRun() {
    palette.reset();
    std::error_code ignored;
    std::filesystem::remove_all(workFolder, ignored);
}

void ScenarioRun::Fail(const std::string& message) {
    failures.push_back("line " + std::to_string(line) + ": " + message);
}

std::string ScenarioRun::ScenarioPath(const std::string& path) const {
    const std::filesystem::path p(path);
    return p.is_absolute() ? path : (std::filesystem::path(scenarioFolder) / p).string();
}

void ScenarioRun::SyncTimers() {
    auto sync = [this](const TimerControl& timer, long long& due) {
        if (!timer.enabled)
            due = -1;
        else if (due < 0)
            due = clock.now + timer.interval;
    };
    sync(palette->Timer1, due_.timer1);
    sync(palette->Timer2, due_.timer2);
}

bool ScenarioRun::TickBefore(long long limit) {
    SyncTimers();
    const bool first = due_.timer1 >= 0 && (due_.timer2 < 0 || due_.timer1 <= due_.timer2);
    long long& due = first ? due_.timer1 : due_.timer2;
    if (due < 0 || due > limit) return false;
    clock.now = std::max(clock.now, due);
    due = clock.now + (first ? palette->Timer1.interval : palette->Timer2.interval);
    if (first)
        palette->Timer1Timer();
    else
        palette->Timer2Timer();
    return true;
}

std::string ScenarioRun::Snapshot() {
    const sim::Drawing& drawing = session.drawing();
    return "state " + std::to_string(palette->OpState) + ", queued " + std::to_string(palette->LastOp) +
           ", Timer1 " + (palette->Timer1.enabled ? "on" : "off") + ", caption \"" + palette->Caption +
           "\", prompt \"" + session.PromptLine() + "\", " + std::to_string(drawing.Entities().size()) +
           " entities, next handle " + sim::HandleText(drawing.HandleSeed()) + ", " +
           std::to_string(ui.messages.size()) + " messages";
}

void ScenarioRun::Settle() {
    const long long start = clock.now;
    long long quietSince = start;
    std::string last = Snapshot();
    while (clock.now - start < kSettleLimitMs) {
        // With no timer running nothing can change any more.
        if (!TickBefore(start + kSettleLimitMs)) return;
        std::string now = Snapshot();
        if (now != last) {
            last = std::move(now);
            quietSince = clock.now;
        } else if (clock.now - quietSince >= kQuietMs && clock.now - start >= kTimer2Interval) {
            return;
        }
    }
    throw ScenarioError(line, "the palette did not come to rest within " + std::to_string(kSettleLimitMs / 1000) +
                                  " s of simulated time (" + Snapshot() + ")");
}

void ScenarioRun::Advance(int milliseconds) {
    const long long end = clock.now + milliseconds;
    while (TickBefore(end)) {
    }
    clock.now = std::max(clock.now, end);
}

DialogResult ScenarioRun::PlayDialog(Dialog& dialog) {
    if (dialogs.empty()) {
        ui.problems.push_back("the dialog " + dialog.Name() + " opened and no script was given for it");
        return DialogResult::Cancel;
    }
    DialogScript script = std::move(dialogs.front());
    dialogs.pop_front();
    if (script.name != dialog.Name()) {
        ui.problems.push_back("the dialog " + dialog.Name() + " opened; the next script (line " +
                              std::to_string(script.line) + ") is for " + script.name);
        return DialogResult::Cancel;
    }
    const int outer = line;
    for (const Step& step : script.steps) {
        line = step.line;
        step.action(*this);
    }
    line = outer;
    return script.result;
}

}  // namespace kv::scenario
