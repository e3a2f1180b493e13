// Gaps of wires at symbols: hand-computed cases, the options, and properties checked over
// generated wires crossing generated and library symbols in every placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "cut_fixtures.h"
#include "dxf/read_blocks.h"
#include "wires/block_extents.h"
#include "wires/cut_engine.h"
#include "wires/geometry.h"
#include "wires/wire_pieces.h"

namespace kv {
namespace {

constexpr double kNear = 1e-9;

void ExpectPoint(const Point3& actual, double x, double y, double tolerance = kNear) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
}

BlockGeometry CircleBlock(const std::string& name = "LAMP", double radius = 5, const std::string& layer = "0") {
    BlockGeometry g;
    g.blocks.push_back({name, "0", {}});
    g.circles.push_back({name, layer, {}, radius});
    return g;
}

GapList Cuts(const TLineEnt& wire, const std::vector<TInsertEnt>& inserts, const BlockGeometry& geometry,
             const CutOptions& options = {}) {
    return ComputeCuts(wire, inserts, SymbolShapes(geometry), options);
}

TEST(ComputeCuts, CircleSymbolHidesItsDiameter) {
    const GapList gaps = Cuts(WireOf({0, 0}, {100, 0}), {InsertOf("LAMP", {50, 0})}, CircleBlock());
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, 45, 0);
    ExpectPoint(gaps[0].B, 55, 0);
}

TEST(ComputeCuts, WireEndingOrStartingInsideSymbolIsClampedToThatEnd) {
    const std::vector<TInsertEnt> lamp{InsertOf("LAMP", {50, 0})};
    GapList gaps = Cuts(WireOf({0, 0}, {50, 0}), lamp, CircleBlock());
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, 45, 0);
    EXPECT_EQ(gaps[0].B, (Point3{50, 0, 0}));

    gaps = Cuts(WireOf({52, 0}, {100, 0}), lamp, CircleBlock());
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_EQ(gaps[0].A, (Point3{52, 0, 0}));
    ExpectPoint(gaps[0].B, 55, 0);

    gaps = Cuts(WireOf({47, 0}, {53, 0}), lamp, CircleBlock());  // wholly inside
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_EQ(gaps[0].A, (Point3{47, 0, 0}));
    EXPECT_EQ(gaps[0].B, (Point3{53, 0, 0}));
}

TEST(ComputeCuts, SymbolPastOrTouchingAWireEndLeavesTheWireWhole) {
    const TLineEnt wire = WireOf({0, 0}, {100, 0});
    EXPECT_TRUE(Cuts(wire, {InsertOf("LAMP", {150, 0})}, CircleBlock()).empty());
    EXPECT_TRUE(Cuts(wire, {InsertOf("LAMP", {-30, 0})}, CircleBlock()).empty());
    EXPECT_TRUE(Cuts(wire, {InsertOf("LAMP", {105, 0})}, CircleBlock()).empty());
}

TEST(ComputeCuts, TwoSymbolsGiveTwoGapsInWireOrderWhateverTheDirection) {
    const std::vector<TInsertEnt> inserts{InsertOf("LAMP", {70, 0}), InsertOf("LAMP", {20, 0})};
    GapList gaps = Cuts(WireOf({0, 0}, {100, 0}), inserts, CircleBlock());
    ASSERT_EQ(gaps.size(), 2u);
    ExpectPoint(gaps[0].A, 15, 0);
    ExpectPoint(gaps[0].B, 25, 0);
    ExpectPoint(gaps[1].A, 65, 0);
    ExpectPoint(gaps[1].B, 75, 0);

    gaps = Cuts(WireOf({100, 0}, {0, 0}), inserts, CircleBlock());
    ASSERT_EQ(gaps.size(), 2u);
    ExpectPoint(gaps[0].A, 75, 0);
    ExpectPoint(gaps[0].B, 65, 0);
    ExpectPoint(gaps[1].A, 25, 0);
    ExpectPoint(gaps[1].B, 15, 0);
}

TEST(ComputeCuts, SymbolLinesAlongOrEndingOnTheWireAddTheFeetOfTheirEnds) {
    BlockGeometry g;
    g.blocks.push_back({"R", "0", {}});
    g.lines.push_back({"R", "0", {-10, 0.005}, {-6, 0.005}});  // a lead running along the wire
    g.lines.push_back({"R", "0", {4, 3}, {4, 0}});            // a stroke ending on it
    const GapList gaps = Cuts(WireOf({-50, 0}, {50, 0}), {InsertOf("R", {})}, g);
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, -10, 0);
    ExpectPoint(gaps[0].B, 4, 0);
}

