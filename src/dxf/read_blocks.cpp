#include "dxf/read_blocks.h"

#include <cmath>
#include <string>
#include <string_view>

#include "dxf/pair_fields.h"
#include "dxf/read_tables.h"

namespace kv {

namespace {

// A SOLID whose fourth corner lies closer than this to its third is a triangle.
constexpr double kSolidCornerTolerance = 1e-5;

struct SolidCorners {
    std::string blockName;
    std::string layer = "0";
    Point3 corner[4];
    bool hasFourth = false;
};

void AddEdge(const SolidCorners& s, const Point3& a, const Point3& b, std::vector<TLineBlk>& lines) {
    lines.push_back(TLineBlk{s.blockName, s.layer, a, b});
}

// The outline in DXF corner order 1-2-4-3; a missing fourth corner repeats the third.
void AddSolidOutline(const SolidCorners& s, std::vector<TLineBlk>& lines) {
    const Point3& c3 = s.corner[2];
    const Point3& c4 = s.hasFourth ? s.corner[3] : c3;
    AddEdge(s, s.corner[0], s.corner[1], lines);
    if (std::hypot(c4.x - c3.x, c4.y - c3.y) < kSolidCornerTolerance) {
        AddEdge(s, s.corner[1], c3, lines);
    } else {
        AddEdge(s, s.corner[1], c4, lines);
        AddEdge(s, c4, c3, lines);
    }
    AddEdge(s, c3, s.corner[0], lines);
}

enum class BlockEntity { kNone, kLine, kCircle, kArc, kLwPolyline, kPolylineHead, kSolid };

class BlocksScan {
public:
    // With entitiesAs, the ENTITIES section is read as the body of a block of that name and the
    // BLOCKS section is skipped.
    BlocksScan(const DxfBuffer& buffer, BlockGeometry& g, std::string_view entitiesAs = {})
        : buffer_(buffer), g_(g), entitiesAs_(entitiesAs) {}

    void Take(size_t i) {
        const int code = buffer_.ShortCode(i);
        const std::string_view value = code == 0 || code == 2 ? buffer_.TrimmedValue(i) : std::string_view();
        if (code == 0 && value == "ENDSEC") {
            EndEntity();
            inVertex_ = false;
            inBlocks_ = inHeader_ = inBody_ = false;
        }
        if (inHeader_) TakeHeaderGroup(i, code);
        if (inBody_) {
            TakeEntityGroup(i, code, value);
            if (inVertex_) TakeVertexGroup(i, code, value);
            if (code == 0) StartEntity(value);
        }
        if (inBlocks_ && code == 0 && value == "BLOCK") {
            g_.blocks.emplace_back();
            inHeader_ = true;
        }
        if (code != 2) return;
        if (entitiesAs_.empty() && value == "BLOCKS") inBlocks_ = true;
        if (!entitiesAs_.empty() && value == "ENTITIES") {
            g_.blocks.push_back(TBlockBlk{std::string(entitiesAs_), "0", {}});
            inBody_ = true;
        }
    }

    // A truncated file may end inside a SOLID; its corners read so far still count.
    void Finish() { EndEntity(); }

private:
    // A block header ends at its first group 0. Only a named block opens the body: the anonymous
    // blocks that open the section (model and paper space) are skipped, later ones are read.
    void TakeHeaderGroup(size_t i, int code) {
        TBlockBlk& b = g_.blocks.back();
        if (code == 0) {
            inHeader_ = false;
            if (!b.Name.empty() && b.Name[0] != '*') inBody_ = true;
            return;
        }
        if (code == 8) b.Layer = buffer_.TrimmedValue(i);
        if (code == 2) b.Name = buffer_.TrimmedValue(i);
        TakePointField(buffer_, i, code, 10, b.BasePoint);
    }

    void TakeEntityGroup(size_t i, int code, std::string_view value) {
        if (code == 0) {
            if (entity_ == BlockEntity::kPolylineHead && value == "VERTEX") inVertex_ = true;
            EndEntity();
            return;
        }
        switch (entity_) {
        case BlockEntity::kLine: {
            TLineBlk& e = g_.lines.back();
            if (code == 8) e.Layer = buffer_.TrimmedValue(i);
            TakePointField(buffer_, i, code, 10, e.P1) || TakePointField(buffer_, i, code, 11, e.P2);
            break;
        }
        case BlockEntity::kCircle: {
            TCircleBlk& e = g_.circles.back();
            if (code == 8) e.Layer = buffer_.TrimmedValue(i);
            if (code == 40) e.Radius = buffer_.RealValue(i);
            TakePointField(buffer_, i, code, 10, e.Center);
            break;
        }
        case BlockEntity::kArc: {
            TArcBlk& e = g_.arcs.back();
            if (code == 8) e.Layer = buffer_.TrimmedValue(i);
            if (code == 40) e.Radius = buffer_.RealValue(i);
            if (code == 50) e.StartAngle = buffer_.RealValue(i);
            if (code == 51) e.EndAngle = buffer_.RealValue(i);
            TakePointField(buffer_, i, code, 10, e.Center);
            break;
        }
        case BlockEntity::kLwPolyline:
            TakePolylineHeaderGroup(i, code);
            if (code == 10 || code == 20 || code == 42) TakeVertexGroup(i, code, {});
            break;
        case BlockEntity::kPolylineHead: TakePolylineHeaderGroup(i, code); break;
        case BlockEntity::kSolid: TakeSolidGroup(i, code); break;
        case BlockEntity::kNone: break;
        }
    }

