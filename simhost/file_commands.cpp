#include "ask.h"
#include "base/encoding.h"
#include "base/number_text.h"
#include "base/strings.h"
#include "commands.h"
#include "dxf_out.h"
#include "file_paths.h"
#include "host_texts.h"
#include "selection.h"

namespace kv::sim {

namespace {

// With FILEDIA 1 the host opens its file dialog, which takes no typed input and
// only goes away with Esc (which cancels the command).
Task<void> FileDialog(Session& s) {
    for (;;) co_await s.AskDialog();
}

std::vector<Handle> AllHandles(const Drawing& d) {
    std::vector<Handle> all;
    for (const Entity& e : d.Entities()) all.push_back(e.handle);
    return all;
}

// Script lines end with CR LF in the file; each line is one Enter.
std::string ScriptInput(std::string_view text) {
    std::string input;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        input += c == '\n' ? '\r' : c;
    }
    if (!input.empty() && input.back() != '\r') input += '\r';
    return input;
}

}  // namespace

Task<void> DxfoutCommand(Session& s) {
    if (s.drawing().vars.fileDia != 0) co_await FileDialog(s);
    const std::string namePrompt =
        std::string(text::kDxfFileName) + std::string(text::kDxfDefaultName) + std::string(text::kNewValueSuffix);
    std::string name = co_await GetText(s, namePrompt);
    if (Trim(name).empty()) name = std::string(text::kDxfDefaultName);
    std::string path = ResolveTypedPath(name, ".dxf", s.workingFolder);
    std::vector<Handle> selection = AllHandles(s.drawing());
    DxfVersion version = DxfVersion::R2000;
    int decimals = 16;
    enum { kObjects, kVersion, kBinary };
    const std::vector<Keyword> keywords = {{"OBJECTS", "O"}, {"VERSION", "V"}, {"BINARY", "B"}};
    const std::vector<Keyword> versions = {{"R12", "R12"}, {"2000", "2000"}};
    for (;;) {
        Answer a = co_await s.Ask(text::kDxfPrecision);
        std::string t = Trim(a.text);
        if (t.empty() && !a.pick) break;
        int value = 0;
        if (!a.pick && TryParseInt(t, value)) {
            if (value >= 0 && value <= 16) {
                decimals = value;
                break;
            }
            s.Print(std::string(text::kValueRangePrefix) + "0" + std::string(text::kValueRangeInfix) + "16" +
                    std::string(text::kValueRangeSuffix));
            continue;
        }
        std::optional<std::size_t> k = a.pick ? std::nullopt : MatchKeyword(t, keywords);
        if (!k) {
            s.Print(std::string(text::kKeywordRequired));
        } else if (*k == kObjects) {
            SelectionResult chosen = co_await SelectObjects(s);
            selection = chosen.handles;
        } else if (*k == kVersion) {
            std::optional<std::size_t> v = co_await GetKeyword(s, text::kDxfVersion, versions);
            version = v == 0u ? DxfVersion::R12 : DxfVersion::R2000;
        } else {
            s.Print(std::string(text::kDxfBinaryUnsupported));
        }
    }
    if (s.switches().dxfoutWritesNothing) co_return;
    std::string bytes = WriteDxfOut(s.drawing(), selection, version, decimals);
    if (!s.files().write(path, bytes)) s.Print(std::string(text::kDxfWriteFailed) + path);
}

Task<void> ScriptCommand(Session& s) {
    if (s.drawing().vars.fileDia != 0) co_await FileDialog(s);
    std::string name = co_await GetText(s, text::kScriptName);
    if (Trim(name).empty()) name = "Drawing1.scr";
    std::string path = ResolveTypedPath(name, ".scr", s.workingFolder);
    std::optional<std::string> bytes = s.files().read(path);
    if (!bytes) {
        s.Print(std::string(text::kScriptNotFound) + path);
        co_return;
    }
    s.RunScriptText(ScriptInput(AnsiToUtf8(*bytes)));
}

}  // namespace kv::sim
