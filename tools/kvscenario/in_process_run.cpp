#include "in_process_run.h"

#include <algorithm>
#include <fstream>
#include <random>

#include "app/palette_layout.h"
#include "base/number_text.h"
#include "scenario_lines.h"

namespace kv::scenario {

namespace {

// The palette is at rest when nothing it or the host shows has changed for this long.
constexpr long long kQuietMs = 1000;
// A story that has not come to rest by then never will.
constexpr long long kSettleLimitMs = 120000;
// "host slow": the prompt line shows a change only after this many reads, several ticks.
constexpr int kSlowHostPromptReads = 6;
constexpr std::string_view kExecutableName = "kvane2k.exe";

// A folder of the run's own, so that stories running at the same time never share files.
std::filesystem::path MakeWorkFolder() {
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder = temp / ("kvscenario-" + std::to_string(random() % 1000000000));
        if (std::filesystem::create_directory(folder)) return folder;
    }
    throw std::runtime_error("cannot create a folder under " + temp.string());
}

// Where the settings go when the file beside the palette cannot be written: beside the run's
// folder, whose sub-folders the palette would list as libraries.
std::filesystem::path AppDataFolder(const std::filesystem::path& workFolder) {
    return workFolder.string() + "-appdata";
}

// The pictures of the palette: drawn into nothing, with the size the view gives them.
class PictureCanvas : public Canvas {
public:
    PictureCanvas(int width, int height) : width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Fill(Rgb) override {}
    void SetPen(Rgb) override {}
    void Line(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Text(int, int, std::string_view, int, int) override {}
    int TextHeight(std::string_view, int height) const override { return height; }
    bool GrabScreen(const ScreenRect&) override { return true; }

private:
    int width_, height_;
};

}  // namespace

InProcessRun::InProcessRun(std::string folder)
    : ScenarioRun(std::move(folder)),
      workFolder(MakeWorkFolder()),
      session(sim::RealFiles()),
      settings(files, (workFolder / kExecutableName).string(), AppDataFolder(workFolder).string()) {
    std::filesystem::create_directory(AppDataFolder(workFolder));
    session.workingFolder = workFolder.string();
    hostInstance = desktop.StartHost(session);
    desktop.AddPaletteWindow(std::string(kAppTitle), "TFormKvaneMain");
    MakePalette();
    ui.runDialog = [this](Dialog& dialog) { return PlayDialog(dialog); };
}

void InProcessRun::MakePalette() {
    palette = std::make_unique<TFormKvaneMain>(desktop, ui, clock, files, (workFolder / kExecutableName).string());
    palette->Settings = {[this] { return settings.ForReading(); },
                         [this](const std::function<bool(IniFile&)>& write) { return settings.Write(write); }};
    paletteControls_ = BindPalette(*palette);
    pictures_.clear();
    for (const BoundControl& c : paletteControls_) {
        if (!c.image) continue;
        pictures_.push_back(std::make_unique<PictureCanvas>(c.info->rect.width, c.info->rect.height));
        *c.image = pictures_.back().get();
    }
}

void InProcessRun::RestartPalette() {
    if (!palette->SaveSettings(settings)) throw ScenarioError(line, "the palette could not write its settings file");
    palette.reset();
    MakePalette();
    palette->LoadSettings(settings, {.screenWidth = 1024, .screenHeight = 768});
}

// A link into a folder that is not there: the file can be neither read nor written, whoever
// runs the story (file modes do not stop an administrator).
void InProcessRun::LockSettingsFile() {
    const std::filesystem::path beside = settings.BesidePath();
    std::filesystem::remove(beside);
    std::filesystem::create_symlink(workFolder / "gone" / beside.filename(), beside);
}

InProcessRun::~InProcessRun() {
    palette.reset();
    std::error_code ignored;
    std::filesystem::remove_all(workFolder, ignored);
    std::filesystem::remove_all(AppDataFolder(workFolder), ignored);
}

void InProcessRun::SwitchHost(const std::string& what) {
    if (what == "floating" || what == "docked") {
        desktop.MoveCommandLine(hostInstance,
                                what == "floating" ? sim::CommandLinePlace::Floating : sim::CommandLinePlace::Docked);
    } else if (what == "quit") {
        desktop.CloseHost(hostInstance);
    } else if (what == "start") {
        if (desktop.Running(hostInstance)) throw ScenarioError(line, "the host is running already");
        hostInstance = desktop.StartHost(session);
    } else if (what == "restart") {
        hostInstance = desktop.RestartHost(hostInstance);
    } else if (what == "half-width-prompt") {
        session.switches().halfWidthTexts = true;
    } else if (what == "slow") {
        desktop.promptLagReads = kSlowHostPromptReads;
        slowHost_ = true;
    } else if (what == "dxfout-fails") {
        session.switches().dxfoutWritesNothing = true;
    } else if (what == "insert-fails") {
        session.switches().insertFileMissing = true;
    } else {
        throw ScenarioError(line, "unknown host switch '" + what + "'");
    }
}

void InProcessRun::AddLibrary(const std::string& name, const std::string& source,
                              const std::vector<std::string>& symbols, bool flat) {
    namespace fs = std::filesystem;
    const fs::path folder = workFolder / name;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!source.empty() && !flat) fs::copy(ScenarioPath(source), folder, fs::copy_options::recursive, error);
    if (!source.empty() && flat) CopyDxfTreeFlat(ScenarioPath(source), folder, error);
    if (error) throw ScenarioError(line, "cannot copy " + ScenarioPath(source) + ": " + error.message());
    for (const std::string& symbol : symbols) {
        std::ofstream out(folder / (symbol + ".dxf"), std::ios::binary);
        out << kBoxSymbol;
        if (!out) throw ScenarioError(line, "cannot write the symbol " + symbol);
    }
    palette->ShowLibraries();
}

