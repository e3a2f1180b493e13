#include "dxf/read_entities.h"

#include <cstdint>
#include <string_view>

#include "dxf/entity_walk.h"
#include "platform/huge_pages.h"
#include "dxf/linetype_names.h"
#include "dxf/pair_fields.h"

namespace kv {

namespace {

// Reads every entity of one kind into a record of its own: start() gives the record, field()
// takes each pair of the entity's body.
template <typename Record, typename FieldFn>
void ReadKind(const DxfBuffer& buffer, std::string_view kind, std::vector<Record>& records, FieldFn field) {
    records.clear();
    // One walk finds them; the records are then made in one block of the exact size.
    // Pair numbers fit 32 bits (the text is below 2 GiB); half the size keeps the peak down.
    struct Body {
        uint32_t first;  // the pair after the entity's group 0
        uint32_t end;
    };
    std::vector<Body> bodies;
    ForEachEntity(buffer, [&](const EntitySpan& e) {
        if (e.type == kind) bodies.push_back({static_cast<uint32_t>(e.first + 1), static_cast<uint32_t>(e.end)});
    });
    ReserveRecords(records, bodies.size());
    for (const Body& body : bodies) {
        Record& record = records.emplace_back();
        for (size_t i = body.first; i < body.end; ++i) field(record, i, buffer.ShortCode(i));
    }
}

// Handle, layer, linetype, colour and linetype scale, the same groups on LINE and ARC.
template <typename Record>
bool TakeDrawingAttribute(const DxfBuffer& buffer, size_t pair, int code, Record& r) {
    switch (code) {
    case 5: r.Handle = buffer.TrimmedValue(pair); return true;
    case 8: r.Layer = buffer.TrimmedValue(pair); return true;
    case 6: r.Linetype = LinetypeWithoutDots(buffer.TrimmedValue(pair)); return true;
    case 62: r.Color = buffer.IntValue(pair); return true;
    case 48: r.LtScale = buffer.RealValue(pair); return true;
    default: return false;
    }
}

}  // namespace

int ReadLines(const DxfBuffer& buffer, std::vector<TLineEnt>& lines) {
    ReadKind(buffer, "LINE", lines, [&](TLineEnt& e, size_t i, int code) {
        TakePointField(buffer, i, code, 10, e.P1) || TakePointField(buffer, i, code, 11, e.P2) ||
            TakeDrawingAttribute(buffer, i, code, e);
    });
    return static_cast<int>(lines.size());
}

int ReadArcs(const DxfBuffer& buffer, std::vector<TArcEnt>& arcs) {
    ReadKind(buffer, "ARC", arcs, [&](TArcEnt& e, size_t i, int code) {
        if (TakePointField(buffer, i, code, 10, e.Center) || TakeDrawingAttribute(buffer, i, code, e)) return;
        if (code == 40) e.Radius = buffer.RealValue(i);
        if (code == 50) e.StartAngle = buffer.RealValue(i);
        if (code == 51) e.EndAngle = buffer.RealValue(i);
    });
    return static_cast<int>(arcs.size());
}

int ReadInserts(const DxfBuffer& buffer, std::vector<TInsertEnt>& inserts) {
    ReadKind(buffer, "INSERT", inserts, [&](TInsertEnt& e, size_t i, int code) {
        if (TakePointField(buffer, i, code, 10, e.Point)) return;
        switch (code) {
        case 5: e.Handle = buffer.TrimmedValue(i); break;
        case 2: e.Name = buffer.TrimmedValue(i); break;
        case 8: e.Layer = buffer.TrimmedValue(i); break;
        case 41: e.Scale.x = buffer.RealValue(i); break;
        case 42: e.Scale.y = buffer.RealValue(i); break;
        case 43: e.Scale.z = buffer.RealValue(i); break;
        case 50: e.Rotation = buffer.RealValue(i); break;
        default: break;
        }
    });
    return static_cast<int>(inserts.size());
}

namespace {

// Vertex groups shared by LWPOLYLINE bodies and VERTEX entities; y, z and bulge go to the
// newest vertex, which a garbled file may not have yet.
void TakeVertexField(const DxfBuffer& buffer, size_t pair, int code, const TLwpBlk& owner,
                     std::vector<TLwpEle>& vertices, bool withZ) {
    if (code == 10) {
        TLwpEle v;
        v.OwnerHandle = owner.Handle;
        v.Point.x = buffer.RealValue(pair);
        vertices.push_back(std::move(v));
        return;
    }
    if (vertices.empty()) return;
    if (code == 20) vertices.back().Point.y = buffer.RealValue(pair);
    if (code == 30 && withZ) vertices.back().Point.z = buffer.RealValue(pair);
    if (code == 42) vertices.back().Bulge = buffer.RealValue(pair);
}

// The groups of a polyline's own entity (LWPOLYLINE, or the POLYLINE head): handle, flags and
// the attributes every polyline read shares; an LWPOLYLINE also holds its vertices.
void TakePolylineField(const DxfBuffer& buffer, size_t pair, int code, TLwpBlk& polyline, TLineEnt& attr,
                       std::vector<TLwpEle>& vertices, bool withVertices) {
    switch (code) {
    case 5: polyline.Handle = buffer.TrimmedValue(pair); return;
    case 70: polyline.Flags = buffer.IntValue(pair); return;
    case 8: attr.Layer = buffer.TrimmedValue(pair); return;
    case 62: attr.Color = buffer.IntValue(pair); return;
    case 6: attr.Linetype = LinetypeWithoutDots(buffer.TrimmedValue(pair)); return;
    case 48: attr.LtScale = buffer.RealValue(pair); return;
    default: break;
    }
    if (withVertices) TakeVertexField(buffer, pair, code, polyline, vertices, false);
}

}  // namespace

int ReadPolylines(const DxfBuffer& buffer, std::vector<TLwpBlk>& polylines, std::vector<TLwpEle>& vertices,
                  std::vector<TLineEnt>& attributes) {
    polylines.clear();
    vertices.clear();
    attributes.assign(1, TLineEnt{});
    TLineEnt& attr = attributes[0];
    int result = kNoPolyline;
    bool takesVertices = false;  // a POLYLINE head was read and its SEQEND not yet
    ForEachEntity(buffer, [&](const EntitySpan& e) {
        if (e.type == "VERTEX" && takesVertices) {
            for (size_t i = e.first + 1; i < e.end; ++i)
                TakeVertexField(buffer, i, buffer.ShortCode(i), polylines.back(), vertices, true);
            return;
        }
        takesVertices = false;
        const bool lw = e.type == "LWPOLYLINE";
        if (!lw && e.type != "POLYLINE") return;
        TLwpBlk& polyline = polylines.emplace_back();
        polyline.Owner = lw ? "LWP" : "PLN";
        result = lw ? kLwPolyline : kOldPolyline;
        attr.Linetype = "BYLAYER";
        attr.Color = kColorByLayer;
        attr.LtScale = 1.0;
        for (size_t i = e.first + 1; i < e.end; ++i)
            TakePolylineField(buffer, i, buffer.ShortCode(i), polyline, attr, vertices, lw);
        takesVertices = !lw;
    });
    return result;
}

}  // namespace kv