// A quarter arc (0..90 degrees) closed by a vertical stroke through the centre: a horizontal
// wire at y = 3 meets the stroke and, only on the arc's side, the arc.
BlockGeometry QuarterBlock() {
    BlockGeometry g;
    g.blocks.push_back({"Q", "0", {}});
    g.arcs.push_back({"Q", "0", {}, 5, 0, 90});
    g.lines.push_back({"Q", "0", {0, -5}, {0, 5}});
    return g;
}

TEST(ComputeCuts, ArcsFollowRotationAndMirroring) {
    const TLineEnt wire = WireOf({-20, 3}, {20, 3});
    GapList gaps = Cuts(wire, {InsertOf("Q", {})}, QuarterBlock());
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, 0, 3);
    ExpectPoint(gaps[0].B, 4, 3);

    for (const TInsertEnt& mirrored : {InsertOf("Q", {}, 0, {-1, 1, 1}), InsertOf("Q", {}, 180, {1, -1, 1})}) {
        gaps = Cuts(wire, {mirrored}, QuarterBlock());
        ASSERT_EQ(gaps.size(), 1u) << mirrored.Scale.x << " " << mirrored.Rotation;
        ExpectPoint(gaps[0].A, -4, 3);
        ExpectPoint(gaps[0].B, 0, 3);
    }
    // Both scales negative turn the arc half round: it lies below the wire.
    EXPECT_TRUE(Cuts(wire, {InsertOf("Q", {}, 0, {-1, -1, 1})}, QuarterBlock()).empty());
}

TEST(ComputeCuts, ArcTurnedBelowZeroDegreesStillCuts) {
    BlockGeometry g = QuarterBlock();
    g.arcs[0].EndAngle = 60;  // turned by -30: from -30 to 30 degrees
    const GapList gaps = Cuts(WireOf({-20, -1.5}, {20, -1.5}), {InsertOf("Q", {}, -30)}, g);
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_NEAR(gaps[0].B.x, std::sqrt(25 - 1.5 * 1.5), 1e-9);
}

TEST(ComputeCuts, LayerAndBlockFiltersIgnoreCase) {
    const TLineEnt wire = WireOf({0, 0}, {100, 0});
    BlockGeometry g = CircleBlock("r1");
    const std::vector<TInsertEnt> inserts{InsertOf("r1", {30, 0}, 0, {1, 1, 1}, "SYM"),
                                          InsertOf("r1", {70, 0}, 0, {1, 1, 1}, "OTHER")};
    EXPECT_EQ(Cuts(wire, inserts, g).size(), 2u);

    CutOptions byLayer;
    byLayer.CheckLayer = true;
    byLayer.EditLayer = "sym";
    GapList gaps = Cuts(wire, inserts, g, byLayer);
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, 25, 0);
    byLayer.EditLayer = "";
    EXPECT_EQ(Cuts(wire, inserts, g, byLayer).size(), 2u);

    CutOptions byBlock;
    byBlock.CheckBlock = true;
    byBlock.EditBlock = "R1";
    EXPECT_TRUE(Cuts(wire, inserts, g, byBlock).empty());
    byBlock.CheckBlock = false;
    EXPECT_EQ(Cuts(wire, inserts, g, byBlock).size(), 2u);
}

TEST(ComputeCuts, ReferenceWithoutDefinitionAndDegenerateWireCutNothing) {
    EXPECT_TRUE(Cuts(WireOf({0, 0}, {100, 0}), {InsertOf("NONE", {50, 0})}, CircleBlock()).empty());
    EXPECT_TRUE(Cuts(WireOf({50, 0}, {50, 0}), {InsertOf("LAMP", {50, 0})}, CircleBlock()).empty());
}

TEST(ComputeCuts, GeometryOnALayerSwitchedOffDoesNotCut) {
    BlockGeometry g = CircleBlock("LAMP", 5, "HIDDEN");
    g.layers = {"HIDDEN,0,-7", "SHOWN,0,7"};
    const std::vector<TInsertEnt> lamp{InsertOf("LAMP", {50, 0})};
    EXPECT_TRUE(Cuts(WireOf({0, 0}, {100, 0}), lamp, g).empty());
    g.circles[0].Layer = "SHOWN";
    EXPECT_EQ(Cuts(WireOf({0, 0}, {100, 0}), lamp, g).size(), 1u);
}

