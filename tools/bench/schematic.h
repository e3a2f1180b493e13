// Generated schematic-like drawings for the wire benchmarks: wires on a 5-unit grid, in
// collinear runs, meeting in tees and corners, with symbols sitting on them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dxf/records.h"

namespace kv {

TLineEnt BenchWire(size_t n, Point3 p1, Point3 p2);

// The wire fence of a wire drawn along y = 0 from x = 0 picks up: half of them a collinear run
// along it, segments overlapping end to end, the other half upright wires ending on it (tees)
// or crossing it. Ends at x = 5 * (count / 2).
std::vector<TLineEnt> WiresAlongRow(size_t count);

// Ladder rungs: rows 10 apart, each a run of collinear segments, with upright wires between
// the rows ending on them in tees.
std::vector<TLineEnt> LadderWires(size_t count);

// A staircase of wires from the origin down to the right, each meeting the next end to end:
// corners only, no junction anywhere.
std::vector<TLineEnt> CornerStaircase(size_t count);

// Relay symbols (block "RELAY") on every fourth segment of the ladder rows.
std::vector<TInsertEnt> RelaysOnLadder(const std::vector<TLineEnt>& ladder);

// The relay's block geometry: a box with leads, a circle and an arc, centred on its origin.
BlockGeometry RelayBlock();

// The host's export of the wires (R2000 groups), ENTITIES only besides a small header.
std::string ExportOf(const std::vector<TLineEnt>& wires);

}  // namespace kv
