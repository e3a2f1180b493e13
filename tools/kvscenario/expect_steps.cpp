// The checks of a scenario: the drawing, the host's prompt, history and variables,
// what the palette typed and showed, and the palette's own controls.
#include <algorithm>
#include <filesystem>

#include "base/number_text.h"
#include "base/strings.h"
#include "drawing_content.h"
#include "entity_desc.h"
#include "named_controls.h"
#include "scenario_run.h"
#include "simhost/input_text.h"
#include "simhost/sysvars.h"
#include "step_table.h"

namespace kv::scenario {

namespace {

// How many entities a failure message lists before it stops.
constexpr std::size_t kListedEntities = 12;

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char* digits = "0123456789ABCDEF";
            out += std::string("\\x") + digits[(c >> 4) & 0xF] + digits[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Listing(const sim::Drawing& drawing, std::optional<sim::EntityKind> kind) {
    std::string text;
    std::size_t listed = 0;
    for (const sim::Entity& e : drawing.Entities()) {
        if (kind && e.Kind() != *kind) continue;
        if (listed++ == kListedEntities) return text + "\n    ...";
        text += "\n    " + Describe(e);
    }
    return text.empty() ? " none" : text;
}

std::string SourceText(const ScenarioLine& line) {
    std::string text;
    for (std::size_t i = 1; i < line.words.size(); ++i)
        text += (i > 1 ? " " : "") + (line.words[i].quoted ? Quoted(line.words[i].text) : line.words[i].text);
    return text;
}

Action EntityCheck(const std::string& kindWord, bool absent, Args& args, const std::string& source) {
    const EntityDesc desc = ParseEntityDesc(kindWord, args);
    std::string name;
    if (!absent && args.Keyword("as")) name = args.Text("name after 'as'");
    return [desc, absent, name, source](ScenarioRun& run) {
        const sim::Drawing& drawing = run.Drawing();
        std::vector<const sim::Entity*> found;
        for (const sim::Entity& e : drawing.Entities())
            if (Matches(desc, e, run.tolerance)) found.push_back(&e);
        if (absent) {
            if (!found.empty()) run.Fail("expected no such entity, found " + Describe(*found.front()));
            return;
        }
        if (found.size() != 1) {
            run.Fail(std::string(found.empty() ? "no entity matches" : "more than one entity matches") + " '" + source +
                     "'; the drawing has:" + Listing(drawing, desc.kind));
            return;
        }
        if (!name.empty() && !run.names.emplace(name, found.front()->handle).second)
            throw ScenarioError(run.line, "the name " + name + " is given twice");
    };
}

std::optional<sim::EntityKind> KindOf(Args& args, const std::string& word) {
    if (word == "all") return std::nullopt;
    if (word == "polyline") return sim::EntityKind::Polyline;
    const std::optional<sim::EntityKind> kind = KindOfWord(word);
    if (!kind)
        args.Error("'" + word +
                   "' is not an entity kind (line, arc, circle, pline, polyline, insert, text, solid "
                   "or all)");
    return kind;
}

Action CountCheck(Args& args) {
    const std::string kindWord = args.Text("entity kind");
    const std::optional<sim::EntityKind> kind = KindOf(args, kindWord);
    const int count = args.Int("count");
    const std::optional<std::string> layer = args.Option("layer");
    const std::optional<int> color = args.ColorOption("color");
    const std::optional<std::string> linetype = args.Option("linetype");
    const std::optional<std::string> block = args.Option("name");
    return [=](ScenarioRun& run) {
        int n = 0;
        for (const sim::Entity& e : run.Drawing().Entities()) {
            if (kind && e.Kind() != *kind) continue;
            if (layer && !EqualsIgnoreCaseAscii(*layer, e.layer)) continue;
            if (color && *color != e.color) continue;
            if (linetype && !EqualsIgnoreCaseAscii(*linetype, e.linetype)) continue;
            const auto* insert = std::get_if<sim::InsertGeom>(&e.geom);
            if (block && (!insert || !EqualsIgnoreCaseAscii(*block, insert->name))) continue;
            ++n;
        }
        if (n != count)
            run.Fail("expected " + std::to_string(count) + " " + kindWord + ", found " + std::to_string(n) +
                     "; the drawing has:" + Listing(run.Drawing(), kind));
    };
}

Action HandleCheck(Args& args, bool kept) {
    const std::string name = args.Text("entity name");
    return [name, kept](ScenarioRun& run) {
        const auto it = run.names.find(name);
        if (it == run.names.end()) throw ScenarioError(run.line, "no entity was named " + name);
        const bool present = run.Drawing().Find(it->second) != nullptr;
        if (present != kept)
            run.Fail(name + " [" + sim::HandleText(it->second) + "] was " + (present ? "kept" : "replaced") +
                     (kept ? ", expected kept" : ", expected replaced"));
    };
}

Action MessageCheck(Args& args) {
    const std::string text = args.Text("message text");
    return [text](ScenarioRun& run) {
        const std::vector<std::string>& shown = run.ui.messages;
        if (run.messagesChecked >= shown.size()) {
            run.Fail("expected the message " + Quoted(text) + ", no further message was shown");
            return;
        }
        const std::string& next = shown[run.messagesChecked++];
        if (next != text) run.Fail("expected the message " + Quoted(text) + ", the palette showed " + Quoted(next));
    };
}

Action NoMessageCheck() {
    return [](ScenarioRun& run) {
        const std::vector<std::string>& shown = run.ui.messages;
        if (run.messagesChecked < shown.size())
            run.Fail("expected no further message, the palette showed " + Quoted(shown[run.messagesChecked]));
        run.messagesChecked = shown.size();
    };
}

// Numbers compare within the tolerance (points number by number), names ignore
// ASCII case and the host's double quotes.
bool SameValue(const std::string& want, const std::string& have, double tolerance) {
    const std::vector<std::string> a = Split(sim::Unquote(want), ',');
    const std::vector<std::string> b = Split(sim::Unquote(have), ',');
    if (a.size() == b.size()) {
        bool numbers = true;
        for (std::size_t i = 0; i < a.size() && numbers; ++i) {
            double x = 0, y = 0;
            numbers = TryParseReal(a[i], x) && TryParseReal(b[i], y) && std::abs(x - y) <= tolerance;
        }
        if (numbers) return true;
    }
    return EqualsIgnoreCaseAscii(sim::Unquote(want), sim::Unquote(have));
}

Action SysvarCheck(Args& args) {
    const std::string name = UpperAscii(args.Text("variable name"));
    const std::string value = args.Text("value");
    const sim::VariableInfo* variable = sim::FindVariable(name);
    if (!variable) args.Error("the host has no system variable " + name);
    return [variable, value](ScenarioRun& run) {
        const std::string have = run.Variable(*variable);
        if (!SameValue(value, have, run.tolerance))
            run.Fail(std::string(variable->name) + " is " + have + ", expected " + value);
    };
}

Action TypedCheck(Args& args) {
    const std::string text = args.Text("typed text");
    return [text](ScenarioRun& run) {
        const std::vector<std::string> typed = run.TypedTexts();
        const auto from = typed.begin() + static_cast<std::ptrdiff_t>(run.typedChecked);
        const auto it = std::find(from, typed.end(), text);
        if (it != typed.end()) {
            run.typedChecked = static_cast<std::size_t>(it - typed.begin()) + 1;
            return;
        }
        std::string since;
        for (auto t = from; t != typed.end(); ++t) since += " " + Quoted(*t);
        run.Fail("the palette did not type " + Quoted(text) +
                 "; it typed since the last check:" + (since.empty() ? " nothing" : since));
    };
}

Action PromptCheck(Args& args) {
    const std::string text = args.Text("prompt text");
    return [text](ScenarioRun& run) {
        const std::string prompt = run.PromptLine();
        if (prompt != text) run.Fail("the prompt is " + Quoted(prompt) + ", expected " + Quoted(text));
    };
}

Action HistoryCheck(Args& args) {
    const std::string text = args.Text("history line");
    return [text](ScenarioRun& run) {
        const std::string last = run.LastHistoryLine();
        if (last != text) run.Fail("the last history line is " + Quoted(last) + ", expected " + Quoted(text));
    };
}

Action CaptionCheck(Args& args) {
    const std::string text = args.Text("caption");
    return [text](ScenarioRun& run) {
        const std::string caption = run.Caption();
        if (caption != text) run.Fail("the palette's caption is " + Quoted(caption) + ", expected " + Quoted(text));
    };
}

// What a control shows, in the words a scenario uses for it.
bool ControlShows(const NamedControl& c, const ControlState& shown, const std::string& state) {
    const ControlKind kind = c.info->kind;
    if (state == "enabled" || state == "disabled") return shown.enabled == (state == "enabled");
    if (state == "visible" || state == "hidden") return shown.visible == (state == "visible");
    if (kind == ControlKind::Check && (state == "on" || state == "off")) return shown.checked == (state == "on");
    return kind != ControlKind::Check && shown.text == state;
}

Action ControlCheck(Args& args, std::string_view dialog) {
    const NamedControl c = ControlNamed(args, dialog);
    const std::string state = args.Text("state or text");
    return [c, state](ScenarioRun& run) {
        if (!ControlShows(c, ShownControl(run, c), state)) run.Fail(std::string(c.name()) + " is not " + Quoted(state));
    };
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& w : words) text += (text.empty() ? "" : " ") + Quoted(w);
    return "[" + text + "]";
}

std::vector<std::string> RemainingWords(Args& args, std::string_view what) {
    std::vector<std::string> words;
    while (!args.Empty()) words.push_back(args.Text(what));
    return words;
}

// A list's entries, in order.
Action ItemsCheck(Args& args, std::string_view dialog) {
    const NamedControl c = ControlNamed(args, dialog);
    const ControlKind kind = c.info->kind;
    if (kind != ControlKind::Combo && kind != ControlKind::List && kind != ControlKind::EditList)
        args.Error(std::string(c.name()) + " is not a list");
    const std::vector<std::string> expected = RemainingWords(args, "entry");
    return [c, expected](ScenarioRun& run) {
        const std::vector<std::string> items = ShownControl(run, c).items;
        if (items != expected)
            run.Fail(std::string(c.name()) + " holds " + Joined(items) + ", expected " + Joined(expected));
    };
}

// The symbols the pictures show, from the first on ("-" for one that shows none).
Action PicturesCheck(Args& args) {
    std::vector<std::string> expected = RemainingWords(args, "symbol name");
    std::vector<NamedControl> pictures;
    for (size_t i = 1; i <= expected.size(); ++i) {
        const std::optional<NamedControl> c = FindPaletteControl("Image" + std::to_string(i));
        if (!c) args.Error("the palette has no picture Image" + std::to_string(i));
        pictures.push_back(*c);
        if (expected[i - 1] == "-") expected[i - 1].clear();
    }
    return [pictures, expected](ScenarioRun& run) {
        std::vector<std::string> shown;
        for (const NamedControl& c : pictures) shown.push_back(ShownControl(run, c).text);
        if (shown != expected) run.Fail("the pictures show " + Joined(shown) + ", expected " + Joined(expected));
    };
}

Action LaunchedCheck(Args& args) {
    const std::string program = args.Text("program name");
    const std::optional<std::string> parameters = args.Empty() ? std::nullopt : std::optional(args.Text("parameters"));
    return [program, parameters](ScenarioRun& run) {
        for (const ScriptedUi::Launch& launch : run.Launched()) {
            const std::string base = std::filesystem::path(launch.path).filename().string();
            if (EqualsIgnoreCaseAscii(base, program) && (!parameters || *parameters == launch.parameters)) return;
        }
        run.Fail("the palette did not start " + program);
    };
}

// Nothing lost, nothing gained since the setup, by content.
Action UnchangedCheck() {
    return [](ScenarioRun& run) {
        const ContentChange change = CompareContent(*run.startingEntities, run.Drawing().Entities(), run.tolerance);
        for (const sim::Entity* e : change.lost) run.Fail("lost " + Describe(*e));
        for (const sim::Entity* e : change.gained) run.Fail("gained " + Describe(*e));
    };
}

// The checks every operation must pass however it ended: the palette idle, the host values
// typed back, nothing of the drawing lost but the entities (by handle) the operation removes.
Action IdleCheck() {
    return [](ScenarioRun& run) {
        const std::string reason = run.BusyReason();
        if (!reason.empty()) run.Fail("the palette is not idle: " + reason);
    };
}

Action RestoredCheck() {
    return [](ScenarioRun& run) {
        for (const auto& [name, before] : run.startingValues) {
            const std::string now = run.Variable(*sim::FindVariable(name));
            if (!SameValue(before, now, run.tolerance))
                run.Fail(name + " is " + now + ", not " + before + " as before");
        }
    };
}

Action NothingLostCheck(Args& args) {
    if (args.Text("'lost'") != "lost") args.Error("write 'expect nothing lost [but HANDLE...]'");
    std::vector<sim::Handle> removable;
    if (args.Keyword("but")) {
        while (!args.Empty()) {
            const std::string word = args.Text("handle");
            const std::optional<sim::Handle> handle = sim::ParseHandle(word);
            if (!handle) args.Error("'" + word + "' is not a handle");
            removable.push_back(*handle);
        }
    }
    return [removable](ScenarioRun& run) {
        const ContentChange change = CompareContent(*run.startingEntities, run.Drawing().Entities(), run.tolerance);
        for (const sim::Entity* e : change.lost)
            if (std::find(removable.begin(), removable.end(), e->handle) == removable.end())
                run.Fail("lost " + Describe(*e));
    };
}

Action ExpectStep(Args& args, LineCursor& cursor) {
    const std::string source = SourceText(*cursor.current);
    const std::string what = args.Text("what to expect");
    if (what == "no") {
        const std::string next = args.Text("what must be absent");
        if (next == "message") return NoMessageCheck();
        if (!IsEntityWord(next)) args.Error("'expect no' takes an entity kind or 'message', not '" + next + "'");
        return EntityCheck(next, true, args, source);
    }
    if (IsEntityWord(what)) return EntityCheck(what, false, args, source);
    if (what == "count") return CountCheck(args);
    if (what == "unchanged") return UnchangedCheck();
    if (what == "idle") return IdleCheck();
    if (what == "restored") return RestoredCheck();
    if (what == "nothing") return NothingLostCheck(args);
    if (what == "kept" || what == "replaced") return HandleCheck(args, what == "kept");
    if (what == "message") return MessageCheck(args);
    if (what == "sysvar") return SysvarCheck(args);
    if (what == "typed") return TypedCheck(args);
    if (what == "prompt") return PromptCheck(args);
    if (what == "history") return HistoryCheck(args);
    if (what == "caption") return CaptionCheck(args);
    if (what == "control") return ControlCheck(args, cursor.dialog);
    if (what == "launched") return LaunchedCheck(args);
    if (what == "items") return ItemsCheck(args, cursor.dialog);
    if (what == "pictures") return PicturesCheck(args);
    args.Error("unknown expectation '" + what + "'");
}

}  // namespace

void AddExpectVerbs(VerbTable& verbs) { verbs.emplace("expect", ExpectStep); }

}  // namespace kv::scenario