// A box drawn as a polyline with one bulged side, a circle inside, a line and an arc.
BlockGeometry MixedBlock() {
    BlockGeometry g;
    g.blocks.push_back({"MIX", "0", {1, 1, 0}});
    g.circles.push_back({"MIX", "0", {1, 1, 0}, 2});
    g.lines.push_back({"MIX", "0", {-7, -5, 0}, {9, -5, 0}});
    g.arcs.push_back({"MIX", "0", {1, 1, 0}, 7, 30, 150});
    g.polylines.push_back({"MIX", "0", "P1", 1});
    g.vertices = {{"P1", {-3, -3, 0}, 0}, {"P1", {5, -3, 0}, 0.5}, {"P1", {5, 5, 0}, 0}, {"P1", {-3, 5, 0}, 0}};
    return g;
}

TEST(ComputeCuts, GeometryKindsAreSwitchedByTheirOptions) {
    const std::vector<TInsertEnt> mix{InsertOf("MIX", {})};
    auto span = [&](const TLineEnt& wire, const CutOptions& options) {
        const GapList gaps = Cuts(wire, mix, MixedBlock(), options);
        return gaps.empty() ? 0.0 : Distance2D(gaps[0].A, gaps[0].B);
    };
    const TLineEnt horizontal = WireOf({-30, 0}, {30, 0});  // circle 2, box 8 (bulge reaches further)
    const TLineEnt vertical = WireOf({0, -30}, {0, 30});    // line at -6, box, arc at top
    CutOptions options;
    EXPECT_NEAR(span(horizontal, options), 4, 1e-9);  // polylines off by default
    options.CheckLWP = true;
    EXPECT_GT(span(horizontal, options), 8);
    options.CheckArc = false;  // the bulged side is an arc
    EXPECT_NEAR(span(horizontal, options), 6, 1e-9);  // box side at -4 to the circle's far side at 2
    options.CheckCircle = false;
    EXPECT_EQ(span(horizontal, options), 0);  // a single box side is one hit only

    CutOptions linesOnly;
    linesOnly.CheckCircle = linesOnly.CheckArc = false;
    EXPECT_EQ(span(vertical, linesOnly), 0);  // the line at -6 is one hit
    linesOnly.CheckLWP = true;
    EXPECT_NEAR(span(vertical, linesOnly), 2 + 8, 1e-9);  // from the line at y = -6 to the box top at 4
    CutOptions arcsOnly;
    arcsOnly.CheckCircle = arcsOnly.CheckLine = false;
    EXPECT_EQ(span(vertical, arcsOnly), 0);
}

TEST(ComputeCuts, SolidOutlineCutsAsLines) {
    DxfBuffer buffer = ExportText()
                           .BeginBlocks()
                           .Block("FILL")
                           .Solid({-2, -2}, {2, -2}, {-2, 2}, {2, 2})
                           .EndBlock()
                           .EndSection()
                           .Buffer();
    BlockGeometry g;
    ReadBlocks(buffer, g);
    const GapList gaps = Cuts(WireOf({-10, 1}, {10, 1}), {InsertOf("FILL", {})}, g);
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, -2, 1);
    ExpectPoint(gaps[0].B, 2, 1);
    CutOptions noLines;
    noLines.CheckLine = false;
    EXPECT_TRUE(Cuts(WireOf({-10, 1}, {10, 1}), {InsertOf("FILL", {})}, g, noLines).empty());
}

// ---- properties over generated cases ----

// Drawing point back into block coordinates (placements with |Scale.x| = |Scale.y|).
Point3 ToBlock(const TInsertEnt& insert, const Point3& base, const Point3& p) {
    const double r = -DegreesToRadians(insert.Rotation);
    const double dx = p.x - insert.Point.x, dy = p.y - insert.Point.y;
    const double x = dx * std::cos(r) - dy * std::sin(r), y = dx * std::sin(r) + dy * std::cos(r);
    return {x / insert.Scale.x + base.x, y / insert.Scale.y + base.y, 0};
}

