#include "library/symbol_entities.h"

#include "dxf/entity_walk.h"
#include "dxf/pair_fields.h"
#include "dxf/read_blocks.h"

namespace kv {

namespace {

constexpr size_t kHandleLength = 9;

TTextEnt ReadText(const DxfBuffer& buffer, const EntitySpan& span, int index) {
    TTextEnt t;
    t.Index = index;
    for (size_t i = span.first + 1; i < span.end; ++i) {
        const int code = buffer.ShortCode(i);
        if (TakePointField(buffer, i, code, 10, t.InsertionPoint) ||
            TakePointField(buffer, i, code, 11, t.AlignmentPoint))
            continue;
        switch (code) {
        case 5: t.Handle = std::string(buffer.TrimmedValue(i).substr(0, kHandleLength)); break;
        case 1: t.Text = std::string(buffer.Value(i)); break;
        case 40: t.Height = buffer.RealValue(i); break;
        case 50: t.Rotation = buffer.RealValue(i); break;
        case 72: t.HorizontalJustification = buffer.IntValue(i); break;
        case 73: t.VerticalJustification = buffer.IntValue(i); break;
        default: break;
        }
    }
    return t;
}

}  // namespace

SymbolEntities ReadSymbolEntities(const DxfBuffer& buffer) {
    SymbolEntities symbol;
    ReadEntitiesAsBlock(buffer, kSymbolBlockName, symbol.geometry);
    ForEachEntity(buffer, [&](const EntitySpan& span) {
        if (span.type != "TEXT") return;
        symbol.texts.push_back(ReadText(buffer, span, static_cast<int>(symbol.texts.size())));
    });
    return symbol;
}

}  // namespace kv
