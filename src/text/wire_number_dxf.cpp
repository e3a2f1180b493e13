#include "text/wire_number_dxf.h"

#include "base/number_text.h"
#include "base/strings.h"
#include "dxf/dxf_frame.h"
#include "text/count_text.h"

namespace kv {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

void Pair(std::vector<std::string>& items, std::string_view code, std::string_view value) {
    items.emplace_back(code);
    items.emplace_back(value);
}

// The host knows STANDARD already; a style of that name must not be redefined.
bool DefinesStyle(const std::string& style) { return !Trim(style).empty() && UpperAscii(style) != "STANDARD"; }

void StyleTable(std::vector<std::string>& items, const std::string& style) {
    for (const auto& [code, value] : std::initializer_list<std::pair<std::string_view, std::string_view>>{
             {"  0", "SECTION"}, {"  2", "TABLES"}, {"  0", "TABLE"}, {"  2", "STYLE"}, {"  0", "STYLE"}})
        Pair(items, code, value);
    Pair(items, "  2", style);
    for (const auto& [code, value] :
         std::initializer_list<std::pair<std::string_view, std::string_view>>{{" 70", "0"},
                                                                              {" 40", "0.0"},
                                                                              {" 41", "1.0"},
                                                                              {" 50", "0.0"},
                                                                              {" 71", "0"},
                                                                              {" 42", "3.0"},
                                                                              {"  3", "TXT.SHX"},
                                                                              {"  4", "BIGFONT.shx"},
                                                                              {"  0", "ENDTAB"},
                                                                              {"  0", "ENDSEC"}})
        Pair(items, code, value);
}

}  // namespace

std::vector<std::string> WireNumberFile(const std::vector<PlacedNumber>& numbers, double dimScale,
                                        WireNumberSettings& settings, int& prefixIndex) {
    std::vector<std::string> items{std::string(kFrameHeader)};
    if (DefinesStyle(settings.style)) StyleTable(items, settings.style);
    Pair(items, "  0", "SECTION");
    Pair(items, "  2", "ENTITIES");
    const std::string height = FormatReal(dimScale * settings.height);
    const std::string width = FormatReal(settings.width);
    std::string counter = settings.counter;
    int index = prefixIndex;
    for (const PlacedNumber& n : numbers) {
        const std::string text =
            NextCountText(settings.prefixList, counter, settings.suffix, settings.hexadecimal, index);
        const std::string x = FormatReal(n.point.x);
        const std::string y = FormatReal(n.point.y);
        Pair(items, "  0", "TEXT");
        Pair(items, "  8", settings.layer);
        Pair(items, " 10", x);
        Pair(items, " 20", y);
        Pair(items, " 11", x);
        Pair(items, " 21", y);
        Pair(items, "  1", text);
        Pair(items, " 40", height);
        Pair(items, " 41", width);
        Pair(items, " 50", FormatReal(n.angle * kDegreesPerRadian));
        Pair(items, " 72", "1");
        Pair(items, " 73", "1");
        Pair(items, "  7", settings.style);
    }
    items.emplace_back(kFrameEnd);
    settings.counter = counter;
    prefixIndex = index;
    return items;
}

}  // namespace kv
