#include "wires/mark_entities.h"

#include "base/number_text.h"
#include "geometry/geometry.h"

namespace kv {

void AppendGroup(std::string_view code, std::string_view value, std::vector<std::string>& items) {
    items.push_back(std::string(code).append("\r\n").append(value));
}

void AppendAttributeBlock(const TLineEnt& look, std::vector<std::string>& items) {
    AppendGroup("  8", look.Layer, items);
    AppendGroup("  6", look.Linetype, items);
    AppendGroup(" 62", std::to_string(look.Color), items);
    AppendGroup(" 48", FormatReal(look.LtScale), items);
}

void AppendPoint(std::string_view xCode, std::string_view yCode, const Point3& p, std::vector<std::string>& items) {
    AppendGroup(xCode, FormatReal(p.x), items);
    AppendGroup(yCode, FormatReal(p.y), items);
}

void AppendMarkLine(const TLineEnt& look, const Point3& from, const Point3& to, std::vector<std::string>& items) {
    items.emplace_back("  0\r\nLINE");
    AppendAttributeBlock(look, items);
    AppendPoint(" 10", " 20", from, items);
    AppendPoint(" 11", " 21", to, items);
}

void AppendMarkArc(const TLineEnt& look, const Point3& centre, double radius, double start, double end,
                   std::vector<std::string>& items) {
    items.emplace_back("  0\r\nARC");
    AppendAttributeBlock(look, items);
    AppendPoint(" 10", " 20", centre, items);
    AppendGroup(" 40", FormatReal(radius), items);
    AppendGroup(" 50", FormatReal(RadiansToDegrees(start)), items);
    AppendGroup(" 51", FormatReal(RadiansToDegrees(end)), items);
}

}  // namespace kv