    void TakePolylineHeaderGroup(size_t i, int code) {
        TLwpBlk& p = g_.polylines.back();
        if (code == 8) p.Layer = buffer_.TrimmedValue(i);
        if (code == 5) p.Handle = buffer_.TrimmedValue(i);
        if (code == 70) p.Flags = buffer_.IntValue(i);
    }

    void TakeVertexGroup(size_t i, int code, std::string_view value) {
        if (code == 0) {
            if (value == "SEQEND") inVertex_ = false;
            return;
        }
        if (code == 10) {
            g_.vertices.push_back(TLwpEle{g_.polylines.back().Handle, {buffer_.RealValue(i), 0, 0}, 0});
            return;
        }
        if (g_.vertices.empty()) return;
        TLwpEle& v = g_.vertices.back();
        if (code == 20) v.Point.y = buffer_.RealValue(i);
        if (code == 30) v.Point.z = buffer_.RealValue(i);
        if (code == 42) v.Bulge = buffer_.RealValue(i);
    }

    void TakeSolidGroup(size_t i, int code) {
        if (code == 8) {
            solid_.layer = buffer_.TrimmedValue(i);
            return;
        }
        for (int k = 0; k < 4; ++k) {
            if (!TakePointField(buffer_, i, code, 10 + k, solid_.corner[k])) continue;
            if (k == 3) solid_.hasFourth = true;
            return;
        }
    }

    void StartEntity(std::string_view kind) {
        const std::string& block = g_.blocks.back().Name;
        if (kind == "LINE") {
            g_.lines.emplace_back().BlockName = block;
            entity_ = BlockEntity::kLine;
        } else if (kind == "CIRCLE") {
            g_.circles.emplace_back().BlockName = block;
            entity_ = BlockEntity::kCircle;
        } else if (kind == "ARC") {
            g_.arcs.emplace_back().BlockName = block;
            entity_ = BlockEntity::kArc;
        } else if (kind == "LWPOLYLINE" || kind == "POLYLINE") {
            TLwpBlk& p = g_.polylines.emplace_back();
            p.Owner = block;
            // Files without handles (R12) would otherwise give every polyline the same empty
            // handle and so every polyline's vertices; group 5, when present, replaces this.
            p.Handle = std::string("*").append(std::to_string(g_.polylines.size()));
            entity_ = kind == "POLYLINE" ? BlockEntity::kPolylineHead : BlockEntity::kLwPolyline;
        } else if (kind == "SOLID") {
            solid_ = SolidCorners{};
            solid_.blockName = block;
            entity_ = BlockEntity::kSolid;
        }
    }

    void EndEntity() {
        if (entity_ == BlockEntity::kSolid) AddSolidOutline(solid_, g_.lines);
        entity_ = BlockEntity::kNone;
    }

    const DxfBuffer& buffer_;
    BlockGeometry& g_;
    std::string_view entitiesAs_;
    bool inBlocks_ = false;
    bool inHeader_ = false;
    bool inBody_ = false;
    bool inVertex_ = false;
    BlockEntity entity_ = BlockEntity::kNone;
    SolidCorners solid_;
};

}  // namespace

namespace {

int Scan(const DxfBuffer& buffer, BlockGeometry& geometry, std::string_view entitiesAs) {
    geometry.blocks.clear();
    geometry.lines.clear();
    geometry.circles.clear();
    geometry.arcs.clear();
    geometry.polylines.clear();
    geometry.vertices.clear();
    BlocksScan scan(buffer, geometry, entitiesAs);
    for (size_t i = 0, n = buffer.PairCount(); i < n; ++i) scan.Take(i);
    scan.Finish();
    return static_cast<int>(geometry.blocks.size());
}

}  // namespace

int ReadBlocks(const DxfBuffer& buffer, BlockGeometry& geometry) {
    ReadLayerTable(buffer, geometry.layers, true);
    return Scan(buffer, geometry, {});
}

void ReadEntitiesAsBlock(const DxfBuffer& buffer, std::string_view blockName, BlockGeometry& geometry) {
    Scan(buffer, geometry, blockName);
}

}  // namespace kv