const BoundControl& InProcessRun::Bound(const NamedControl& c) {
    if (c.dialog.empty()) return paletteControls_[c.index];
    if (!dialog_ || dialog_->name != c.dialog)
        throw ScenarioError(line, "the dialog " + std::string(c.dialog) + " is not open");
    return dialog_->controls[c.index];
}

ControlState InProcessRun::Control(const NamedControl& c) {
    const BoundControl& b = Bound(c);
    if (b.button) return {b.button->enabled, b.button->visible, false, b.button->caption, {}};
    if (b.check) return {b.check->enabled, true, b.check->checked, "", {}};
    if (b.edit) return {b.edit->enabled, b.edit->visible, false, b.edit->text, b.edit->items};
    if (b.upDown) return {b.upDown->enabled, true, false, std::to_string(b.upDown->position), {}};
    if (b.list) {
        const bool selected = b.list->itemIndex >= 0 && b.list->itemIndex < static_cast<int>(b.list->items.size());
        return {b.list->enabled, true, false, selected ? b.list->items[static_cast<size_t>(b.list->itemIndex)] : "",
                b.list->items};
    }
    return {b.label->enabled, b.label->visible, false, b.label->caption, {}};
}

void InProcessRun::Click(const NamedControl& c) {
    const BoundControl& b = Bound(c);
    if (b.mouseDown) b.mouseDown(MouseButton::Left);
    if (b.check) b.check->checked = !b.check->checked;
    if (b.click) b.click();
    if (c.info->closes) dialog_->closedWith = c.info->closes;
}

void InProcessRun::RightClick(const NamedControl& c) {
    const BoundControl& b = Bound(c);
    if (b.mouseDown) b.mouseDown(MouseButton::Right);
}

void InProcessRun::SetChecked(const NamedControl& c, bool checked) {
    const BoundControl& b = Bound(c);
    if (b.check->checked == checked) return;
    b.check->checked = checked;
    if (b.click) b.click();
}

void InProcessRun::SetText(const NamedControl& c, const std::string& text) {
    const BoundControl& b = Bound(c);
    b.edit->text = text;
    if (b.change) b.change();
}

void InProcessRun::SelectItem(const NamedControl& c, int index) {
    const BoundControl& b = Bound(c);
    b.list->itemIndex = index;
    if (b.click) b.click();
}

void InProcessRun::DoubleClick(const NamedControl& c) {
    const BoundControl& b = Bound(c);
    if (b.doubleClick) b.doubleClick();
    if (!dialog_ || !dialog_->model->closeRequest) return;
    dialog_->closedWith = dialog_->model->closeRequest;
    dialog_->model->closeRequest.reset();
}

void InProcessRun::StepUpDown(const NamedControl& c, int delta) {
    const BoundControl& b = Bound(c);
    const int position = std::clamp(b.upDown->position + delta, b.upDown->min, b.upDown->max);
    if (position == b.upDown->position) return;
    b.upDown->position = position;
    if (b.click) b.click();
}

void InProcessRun::PointAt(const NamedControl& c, int x, int y) {
    const BoundControl& b = Bound(c);
    if (b.pointerMove) b.pointerMove(x, y);
}

void InProcessRun::ClickAt(const NamedControl& c, int x, int y) {
    const BoundControl& b = Bound(c);
    if (b.pointerDown) b.pointerDown(x, y);
    if (b.click) b.click();
}

void InProcessRun::CancelDialog() {
    if (!dialog_) throw ScenarioError(line, "no dialog is open");
    dialog_->closedWith = DialogResult::Cancel;
}

void InProcessRun::ShowPage(int page) {
    palette->PageControl1.activePageIndex = page;
    palette->PageControl1Change();
}

std::string InProcessRun::LastHistoryLine() {
    const std::vector<std::string>& history = session.History();
    return history.empty() ? std::string() : history.back();
}

std::string InProcessRun::Variable(const sim::VariableInfo& variable) {
    return sim::VariableText(session.drawing(), variable);
}

