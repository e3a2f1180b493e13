#include "text/two_line_text.h"

#include "base/number_text.h"
#include "base/strings.h"
#include "dxf/dxf_frame.h"
#include "dxf/dxf_writer.h"
#include "dxf/round_trip.h"
#include "hostlink/host_text.h"

namespace kv {

namespace {

void Pair(std::vector<std::string>& items, std::string_view code, std::string_view value) {
    items.emplace_back(code);
    items.emplace_back(value);
}

void Text(std::vector<std::string>& items, std::string_view layer, std::string_view text, double y,
          const TwoLineSettings& s, double height) {
    Pair(items, "  0", "TEXT");
    Pair(items, "  8", layer);
    Pair(items, "  1", text);
    Pair(items, " 10", "0");
    Pair(items, " 20", FormatReal(y));
    Pair(items, " 11", "0");
    Pair(items, " 21", FormatReal(y));
    Pair(items, " 72", std::to_string(s.baseColumn));
    Pair(items, " 73", "2");
    Pair(items, " 40", FormatReal(height));
    Pair(items, " 41", FormatReal(s.width));
}

// The block the host makes of the scratch file is named after the file.
std::string BlockName(std::string_view scratchPath) {
    const size_t folderEnd = scratchPath.find_last_of("\\/");
    std::string_view name = scratchPath.substr(folderEnd == std::string_view::npos ? 0 : folderEnd + 1);
    return std::string(name.substr(0, name.rfind('.')));
}

std::string LabelLayer(OpContext& op, const TwoLineSettings& s) {
    if (s.layerFixed && !s.layer.empty()) return s.layer;
    std::string current = op.host.GetSysVar("CLAYER");
    if (StartsWith(current, "\"") && current.size() >= 2) return current.substr(1, current.size() - 2);
    return current;
}

double DimScale(OpContext& op) {
    double value = 0;
    return TryParseReal(op.host.GetSysVar("DIMSCALE"), value) && value != 0 ? value : 1.0;
}

// The confirmed line count, 0 when the dialog was left without creating. A number field that
// does not convert is shown and the dialog opens again.
int ConfirmedLineCount(OpContext& op, TwoLineTool tool) {
    while (op.ui.RunModal(tool.dialog) == DialogResult::Ok) {
        const int count = tool.dialog.LineCount();
        try {
            tool.dialog.ReadBack(tool.settings);
            return count;
        } catch (const ConversionError& e) {
            op.ui.ShowMessage(e.what(), MessageButtons::Ok);
        }
    }
    return 0;
}

}  // namespace

std::vector<std::string> TwoLineFile(const TwoLineSettings& s, int lineCount, double dimScale, std::string_view layer) {
    const double height = s.height * dimScale;
    const double pitch = height + s.gap * dimScale;
    std::vector<std::string> items{std::string(kFrameHeader)};
    Pair(items, "  0", "SECTION");
    Pair(items, "  2", "TABLES");
    Pair(items, "  0", "ENDSEC");
    Pair(items, "  0", "SECTION");
    Pair(items, "  2", "ENTITIES");
    if (lineCount < 2) {
        Text(items, layer, s.line1, 0, s, height);
    } else {
        const double first = s.baseRow == 0 ? pitch : s.baseRow == 1 ? pitch / 2 : 0;
        Text(items, layer, s.line1, first, s, height);
        Text(items, layer, s.line2, first - pitch, s, height);
    }
    items.emplace_back(kFrameEnd);
    return items;
}

void TwoLineText(OpContext& op, TwoLineTool tool, State state, bool repeatAllowed) {
    LoadTwoLineLook(tool.file.Read(), tool.settings, repeatAllowed);
    tool.dialog.Fill(tool.settings, repeatAllowed);
    const int lineCount = ConfirmedLineCount(op, tool);
    if (lineCount == 0) return;
    tool.file.Write([&](IniFile& ini) { return SaveTwoLineLook(ini, tool.settings, repeatAllowed); });
    const std::string layer = LabelLayer(op, tool.settings);
    const std::string path = ScratchDxfPath(op.executablePath);
    if (!WriteDxfFile(op.files, path, TwoLineFile(tool.settings, lineCount, DimScale(op), layer))) return;
    op.host.SendCommand("\x03-INSERT " + path + "\rS 1 R 0\r");
    op.host.BringHostToFront();
    op.OpState = state;
    op.Timer1.enabled = true;
}

bool TwoLinePlacedStep(OpContext& op) {
    if (!op.HostAtCommandPrompt()) return false;
    op.EndOperation();
    const std::string line = op.host.CopyHistoryLastLine();
    if (IsCancelLine(line)) return false;
    if (!Contains(line, "回転") && !Contains(line, "挿入")) return false;
    op.host.SendCommand(
        "\x03"
        "EXPLODE SINGLE LAST ");
    op.host.SendCommand("-PURGE B " + BlockName(ScratchDxfPath(op.executablePath)) + "\rN ");
    op.host.SendCommand("\x03");
    return true;
}

}  // namespace kv
