// A story run against the real programs: simhost.exe (already running) and a fresh
// kvane2k.exe started for the story. The starting drawing goes to the host as a DXF file
// through ":load"; the palette's controls are used through window messages; message boxes
// are read and answered as they appear; time is real, so "wait" watches what the palette
// and the host show until it stops changing.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host_checks.h"
#include "scenario_run.h"

namespace kv::e2e {

class WineScenarioRun : public scenario::ScenarioRun {
public:
    // `paletteExe` is started for the story and closed at its end.
    WineScenarioRun(std::string scenarioFolder, HostUnderTest& host, std::wstring paletteExe);
    ~WineScenarioRun() override;

    // Where screenshots go (each dialog's as it opens, and the stories' own); none when empty.
    std::wstring snapshotFolder;

    sim::Drawing& StartingDrawing() override;
    void SwitchHost(const std::string& what) override;
    void AddLibrary(const std::string& name, const std::string& source, const std::vector<std::string>& symbols,
                    bool flat) override;
    void RestartPalette() override;
    void StepUpDown(const scenario::NamedControl& c, int delta) override;
    void LockSettingsFile() override;
    void Screenshot(const std::string& name, scenario::ShotOf what) override;

    scenario::ControlState Control(const scenario::NamedControl& c) override;
    void Click(const scenario::NamedControl& c) override;
    void RightClick(const scenario::NamedControl& c) override;
    void SetChecked(const scenario::NamedControl& c, bool checked) override;
    void SetText(const scenario::NamedControl& c, const std::string& text) override;
    void SelectItem(const scenario::NamedControl& c, int index) override;
    void DoubleClick(const scenario::NamedControl& c) override;
    void PointAt(const scenario::NamedControl& c, int x, int y) override;
    void ClickAt(const scenario::NamedControl& c, int x, int y) override;
    void CancelDialog() override;
    void ShowPage(int page) override;
    std::string Caption() override;

    void Type(const std::string& text) override;
    void Pick(Point3 p) override;
    void Corners(Point3 first, Point3 second) override;
    void PressEscape() override;

    void Settle() override;
    void Advance(int milliseconds) override;

    const sim::Drawing& Drawing() override;
    std::string PromptLine() override;
    std::string LastHistoryLine() override;
    std::string Variable(const sim::VariableInfo& variable) override;
    std::vector<std::string> TypedTexts() override;
    std::vector<scenario::ScriptedUi::Launch> Launched() override;
    void ExpectDialog(scenario::DialogScript script) override;

    HWND PaletteWindow() const { return palette_; }

private:
    // The first step that is not setup hands the drawing to the host and starts the palette.
    void Begin();
    // Begin, and forget what was seen: the step changes things.
    void Acting();
    void LoadStartingDrawing();
    // A fresh palette starts and ends without a settings file; a restart keeps it.
    void StartPalette(bool keepSettings = false);
    void ClosePalette(bool keepSettings = false);
    // Automation lines; what they printed, without the prompt line that ends the reply.
    std::vector<std::string> Host(const std::string& lines);
    HWND ControlWindow(const scenario::NamedControl& c);
    // Sends a message to one of the palette's windows, then answers a message box or plays
    // the script of a dialog it opened.
    void SendToPalette(HWND w, UINT message, WPARAM wp, LPARAM lp);
    // Reads and answers a message box of the palette, if one is open; true when one was.
    bool AnswerMessageBox();
    // Plays the next dialog script when one of the palette's dialogs shows.
    void PlayOpenDialog();
    std::string Snapshot();
    void MovePaletteBesideHost();
    // Lets `milliseconds` pass, answering message boxes as they open.
    void Watch(unsigned milliseconds);

    HostUnderTest& host_;
    const std::wstring paletteExe_;
    sim::Drawing starting_;
    std::vector<std::string> switches_;
    bool begun_ = false;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND palette_ = nullptr;
    HWND dialog_ = nullptr;             // the dialog whose script plays now
    std::vector<HWND> playingDialogs_;  // it, and the dialogs whose scripts opened it
    std::size_t typedBefore_ = 0;
    std::optional<sim::Drawing> seen_;
    std::wstring scratch_;
    std::vector<std::filesystem::path> addedLibraries_;
};

}  // namespace kv::e2e
