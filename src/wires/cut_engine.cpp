#include "wires/cut_engine.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "base/strings.h"
#include "geometry/block_placement.h"
#include "geometry/geometry.h"
#include "geometry/intersections.h"

namespace kv {

namespace {

void AddCircleHits(const ExtendedWire& wire, const Point3& center, double radius, HitList& hits) {
    const LineCircleHits found = IntersectLineCircle(wire.E1, wire.E2, center, radius, true);
    if (found.count >= 1) hits.push_back(found.first);
    if (found.count == 2) hits.push_back(found.second);
}

// A crossing counts; otherwise an end of the symbol line lying on the wire (a line ending on it
// or running along it) adds its foot.
void AddLineHits(const ExtendedWire& wire, const Point3& s, const Point3& t, HitList& hits) {
    if (std::optional<Point3> x = IntersectLines(wire.E1, wire.E2, s, t, true)) {
        hits.push_back(*x);
        return;
    }
    const double length = Distance2D(s, t);
    const double normal = AngleOf(s, t) + kPi / 2;
    std::optional<Point3> foot = IntersectLines(wire.E1, wire.E2, s, PolarPoint(s, length, normal), false);
    if (foot && Distance2D(s, *foot) <= kTouchTolerance) hits.push_back(*foot);
    foot = IntersectLines(wire.E1, wire.E2, PolarPoint(t, length, normal), t, false);
    if (foot && Distance2D(t, *foot) <= kTouchTolerance) hits.push_back(*foot);
}

struct PlacedArc {
    Point3 center;
    double radius = 0;
    double start = 0;  // radians in [0, 2pi); counter-clockwise from start to end
    double end = 0;
};

double NormalizedAngle(double radians) {
    double a = std::fmod(radians, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a >= kTwoPi ? 0 : a;
}

// A mirroring scale reflects the arc's directions and reverses its sweep; the arc then runs
// from the image of its end to the image of its start.
PlacedArc PlaceArc(const TInsertEnt& insert, const TBlockBlk& block, const TArcBlk& arc) {
    const bool flipX = insert.Scale.x < 0;
    const bool flipY = insert.Scale.y < 0;
    auto image = [&](double degrees) {
        if (flipX && flipY) return 180 + degrees;
        if (flipX) return 180 - degrees;
        if (flipY) return -degrees;
        return degrees;
    };
    const bool reversed = flipX != flipY;
    const double start = image(reversed ? arc.EndAngle : arc.StartAngle);
    const double end = image(reversed ? arc.StartAngle : arc.EndAngle);
    return {PlaceBlockPoint(insert, block, arc.Center), PlaceBlockRadius(insert, arc.Radius),
            NormalizedAngle(DegreesToRadians(PlaceBlockAngle(insert, start))),
            NormalizedAngle(DegreesToRadians(PlaceBlockAngle(insert, end)))};
}

void AddArcHits(const ExtendedWire& wire, const PlacedArc& arc, HitList& hits) {
    const LineCircleHits found = IntersectLineCircle(wire.E1, wire.E2, arc.center, arc.radius, true);
    for (int i = 0; i < found.count; ++i) {
        const Point3& p = i == 0 ? found.first : found.second;
        if (AngleInArc(AngleOf(arc.center, p), arc.start, arc.end)) hits.push_back(p);
    }
}

void AddPlacedLines(const ExtendedWire& wire, const TInsertEnt& insert, const TBlockBlk& block,
                    const std::vector<TLineBlk>& lines, HitList& hits) {
    for (const TLineBlk& line : lines)
        AddLineHits(wire, PlaceBlockPoint(insert, block, line.P1), PlaceBlockPoint(insert, block, line.P2), hits);
}

void AddPlacedArcs(const ExtendedWire& wire, const TInsertEnt& insert, const TBlockBlk& block,
                   const std::vector<TArcBlk>& arcs, HitList& hits) {
    for (const TArcBlk& arc : arcs) AddArcHits(wire, PlaceArc(insert, block, arc), hits);
}

// The two hits farthest apart, pairs in list order, the first of equal distances kept;
// nothing when fewer than two hits lie apart.
std::optional<GapRec> FarthestHits(const HitList& hits) {
    std::optional<GapRec> gap;
    double best = 0;
    for (size_t i = 0; i < hits.size(); ++i) {
        for (size_t j = i + 1; j < hits.size(); ++j) {
            const double d = Distance2D(hits[i], hits[j]);
            if (d <= best) continue;
            best = d;
            gap = GapRec{hits[i], hits[j]};
        }
    }
    return gap;
}

bool EndInside(double gapLength, double distanceToA, double distanceToB) {
    return std::fabs(distanceToA + distanceToB - gapLength) <= kClampTolerance;
}

// A wire end inside the gap replaces the gap end beyond it.
void ClampGap(GapRec& gap, const Point3& p1, const Point3& p2) {
    const double length = Distance2D(gap.A, gap.B);
    const double a1 = Distance2D(p1, gap.A), b1 = Distance2D(p1, gap.B);
    const double a2 = Distance2D(p2, gap.A), b2 = Distance2D(p2, gap.B);
    if (EndInside(length, a1, b1)) (a2 > b2 ? gap.A : gap.B) = p1;
    if (EndInside(length, a2, b2)) (a1 > b1 ? gap.A : gap.B) = p2;
}

// Position of p along the wire from p1, in drawing units.
double AlongWire(const Point3& p, const Point3& p1, const Point3& p2, double wireLength) {
    return ((p.x - p1.x) * (p2.x - p1.x) + (p.y - p1.y) * (p2.y - p1.y)) / wireLength;
}

bool LiesOnWire(const GapRec& gap, const Point3& p1, const Point3& p2, double wireLength) {
    if (Distance2D(gap.A, gap.B) <= 0) return false;
    const double middle = (AlongWire(gap.A, p1, p2, wireLength) + AlongWire(gap.B, p1, p2, wireLength)) / 2;
    return middle >= 0 && middle <= wireLength;
}

Point3 Midpoint(const GapRec& gap) { return PointMul(PointAdd(gap.A, gap.B), {0.5, 0.5, 0.5}); }

// Indices of the inserts by the distance of their insertion points from p, nearest first,
// equal distances in array order.
std::vector<size_t> NearestFirst(const std::vector<const TInsertEnt*>& inserts, const Point3& p) {
    std::vector<double> distance(inserts.size());
    for (size_t i = 0; i < inserts.size(); ++i) distance[i] = Distance2D(inserts[i]->Point, p);
    std::vector<size_t> order(inserts.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return distance[a] < distance[b]; });
    return order;
}

}  // namespace

ExtendedWire ExtendWire(const TLineEnt& currentLine) {
    const double angle = AngleOf(currentLine.P1, currentLine.P2);
    const double length = Distance2D(currentLine.P1, currentLine.P2);
    return {PolarPoint(currentLine.P1, -length, angle), PolarPoint(currentLine.P2, length, angle)};
}

bool IsSymbol(const TInsertEnt& insert, const CutOptions& options) {
    if (options.CheckLayer && !options.EditLayer.empty() && !EqualsIgnoreCaseAscii(insert.Layer, options.EditLayer))
        return false;
    if (options.CheckBlock && !options.EditBlock.empty() && EqualsIgnoreCaseAscii(insert.Name, options.EditBlock))
        return false;
    return true;
}

HitList SymbolHits(const ExtendedWire& wire, const TInsertEnt& insert, const BlockShapes& shapes,
                   const CutOptions& options) {
    HitList hits;
    const TBlockBlk& block = shapes.block;
    if (options.CheckCircle) {
        for (const TCircleBlk& circle : shapes.circles) {
            AddCircleHits(wire, PlaceBlockPoint(insert, block, circle.Center), PlaceBlockRadius(insert, circle.Radius),
                          hits);
        }
    }
    if (options.CheckLine) {
        AddPlacedLines(wire, insert, block, shapes.lines, hits);
        if (options.CheckLWP) AddPlacedLines(wire, insert, block, shapes.polylineLines, hits);
    }
    if (options.CheckArc) {
        AddPlacedArcs(wire, insert, block, shapes.arcs, hits);
        if (options.CheckLWP) AddPlacedArcs(wire, insert, block, shapes.polylineArcs, hits);
    }
    return hits;
}

GapList ComputeCuts(const TLineEnt& currentLine, const std::vector<TInsertEnt>& inserts, const SymbolShapes& shapes,
                    const CutOptions& options) {
    std::vector<const TInsertEnt*> all;
    all.reserve(inserts.size());
    for (const TInsertEnt& insert : inserts) all.push_back(&insert);
    return ComputeCuts(currentLine, all, shapes, options);
}

GapList ComputeCuts(const TLineEnt& currentLine, const std::vector<const TInsertEnt*>& inserts,
                    const SymbolShapes& shapes, const CutOptions& options) {
    GapList gaps;
    const Point3& p1 = currentLine.P1;
    const Point3& p2 = currentLine.P2;
    const double wireLength = Distance2D(p1, p2);
    if (wireLength <= 0) return gaps;

    const ExtendedWire wire = ExtendWire(currentLine);
    for (size_t i : NearestFirst(inserts, p1)) {
        const TInsertEnt& insert = *inserts[i];
        if (!IsSymbol(insert, options)) continue;
        const BlockShapes* symbol = shapes.Find(insert.Name);
        if (!symbol) continue;
        if (std::optional<GapRec> gap = FarthestHits(SymbolHits(wire, insert, *symbol, options))) gaps.push_back(*gap);
    }

    for (GapRec& gap : gaps) ClampGap(gap, p1, p2);
    std::erase_if(gaps, [&](const GapRec& gap) { return !LiesOnWire(gap, p1, p2, wireLength); });
    for (GapRec& gap : gaps) {
        if (Distance2D(p1, gap.A) > Distance2D(p1, gap.B)) std::swap(gap.A, gap.B);
    }
    std::stable_sort(gaps.begin(), gaps.end(), [&](const GapRec& a, const GapRec& b) {
        return Distance2D(Midpoint(a), p1) < Distance2D(Midpoint(b), p1);
    });
    return gaps;
}

}  // namespace kv
