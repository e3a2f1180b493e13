#include "dxf/round_trip.h"

#include <stdexcept>

namespace kv {

std::string ScratchDxfPath(std::string_view executablePath) {
    const size_t folderEnd = executablePath.find_last_of("\\/");
    const size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
    const size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
    return std::string(executablePath.substr(0, hasExtension ? dot : executablePath.size())) + ".dxf";
}

bool ExportPrevious(CommandChannel& host, Files& files, std::string_view path, DxfBuffer& buffer,
                    ExportForm form) {
    buffer.Clear();
    files.Delete(path);
    const std::string file(path);
    if (form == ExportForm::kStandard) {
        host.SendCommand("FILEDIA 0 ");
        host.SendCommand("DXFOUT " + file + "\rV 2000 O P\r\r16\r");
    } else {
        host.SendCommand("\x03" "FILEDIA 0 ");
        host.SendCommand("DXFOUT " + file + "\rV 2000 O P \r16 ");
    }
    host.SendCommand("'FILEDIA 1 ");
    return LoadExport(files, path, buffer);
}

bool LoadExport(Files& files, std::string_view path, DxfBuffer& buffer) {
    buffer.Clear();
    if (!files.Exists(path)) return false;
    std::optional<std::string> text = files.ReadText(path);
    if (!text) return false;
    try {
        buffer.Load(std::move(*text));
    } catch (const std::length_error&) {  // too large to index; treated like an unreadable file
        return false;
    }
    return true;
}

bool InsertDxf(CommandChannel& host, Files& files, std::string_view path, InsertForm form) {
    if (!files.Exists(path)) return false;
    const std::string command = std::string("-INSERT *").append(path).append("\r0,0 1 0\r");
    host.SendCommand(form == InsertForm::kCancelFirst ? "\x03" + command : command);
    return true;
}

}  // namespace kv
