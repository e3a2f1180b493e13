#include "wires/junction_marks.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <optional>
#include <set>
#include <utility>
#include <vector>

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

// Points bucketed in cells ten times the tolerance wide: the points within the tolerance of
// p lie in at most two cells across and two down, mostly in one, and junctions are far enough
// apart that a cell rarely holds two. The cells are an open-addressed table over
// one array of held points, each chained to the one added before it in its cell. A point with
// a coordinate that is no finite number is near nothing and is not held. Cells in blocks of
// 4 x 4 start their probes in 16 neighbouring slots: the points along a wire come in turn, and a
// large table is then read a few cache lines at a time, not a line per cell.
class NearPoints {
public:
    explicit NearPoints(size_t expected) : cells_(std::bit_ceil(std::max<size_t>(16, expected))) {
        held_.reserve(expected);
    }

    void Add(const Point3& p, size_t id) {
        if (!IsFinite(p)) return;
        const int64_t x = GridCell(p.x, kCell), y = GridCell(p.y, kCell);
        Cell* cell = &cells_[Probe(x, y)];
        if (cell->last == kNone) {
            if (2 * (used_ + 1) > cells_.size()) {
                Grow();
                cell = &cells_[Probe(x, y)];
            }
            ++used_;
            cell->key = GridKey(x, y);
        }
        held_.push_back({p, id, cell->last});
        cell->last = static_cast<uint32_t>(held_.size() - 1);
    }

    // The lowest id of the held points near p; none when there is none.
    std::optional<size_t> FirstNear(const Point3& p) const {
        std::optional<size_t> first;
        if (!IsFinite(p)) return first;
        // A little more than the tolerance either side, for the rounding of p +- tolerance.
        const double reach = 1.1 * kJunctionTolerance;
        const int64_t x1 = GridCell(p.x + reach, kCell), y0 = GridCell(p.y - reach, kCell);
        const int64_t y1 = GridCell(p.y + reach, kCell);
        for (int64_t x = GridCell(p.x - reach, kCell); x <= x1; ++x) {
            for (int64_t y = y0; y <= y1; ++y) {
                for (uint32_t h = cells_[Probe(x, y)].last; h != kNone; h = held_[h].before) {
                    const Held& held = held_[h];
                    if (Near(held.point, p) && (!first || held.id < *first)) first = held.id;
                }
            }
        }
        return first;
    }

private:
    static constexpr double kCell = 10 * kJunctionTolerance;
    static constexpr uint32_t kNone = UINT32_MAX;
    struct Cell {
        uint64_t key = 0;
        uint32_t last = kNone;  // the latest point added in the cell; kNone: a free slot
    };
    struct Held {
        Point3 point;
        size_t id;
        uint32_t before;  // the point added before it in its cell
    };

    // The slot of the cell, or the free slot where it would go.
    size_t Probe(int64_t x, int64_t y) const {
        const size_t mask = cells_.size() - 1;
        const uint64_t key = GridKey(x, y);
        const auto inBlock = static_cast<size_t>((x & 3) << 2 | (y & 3));
        size_t i = (GridSlot(GridKey(x >> 2, y >> 2), mask >> 4) << 4 | inBlock) & mask;
        while (cells_[i].last != kNone && cells_[i].key != key) i = (i + 1) & mask;
        return i;
    }

    void Grow() {
        std::vector<Cell> old(2 * cells_.size());
        old.swap(cells_);
        for (const Cell& cell : old) {
            if (cell.last == kNone) continue;
            const Point3& p = held_[cell.last].point;
            cells_[Probe(GridCell(p.x, kCell), GridCell(p.y, kCell))] = cell;
        }
    }

    std::vector<Cell> cells_;
    size_t used_ = 0;
    std::vector<Held> held_;
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

// A finite double's bits as an unsigned number in the order of the values; -0 is taken as 0.
uint64_t OrderedBits(double v) {
    uint64_t bits = 0;
    const double value = v + 0.0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits >> 63 ? ~bits : bits | uint64_t{1} << 63;
}

// The indices of the keys in the order of the keys, equal keys in index order: a radix sort, whose
// time grows with the count alone where a comparison sort's grows faster.
std::vector<uint32_t> StableRadixOrder(const std::vector<uint64_t>& keys) {
    std::vector<uint32_t> order(keys.size()), next(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<size_t, 257> starts{};
        for (const uint64_t key : keys) ++starts[(key >> shift & 0xFF) + 1];
        if (std::find(starts.begin() + 1, starts.end(), keys.size()) != starts.end()) continue;  // one digit for all
        std::partial_sum(starts.begin(), starts.end(), starts.begin());
        for (const uint32_t i : order) next[starts[keys[i] >> shift & 0xFF]++] = i;
        order.swap(next);
    }
    return order;
}

// Horizontal against vertical wires by a sweep across x: a vertical wire meets only the
// horizontal ones alive at its x (within the tolerance of their ends) whose y lies along it.
bool AxisWiresMeetNear(const std::vector<TLineEnt>& lines, const NearWires& near, const Point3& p, double range) {
    const double slack = kJunctionTolerance + near.margin;
    enum Kind : uint8_t { kEnter, kVertical, kLeave };
    struct Event {
        double x;
        double y0, y1;  // a horizontal wire's y twice, a vertical wire's span
        uint32_t line;
        Kind kind;
    };
    // Made in the order of kind, then line: the sort by x keeps that order among equal x.
    std::vector<Event> events;
    events.reserve(2 * near.horizontal.size() + near.vertical.size());
    for (size_t h : near.horizontal) {
        const TLineEnt& line = lines[h];
        events.push_back(
            {std::min(line.P1.x, line.P2.x) - slack, line.P1.y, line.P1.y, static_cast<uint32_t>(h), kEnter});
    }
    for (size_t v : near.vertical) {
        const TLineEnt& line = lines[v];
        events.push_back({line.P1.x, std::min(line.P1.y, line.P2.y) - slack, std::max(line.P1.y, line.P2.y) + slack,
                          static_cast<uint32_t>(v), kVertical});
    }
    for (size_t h : near.horizontal) {
        const TLineEnt& line = lines[h];
        events.push_back(
            {std::max(line.P1.x, line.P2.x) + slack, line.P1.y, line.P1.y, static_cast<uint32_t>(h), kLeave});
    }
    std::vector<uint64_t> xs(events.size());
    for (size_t i = 0; i < events.size(); ++i) xs[i] = OrderedBits(events[i].x);

    std::set<std::pair<double, uint32_t>> alive;  // y, line
    for (const uint32_t at : StableRadixOrder(xs)) {
        const Event& e = events[at];
        if (e.kind == kEnter) alive.insert({e.y0, e.line});
        if (e.kind == kLeave) alive.erase({e.y0, e.line});
        if (e.kind != kVertical) continue;
        for (auto h = alive.lower_bound({e.y0, 0}); h != alive.end() && h->first <= e.y1; ++h)
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
    NearPoints index(lines.size());
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
    if (std::isnan(range)) return false;
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
    NearPoints index(inserts.size());
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
