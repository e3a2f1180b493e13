#include "dxf/read_entities.h"

#include <string_view>

#include "dxf/huge_pages.h"
#include "dxf/linetype_names.h"
#include "dxf/pair_fields.h"

namespace kv {

namespace {

// The scan every single-kind reader shares. A group "0" closes the entity being read and may
// open the next one; "2"/"ENTITIES" opens the section and "0"/"ENDSEC" closes it.
template <typename StartFn, typename FieldFn>
void ScanEntities(const DxfBuffer& buffer, std::string_view kind, StartFn start, FieldFn field) {
    bool inEntities = false;
    bool inEntity = false;
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.ShortCode(i);
        if (inEntity) {
            if (code == 0) {
                inEntity = false;
            } else {
                field(i, code);
            }
        }
        if (code == 0) {
            const std::string_view value = buffer.TrimmedValue(i);
            if (value == "ENDSEC") {
                inEntities = inEntity = false;
            } else if (inEntities && value == kind) {
                start();
                inEntity = true;
            }
        } else if (code == 2 && buffer.TrimmedValue(i) == "ENTITIES") {
            inEntities = true;
        }
    }
}

// The number of records a scan of `kind` starts, so that its array is reserved once.
size_t CountEntities(const DxfBuffer& buffer, std::string_view kind) {
    size_t count = 0;
    ScanEntities(buffer, kind, [&] { ++count; }, [](size_t, int) {});
    return count;
}

// Handle, layer, linetype, colour and linetype scale, the same groups on LINE and ARC.
template <typename Record>
bool TakeDrawingAttribute(DxfBuffer& buffer, size_t pair, int code, Record& r) {
    switch (code) {
        case 5: r.Handle = buffer.TrimmedValue(pair); return true;
        case 8: r.Layer = buffer.TrimmedValue(pair); return true;
        case 6: r.Linetype = TakeLinetypeName(buffer, pair); return true;
        case 62: r.Color = buffer.IntValue(pair); return true;
        case 48: r.LtScale = buffer.RealValue(pair); return true;
        default: return false;
    }
}

}  // namespace

int ReadLines(DxfBuffer& buffer, std::vector<TLineEnt>& lines) {
    lines.clear();
    ReserveRecords(lines, CountEntities(buffer, "LINE"));
    ScanEntities(
        buffer, "LINE", [&] { AppendRecord(lines); },
        [&](size_t i, int code) {
            TLineEnt& e = lines.back();
            TakeDrawingAttribute(buffer, i, code, e) || TakePointField(buffer, i, code, 10, e.P1) ||
                TakePointField(buffer, i, code, 11, e.P2);
        });
    return static_cast<int>(lines.size());
}

int ReadArcs(DxfBuffer& buffer, std::vector<TArcEnt>& arcs) {
    arcs.clear();
    ReserveRecords(arcs, CountEntities(buffer, "ARC"));
    ScanEntities(
        buffer, "ARC", [&] { AppendRecord(arcs); },
        [&](size_t i, int code) {
            TArcEnt& e = arcs.back();
            if (TakeDrawingAttribute(buffer, i, code, e) || TakePointField(buffer, i, code, 10, e.Center))
                return;
            if (code == 40) e.Radius = buffer.RealValue(i);
            if (code == 50) e.StartAngle = buffer.RealValue(i);
            if (code == 51) e.EndAngle = buffer.RealValue(i);
        });
    return static_cast<int>(arcs.size());
}

int ReadInserts(const DxfBuffer& buffer, std::vector<TInsertEnt>& inserts) {
    inserts.clear();
    ReserveRecords(inserts, CountEntities(buffer, "INSERT"));
    ScanEntities(
        buffer, "INSERT", [&] { AppendRecord(inserts); },
        [&](size_t i, int code) {
            TInsertEnt& e = inserts.back();
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

}  // namespace

int ReadPolylines(DxfBuffer& buffer, std::vector<TLwpBlk>& polylines, std::vector<TLwpEle>& vertices,
                  std::vector<TLineEnt>& attributes) {
    polylines.clear();
    vertices.clear();
    attributes.assign(1, TLineEnt{});
    TLineEnt& attr = attributes[0];
    int result = kNoPolyline;
    bool inEntities = false, inLwp = false, inPlineHead = false, inVertex = false;
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) {
        const int code = buffer.ShortCode(i);
        const std::string_view value = code == 0 || code == 2 ? buffer.TrimmedValue(i) : std::string_view();
        if (inLwp) {
            if (code == 0) {
                inLwp = false;
            } else if (code == 5) {
                polylines.back().Handle = buffer.TrimmedValue(i);
            } else if (code == 70) {
                polylines.back().Flags = buffer.IntValue(i);
            } else {
                TakeVertexField(buffer, i, code, polylines.back(), vertices, false);
            }
        } else if (inPlineHead) {
            if (code == 5) polylines.back().Handle = buffer.TrimmedValue(i);
            if (code == 70) polylines.back().Flags = buffer.IntValue(i);
            if (code == 0 && value == "VERTEX") inVertex = true, inPlineHead = false;
            if (code == 0 && value == "SEQEND") inVertex = inPlineHead = false;
        }
        if (inLwp || inPlineHead) {
            if (code == 8) attr.Layer = buffer.TrimmedValue(i);
            if (code == 62) attr.Color = buffer.IntValue(i);
            if (code == 6) attr.Linetype = TakeLinetypeName(buffer, i);
            if (code == 48) attr.LtScale = buffer.RealValue(i);
        }
        if (inVertex) {
            if (code == 0 && value == "SEQEND") {
                inVertex = inPlineHead = false;
            } else {
                TakeVertexField(buffer, i, code, polylines.back(), vertices, true);
            }
        }
        if (code == 0 && value == "ENDSEC") inEntities = false;
        if (inEntities && code == 0 && (value == "LWPOLYLINE" || value == "POLYLINE")) {
            const bool lw = value == "LWPOLYLINE";
            polylines.emplace_back().Owner = lw ? "LWP" : "PLN";
            (lw ? inLwp : inPlineHead) = true;
            result = lw ? kLwPolyline : kOldPolyline;
            attr.Linetype = "BYLAYER";
            attr.Color = kColorByLayer;
            attr.LtScale = 1.0;
        }
        if (code == 2 && value == "ENTITIES") inEntities = true;
    }
    return result;
}

}  // namespace kv
