#include "geometry/bounding_boxes.h"

#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"

namespace kv {

namespace {

// Folds an angle into [0, 2pi) so that sweeps given as, say, -90..90 degrees work too;
// an end of exactly 2pi becomes 0 and so still counts as containing the direction 0.
double NormalizeAngle(double a) {
    a = std::fmod(a, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a >= kTwoPi ? 0 : a;
}

bool SweepContains(double start, double end, double direction) {
    if (start >= end) return direction >= start || direction <= end;
    return start <= direction && direction <= end;
}

void Include(Box& box, const Point3& p) {
    box.min.x = std::min(box.min.x, p.x);
    box.min.y = std::min(box.min.y, p.y);
    box.max.x = std::max(box.max.x, p.x);
    box.max.y = std::max(box.max.y, p.y);
}

}  // namespace

Box SegmentBox(const Point3& p1, const Point3& p2) {
    return {{std::min(p1.x, p2.x), std::min(p1.y, p2.y), 0}, {std::max(p1.x, p2.x), std::max(p1.y, p2.y), 0}};
}

Box CircleBox(const Point3& center, double radius) {
    return {{center.x - radius, center.y - radius, 0}, {center.x + radius, center.y + radius, 0}};
}

Box ArcBox(const Point3& center, double radius, double start, double end) {
    Box box = SegmentBox(PolarPoint(center, radius, start), PolarPoint(center, radius, end));
    start = NormalizeAngle(start);
    end = NormalizeAngle(end);
    if (SweepContains(start, end, 0)) box.max.x = std::max(box.max.x, center.x + radius);
    if (SweepContains(start, end, kPi / 2)) box.max.y = std::max(box.max.y, center.y + radius);
    if (SweepContains(start, end, kPi)) box.min.x = std::min(box.min.x, center.x - radius);
    if (SweepContains(start, end, 3 * kPi / 2)) box.min.y = std::min(box.min.y, center.y - radius);
    return box;
}

void MergeBox(Box& box, const Box& other) {
    Include(box, other.min);
    Include(box, other.max);
}

}  // namespace kv
