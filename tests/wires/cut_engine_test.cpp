// Gaps of wires at symbols: hand-computed cases, the options, and properties checked over
// generated wires crossing generated and library symbols in every placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "support/cut_fixtures.h"
#include "dxf/read_blocks.h"
#include "geometry/block_extents.h"
#include "wires/cut_engine.h"
#include "geometry/geometry.h"
#include "wires/wire_pieces.h"
#include "dxf/round_trip.h"
#include "platform/native_files.h"

namespace kv {
namespace {

using Gaps = std::vector<std::array<double, 4>>;  // A.x, A.y, B.x, B.y to 1e-6

Gaps Cuts(const TLineEnt& wire, const std::vector<TInsertEnt>& inserts, const BlockGeometry& geometry,
          const CutOptions& options = {}) {
    auto round = [](double v) { return std::round(v * 1e6) / 1e6 + 0.0; };
    Gaps out;
    for (const GapRec& g : ComputeCuts(wire, inserts, SymbolShapes(geometry), options))
        out.push_back({round(g.A.x), round(g.A.y), round(g.B.x), round(g.B.y)});
    return out;
}

BlockGeometry Block(const std::string& name) {
    BlockGeometry g;
    g.blocks.push_back({name, "0", {}});
    return g;
}

BlockGeometry Lamp(const std::string& layer = "0") {
    BlockGeometry g = Block("LAMP");
    g.circles.push_back({"LAMP", layer, {}, 5});
    return g;
}

TEST(ComputeCuts, CircleSymbolsClampedToWireEndsInWireOrder) {
    const TInsertEnt lamp = InsertOf("LAMP", {50, 0});
    struct Case {
        TLineEnt wire;
        std::vector<TInsertEnt> inserts;
        Gaps gaps;
    };
    const std::vector<TInsertEnt> two{InsertOf("LAMP", {70, 0}), InsertOf("LAMP", {20, 0})};
    const Case cases[] = {{WireOf({0, 0}, {100, 0}), {lamp}, {{45, 0, 55, 0}}},
                          {WireOf({0, 0}, {50, 0}), {lamp}, {{45, 0, 50, 0}}},  // ending inside
                          {WireOf({52, 0}, {100, 0}), {lamp}, {{52, 0, 55, 0}}},
                          {WireOf({47, 0}, {53, 0}), {lamp}, {{47, 0, 53, 0}}},  // wholly inside
                          {WireOf({0, 0}, {100, 0}), {InsertOf("LAMP", {150, 0})}, {}},
                          {WireOf({0, 0}, {100, 0}), {InsertOf("LAMP", {-30, 0})}, {}},
                          {WireOf({0, 0}, {100, 0}), {InsertOf("LAMP", {105, 0})}, {}},  // touching
                          {WireOf({0, 0}, {100, 0}), two, {{15, 0, 25, 0}, {65, 0, 75, 0}}},
                          {WireOf({100, 0}, {0, 0}), two, {{75, 0, 65, 0}, {25, 0, 15, 0}}},
                          {WireOf({0, 0}, {100, 0}), {InsertOf("NONE", {50, 0})}, {}},  // no definition
                          {WireOf({50, 0}, {50, 0}), {lamp}, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wire.P1.x << ".." << c.wire.P2.x << " at " << c.inserts[0].Point.x);
        EXPECT_EQ(Cuts(c.wire, c.inserts, Lamp()), c.gaps);
    }
}

TEST(ComputeCuts, LayerAndBlockFiltersIgnoreCaseAndSwitchedOffLayersDoNotCut) {
    const TLineEnt wire = WireOf({0, 0}, {100, 0});
    BlockGeometry r1 = Lamp();
    for (auto* shape : {&r1.blocks[0].Name, &r1.circles[0].BlockName}) *shape = "r1";
    const std::vector<TInsertEnt> inserts{InsertOf("r1", {30, 0}), InsertOf("r1", {70, 0}, 0, {1, 1, 1}, "OTHER")};
    auto filter = [](bool checkLayer, const char* layer, bool checkBlock, const char* block) {
        CutOptions o;
        o.CheckLayer = checkLayer;
        o.EditLayer = layer;
        o.CheckBlock = checkBlock;
        o.EditBlock = block;
        return o;
    };
    const std::pair<CutOptions, size_t> cases[] = {{filter(false, "SYM", false, "r1"), 2},
                                                   {filter(true, "sym", false, ""), 1},
                                                   {filter(true, "", false, ""), 2},  // empty: no filter
                                                   {filter(true, "", true, "R1"), 0}};
    for (const auto& [options, count] : cases)
        EXPECT_EQ(Cuts(wire, inserts, r1, options).size(), count) << options.EditLayer << options.EditBlock;

    BlockGeometry hidden = Lamp("HIDDEN");
    hidden.layers = {"HIDDEN,0,-7", "SHOWN,0,7"};
    EXPECT_EQ(Cuts(wire, {InsertOf("LAMP", {50, 0})}, hidden), Gaps{});
    hidden.circles[0].Layer = "SHOWN";
    EXPECT_EQ(Cuts(wire, {InsertOf("LAMP", {50, 0})}, hidden).size(), 1u);
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
    struct Case {
        bool horizontal;
        std::string kinds;
        double span;
    };                                         // l(ine) c(ircle) a(rc) p(olyline)
    const Case cases[] = {{true, "lca", 4},    // the circle only: polylines are off by default
                          {true, "lcap", 10},  // box side at -4 to the bulge at 6
                          {true, "lcp", 6},    // box side at -4 to the circle's far side
                          {true, "lp", 0},     // one box side: a single hit
                          {false, "l", 0},     // the line at -6 alone
                          {false, "lp", 10},   // the line at -6 to the box top at 4
                          {false, "a", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kinds);
        auto has = [&](char kind) { return c.kinds.find(kind) != std::string::npos; };
        CutOptions o;
        o.CheckLine = has('l');
        o.CheckCircle = has('c');
        o.CheckArc = has('a');
        o.CheckLWP = has('p');
        const TLineEnt wire = c.horizontal ? WireOf({-30, 0}, {30, 0}) : WireOf({0, -30}, {0, 30});
        const Gaps gaps = Cuts(wire, {InsertOf("MIX", {})}, MixedBlock(), o);
        EXPECT_NEAR(gaps.empty() ? 0 : std::hypot(gaps[0][2] - gaps[0][0], gaps[0][3] - gaps[0][1]), c.span, 1e-5);
    }
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
    const double angle = std::atan2(q.y - arc.Center.y, q.x - arc.Center.x) * 180 / kPi;
    auto sweep = [](double from, double to) { return std::fmod(std::fmod(to - from, 360) + 360, 360); };
    if (sweep(arc.StartAngle, angle) <= sweep(arc.StartAngle, arc.EndAngle) + 1e-6 ||
        sweep(angle, arc.StartAngle) < 1e-6)
        return std::fabs(Distance2D(q, arc.Center) - arc.Radius);
    return 1e9;
}

// Distance in drawing units from p to the shapes of the reference (polylines exploded).
double DistanceToSymbol(const BlockGeometry& exploded, const TInsertEnt& insert, const Point3& p) {
    const Point3 q = ToBlock(insert, exploded.blocks[0].BasePoint, p);
    double best = 1e9;
    for (const TLineBlk& l : exploded.lines) best = std::min(best, SegmentDistance(q, l.P1, l.P2));
    for (const TCircleBlk& c : exploded.circles) best = std::min(best, std::fabs(Distance2D(q, c.Center) - c.Radius));
    for (const TArcBlk& a : exploded.arcs) best = std::min(best, ArcDistance(q, a));
    return best * std::fabs(insert.Scale.x);
}

double Along(const TLineEnt& wire, const Point3& p) {
    const double len = Distance2D(wire.P1, wire.P2);
    return ((p.x - wire.P1.x) * (wire.P2.x - wire.P1.x) + (p.y - wire.P1.y) * (wire.P2.y - wire.P1.y)) / len;
}

// Every gap end is a wire end or lies on a symbol; gaps lie on the wire in order; the pieces
// avoid every gap and, with the gaps, cover the wire exactly.
void CheckCutProperties(const TLineEnt& wire, const std::vector<TInsertEnt>& inserts, const BlockGeometry& exploded,
                        const GapList& gaps) {
    const double length = Distance2D(wire.P1, wire.P2), kNear = 1e-9;
    double lastMiddle = -1;
    std::vector<std::pair<double, double>> hidden;
    for (const GapRec& gap : gaps) {
        for (const Point3& end : {gap.A, gap.B}) {
            if (end == wire.P1 || end == wire.P2) continue;
            double nearest = 1e9;
            for (const TInsertEnt& insert : inserts)
                nearest = std::min(nearest, DistanceToSymbol(exploded, insert, end));
            EXPECT_LE(nearest, kTouchTolerance * 1.01) << end.x << "," << end.y;
        }
        const double a = Along(wire, gap.A), b = Along(wire, gap.B);
        EXPECT_TRUE(-kNear <= a && a <= b + kNear && b <= length + kNear) << a << ".." << b;
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

// Wires near one or two references of `name` (one block only) in random placements.
int CheckRandomCases(const BlockGeometry& geometry, const std::string& name, double reach, int cases) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> turn(0, 360), offset(-reach * 1.5, reach * 1.5), half(0, reach * 4.5);
    std::uniform_int_distribution<int> scale(1, 3), sign(0, 1);
    auto place = [&](const Point3& at) {
        const double s = scale(random);
        return InsertOf(name, at, turn(random), {sign(random) ? -s : s, sign(random) ? -s : s, 1});
    };
    const SymbolShapes shapes(geometry);
    BlockGeometry exploded = geometry;
    ExplodePolylines(exploded);
    CutOptions options;
    options.CheckLWP = true;
    int cut = 0;
    for (int i = 0; i < cases && !testing::Test::HasFailure(); ++i) {
        std::vector<TInsertEnt> inserts{place({100, 50, 0})};
        if (i % 3 == 0) inserts.push_back(place({100 + reach * 2, 50, 0}));
        const Point3 through{100 + reach + offset(random), 50 + offset(random), 0};
        const double angle = DegreesToRadians(turn(random));
        const TLineEnt wire =
            WireOf(PolarPoint(through, -half(random), angle), PolarPoint(through, half(random), angle));
        const GapList gaps = ComputeCuts(wire, inserts, shapes, options);
        cut += !gaps.empty();
        SCOPED_TRACE(testing::Message() << "case " << i);
        CheckCutProperties(wire, inserts, exploded, gaps);
    }
    return cut;
}

TEST(ComputeCutsProperties, GeneratedSymbolInEveryPlacement) {
    EXPECT_GT(CheckRandomCases(MixedBlock(), "MIX", 10, 3000), 1000);  // wires do cross the symbols
}

// A library symbol file's drawing as the block definition `name`, read by the block reader.
BlockGeometry LibraryBlock(const std::string& relative, const std::string& name) {
    NativeFiles files;
    DxfBuffer symbol;
    EXPECT_TRUE(LoadExport(files, LibrarySymbolPath(relative), symbol));
    BlockGeometry geometry;
    DxfBuffer block = ExportText().BeginBlocks().Block(name).EntitiesOf(symbol).EndBlock().EndSection().Buffer();
    ReadBlocks(block, geometry);
    return geometry;
}

TEST(ComputeCutsProperties, LibrarySymbolsOnGeneratedWires) {
    if (!LibraryInstalled()) GTEST_SKIP() << "symbol library not installed";
    for (const char* file : {"resistor/r1.dxf", "lamp/hl_1.dxf", "lamp/hl_2.dxf", "lamp/hl_13.dxf", "diode/vd1.dxf",
                             "capacitor/cap.dxf", "relay/n1.dxf"}) {
        if (!std::filesystem::exists(LibrarySymbolPath(file))) continue;
        SCOPED_TRACE(file);
        const BlockGeometry geometry = LibraryBlock(file, "SYM");
        ASSERT_FALSE(geometry.lines.empty() && geometry.circles.empty() && geometry.arcs.empty());
        EXPECT_GT(CheckRandomCases(geometry, "SYM", 20, 600), 50);
    }
}

}  // namespace
}  // namespace kv
