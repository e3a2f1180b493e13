#include "wires/twist_mark.h"

#include <cmath>

#include "geometry/geometry.h"
#include "geometry/intersections.h"
#include "wires/mark_entities.h"

namespace kv {

namespace {

constexpr double kLegAngle = 15 * kPi / 180;
constexpr double kRightAngle = kPi / 2;

std::optional<Point3> MeetLine(const TLineEnt& wire, const Point3& through, double direction) {
    return IntersectLines(wire.P1, wire.P2, through, PolarPoint(through, 1, direction), false);
}

void AppendDetour(const TLineEnt& wire, const TwistDetour& d, double s, std::vector<std::string>& items) {
    AppendMarkLine(wire, wire.P1, d.Near, items);
    AppendMarkLine(wire, d.Far, wire.P2, items);
    AppendMarkArc(wire, d.A, s, AngleOf(d.A, d.B), AngleOf(d.A, d.C), items);
    AppendMarkLine(wire, d.B, d.F, items);
    AppendMarkArc(wire, d.H, s, AngleOf(d.H, d.F), AngleOf(d.H, d.I), items);
    AppendMarkLine(wire, d.C, d.G, items);
    AppendMarkArc(wire, d.J, s, AngleOf(d.J, d.K), AngleOf(d.J, d.G), items);
}

}  // namespace

std::optional<TwistFrame> TwistFrameOf(const TLineEnt& guide, const TLineEnt& wire1, const TLineEnt& wire2) {
    const std::optional<Point3> p = IntersectLines(guide.P1, guide.P2, wire1.P1, wire1.P2, false);
    if (!p || !IntersectLines(guide.P1, guide.P2, wire2.P1, wire2.P2, false)) return std::nullopt;
    const std::optional<Point3> m = MeetLine(wire2, *p, AngleOf(wire1.P1, wire1.P2) + kRightAngle);
    if (!m) return std::nullopt;
    const double d = Distance2D(*p, *m);
    if (d <= kCollinearTolerance) return std::nullopt;
    return TwistFrame{*p, *m, d * 0.1};
}

std::optional<TwistDetour> DetourAround(const Point3& apex, const TLineEnt& wire, double a, double s) {
    TwistDetour d;
    d.A = PolarPoint(apex, s, a);
    d.B = PolarPoint(d.A, s, a + kRightAngle + kLegAngle);
    d.C = PolarPoint(d.A, s, a + 3 * kRightAngle - kLegAngle);
    const std::optional<Point3> legB = MeetLine(wire, d.B, a + kLegAngle);
    const std::optional<Point3> legC = MeetLine(wire, d.C, a - kLegAngle);
    if (!legB || !legC) return std::nullopt;
    const double t = s * std::tan((kRightAngle - kLegAngle) / 2);
    const double toB = AngleOf(*legB, d.B);
    const double toC = AngleOf(*legC, d.C);
    d.F = PolarPoint(*legB, t, toB);
    d.G = PolarPoint(*legC, t, toC);
    d.H = PolarPoint(d.F, s, toB - kRightAngle);
    d.I = PolarPoint(d.H, s, a);
    d.J = PolarPoint(d.G, s, toC + kRightAngle);
    d.K = PolarPoint(d.J, s, a);
    const bool kNearer = Distance2D(wire.P1, d.K) < Distance2D(wire.P1, d.I);
    d.Near = kNearer ? d.K : d.I;
    d.Far = kNearer ? d.I : d.K;
    return d;
}

std::vector<std::string> TwistItems(const TLineEnt& guide, const TLineEnt& wire1, const TLineEnt& wire2) {
    const std::optional<TwistFrame> frame = TwistFrameOf(guide, wire1, wire2);
    if (!frame) return {};
    const double across = AngleOf(frame->P, frame->M);
    const std::optional<TwistDetour> first = DetourAround(frame->P, wire2, across, frame->s);
    const std::optional<TwistDetour> second = DetourAround(frame->M, wire1, AngleOf(frame->M, frame->P), frame->s);
    if (!first || !second) return {};
    std::vector<std::string> items;
    AppendDetour(wire2, *first, frame->s, items);
    AppendDetour(wire1, *second, frame->s, items);
    return items;
}

}  // namespace kv
