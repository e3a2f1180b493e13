#include "text/wire_number_positions.h"

#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"
#include "geometry/intersections.h"

namespace kv {

namespace {
constexpr double kAngleTolerance = 0.01;
constexpr double kSamePointDistance = 0.01;
}  // namespace

double UprightTextAngle(double angle) {
    while (angle >= kPi - kAngleTolerance) angle -= kPi;
    return std::abs(angle) <= kAngleTolerance ? 0.0 : angle;
}

std::vector<NumberPosition> FenceCrossings(const TLineEnt& fence, const std::vector<TLineEnt>& wires) {
    std::vector<NumberPosition> positions;
    for (size_t i = 0; i < wires.size(); ++i) {
        const TLineEnt& wire = wires[i];
        if (IsCollinear(fence.P1, fence.P2, wire.P1, wire.P2)) continue;
        const std::optional<Point3> at = IntersectLines(fence.P1, fence.P2, wire.P1, wire.P2, true);
        if (!at) continue;
        const bool taken = std::any_of(positions.begin(), positions.end(), [&](const NumberPosition& p) {
            return Distance2D(p.point, *at) <= kSamePointDistance;
        });
        if (!taken) positions.push_back({static_cast<int>(i), *at});
    }
    std::stable_sort(positions.begin(), positions.end(), [&](const NumberPosition& a, const NumberPosition& b) {
        return Distance2D(fence.P1, a.point) < Distance2D(fence.P1, b.point);
    });
    return positions;
}

}  // namespace kv
