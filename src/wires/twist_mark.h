// The twisted-pair mark: two parallel wires re-routed round each other where a guide segment
// crosses them. Each wire dips to the other along legs at 15 degrees to the crossing
// direction, rounds the apex on the other wire with an arc and rejoins its course through
// fillet arcs; every radius is a tenth of the wires' distance.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

// Where the twist sits: P on wire 1 (its crossing with the guide), M the foot of the
// perpendicular from P on wire 2, s the radius.
struct TwistFrame {
    Point3 P;
    Point3 M;
    double s = 0;
};

// Nothing when the guide runs parallel to either wire, when no perpendicular from P meets
// wire 2, or when the wires meet at P (no room for a twist).
std::optional<TwistFrame> TwistFrameOf(const TLineEnt& guide, const TLineEnt& wire1, const TLineEnt& wire2);

// One wire's detour round the apex X0 on the other wire, a the direction from X0 across to
// the re-routed wire: the apex arc about A from B to C, the legs B-F and C-G, the fillet arcs
// about H (F to I) and J (K to G). The wire is cut between Near and Far.
struct TwistDetour {
    Point3 A, B, C, F, G, H, I, J, K;
    Point3 Near, Far;
};

// Nothing when a leg runs parallel to the wire.
std::optional<TwistDetour> DetourAround(const Point3& apex, const TLineEnt& wire, double a, double s);

// The mark's entities: wire 2 re-routed round P, then wire 1 round M, each with its own look.
// Empty when the twist cannot be built.
std::vector<std::string> TwistItems(const TLineEnt& guide, const TLineEnt& wire1, const TLineEnt& wire2);

}  // namespace kv
