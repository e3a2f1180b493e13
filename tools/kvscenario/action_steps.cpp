// What the user does: clicks and settings on the palette, typing and picking in the
// host, answers to message boxes and dialogs, and letting time pass.
#include <algorithm>

#include "base/number_text.h"
#include "base/strings.h"
#include "app/dialog_layouts.h"
#include "scenario_run.h"
#include "step_table.h"

namespace kv::scenario {

namespace {

// A user cannot press a button that is greyed out or hidden, nor tick such a box.
void CheckUsable(ScenarioRun& run, const NamedControl& c) {
    const ControlState state = ShownControl(run, c);
    if (!state.enabled || !state.visible)
        throw ScenarioError(run.line, std::string(c.name()) + " is disabled or hidden: it cannot be used");
}

bool Is(const NamedControl& c, ControlKind kind) { return c.info->kind == kind; }

struct Pixel {
    int x, y;
};

// A pixel of a picture: `at=x,y`, else its centre.
Pixel PixelOf(Args& args, const NamedControl& c) {
    const std::optional<Point3> at = args.PointOption("at");
    if (!at) return {c.info->rect.width / 2, c.info->rect.height / 2};
    return {static_cast<int>(at->x), static_cast<int>(at->y)};
}

Action ClickStep(Args& args, LineCursor& cursor) {
    const NamedControl c = ControlNamed(args, cursor.dialog);
    if (Is(c, ControlKind::Image)) {
        const Pixel p = PixelOf(args, c);
        return [c, p](ScenarioRun& run) { run.ClickAt(c, p.x, p.y); };
    }
    if (Is(c, ControlKind::UpDown)) {
        const std::string arrow = args.Text("arrow (up or down)");
        if (arrow != "up" && arrow != "down")
            args.Error("an up-down control is clicked up or down, not '" + arrow + "'");
        const int delta = arrow == "up" ? 1 : -1;
        return [c, delta](ScenarioRun& run) {
            CheckUsable(run, c);
            run.StepUpDown(c, delta);
        };
    }
    if (!Is(c, ControlKind::Button) && !Is(c, ControlKind::Check))
        args.Error(std::string(c.name()) + " is not a button, a check box, an up-down control or a picture");
    return [c](ScenarioRun& run) {
        CheckUsable(run, c);
        run.Click(c);
    };
}

Action RightClickStep(Args& args, LineCursor& cursor) {
    const NamedControl c = ControlNamed(args, cursor.dialog);
    if (!Is(c, ControlKind::Button)) args.Error(std::string(c.name()) + " is not a button");
    return [c](ScenarioRun& run) {
        CheckUsable(run, c);
        run.RightClick(c);
    };
}

bool OnOff(Args& args, const std::string& value) {
    if (value == "on") return true;
    if (value == "off") return false;
    args.Error("a check box is set 'on' or 'off', not '" + value + "'");
}

Action ShowPageStep(Args& args) {
    int page = 0;
    if (!TryParseInt(args.Text("page"), page) || page < 0 || page > 3) args.Error("PageControl1 takes a page 0 to 3");
    return [page](ScenarioRun& run) { run.ShowPage(page); };
}

Action SetStep(Args& args, LineCursor& cursor) {
    const std::vector<Word>& words = cursor.current->words;
    if (cursor.dialog.empty() && words.size() > 1 && words[1].text == "PageControl1") {
        args.Text("control name");
        return ShowPageStep(args);
    }
    const NamedControl c = ControlNamed(args, cursor.dialog);
    const std::string value = args.Text("value");
    if (Is(c, ControlKind::Check)) {
        const bool checked = OnOff(args, value);
        return [c, checked](ScenarioRun& run) {
            CheckUsable(run, c);
            run.SetChecked(c, checked);
        };
    }
    if (Is(c, ControlKind::Combo) || Is(c, ControlKind::List)) {
        return [c, value](ScenarioRun& run) {
            CheckUsable(run, c);
            const std::vector<std::string> items = ShownControl(run, c).items;
            const auto found = std::find(items.begin(), items.end(), value);
            if (found == items.end()) throw ScenarioError(run.line, std::string(c.name()) + " has no entry " + value);
            run.SelectItem(c, static_cast<int>(found - items.begin()));
        };
    }
    if (!Is(c, ControlKind::Edit) && !Is(c, ControlKind::EditList))
        args.Error(std::string(c.name()) + " is not a check box, an edit box or a list");
    return [c, value](ScenarioRun& run) {
        CheckUsable(run, c);
        run.SetText(c, value);
    };
}

Action DoubleClickStep(Args& args, LineCursor& cursor) {
    const NamedControl c = ControlNamed(args, cursor.dialog);
    if (Is(c, ControlKind::Image)) {
        const Pixel p = PixelOf(args, c);
        return [c, p](ScenarioRun& run) {
            run.ClickAt(c, p.x, p.y);
            run.DoubleClick(c);
        };
    }
    if (!Is(c, ControlKind::List)) args.Error(std::string(c.name()) + " is not a list box or a picture");
    return [c](ScenarioRun& run) {
        CheckUsable(run, c);
        run.DoubleClick(c);
    };
}

Action HoverStep(Args& args, LineCursor& cursor) {
    const NamedControl c = ControlNamed(args, cursor.dialog);
    if (!Is(c, ControlKind::Image)) args.Error(std::string(c.name()) + " is not a picture");
    const Pixel p = PixelOf(args, c);
    return [c, p](ScenarioRun& run) { run.PointAt(c, p.x, p.y); };
}

Action PaletteStep(Args& args, LineCursor&) {
    const std::string what = args.Text("what the palette does");
    if (what == "scratch-unwritable") return [](ScenarioRun& run) { run.BlockScratchFile(); };
    if (what == "read-only") return [](ScenarioRun& run) { run.LockSettingsFile(); };
    if (what != "restart")
        args.Error("the palette can restart, be read-only or have its scratch-unwritable, not '" + what + "'");
    return [](ScenarioRun& run) { run.RestartPalette(); };
}

Action ScreenshotStep(Args& args, LineCursor&) {
    const std::string name = args.Text("screenshot name");
    const std::string of = args.Option("of").value_or("screen");
    ShotOf what = ShotOf::Screen;
    if (of == "host") what = ShotOf::Host;
    else if (of == "palette") what = ShotOf::Palette;
    else if (of == "both") what = ShotOf::HostAndPalette;
    else if (of != "screen") args.Error("a screenshot is of=screen, host, palette or both, not '" + of + "'");
    return [name, what](ScenarioRun& run) { run.Screenshot(name, what); };
}

Action TypeStep(Args& args, LineCursor&) {
    const std::string text = args.Text("text to type");
    return [text](ScenarioRun& run) { run.Type(text); };
}

Action PickStep(Args& args, LineCursor&) {
    const Point3 p = args.Point("point");
    return [p](ScenarioRun& run) { run.Pick(p); };
}

Action CornersStep(Args& args, LineCursor&) {
    const Point3 first = args.Point("first corner");
    const Point3 second = args.Point("other corner");
    return [first, second](ScenarioRun& run) { run.Corners(first, second); };
}

Action EnterStep(Args&, LineCursor&) {
    return [](ScenarioRun& run) { run.Type("\r"); };
}

Action EscStep(Args&, LineCursor&) {
    return [](ScenarioRun& run) { run.PressEscape(); };
}

Action WaitStep(Args& args, LineCursor&) {
    if (args.Empty()) return [](ScenarioRun& run) { run.Settle(); };
    const int milliseconds = args.Int("milliseconds");
    if (milliseconds <= 0) args.Error("wait takes a positive number of milliseconds");
    return [milliseconds](ScenarioRun& run) { run.Advance(milliseconds); };
}

Action AnswerStep(Args& args, LineCursor&) {
    std::vector<MessageAnswer> answers;
    while (!args.Empty()) {
        const std::string word = args.Text("answer");
        if (word == "ok") answers.push_back(MessageAnswer::Ok);
        else if (word == "yes") answers.push_back(MessageAnswer::Yes);
        else if (word == "no") answers.push_back(MessageAnswer::No);
        else args.Error("an answer is ok, yes or no, not '" + word + "'");
    }
    if (answers.empty()) args.Error("missing answer (ok, yes or no)");
    return [answers](ScenarioRun& run) { run.ui.answers.insert(run.ui.answers.end(), answers.begin(), answers.end()); };
}

Action CloseStep(bool ok, std::string_view dialog, const Args& args) {
    if (!ok) return [](ScenarioRun& run) { run.CancelDialog(); };
    const std::optional<NamedControl> button = FindClosingButton(dialog, DialogResult::Ok);
    if (!button) args.Error("the dialog " + std::string(dialog) + " has no button that closes it with OK");
    return [c = *button](ScenarioRun& run) {
        CheckUsable(run, c);
        run.Click(c);
    };
}

// Verbs a dialog script may hold besides "ok" and "cancel"; its controls are the dialog's. The
// host's verbs serve the picks a dialog starts and waits for while it stays open.
bool InDialogScript(std::string_view verb) {
    return verb == "wait" || verb == "set" || verb == "click" || verb == "rclick" || verb == "expect" ||
           verb == "pick" || verb == "type" || verb == "corners" || verb == "enter" || verb == "esc" ||
           verb == "screenshot" || verb == "dclick";
}

// Whether the line clicks a button that closes the dialog, or double-clicks a picture of it
// (which confirms it where the model allows; else the dialog counts as cancelled).
bool ClosesDialog(const ScenarioLine& line, std::string_view dialog) {
    const std::string& verb = line.words[0].text;
    if ((verb != "click" && verb != "dclick") || line.words.size() < 2) return false;
    const std::optional<NamedControl> c = FindDialogControl(dialog, line.words[1].text);
    if (!c) return false;
    return verb == "click" ? c->info->closes.has_value() : c->info->kind == ControlKind::Image;
}

// The steps played while the dialog is open, ending with the one that closes it: a click
// on one of its closing buttons, "ok" (the button that closes it with OK) or "cancel" (its
// close box).
Action DialogStep(Args& args, LineCursor& cursor) {
    DialogScript script;
    script.line = args.line();
    script.name = args.Text("dialog name");
    if (!FindDialogLayout(script.name)) args.Error("the palette has no dialog " + script.name);
    const std::vector<const ScenarioLine*> body = cursor.Body(args.line(), "dialog");
    cursor.dialog = script.name;
    bool closed = false;
    for (const ScenarioLine* line : body) {
        const std::string& verb = line->words[0].text;
        if (closed) throw ScenarioError(line->number, "nothing can follow the step that closes the dialog");
        if (verb == "ok" || verb == "cancel") {
            Args inner(*line, 1);
            inner.Done();
            script.steps.push_back({line->number, CloseStep(verb == "ok", script.name, inner)});
            closed = true;
        } else if (!line->words[0].quoted && InDialogScript(verb)) {
            closed = ClosesDialog(*line, script.name);
            script.steps.push_back({line->number, CompileLine(*line, cursor)});
        } else {
            throw ScenarioError(line->number,
                                "a dialog script holds wait, set, click, rclick, dclick, expect, pick, type, corners, "
                                "enter, esc, screenshot, ok and cancel; not '" +
                                    verb + "'");
        }
    }
    cursor.dialog = {};
    if (!closed) args.Error("the dialog script must end with a step that closes the dialog");
    return [script](ScenarioRun& run) { run.ExpectDialog(script); };
}

}  // namespace

NamedControl ControlNamed(Args& args, std::string_view dialog) {
    const std::string name = args.Text("control name");
    if (dialog.empty()) {
        if (const std::optional<NamedControl> c = FindPaletteControl(name)) return *c;
        args.Error("the palette has no control " + name);
    }
    if (const std::optional<NamedControl> c = FindDialogControl(dialog, name)) return *c;
    args.Error("the dialog " + std::string(dialog) + " has no control " + name);
}

void AddActionVerbs(VerbTable& verbs) {
    verbs.emplace("click", ClickStep);
    verbs.emplace("rclick", RightClickStep);
    verbs.emplace("dclick", DoubleClickStep);
    verbs.emplace("hover", HoverStep);
    verbs.emplace("set", SetStep);
    verbs.emplace("type", TypeStep);
    verbs.emplace("pick", PickStep);
    verbs.emplace("corners", CornersStep);
    verbs.emplace("enter", EnterStep);
    verbs.emplace("esc", EscStep);
    verbs.emplace("wait", WaitStep);
    verbs.emplace("answer", AnswerStep);
    verbs.emplace("dialog", DialogStep);
    verbs.emplace("palette", PaletteStep);
    verbs.emplace("screenshot", ScreenshotStep);
}

}  // namespace kv::scenario
