// Junctions of a drawn wire and the junction marks (small block references) that show them:
// where the marks go and which ones have gone stale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"
#include "dxf/records.h"

namespace kv {

// Two points closer than this are one point; a point closer than this to a line lies on it.
constexpr double kJunctionTolerance = 0.01;

// The junction-block settings of the main tab, read when used.
struct JunctionOptions {
    std::string EditKpMark;  // the mark's block name; empty: no mark is inserted or erased
    bool CheckKpLayer = false;
    std::string EditKpLayer;
    std::string EditKpRad;  // detection range factor
    // Marks go on EditKpLayer.
    bool FixedLayer() const;
    std::string MarkName() const;
};

// Junction points, none within kJunctionTolerance of an earlier one.
using JunctionList = std::vector<Point3>;

// The detection range: DIMSCALE (1.0 when it reads as zero or no number) times EditKpRad
// (1.0 when empty). ConversionError when EditKpRad holds text that is no number.
double KpRange(std::string_view dimScaleText, std::string_view editKpRad);

// Where the wires of `lines` meet the drawn wire: each one crossing it, ending on it, or with
// the drawn wire ending on it. Collinear and parallel wires give nothing, nor a wire meeting
// the drawn one end to end (a corner).
JunctionList JunctionsAlong(const TLineEnt& drawn, const std::vector<TLineEnt>& lines);

// The end-point test around `p`: two of the wires found there really meet (not end to end),
// at a point inside the square of half-side `range` round p and on both wires. A range that
// is no number has no square and finds none.
bool WiresMeetNear(const std::vector<TLineEnt>& lines, const Point3& p, double range);
// The test of one pair of them, a coming first in the list.
bool WiresMeetAt(const TLineEnt& a, const TLineEnt& b, const Point3& p, double range);

struct MarkPlan {
    std::vector<Point3> insertAt;        // junctions without a mark, in list order
    std::vector<TInsertEnt> staleMarks;  // marks of the block that sit on no junction
};

// Junctions already carrying a mark of block `markName` (its insertion point within the
// tolerance; the first such reference in file order) keep it; with an empty name nothing is
// planned. Block names compare without regard to ASCII case.
MarkPlan PlanMarks(const JunctionList& junctions, const std::vector<TInsertEnt>& inserts, std::string_view markName);

}  // namespace kv
