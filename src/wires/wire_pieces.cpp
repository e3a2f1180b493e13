#include "wires/wire_pieces.h"

#include <algorithm>

#include "geometry/geometry.h"

namespace kv {

namespace {

struct Stop {
    double along;  // distance from P1 along the wire
    Point3 point;
};

struct Stretch {
    Stop first;
    Stop last;
};

}  // namespace

std::vector<WirePiece> WirePieces(const TLineEnt& line, const GapList& gaps) {
    const Point3& p1 = line.P1;
    const Point3& p2 = line.P2;
    const double length = Distance2D(p1, p2);
    if (length <= 0) return {};
    auto along = [&](const Point3& p) {
        return ((p.x - p1.x) * (p2.x - p1.x) + (p.y - p1.y) * (p2.y - p1.y)) / length;
    };

    std::vector<Stretch> cut;
    for (const GapRec& gap : gaps) {
        Stop a{along(gap.A), gap.A};
        Stop b{along(gap.B), gap.B};
        if (a.along > b.along) std::swap(a, b);
        if (b.along < 0 || a.along > length) continue;
        if (a.along < 0) a = {0, p1};
        if (b.along > length) b = {length, p2};
        cut.push_back({a, b});
    }
    std::stable_sort(cut.begin(), cut.end(),
                     [](const Stretch& x, const Stretch& y) { return x.first.along < y.first.along; });

    std::vector<WirePiece> pieces;
    Stop kept{0, p1};  // where the next piece would begin
    for (const Stretch& stretch : cut) {
        if (stretch.first.along > kept.along) pieces.push_back({kept.point, stretch.first.point});
        if (stretch.last.along > kept.along) kept = stretch.last;
    }
    if (length > kept.along) pieces.push_back({kept.point, p2});
    return pieces;
}

}  // namespace kv