double SegmentDistance(const Point3& q, const Point3& a, const Point3& b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t = len2 == 0 ? 0 : std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / len2, 0.0, 1.0);
    return Distance2D(q, {a.x + t * dx, a.y + t * dy, 0});
}

double ArcDistance(const Point3& q, const TArcBlk& arc) {
    double angle = std::atan2(q.y - arc.Center.y, q.x - arc.Center.x) * 180 / kPi;
    auto sweep = [](double from, double to) { return std::fmod(std::fmod(to - from, 360) + 360, 360); };
    const double slack = 1e-6;
    if (sweep(arc.StartAngle, angle) <= sweep(arc.StartAngle, arc.EndAngle) + slack ||
        sweep(angle, arc.StartAngle) < slack)
        return std::fabs(Distance2D(q, arc.Center) - arc.Radius);
    return 1e9;
}

// Distance in drawing units from p to the cutting shapes of the reference (polylines included).
double DistanceToSymbol(const BlockGeometry& exploded, const TInsertEnt& insert, const Point3& p) {
    const Point3 q = ToBlock(insert, exploded.blocks[0].BasePoint, p);
    double best = 1e9;
    for (const TLineBlk& l : exploded.lines)
        if (l.BlockName == insert.Name) best = std::min(best, SegmentDistance(q, l.P1, l.P2));
    for (const TCircleBlk& c : exploded.circles)
        if (c.BlockName == insert.Name) best = std::min(best, std::fabs(Distance2D(q, c.Center) - c.Radius));
    for (const TArcBlk& a : exploded.arcs)
        if (a.BlockName == insert.Name) best = std::min(best, ArcDistance(q, a));
    return best * std::fabs(insert.Scale.x);
}

double Along(const TLineEnt& wire, const Point3& p) {
    const double len = Distance2D(wire.P1, wire.P2);
    return ((p.x - wire.P1.x) * (wire.P2.x - wire.P1.x) + (p.y - wire.P1.y) * (wire.P2.y - wire.P1.y)) / len;
}

// Every gap end is a wire end or lies on a symbol; gaps lie on the wire in order; the pieces
// avoid every gap and, with the gaps, cover the wire exactly.
void CheckCutProperties(const TLineEnt& wire, const std::vector<TInsertEnt>& inserts,
                        const BlockGeometry& exploded, const GapList& gaps) {
    const double length = Distance2D(wire.P1, wire.P2);
    const double onShape = kTouchTolerance * 1.01;
    double lastMiddle = -1;
    std::vector<std::pair<double, double>> hidden;
    for (const GapRec& gap : gaps) {
        for (const Point3& end : {gap.A, gap.B}) {
            if (end == wire.P1 || end == wire.P2) continue;
            double nearest = 1e9;
            for (const TInsertEnt& insert : inserts) nearest = std::min(nearest, DistanceToSymbol(exploded, insert, end));
            EXPECT_LE(nearest, onShape) << end.x << "," << end.y;
        }
        const double a = Along(wire, gap.A), b = Along(wire, gap.B);
        EXPECT_LE(a, b + kNear);
        EXPECT_GE(a, -kNear);
        EXPECT_LE(b, length + kNear);
        EXPECT_GE((a + b) / 2, lastMiddle - kNear);
        lastMiddle = (a + b) / 2;
        hidden.emplace_back(a, b);
    }
    std::sort(hidden.begin(), hidden.end());
    double covered = 0, reach = 0;
    for (const auto& [a, b] : hidden) {
        covered += std::max(0.0, b - std::max(a, reach));
        reach = std::max(reach, b);
    }
    for (const WirePiece& piece : WirePieces(wire, gaps)) {
        const double from = Along(wire, piece.from), to = Along(wire, piece.to);
        EXPECT_LE(from, to + kNear);
        covered += to - from;
        for (const auto& [a, b] : hidden) EXPECT_LE(std::min(to, b) - std::max(from, a), 1e-7);
    }
    EXPECT_NEAR(covered, length, 1e-7);
}

TInsertEnt RandomPlacement(std::mt19937& random, const std::string& name, const Point3& at) {
    std::uniform_real_distribution<double> turn(0, 360);
    std::uniform_int_distribution<int> scale(1, 3), sign(0, 1);
    const double s = scale(random);
    return InsertOf(name, at, turn(random), {sign(random) ? -s : s, sign(random) ? -s : s, 1});
}

