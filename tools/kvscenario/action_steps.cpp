// What the user does: clicks and settings on the palette, typing and picking in the
// host, answers to message boxes and dialogs, and letting time pass.
#include "base/number_text.h"
#include "base/strings.h"
#include "palette_controls.h"
#include "scenario_run.h"
#include "step_table.h"

namespace kv::scenario {

namespace {

const PaletteControl& ControlNamed(Args& args) {
    const std::string name = args.Text("control name");
    const PaletteControl* control = FindPaletteControl(name);
    if (!control) args.Error("the palette has no control " + name);
    return *control;
}

// A user cannot press a button that is greyed out or hidden, nor tick such a box.
void CheckUsable(ScenarioRun& run, const PaletteControl& c) {
    const ControlState state = run.Control(c);
    if (!state.enabled || !state.visible)
        throw ScenarioError(run.line, std::string(c.name) + " is disabled or hidden: it cannot be used");
}

Action ClickStep(Args& args, LineCursor&) {
    const PaletteControl& c = ControlNamed(args);
    if (c.edit || c.label) args.Error(std::string(c.name) + " is not a button or a check box");
    return [&c](ScenarioRun& run) {
        CheckUsable(run, c);
        run.Click(c);
    };
}

Action RightClickStep(Args& args, LineCursor&) {
    const PaletteControl& c = ControlNamed(args);
    if (!c.button) args.Error(std::string(c.name) + " is not a button");
    return [&c](ScenarioRun& run) {
        CheckUsable(run, c);
        run.RightClick(c);
    };
}

bool OnOff(Args& args, const std::string& value) {
    if (value == "on") return true;
    if (value == "off") return false;
    args.Error("a check box is set 'on' or 'off', not '" + value + "'");
}

Action SetStep(Args& args, LineCursor&) {
    const std::string name = args.Text("control name");
    const std::string value = args.Text("value");
    if (name == "PageControl1") {
        int page = 0;
        if (!TryParseInt(value, page) || page < 0 || page > 3) args.Error("PageControl1 takes a page 0 to 3");
        return [page](ScenarioRun& run) { run.ShowPage(page); };
    }
    const PaletteControl* c = FindPaletteControl(name);
    if (!c) args.Error("the palette has no control " + name);
    if (c->check) {
        const bool checked = OnOff(args, value);
        return [c, checked](ScenarioRun& run) {
            CheckUsable(run, *c);
            run.SetChecked(*c, checked);
        };
    }
    if (!c->edit) args.Error(name + " is not a check box or an edit box");
    return [c, value](ScenarioRun& run) {
        CheckUsable(run, *c);
        run.SetText(*c, value);
    };
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
        if (word == "ok")
            answers.push_back(MessageAnswer::Ok);
        else if (word == "yes")
            answers.push_back(MessageAnswer::Yes);
        else if (word == "no")
            answers.push_back(MessageAnswer::No);
        else
            args.Error("an answer is ok, yes or no, not '" + word + "'");
    }
    if (answers.empty()) args.Error("missing answer (ok, yes or no)");
    return [answers](ScenarioRun& run) { run.ui.answers.insert(run.ui.answers.end(), answers.begin(), answers.end()); };
}

// The body: "wait" lines that let the timers tick while the dialog is open, then
// "ok" or "cancel", the button that closes it.
Action DialogStep(Args& args, LineCursor& cursor) {
    DialogScript script;
    script.line = args.line();
    script.name = args.Text("dialog name");
    bool closed = false;
    for (const ScenarioLine* line : cursor.Body(args.line(), "dialog")) {
        const std::string& verb = line->words[0].text;
        if (closed) throw ScenarioError(line->number, "nothing can follow the button that closes the dialog");
        Args inner(*line, 1);
        if (verb == "ok" || verb == "cancel") {
            script.result = verb == "ok" ? DialogResult::Ok : DialogResult::Cancel;
            closed = true;
        } else if (verb == "wait") {
            script.steps.push_back({line->number, WaitStep(inner, cursor)});
        } else {
            throw ScenarioError(line->number, "a dialog script holds 'wait', then 'ok' or 'cancel'; not '" + verb + "'");
        }
        inner.Done();
    }
    if (!closed) args.Error("the dialog script must end with 'ok' or 'cancel'");
    return [script](ScenarioRun& run) { run.ExpectDialog(script); };
}

}  // namespace

void AddActionVerbs(VerbTable& verbs) {
    verbs.emplace("click", ClickStep);
    verbs.emplace("rclick", RightClickStep);
    verbs.emplace("set", SetStep);
    verbs.emplace("type", TypeStep);
    verbs.emplace("pick", PickStep);
    verbs.emplace("corners", CornersStep);
    verbs.emplace("enter", EnterStep);
    verbs.emplace("esc", EscStep);
    verbs.emplace("wait", WaitStep);
    verbs.emplace("answer", AnswerStep);
    verbs.emplace("dialog", DialogStep);
}

}  // namespace kv::scenario
