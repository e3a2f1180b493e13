#include "wires/junction_marks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>

#include "base/number_text.h"
#include "base/strings.h"
#include "geometry/bounding_boxes.h"
#include "geometry/geometry.h"
#include "geometry/grid_cells.h"
#include "geometry/intersections.h"

namespace kv {

namespace {

bool Near(const Point3& a, const Point3& b) { return Distance2D(a, b) < kJunctionTolerance; }

bool NearAnEnd(const Point3& p, const TLineEnt& line) { return Near(p, line.P1) || Near(p, line.P2); }

// Distance of p from the segment a-b (from a when the segment has no length).
double DistanceToSegment(const Point3& p, const Point3& a, const Point3& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0) return Distance2D(p, a);
    double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return Distance2D(p, {a.x + t * dx, a.y + t * dy, a.z});
}

bool OnWire(const Point3& p, const TLineEnt& line) {
    return DistanceToSegment(p, line.P1, line.P2) < kJunctionTolerance;
}

bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Points bucketed in cells twice the tolerance wide: a point within the tolerance of p lies in
// p's cell or in one next to it. A point with a coordinate that is no finite number is near
// nothing and is not held.
class NearPoints {
public:
    void Add(const Point3& p, size_t id) {
        if (IsFinite(p)) cells_[GridKey(GridCell(p.x, kCell), GridCell(p.y, kCell))].push_back({p, id});
    }

    // The lowest id of the held points near p; none when there is none.
    std::optional<size_t> FirstNear(const Point3& p) const {
        std::optional<size_t> first;
        if (!IsFinite(p)) return first;
        const int64_t cx = GridCell(p.x, kCell), cy = GridCell(p.y, kCell);
        for (int64_t x = cx - 1; x <= cx + 1; ++x) {
            for (int64_t y = cy - 1; y <= cy + 1; ++y) {
                auto found = cells_.find(GridKey(x, y));
                if (found == cells_.end()) continue;
                for (const Held& held : found->second)
                    if (Near(held.point, p) && (!first || held.id < *first)) first = held.id;
            }
        }
        return first;
    }

private:
    static constexpr double kCell = 2 * kJunctionTolerance;
    struct Held {
        Point3 point;
        size_t id;
    };
    std::unordered_map<uint64_t, std::vector<Held>> cells_;
};

bool MeetNearInOrder(const std::vector<TLineEnt>& lines, size_t i, size_t j, const Point3& p, double range) {
    return i < j ? WiresMeetAt(lines[i], lines[j], p, range) : WiresMeetAt(lines[j], lines[i], p, range);
}

// The wires that can take part in a junction at p, sorted by direction: a junction lies within
// the tolerance of both wires, so each passes near the square. Wires of one axis are exactly
// parallel and never meet; a wire without length or with a coordinate that is no finite number
// meets nothing.
struct NearWires {
    std::vector<size_t> horizontal, vertical, oblique;
    double margin = 0;  // covers the rounding of the intersection, far below the tolerance
};

NearWires WiresNearSquare(const std::vector<TLineEnt>& lines, const Point3& p, double range) {
    NearWires near;
    near.margin = 1e-9 * (1 + std::fabs(p.x) + std::fabs(p.y) + range);
    const double reach = range + kJunctionTolerance + near.margin;
    for (size_t i = 0; i < lines.size(); ++i) {
        const TLineEnt& line = lines[i];
        if (!IsFinite(line.P1) || !IsFinite(line.P2)) continue;
        const Box box = SegmentBox(line.P1, line.P2);
        if (box.max.x < p.x - reach || box.min.x > p.x + reach || box.max.y < p.y - reach || box.min.y > p.y + reach)
            continue;
        const bool flat = box.min.y == box.max.y, upright = box.min.x == box.max.x;
        if (flat && upright) continue;
        (flat ? near.horizontal : upright ? near.vertical : near.oblique).push_back(i);
    }
    return near;
}

// Horizontal against vertical wires by a sweep across x: a vertical wire meets only the
// horizontal ones alive at its x (within the tolerance of their ends) whose y lies along it.
bool AxisWiresMeetNear(const std::vector<TLineEnt>& lines, const NearWires& near, const Point3& p, double range) {
    const double slack = kJunctionTolerance + near.margin;
    enum Kind { kEnter, kVertical, kLeave };
    struct Event {
        double x;
        Kind kind;
        size_t line;
    };
    std::vector<Event> events;
    for (size_t h : near.horizontal) {
        const Box box = SegmentBox(lines[h].P1, lines[h].P2);
        events.push_back({box.min.x - slack, kEnter, h});
        events.push_back({box.max.x + slack, kLeave, h});
    }
    for (size_t v : near.vertical) events.push_back({lines[v].P1.x, kVertical, v});
    std::sort(events.begin(), events.end(),
              [](const Event& a, const Event& b) { return std::tie(a.x, a.kind, a.line) < std::tie(b.x, b.kind, b.line); });

    std::set<std::pair<double, size_t>> alive;  // y, line
    for (const Event& e : events) {
        const double y = lines[e.line].P1.y;
        if (e.kind == kEnter) alive.insert({y, e.line});
        if (e.kind == kLeave) alive.erase({y, e.line});
        if (e.kind != kVertical) continue;
        const Box box = SegmentBox(lines[e.line].P1, lines[e.line].P2);
        for (auto h = alive.lower_bound({box.min.y - slack, 0}); h != alive.end() && h->first <= box.max.y + slack; ++h)
            if (MeetNearInOrder(lines, h->second, e.line, p, range)) return true;
    }
    return false;
}

}  // namespace

