#include "palette_host_checks.h"

#include <string>

#include "polling.h"

namespace kv::e2e {

namespace {

// The palette polls the host every 50 ms (operations) and 200 ms (keywords).
constexpr unsigned kReactionTimeoutMs = 10000;

constexpr wchar_t kPaletteTitle[] = L"Korvane2K Ver.1.75";
const char kIdlePrompt[] = "コマンド: ";
const char kFirstPointPrompt[] = "1 点目を指定: ";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

HWND FindButton(HWND palette, const std::wstring& caption) {
    struct Search {
        const std::wstring& caption;
        HWND found = nullptr;
    } search{caption};
    EnumChildWindows(
        palette,
        [](HWND w, LPARAM lp) {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t className[32] = {};
            wchar_t text[64] = {};
            GetClassNameW(w, className, 32);
            GetWindowTextW(w, text, 64);
            if (lstrcmpiW(className, L"Button") == 0 && s->caption == text && IsWindowVisible(w)) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Presses a button as a click does; false when the palette has no such button showing.
bool Press(const PaletteUnderTest& palette, const std::wstring& caption) {
    HWND button = FindButton(palette.window, caption);
    if (!button || !IsWindowEnabled(button)) return false;
    return PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

// An operation shows its name in the caption; the title comes back when it ends (an undo
// leaves "Undo B").
bool PaletteIdle(const PaletteUnderTest& palette) {
    wchar_t title[64] = {};
    GetWindowTextW(palette.window, title, 64);
    return std::wstring(title) == kPaletteTitle || std::wstring(title) == L"Undo B";
}

CheckResult WaitPrompt(const HostUnderTest& host, const std::string& prompt, const std::string& after) {
    if (WaitUntil([&] { return host.Prompt() == prompt; }, kReactionTimeoutMs)) return {};
    return after + ", the host's prompt reads " + Quoted(host.Prompt()) + " instead of " + Quoted(prompt);
}

CheckResult WaitOperationEnd(const PaletteUnderTest& palette, const HostUnderTest& host,
                             const std::string& after) {
    if (!WaitUntil([&] { return PaletteIdle(palette) && host.Prompt() == kIdlePrompt; },
                   kReactionTimeoutMs)) {
        return after + ", the operation did not end (prompt " + Quoted(host.Prompt()) + ")";
    }
    return {};
}

CheckResult WaitForLine(HostUnderTest& host, const std::string& a, const std::string& b,
                        const std::string& after) {
    if (WaitUntil([&] { return ListsLine(host.Entities(), a, b); }, kReactionTimeoutMs)) return {};
    return after + ", no LINE " + a + " - " + b + " in the drawing";
}

// The user's own actions in the host, one automation message.
CheckResult Act(HostUnderTest& host, const std::string& lines) {
    AutomationReply reply = host.automation.Run(host.windows.frame, lines);
    if (!reply.ok) return "the host refused " + Quoted(lines) + ": " + reply.text;
    return {};
}

CheckResult Ready(const PaletteUnderTest& palette, HostUnderTest& host) {
    if (!palette.window || !IsWindow(palette.window)) return "no palette window";
    if (!host.windows.frame || !IsWindow(host.windows.frame)) return "no simhost frame";
    SendTyped(host.windows.frame, "\x03");
    return WaitOperationEnd(palette, host, "before starting");
}

#define KV_STEP(expr)                                     \
    do {                                                  \
        if (CheckResult r = (expr); !r.empty()) return r; \
    } while (0)

CheckResult DrawLineByButton(PaletteUnderTest& palette, HostUnderTest& host) {
    KV_STEP(Ready(palette, host));
    if (!Press(palette, L"線分")) return "no enabled button 線分 on the palette";
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after pressing 線分"));
    KV_STEP(Act(host, ":pick 150,262\n:pick 230,262"));
    KV_STEP(WaitForLine(host, "150,262,0", "230,262,0", "after two picks"));
    // The palette ends LINE after the segment and starts it again for the next one.
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after the segment"));
    if (PaletteIdle(palette)) return "the palette left Draw Line after one segment";
    KV_STEP(Act(host, ":esc"));
    return WaitOperationEnd(palette, host, "after Esc in the host");
}

CheckResult DrawLineByKeyword(PaletteUnderTest& palette, HostUnderTest& host) {
    KV_STEP(Ready(palette, host));
    KV_STEP(Act(host, "ld."));
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after typing ld. on the host's command line"));
    KV_STEP(Act(host, ":pick 150,274\n:pick 230,274"));
    KV_STEP(WaitForLine(host, "150,274,0", "230,274,0", "after two picks"));
    // Esc only once LINE has started again: earlier it would end the segment's LINE, which
    // the palette answers by starting the next one.
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after the segment"));
    KV_STEP(Act(host, ":esc"));
    return WaitOperationEnd(palette, host, "after Esc in the host");
}

CheckResult CancelFromPalette(PaletteUnderTest& palette, HostUnderTest& host) {
    KV_STEP(Ready(palette, host));
    int linesBefore = CountKind(host.Entities(), "LINE");
    if (!Press(palette, L"線分")) return "no enabled button 線分 on the palette";
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after pressing 線分"));
    KV_STEP(Act(host, ":pick 300,262"));
    if (!Press(palette, L"[ESC]")) return "no enabled button [ESC] on the palette";
    KV_STEP(WaitOperationEnd(palette, host, "after pressing [ESC]"));
    if (host.History().find("*キャンセル*") == std::string::npos) return "no *キャンセル* in the history";
    int linesAfter = CountKind(host.Entities(), "LINE");
    if (linesAfter != linesBefore)
        return "the drawing has " + std::to_string(linesAfter - linesBefore) + " new lines";
    return {};
}

CheckResult UndoToMark(PaletteUnderTest& palette, HostUnderTest& host) {
    KV_STEP(Ready(palette, host));
    if (!Press(palette, L"線分")) return "no enabled button 線分 on the palette";
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after pressing 線分"));
    KV_STEP(Act(host, ":pick 300,262\n:pick 380,262"));
    KV_STEP(WaitForLine(host, "300,262,0", "380,262,0", "after the first segment"));
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after the first segment"));
    HWND undo = FindButton(palette.window, L"Undo");
    if (!undo) return "no Undo button on the palette";
    if (!WaitUntil([&] { return IsWindowEnabled(undo) != FALSE; }, kReactionTimeoutMs)) {
        return "Undo stays disabled after the first segment";
    }
    KV_STEP(Act(host, ":pick 380,262\n:pick 380,280"));
    // Undo takes back the wire just drawn once the palette has processed it; pressed earlier it
    // would step back past the first segment's mark as well.
    KV_STEP(WaitForLine(host, "380,262,0", "380,280,0", "after the second segment"));
    KV_STEP(WaitPrompt(host, kFirstPointPrompt, "after the second segment"));
    if (!Press(palette, L"Undo")) return "Undo could not be pressed";
    // The palette's caption stays "Undo B" after an undo: the host tells when it is over.
    auto undone = [&] {
        return host.Prompt() == kIdlePrompt && !ListsLine(host.Entities(), "380,262,0", "380,280,0");
    };
    if (!WaitUntil(undone, kReactionTimeoutMs)) {
        return "after pressing Undo the segment after the mark is still there (prompt " +
               Quoted(host.Prompt()) + ")";
    }
    std::string entities = host.Entities();
    if (!ListsLine(entities, "300,262,0", "380,262,0")) {
        std::string history = host.History();
        return "the segment before the mark went as well; the drawing:\n" + entities + "history:\n" +
               history.substr(history.size() > 1500 ? history.size() - 1500 : 0);
    }
    return {};
}

#undef KV_STEP

}  // namespace

std::vector<Check> PaletteHostChecks(PaletteUnderTest& palette, HostUnderTest& host) {
    // Undo leaves the caption "Undo B"; the operations after it bring the title back.
    return {
        {"palette Draw Line button: a segment drawn in simhost, LINE again",
         [&] { return DrawLineByButton(palette, host); }},
        {"palette Undo steps simhost back to the mark", [&] { return UndoToMark(palette, host); }},
        {"palette [ESC] cancels Draw Line in simhost", [&] { return CancelFromPalette(palette, host); }},
        {"palette keyword LD. typed in simhost starts Draw Line",
         [&] { return DrawLineByKeyword(palette, host); }},
    };
}

}  // namespace kv::e2e
