// What a story acts on and checks: the palette and the stand-in host, either in one
// process in simulated time (InProcessRun) or as the real programs under Wine. Steps
// reach them only through this, so one story runs the same way in both.
#pragma once

#include <array>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"
#include "named_controls.h"
#include "scenario.h"
#include "scenario_lines.h"
#include "scripted_ui.h"
#include "simhost/drawing.h"
#include "simhost/sysvars.h"

namespace kv::scenario {

// A control as the user sees it; `text` is an edit box's text or a caption.
struct ControlState {
    bool enabled = false;
    bool visible = false;
    bool checked = false;
    std::string text;                // a list's selected entry, a picture's hint
    std::vector<std::string> items;  // a list's entries
};

// A box 20 wide and 10 high, its origin at the middle of its left side, where a wire attaches.
inline constexpr std::string_view kBoxSymbol =
    "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
    "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n-5\r\n 11\r\n20\r\n 21\r\n-5\r\n"
    "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n20\r\n 20\r\n-5\r\n 11\r\n20\r\n 21\r\n5\r\n"
    "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n20\r\n 20\r\n5\r\n 11\r\n0\r\n 21\r\n5\r\n"
    "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n5\r\n 11\r\n0\r\n 21\r\n-5\r\n"
    "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";

// The host values an operation may change and must type back when it ends, however it ends.
inline constexpr std::array<std::string_view, 12> kOperationVariables{"SNAPMODE",  "OSMODE", "ORTHOMODE", "FILEDIA",
                                                                      "FILLETRAD", "CLAYER", "CECOLOR",   "CELTYPE",
                                                                      "CELTSCALE", "ATTREQ", "ATTDIA",    "LUPREC"};

// What a screenshot shows: the whole screen (a dialog while its script plays), or one window.
enum class ShotOf { Screen, Host, Palette, HostAndPalette };

// Where the build wrote the starter library ("library NAME starter").
std::string StarterLibraryPath();
// "library NAME from=FOLDER flat": every DXF file of the tree under `source` into `folder`,
// named "<its folder>-<its name>".
void CopyDxfTreeFlat(const std::filesystem::path& source, const std::filesystem::path& folder, std::error_code& error);

class ScenarioRun {
public:
    explicit ScenarioRun(std::string folder) : scenarioFolder(std::move(folder)) {}
    virtual ~ScenarioRun() = default;
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    // --- setting up: the drawing the story starts with, and the host's switches ---
    virtual sim::Drawing& StartingDrawing() = 0;
    // A library folder beside the palette's executable, copied from `source` (when not empty;
    // `flat`: every DXF file of its tree, named "<its folder>-<its name>") and holding a small
    // box symbol of each name in `symbols`; the palette lists the libraries again.
    virtual void AddLibrary(const std::string& name, const std::string& source, const std::vector<std::string>& symbols,
                            bool flat) = 0;
    // A "host" line's word ("floating", "quit", "dxfout-fails", ...); ScenarioError for
    // one this run cannot do.
    virtual void SwitchHost(const std::string& what) = 0;

    // --- the palette, and the dialog a script plays ---
    virtual ControlState Control(const NamedControl& c) = 0;
    // A left click: mouse-down, then click; a check box toggles; a dialog's closing button
    // closes it.
    virtual void Click(const NamedControl& c) = 0;
    // The mouse-down event only, as the toolkit raises it for the right button.
    virtual void RightClick(const NamedControl& c) = 0;
    // Its click event runs only when the box changes.
    virtual void SetChecked(const NamedControl& c, bool checked) = 0;
    virtual void SetText(const NamedControl& c, const std::string& text) = 0;
    // Selects a list's entry as a click on it does, and runs its change or click event.
    virtual void SelectItem(const NamedControl& c, int index) = 0;
    // A list box's selected entry, or a picture where the last click went.
    virtual void DoubleClick(const NamedControl& c) = 0;
    // One arrow of an up-down control: +1 the upper, -1 the lower.
    virtual void StepUpDown(const NamedControl& c, int delta) = 0;
    // The mouse on a picture at a pixel of it: moved there, or a left click there.
    virtual void PointAt(const NamedControl& c, int x, int y) = 0;
    virtual void ClickAt(const NamedControl& c, int x, int y) = 0;
    // The open dialog's close box: it closes with the cancel result.
    virtual void CancelDialog() = 0;
    virtual void ShowPage(int page) = 0;
    // "palette restart": the palette closes, writing its settings file, and starts again on it.
    virtual void RestartPalette() = 0;
    // From now on the settings file beside the palette can be neither read nor written, as when
    // its folder is gone.
    virtual void LockSettingsFile() = 0;
    // "screenshot NAME [of=...]": end to end, a screenshot "scenario-NAME" as the screen is now;
    // in process nothing.
    virtual void Screenshot(const std::string& name, ShotOf what) = 0;
    virtual std::string Caption() = 0;

    // --- the user in the host ---
    virtual void Type(const std::string& text) = 0;
    virtual void Pick(Point3 p) = 0;
    virtual void Corners(Point3 first, Point3 second) = 0;
    virtual void PressEscape() = 0;

    // --- time ---
    // Until the palette waits for the user or is idle; a palette that never comes to
    // rest fails the step after a bounded time.
    virtual void Settle() = 0;
    virtual void Advance(int milliseconds) = 0;

    // --- what the host and the palette show ---
    virtual const sim::Drawing& Drawing() = 0;
    virtual std::string PromptLine() = 0;
    virtual std::string LastHistoryLine() = 0;
    virtual std::string Variable(const sim::VariableInfo& variable) = 0;
    // Every command text the palette sent to the host, in order.
    virtual std::vector<std::string> TypedTexts() = 0;
    virtual std::vector<ScriptedUi::Launch> Launched() = 0;
    virtual void ExpectDialog(DialogScript script) = 0;

    // --- the fault matrix ---
    // Why the palette is not idle, empty when it is: its caption is not its title (in process
    // also: an operation runs, Timer1 ticks).
    virtual std::string BusyReason();
    // "palette scratch-unwritable": nothing can write the scratch file beside the palette.
    virtual void BlockScratchFile() { throw ScenarioError(line, "this run cannot block the scratch file"); }
    // The host values an operation may change, as the setup left them ("expect restored").
    std::map<std::string, std::string> startingValues;

    void Fail(const std::string& message) { failures.push_back("line " + std::to_string(line) + ": " + message); }
    // A path from the scenario: relative ones are taken from the scenario's folder.
    std::string ScenarioPath(const std::string& path) const;

    const std::string scenarioFolder;
    // Message boxes shown and answered; answers given beforehand.
    ScriptedUi ui;
    std::deque<DialogScript> dialogs;
    std::map<std::string, sim::Handle> names;
    // The drawing as the first step after the setup found it.
    std::optional<std::vector<sim::Entity>> startingEntities;
    double tolerance = 0.001;
    std::size_t typedChecked = 0;
    std::size_t messagesChecked = 0;
    std::vector<std::string> failures;
    int line = 0;
};

// The control as the user sees it: one placed below the form's client area is never visible,
// whatever its window says.
ControlState ShownControl(ScenarioRun& run, const NamedControl& c);

// Failures as "line N: what went wrong"; empty when the story held.
std::vector<std::string> RunScenario(const Scenario& scenario, ScenarioRun& run);

}  // namespace kv::scenario
