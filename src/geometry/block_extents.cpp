#include "geometry/block_extents.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "geometry/bounding_boxes.h"
#include "geometry/geometry.h"

namespace kv {

namespace {

struct ExplodedPolylines {
    std::vector<TLineBlk> lines;
    std::vector<TArcBlk> arcs;
};

void ExplodeOne(const TLwpBlk& polyline, std::vector<TLwpEle> vertices, ExplodedPolylines& out) {
    if (polyline.Flags == kPolylineClosedFlags && !vertices.empty()) vertices.push_back(vertices.front());
    for (size_t i = 0; i + 1 < vertices.size(); ++i) {
        const TLwpEle& v = vertices[i];
        const TLwpEle& w = vertices[i + 1];
        if (v.Bulge == 0) {
            out.lines.push_back({polyline.Owner, polyline.Layer, v.Point, w.Point});
            continue;
        }
        const ArcGeometry arc = BulgeToArc(v.Point, w.Point, v.Bulge);
        out.arcs.push_back({polyline.Owner, polyline.Layer, arc.center, arc.radius, RadiansToDegrees(arc.startAngle),
                            RadiansToDegrees(arc.endAngle)});
    }
}

ExplodedPolylines Explode(const std::vector<TLwpBlk>& polylines, const std::vector<TLwpEle>& vertices) {
    // Vertices grouped by owner once, in array order: the same result as one search per polyline.
    std::unordered_map<std::string_view, std::vector<TLwpEle>> byOwner;
    for (const TLwpEle& vertex : vertices) byOwner[vertex.OwnerHandle].push_back(vertex);
    ExplodedPolylines out;
    for (const TLwpBlk& polyline : polylines) {
        auto found = byOwner.find(polyline.Handle);
        if (found != byOwner.end()) ExplodeOne(polyline, found->second, out);
    }
    return out;
}

using BoxesByBlock = std::unordered_map<std::string_view, Box>;

void AddBox(BoxesByBlock& boxes, std::string_view block, const Box& box) {
    auto [entry, inserted] = boxes.try_emplace(block, box);
    if (!inserted) MergeBox(entry->second, box);
}

void AddLines(BoxesByBlock& boxes, const std::vector<TLineBlk>& lines) {
    for (const TLineBlk& line : lines) AddBox(boxes, line.BlockName, SegmentBox(line.P1, line.P2));
}

void AddArcs(BoxesByBlock& boxes, const std::vector<TArcBlk>& arcs) {
    for (const TArcBlk& arc : arcs) {
        AddBox(boxes, arc.BlockName,
               ArcBox(arc.Center, arc.Radius, DegreesToRadians(arc.StartAngle), DegreesToRadians(arc.EndAngle)));
    }
}

}  // namespace

void ExplodePolylines(BlockGeometry& geometry) {
    ExplodedPolylines exploded = Explode(geometry.polylines, geometry.vertices);
    geometry.lines.insert(geometry.lines.end(), exploded.lines.begin(), exploded.lines.end());
    geometry.arcs.insert(geometry.arcs.end(), exploded.arcs.begin(), exploded.arcs.end());
}

int ComputeBlockExtents(const BlockGeometry& geometry, std::vector<BlockExtent>& extents) {
    extents.clear();
    // Boxes merged per block name once; merging is order-independent, so this matches a
    // per-block search over every record.
    const ExplodedPolylines exploded = Explode(geometry.polylines, geometry.vertices);
    BoxesByBlock boxes;
    AddLines(boxes, geometry.lines);
    AddLines(boxes, exploded.lines);
    for (const TCircleBlk& circle : geometry.circles)
        AddBox(boxes, circle.BlockName, CircleBox(circle.Center, circle.Radius));
    AddArcs(boxes, geometry.arcs);
    AddArcs(boxes, exploded.arcs);

    for (const TBlockBlk& block : geometry.blocks) {
        auto found = boxes.find(block.Name);
        if (found == boxes.end()) continue;
        extents.push_back({block.Name, found->second.min, found->second.max});
    }
    return static_cast<int>(extents.size());
}

}  // namespace kv
