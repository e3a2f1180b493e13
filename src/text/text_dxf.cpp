#include "text/text_dxf.h"

#include "base/number_text.h"
#include "dxf/dxf_frame.h"
#include "dxf/dxf_writer.h"
#include "dxf/entity_walk.h"
#include "dxf/round_trip.h"
#include "operation/step_round_trip.h"

namespace kv {

namespace {

void AppendGroup(std::string_view code, std::string_view value, std::vector<std::string>& items) {
    items.emplace_back(code);
    items.emplace_back(value);
}

std::string Unquoted(const std::string& layer) {
    if (layer.empty() || layer.front() != '"') return layer;
    return layer.size() < 2 ? std::string() : layer.substr(1, layer.size() - 2);
}

constexpr int kVerticalFlag = 4;

}  // namespace

int JustificationGroup72(int index) { return index % 3; }

int JustificationGroup73(int index) {
    const int row = index / 3;
    if (row == 0) return 1;
    if (row == 1) return 0;
    return row;
}

int JustificationIndex(int group72, int group73) {
    const int column = group72 >= 0 && group72 < 3 ? group72 : 0;
    int row = 1;
    if (group73 == 1) row = 0;
    if (group73 == 2 || group73 == 3) row = group73;
    return row * 3 + column;
}

void AppendStyleTable(std::string_view name, bool vertical, std::string_view font1, std::string_view font2,
                      std::vector<std::string>& items) {
    items.emplace_back(kFrameTablesStart);
    AppendGroup("  2", "STYLE", items);
    AppendGroup("  0", "STYLE", items);
    AppendGroup("  2", name, items);
    AppendGroup(" 70", vertical ? "4" : "0", items);
    AppendGroup(" 40", "0.0", items);
    AppendGroup(" 41", "1.0", items);
    AppendGroup(" 50", "0.0", items);
    AppendGroup(" 71", "0", items);
    AppendGroup(" 42", "3.0", items);
    AppendGroup("  3", font1, items);
    AppendGroup("  4", font2, items);
    AppendGroup("  0", "ENDTAB", items);
    items.emplace_back(kFrameTablesEnd);
}

std::vector<std::string> TextDxfItems(const TTextBtn& text, const Point3& at, double dimScale) {
    std::vector<std::string> items{std::string(kFrameHeader)};
    if (text.styleFixed && !text.style.empty()) {
        AppendStyleTable(text.style, text.vertical, text.font1, text.font2, items);
    }
    items.emplace_back(kFrameEntitiesStart);
    AppendGroup("  0", "TEXT", items);
    AppendGroup("  8", Unquoted(text.layer), items);
    AppendGroup("  1", text.name, items);
    AppendGroup(" 10", FormatReal(at.x), items);
    AppendGroup(" 20", FormatReal(at.y), items);
    AppendGroup(" 11", FormatReal(at.x), items);
    AppendGroup(" 21", FormatReal(at.y), items);
    AppendGroup(" 72", std::to_string(JustificationGroup72(text.justification)), items);
    AppendGroup(" 73", std::to_string(JustificationGroup73(text.justification)), items);
    AppendGroup(" 40", FormatReal(dimScale * text.height), items);
    AppendGroup(" 41", FormatReal(text.width), items);
    AppendGroup(" 50", FormatReal(text.rotation), items);
    AppendGroup(" 51", FormatReal(text.oblique), items);
    if (!text.style.empty()) AppendGroup("  7", text.style, items);
    items.emplace_back(kFrameEnd);
    return items;
}

bool WriteTextDxf(OpContext& op, const TTextBtn& text) {
    const std::string path = ScratchDxfPath(op.executablePath);
    if (!WriteDxfFile(op.files, path, TextDxfItems(text, op.PickedPoint, ParseReal(op.DimScaleText)))) return false;
    return InsertDxf(op.host, op.files, path, InsertForm::kNoCancel) && InsertArrived(op.host, path);
}

bool ReadPickedText(const DxfBuffer& buffer, TTextBtn& text) {
    text.rotation = 0;
    text.width = 1.0;
    text.style = "STANDARD";
    int group72 = 0;
    int group73 = 0;
    bool found = false;
    ForEachEntity(buffer, [&](const EntitySpan& entity) {
        if (found || entity.type != "TEXT") return;
        found = true;
        for (size_t i = entity.first + 1; i < entity.end; ++i) {
            switch (buffer.GroupCode(i)) {
            case 8: text.layer = buffer.TrimmedValue(i); break;
            case 1: text.name = buffer.Value(i); break;
            case 72: group72 = buffer.IntValue(i); break;
            case 73: group73 = buffer.IntValue(i); break;
            case 40: text.height = buffer.RealValue(i); break;
            case 41: text.width = buffer.RealValue(i); break;
            case 50: text.rotation = buffer.RealValue(i); break;
            case 51: text.oblique = buffer.RealValue(i); break;
            case 7: text.style = buffer.TrimmedValue(i); break;
            default: break;
            }
        }
    });
    text.justification = JustificationIndex(group72, group73);
    return found;
}

bool ReadTextStyle(const DxfBuffer& buffer, std::string_view styleName, TTextBtn& text) {
    text.vertical = false;
    bool tableOpened = false;
    bool inStyles = false;
    bool selected = false;
    for (size_t i = 0; i < buffer.PairCount(); ++i) {
        const int code = buffer.GroupCode(i);
        const std::string_view value = buffer.TrimmedValue(i);
        if (code == 0 && value == "TABLE") tableOpened = true;
        if (code == 0 && value == "ENDTAB") {
            if (selected) return true;
            inStyles = false;
        }
        if (code == 2 && tableOpened && !inStyles) {
            inStyles = value == "STYLE";
            tableOpened = false;
            continue;
        }
        if (!inStyles) continue;
        if (code == 2) {
            if (selected) return true;
            selected = value == styleName;
        } else if (selected && code == 70) {
            text.vertical = (buffer.IntValue(i) & kVerticalFlag) != 0;
        } else if (selected && code == 3) {
            text.font1 = value;
        } else if (selected && code == 4) {
            text.font2 = value;
        }
    }
    return selected;
}

}  // namespace kv
