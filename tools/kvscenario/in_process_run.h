// A story in one process: the stand-in host and its windows, the palette's main form
// on scripted ports, and simulated time.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/main_form.h"
#include "platform/native_files.h"
#include "scenario_run.h"
#include "simhost/session.h"
#include "simhost/inproc/desktop.h"

namespace kv::scenario {

class SimulatedClock : public Clock {
public:
    long long now = 0;  // milliseconds
    void Sleep(int milliseconds) override { now += milliseconds; }
    long long Milliseconds() override { return now; }
};

class InProcessRun : public ScenarioRun {
public:
    explicit InProcessRun(std::string scenarioFolder);
    ~InProcessRun() override;

    sim::Drawing& StartingDrawing() override { return session.drawing(); }
    void SwitchHost(const std::string& what) override;
    void AddLibrary(const std::string& name, const std::string& source, const std::vector<std::string>& symbols,
                    bool flat) override;

    ControlState Control(const NamedControl& c) override;
    void Click(const NamedControl& c) override;
    void RightClick(const NamedControl& c) override;
    void SetChecked(const NamedControl& c, bool checked) override;
    void SetText(const NamedControl& c, const std::string& text) override;
    void SelectItem(const NamedControl& c, int index) override;
    void DoubleClick(const NamedControl& c) override;
    void StepUpDown(const NamedControl& c, int delta) override;
    void PointAt(const NamedControl& c, int x, int y) override;
    void ClickAt(const NamedControl& c, int x, int y) override;
    void CancelDialog() override;
    void ShowPage(int page) override;
    void RestartPalette() override;
    void LockSettingsFile() override;
    void Screenshot(const std::string&, ShotOf) override {}
    std::string Caption() override { return palette->Caption; }

    void Type(const std::string& text) override {
        Waited();
        session.Type(text);
    }
    void Pick(Point3 p) override {
        Waited();
        session.Pick(p);
    }
    void Corners(Point3 first, Point3 second) override {
        Waited();
        session.GiveWindow(first, second);
    }
    void PressEscape() override {
        Waited();
        session.PressEscape();
    }

    // Nothing the palette or the host shows (state, timers, caption, prompt, drawing,
    // messages) changes for a while.
    void Settle() override;
    void Advance(int milliseconds) override;

    const sim::Drawing& Drawing() override { return session.drawing(); }
    std::string PromptLine() override { return session.PromptLine(); }
    std::string LastHistoryLine() override;
    std::string Variable(const sim::VariableInfo& variable) override;
    std::vector<std::string> TypedTexts() override { return desktop.TypedTexts(); }
    std::vector<ScriptedUi::Launch> Launched() override { return ui.launched; }
    void ExpectDialog(DialogScript script) override { dialogs.push_back(std::move(script)); }
    std::string BusyReason() override;
    void BlockScratchFile() override;

    // The prompt the host showed at each of the user's actions in it, outside dialogs.
    std::vector<std::string> waitedPrompts;

    const std::filesystem::path workFolder;
    NativeFiles files;
    SimulatedClock clock;
    sim::Session session;
    sim::Desktop desktop;
    int hostInstance = 0;
    std::unique_ptr<TFormKvaneMain> palette;
    // The settings file beside the palette, with a fallback copy in the run's own folder.
    SettingsFile settings;

private:
    void MakePalette();
    void Waited() {
        if (!dialog_) waitedPrompts.push_back(session.PromptLine());
    }
    bool slowHost_ = false;
    // The dialog a script plays now, with its controls bound to its model.
    struct OpenDialog {
        std::string_view name;
        std::vector<BoundControl> controls;
        std::optional<DialogResult> closedWith;
        Dialog* model = nullptr;
        std::vector<std::unique_ptr<Canvas>> pictures;
    };
    struct TimerDue {
        long long timer1 = -1;
        long long timer2 = -1;
    };
    void SyncTimers();
    // Fires the next timer due no later than `limit`; false when none is.
    bool TickBefore(long long limit);
    std::string Snapshot();
    DialogResult PlayDialog(Dialog& dialog);
    const BoundControl& Bound(const NamedControl& c);

    std::vector<BoundControl> paletteControls_;
    std::vector<std::unique_ptr<Canvas>> pictures_;
    std::optional<OpenDialog> dialog_;
    TimerDue due_;
};

}  // namespace kv::scenario
