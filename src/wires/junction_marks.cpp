#include "wires/junction_marks.h"

#include <cmath>
#include <optional>

#include "base/number_text.h"
#include "base/strings.h"
#include "geometry/geometry.h"
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

}  // namespace

bool JunctionOptions::FixedLayer() const { return CheckKpLayer && !Trim(EditKpLayer).empty(); }

std::string JunctionOptions::MarkName() const { return Trim(EditKpMark); }

void AddJunction(JunctionList& list, const Point3& point) {
    for (const Point3& held : list)
        if (Near(held, point)) return;
    list.push_back(point);
}

double KpRange(std::string_view dimScaleText, std::string_view editKpRad) {
    double dimScale = 0;
    if (!TryParseReal(Trim(dimScaleText), dimScale) || dimScale == 0) dimScale = 1.0;
    const std::string factorText = Trim(editKpRad);
    const double factor = factorText.empty() ? 1.0 : ParseReal(factorText);
    return dimScale * factor;
}

JunctionList JunctionsAlong(const TLineEnt& drawn, const std::vector<TLineEnt>& lines) {
    JunctionList junctions;
    for (const TLineEnt& line : lines) {
        if (IsCollinear(drawn.P1, drawn.P2, line.P1, line.P2)) continue;
        const std::optional<Point3> x = IntersectLines(drawn.P1, drawn.P2, line.P1, line.P2, false);
        if (!x) continue;
        // Two wires meeting end to end form a corner, not a junction.
        if (NearAnEnd(*x, drawn) && NearAnEnd(*x, line)) continue;
        AddJunction(junctions, *x);
    }
    return junctions;
}

bool WiresMeetNear(const std::vector<TLineEnt>& lines, const Point3& p, double range) {
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size(); ++j) {
            const TLineEnt& a = lines[i];
            const TLineEnt& b = lines[j];
            const std::optional<Point3> x = IntersectLines(a.P1, a.P2, b.P1, b.P2, false);
            if (!x) continue;
            // Infinite lines meet almost everywhere: only a meeting of the wires themselves,
            // next to p, is a junction at p.
            if (std::fabs(x->x - p.x) > range || std::fabs(x->y - p.y) > range) continue;
            if (!OnWire(*x, a) || !OnWire(*x, b)) continue;
            if (NearAnEnd(*x, a) && NearAnEnd(*x, b)) continue;
            return true;
        }
    }
    return false;
}

MarkPlan PlanMarks(const JunctionList& junctions, const std::vector<TInsertEnt>& inserts, std::string_view markName) {
    MarkPlan plan;
    if (Trim(markName).empty()) return plan;
    const std::string name = Trim(markName);
    std::vector<const TInsertEnt*> marks;
    for (const TInsertEnt& insert : inserts)
        if (EqualsIgnoreCaseAscii(insert.Name, name)) marks.push_back(&insert);

    std::vector<bool> kept(marks.size(), false);
    for (const Point3& junction : junctions) {
        bool marked = false;
        for (size_t m = 0; m < marks.size() && !marked; ++m) {
            if (!Near(marks[m]->Point, junction)) continue;
            kept[m] = true;
            marked = true;
        }
        if (!marked) plan.insertAt.push_back(junction);
    }
    for (size_t m = 0; m < marks.size(); ++m)
        if (!kept[m]) plan.staleMarks.push_back(*marks[m]);
    return plan;
}

}  // namespace kv