void InProcessRun::SyncTimers() {
    auto sync = [this](const TimerControl& timer, long long& due) {
        if (!timer.enabled) due = -1;
        else if (due < 0) due = clock.now + timer.interval;
    };
    sync(palette->Timer1, due_.timer1);
    sync(palette->Timer2, due_.timer2);
}

bool InProcessRun::TickBefore(long long limit) {
    SyncTimers();
    const bool first = due_.timer1 >= 0 && (due_.timer2 < 0 || due_.timer1 <= due_.timer2);
    long long& due = first ? due_.timer1 : due_.timer2;
    if (due < 0 || due > limit) return false;
    clock.now = std::max(clock.now, due);
    due = clock.now + (first ? palette->Timer1.interval : palette->Timer2.interval);
    if (first) palette->Timer1Timer();
    else palette->Timer2Timer();
    return true;
}

std::string InProcessRun::Snapshot() {
    const sim::Drawing& drawing = session.drawing();
    return "state " + std::to_string(Number(palette->op.OpState)) + ", queued " +
           std::to_string(Number(palette->op.LastOp)) + ", Timer1 " + (palette->Timer1.enabled ? "on" : "off") +
           ", caption \"" + palette->Caption + "\", prompt \"" + session.PromptLine() + "\", " +
           std::to_string(drawing.Entities().size()) + " entities, next handle " +
           sim::HandleText(drawing.HandleSeed()) + ", " + std::to_string(ui.messages.size()) + " messages";
}

void InProcessRun::Settle() {
    const long long start = clock.now;
    long long quietSince = start;
    // The keyword watcher, reading once a tick, sees a slow host's typed keyword that many ticks late.
    const long long quietMs = kQuietMs + (slowHost_ ? kSlowHostPromptReads * kTimer2Interval : 0);
    std::string last = Snapshot();
    while (clock.now - start < kSettleLimitMs) {
        // With no timer running nothing can change any more.
        if (!TickBefore(start + kSettleLimitMs)) return;
        std::string now = Snapshot();
        if (now != last) {
            last = std::move(now);
            quietSince = clock.now;
        } else if (clock.now - quietSince >= quietMs && clock.now - start >= kTimer2Interval) {
            return;
        }
    }
    throw ScenarioError(line, "the palette did not come to rest within " + std::to_string(kSettleLimitMs / 1000) +
                                  " s of simulated time (" + Snapshot() + ")");
}

void InProcessRun::Advance(int milliseconds) {
    const long long end = clock.now + milliseconds;
    while (TickBefore(end)) {}
    clock.now = std::max(clock.now, end);
}

std::string InProcessRun::BusyReason() {
    std::string reason = ScenarioRun::BusyReason();
    auto add = [&reason](const std::string& part) { reason += (reason.empty() ? "" : ", ") + part; };
    if (palette->op.OpState != kIdle) add("state " + std::to_string(Number(palette->op.OpState)));
    if (palette->Timer1.enabled) add("Timer1 on");
    return reason;
}

// A folder in the scratch file's place: no one, not even an administrator, can write it.
void InProcessRun::BlockScratchFile() {
    std::filesystem::create_directory(workFolder / std::filesystem::path(kExecutableName).replace_extension(".dxf"));
}

DialogResult InProcessRun::PlayDialog(Dialog& dialog) {
    const std::string name(dialog.Frame().name);
    if (dialogs.empty()) {
        ui.problems.push_back("the dialog " + name + " opened and no script was given for it");
        return DialogResult::Cancel;
    }
    DialogScript script = std::move(dialogs.front());
    dialogs.pop_front();
    if (script.name != name) {
        ui.problems.push_back("the dialog " + name + " opened; the next script (line " + std::to_string(script.line) +
                              ") is for " + script.name);
        return DialogResult::Cancel;
    }
    // A dialog opened from within another one's script comes back to it when it closes.
    std::optional<OpenDialog> outer = std::move(dialog_);
    dialog_ = OpenDialog{dialog.Frame().name, dialog.Controls(), std::nullopt, &dialog, {}};
    for (const BoundControl& c : dialog_->controls) {
        if (!c.image) continue;
        dialog_->pictures.push_back(std::make_unique<PictureCanvas>(c.info->rect.width, c.info->rect.height));
        *c.image = dialog_->pictures.back().get();
    }
    dialog.Opening();
    const int outerLine = line;
    for (const Step& step : script.steps) {
        line = step.line;
        step.action(*this);
    }
    line = outerLine;
    const DialogResult result = dialog_->closedWith.value_or(DialogResult::Cancel);
    // The pictures go with the dialog: the model keeps no canvas of it.
    for (const BoundControl& c : dialog_->controls)
        if (c.image) *c.image = nullptr;
    dialog_ = std::move(outer);
    return result;
}

}  // namespace kv::scenario
