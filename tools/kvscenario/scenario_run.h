// Everything one scenario runs against: the stand-in host and its windows, the
// palette's main form on scripted ports, simulated time, and what the checks
// remember between steps.
#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/main_form.h"
#include "platform/native_files.h"
#include "scenario.h"
#include "scenario_lines.h"
#include "scripted_ui.h"
#include "simhost/session.h"
#include "simhost/windows/desktop.h"

namespace kv::scenario {

class SimulatedClock : public Clock {
public:
    long long now = 0;  // milliseconds
    void Sleep(int milliseconds) override { now += milliseconds; }
};

class ScenarioRun {
public:
    explicit ScenarioRun(std::string scenarioFolder);
    ~ScenarioRun();
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    // Runs the timers until the palette waits for the user or is idle: nothing it
    // or the host shows changes for a while. A palette that keeps changing fails
    // the step after a bounded time instead of running forever.
    void Settle();
    // Runs the timers for this much simulated time.
    void Advance(int milliseconds);

    void Fail(const std::string& message);
    // A path from the scenario: relative ones are taken from the scenario's folder.
    std::string ScenarioPath(const std::string& path) const;

    const std::string scenarioFolder;
    const std::filesystem::path workFolder;
    NativeFiles files;
    SimulatedClock clock;
    ScriptedUi ui;
    sim::Session session;
    sim::Desktop desktop;
    int hostInstance = 0;
    std::unique_ptr<TFormKvaneMain> palette;

    std::map<std::string, sim::Handle> names;
    double tolerance = 0.001;
    std::size_t typedChecked = 0;
    std::size_t messagesChecked = 0;
    std::deque<DialogScript> dialogs;
    std::vector<std::string> failures;
    int line = 0;

private:
    struct TimerDue {
        long long timer1 = -1;
        long long timer2 = -1;
    };
    void SyncTimers();
    // Fires the next timer due no later than `limit`; false when none is.
    bool TickBefore(long long limit);
    std::string Snapshot();
    DialogResult PlayDialog(Dialog& dialog);

    TimerDue due_;
};

}  // namespace kv::scenario
