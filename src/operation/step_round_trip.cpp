#include "operation/step_round_trip.h"

#include <vector>

#include "base/number_text.h"
#include "base/strings.h"
#include "hostlink/host_text.h"

namespace kv {

namespace {

bool EchoedAtCommandPrompt(std::string_view line, std::string_view typed) {
    for (std::string_view prompt : {kCommandPromptFullWidth, kCommandPromptHalfWidth}) {
        if (StartsWith(line, prompt) && Trim(line.substr(prompt.size())) == typed) return true;
    }
    return false;
}

}  // namespace

bool ExportPrevious(CommandChannel& host, Files& files, std::string_view path, DxfBuffer& buffer, ExportForm form) {
    buffer.Clear();
    files.Delete(path);
    for (const std::string& command : DxfOutCommands(path, form)) host.SendCommand(command);
    return LoadExport(files, path, buffer);
}

bool InsertDxf(CommandChannel& host, Files& files, std::string_view path, InsertForm form) {
    if (!files.Exists(path)) return false;
    const std::string command = InsertFileCommand(path);
    host.SendCommand(form == InsertForm::kCancelFirst ? CancelFirst(command) : command);
    return true;
}

RoundTripPorts StepPorts(OpContext& op) {
    RoundTripPorts ports{op.host, op.files, op.clock, ScratchDxfPath(op.executablePath)};
    ports.insertArrived = [&host = op.host](std::string_view path) { return InsertArrived(host, path); };
    return ports;
}

bool ExportSelection(OpContext& op, DxfBuffer& buffer) {
    return ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), buffer);
}

bool InsertArrived(HostLink& host, std::string_view path) {
    const std::vector<std::string> lines = Split(host.ReadTextWindow(), '\n');
    const std::string fileAnswer = std::string("*").append(path);
    size_t i = lines.size();
    while (i > 0 && !Contains(lines[i - 1], fileAnswer)) --i;
    if (i == 0) return false;
    for (; i < lines.size(); ++i) {
        if (EchoedAtCommandPrompt(Trim(lines[i]), kInsertionPoint)) return false;
    }
    return true;
}

void RestartSingleSelection(OpContext& op, State state) { RestartSelection(op, state, kSelectSingle); }

void RestartSelection(OpContext& op, State state, std::string_view selection) {
    op.host.SendCommand("\x03SNAPMODE 0 ");
    int snapMode = 0;
    if (TryParseInt(op.SavedSnapMode, snapMode)) op.RememberRestore("SNAPMODE", "SNAPMODE " + op.SavedSnapMode + "\r");
    op.host.SendCommand(selection);
    op.OpState = state;
    op.Timer1.enabled = true;
}

bool TakeFinishedPick(OpContext& op) {
    if (!op.HostAtCommandPrompt()) return false;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!picked) return false;
    op.SetUndoMark();
    return true;
}

std::optional<PickedBlocks> ExportFinishedPick(OpContext& op) {
    if (!TakeFinishedPick(op)) return std::nullopt;
    PickedBlocks picked;
    if (!ExportSelection(op, picked.exported)) return std::nullopt;
    ReadInserts(picked.exported, picked.inserts);
    return picked;
}

}  // namespace kv