bool JunctionOptions::FixedLayer() const { return CheckKpLayer && !Trim(EditKpLayer).empty(); }

std::string JunctionOptions::MarkName() const { return Trim(EditKpMark); }

double KpRange(std::string_view dimScaleText, std::string_view editKpRad) {
    double dimScale = 0;
    if (!TryParseReal(Trim(dimScaleText), dimScale) || dimScale == 0) dimScale = 1.0;
    const std::string factorText = Trim(editKpRad);
    const double factor = factorText.empty() ? 1.0 : ParseReal(factorText);
    return dimScale * factor;
}

JunctionList JunctionsAlong(const TLineEnt& drawn, const std::vector<TLineEnt>& lines) {
    JunctionList junctions;
    NearPoints index;
    for (const TLineEnt& line : lines) {
        if (IsCollinear(drawn.P1, drawn.P2, line.P1, line.P2)) continue;
        const std::optional<Point3> x = IntersectLines(drawn.P1, drawn.P2, line.P1, line.P2, false);
        if (!x) continue;
        // Two wires meeting end to end form a corner, not a junction.
        if (NearAnEnd(*x, drawn) && NearAnEnd(*x, line)) continue;
        if (index.FirstNear(*x)) continue;
        index.Add(*x, junctions.size());
        junctions.push_back(*x);
    }
    return junctions;
}

bool WiresMeetNear(const std::vector<TLineEnt>& lines, const Point3& p, double range) {
    const NearWires near = WiresNearSquare(lines, p, range);
    // Oblique wires are rare in a schematic: each is tried against every other near wire.
    const std::vector<size_t>& oblique = near.oblique;
    for (size_t i = 0; i < oblique.size(); ++i) {
        for (const std::vector<size_t>* axis : {&near.horizontal, &near.vertical})
            for (size_t b : *axis)
                if (MeetNearInOrder(lines, oblique[i], b, p, range)) return true;
        for (size_t j = i + 1; j < oblique.size(); ++j)
            if (WiresMeetAt(lines[oblique[i]], lines[oblique[j]], p, range)) return true;
    }
    return AxisWiresMeetNear(lines, near, p, range);
}

bool WiresMeetAt(const TLineEnt& a, const TLineEnt& b, const Point3& p, double range) {
    const std::optional<Point3> x = IntersectLines(a.P1, a.P2, b.P1, b.P2, false);
    if (!x) return false;
    // Infinite lines meet almost everywhere: only a meeting of the wires themselves,
    // next to p, is a junction at p.
    if (std::fabs(x->x - p.x) > range || std::fabs(x->y - p.y) > range) return false;
    if (!OnWire(*x, a) || !OnWire(*x, b)) return false;
    return !(NearAnEnd(*x, a) && NearAnEnd(*x, b));
}

MarkPlan PlanMarks(const JunctionList& junctions, const std::vector<TInsertEnt>& inserts, std::string_view markName) {
    MarkPlan plan;
    if (Trim(markName).empty()) return plan;
    const std::string name = Trim(markName);
    std::vector<const TInsertEnt*> marks;
    NearPoints index;
    for (const TInsertEnt& insert : inserts) {
        if (!EqualsIgnoreCaseAscii(insert.Name, name)) continue;
        index.Add(insert.Point, marks.size());
        marks.push_back(&insert);
    }

    std::vector<bool> kept(marks.size(), false);
    for (const Point3& junction : junctions) {
        const std::optional<size_t> mark = index.FirstNear(junction);
        if (mark) kept[*mark] = true;
        else plan.insertAt.push_back(junction);
    }
    for (size_t m = 0; m < marks.size(); ++m)
        if (!kept[m]) plan.staleMarks.push_back(*marks[m]);
    return plan;
}

}  // namespace kv
