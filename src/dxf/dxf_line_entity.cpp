#include "dxf/dxf_line_entity.h"

#include "base/number_text.h"

namespace kv {

namespace {

void AppendGroup(std::vector<std::string>& items, const char* code, const std::string& value) {
    items.push_back(std::string(code) + "\r\n" + value);
}

}  // namespace

void AppendLineEntity(const TLineEnt& line, LineForm form, std::vector<std::string>& items) {
    items.emplace_back("  0\r\nLINE");
    AppendGroup(items, "  8", line.Layer);
    AppendGroup(items, " 62", std::to_string(line.Color));
    AppendGroup(items, "  6", line.Linetype);
    AppendGroup(items, " 48", FormatReal(line.LtScale));
    AppendGroup(items, " 10", FormatReal(line.P1.x));
    AppendGroup(items, " 20", FormatReal(line.P1.y));
    if (form == LineForm::k3D) AppendGroup(items, " 30", FormatReal(line.P1.z));
    AppendGroup(items, " 11", FormatReal(line.P2.x));
    AppendGroup(items, " 21", FormatReal(line.P2.y));
    if (form == LineForm::k3D) AppendGroup(items, " 31", FormatReal(line.P2.z));
}

}  // namespace kv