TLineEnt RandomWireNear(std::mt19937& random, const Point3& centre, double reach) {
    std::uniform_real_distribution<double> offset(-reach / 2, reach / 2), turn(0, kTwoPi), half(0, reach * 1.5);
    const Point3 through{centre.x + offset(random), centre.y + offset(random), 0};
    const double angle = turn(random);
    return WireOf(PolarPoint(through, -half(random), angle), PolarPoint(through, half(random), angle));
}

// Symbol geometry with polylines broken into lines and arcs, as the distance check needs it.
BlockGeometry Exploded(BlockGeometry geometry) {
    ExplodePolylines(geometry);
    return geometry;
}

void CheckRandomCases(const BlockGeometry& geometry, const std::string& name, double reach, int cases,
                      unsigned seed, int* cutCount = nullptr) {
    std::mt19937 random(seed);
    const SymbolShapes shapes(geometry);
    const BlockGeometry exploded = Exploded(geometry);
    CutOptions options;
    options.CheckLWP = true;
    for (int i = 0; i < cases; ++i) {
        std::vector<TInsertEnt> inserts{RandomPlacement(random, name, {100, 50, 0})};
        if (i % 3 == 0) inserts.push_back(RandomPlacement(random, name, {100 + reach * 2, 50, 0}));
        const TLineEnt wire = RandomWireNear(random, {100 + reach, 50, 0}, reach * 3);
        const GapList gaps = ComputeCuts(wire, inserts, shapes, options);
        if (cutCount && !gaps.empty()) ++*cutCount;
        SCOPED_TRACE(testing::Message() << "case " << i);
        CheckCutProperties(wire, inserts, exploded, gaps);
        if (testing::Test::HasFailure()) return;
    }
}

TEST(ComputeCutsProperties, GeneratedSymbolInEveryPlacement) {
    int cut = 0;
    CheckRandomCases(MixedBlock(), "MIX", 10, 3000, 7, &cut);
    EXPECT_GT(cut, 1000);  // the generator does make wires cross the symbols
}

// A library symbol file's drawing as the block definition `name`, read by the block reader.
BlockGeometry LibraryBlock(const std::string& relative, const std::string& name) {
    DxfBuffer symbol;
    EXPECT_TRUE(symbol.LoadFile(LibrarySymbolPath(relative)));
    DxfBuffer buffer = ExportText().BeginBlocks().Block(name).EntitiesOf(symbol).EndBlock().EndSection().Buffer();
    BlockGeometry geometry;
    ReadBlocks(buffer, geometry);
    return geometry;
}

TEST(ComputeCutsProperties, LibrarySymbolsOnGeneratedWires) {
    if (!LibraryInstalled()) GTEST_SKIP() << "symbol library not installed";
    for (const char* file : {"resistor/r1.dxf", "lamp/hl_1.dxf", "lamp/hl_2.dxf", "lamp/hl_13.dxf",
                             "diode/vd1.dxf", "capacitor/cap.dxf", "relay/n1.dxf"}) {
        if (!std::filesystem::exists(LibrarySymbolPath(file))) continue;
        SCOPED_TRACE(file);
        const BlockGeometry geometry = LibraryBlock(file, "SYM");
        ASSERT_FALSE(geometry.lines.empty() && geometry.circles.empty() && geometry.arcs.empty());
        int cut = 0;
        CheckRandomCases(geometry, "SYM", 20, 600, 11, &cut);
        EXPECT_GT(cut, 50);
    }
}

TEST(ComputeCuts, LibraryResistorOnItsAxisHidesBodyAndLeads) {
    if (!LibraryInstalled()) GTEST_SKIP() << "symbol library not installed";
    const BlockGeometry r1 = LibraryBlock("resistor/r1.dxf", "R1");
    GapList gaps = Cuts(WireOf({-50, 0}, {70, 0}), {InsertOf("R1", {})}, r1);
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, 0, 0);
    ExpectPoint(gaps[0].B, 20, 0);

    // Turned upright and doubled: the leads run from y = 100 to y = 140.
    gaps = Cuts(WireOf({30, 0}, {30, 200}), {InsertOf("R1", {30, 100}, 90, {2, 2, 1})}, r1);
    ASSERT_EQ(gaps.size(), 1u);
    ExpectPoint(gaps[0].A, 30, 100, 1e-6);
    ExpectPoint(gaps[0].B, 30, 140, 1e-6);
}

}  // namespace
}  // namespace kv
