#include "wires/line_merge.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "dxf/line_edits.h"
#include "geometry/geometry.h"

namespace kv {

namespace {

bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Points of a collinear merge lie within a tolerance of one line. A pair at least as far apart
// as the two extremes along that line has both its points within the points' spread across the
// line of an extreme, so only those can be the farthest pair; of points with the same x and y,
// the first stands for all (later ones only ever tie). Indices come back in their order.
std::vector<size_t> FarthestPairCandidates(const std::vector<Point3>& points) {
    std::vector<size_t> all(points.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = i;
    if (!std::all_of(points.begin(), points.end(), IsFinite)) return all;

    const Point3& origin = points[0];
    const Point3* far = &origin;
    for (const Point3& p : points)
        if (Distance2D(origin, p) > Distance2D(origin, *far)) far = &p;
    const double length = Distance2D(origin, *far);
    if (length == 0) return {0, 1};
    const double ux = (far->x - origin.x) / length, uy = (far->y - origin.y) / length;

    std::vector<double> along(points.size());
    double lo = 0, hi = 0, acrossLo = 0, acrossHi = 0, scale = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const double dx = points[i].x - origin.x, dy = points[i].y - origin.y;
        along[i] = dx * ux + dy * uy;
        const double across = dy * ux - dx * uy;
        lo = std::min(lo, along[i]);
        hi = std::max(hi, along[i]);
        acrossLo = std::min(acrossLo, across);
        acrossHi = std::max(acrossHi, across);
        scale = std::max({scale, std::fabs(points[i].x), std::fabs(points[i].y)});
    }
    // The margin covers the rounding of the projections, far below any tolerance of the tools.
    const double reach = (acrossHi - acrossLo) + 1e-9 * (scale + hi - lo);
    std::vector<size_t> ends;
    for (size_t i = 0; i < points.size(); ++i)
        if (along[i] <= lo + reach || along[i] >= hi - reach) ends.push_back(i);

    auto xyThenIndex = [&](size_t a, size_t b) {
        return std::tie(points[a].x, points[a].y, a) < std::tie(points[b].x, points[b].y, b);
    };
    std::sort(ends.begin(), ends.end(), xyThenIndex);
    std::vector<size_t> firsts;
    for (size_t i = 0; i < ends.size(); ++i) {
        const Point3& p = points[ends[i]];
        if (i == 0 || p.x != points[ends[i - 1]].x || p.y != points[ends[i - 1]].y) firsts.push_back(ends[i]);
    }
    std::sort(firsts.begin(), firsts.end());
    return firsts;
}

// The pair farthest apart, pairs in list order, the first of equal distances kept.
std::pair<Point3, Point3> FarthestPair(const std::vector<Point3>& points) {
    const std::vector<size_t> candidates = FarthestPairCandidates(points);
    std::pair<Point3, Point3> pair{points[0], points[1]};
    double best = -1;
    for (size_t i = 0; i < candidates.size(); ++i) {
        for (size_t j = i + 1; j < candidates.size(); ++j) {
            const Point3& a = points[candidates[i]];
            const Point3& b = points[candidates[j]];
            const double d = Distance2D(a, b);
            if (d <= best) continue;
            best = d;
            pair = {a, b};
        }
    }
    return pair;
}

}  // namespace

int MergeCollinear(TLineEnt& currentLine, std::vector<TLineEnt>& records) {
    std::vector<Point3> points;
    const TLineEnt* last = nullptr;
    int count = 0;
    for (TLineEnt& record : records) {
        if (!IsCollinear(currentLine.P1, currentLine.P2, record.P1, record.P2)) {
            record.Handle.clear();
            continue;
        }
        points.push_back(record.P1);
        points.push_back(record.P2);
        last = &record;
        ++count;
    }
    if (count == 0) return 0;
    points.push_back(currentLine.P1);
    points.push_back(currentLine.P2);
    std::tie(currentLine.P1, currentLine.P2) = FarthestPair(points);
    currentLine.Layer = last->Layer;
    currentLine.Linetype = last->Linetype;
    currentLine.Color = last->Color;
    currentLine.LtScale = last->LtScale;
    currentLine.Handle = last->Handle;
    return count;
}

void RemoveMergedLines(DxfBuffer& buffer, const std::vector<TLineEnt>& records) {
    std::vector<std::string_view> handles;
    for (const TLineEnt& record : records)
        if (!record.Handle.empty()) handles.push_back(record.Handle);
    RemoveLinesByHandle(handles, buffer);
}

}  // namespace kv
