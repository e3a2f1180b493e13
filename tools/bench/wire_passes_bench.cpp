// The wire passes of the line tool and the junction marks, on the records and exports the
// steps hand them, at 1k, 10k and 100k wires.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "growth.h"
#include "schematic.h"
#include "wires/junction_marks.h"
#include "wires/line_merge.h"

namespace kv {
namespace {

size_t Size(const benchmark::State& state) { return static_cast<size_t>(state.range(0)); }

TLineEnt DrawnAlong(const std::vector<TLineEnt>& row) {
    return BenchWire(row.size(), {-5, 0, 0}, {row.back().P2.x + 5, 0, 0});
}

void BM_MergeCollinear(benchmark::State& state) {
    const std::vector<TLineEnt> fenced = WiresAlongRow(Size(state));
    const TLineEnt drawn = DrawnAlong(fenced);
    std::vector<TLineEnt> records;
    TLineEnt current;
    TimeGrowth(
        state, "MergeCollinear",
        [&] {
            records = fenced;
            current = drawn;
        },
        [&] { benchmark::DoNotOptimize(MergeCollinear(current, records)); });
}

void BM_RemoveMergedLines(benchmark::State& state) {
    std::vector<TLineEnt> records = WiresAlongRow(Size(state));
    const std::string text = ExportOf(records);
    TLineEnt current = DrawnAlong(records);
    MergeCollinear(current, records);
    DxfBuffer buffer;
    TimeGrowth(
        state, "RemoveMergedLines", [&] { buffer.Load(text); },
        [&] {
            RemoveMergedLines(buffer, records);
            benchmark::DoNotOptimize(buffer.LineCount());
        });
}

// The end-point test looks at every pair of the wires in its square when none meet: a
// staircase of corners, all in the square.
void BM_WiresMeetNear(benchmark::State& state) {
    const std::vector<TLineEnt> wires = CornerStaircase(Size(state));
    const double half = wires.back().P2.x / 2;
    const Point3 middle{half, -half, 0};
    TimeGrowth(
        state, "WiresMeetNear", [] {}, [&] { benchmark::DoNotOptimize(WiresMeetNear(wires, middle, half + 5)); });
}

// The junctions along a drawn wire and the marks already on half of them.
void BM_JunctionMarks(benchmark::State& state) {
    const std::vector<TLineEnt> fenced = WiresAlongRow(Size(state));
    const TLineEnt drawn = DrawnAlong(fenced);
    std::vector<TInsertEnt> marks;
    for (size_t i = 1; i < fenced.size(); i += 4) {
        TInsertEnt mark;
        mark.Name = "KP";
        mark.Point = {fenced[i].P1.x, 0, 0};
        marks.push_back(mark);
    }
    TimeGrowth(
        state, "JunctionMarks", [] {},
        [&] {
            const MarkPlan plan = PlanMarks(JunctionsAlong(drawn, fenced), marks, "KP");
            benchmark::DoNotOptimize(plan.insertAt.size());
        });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_MergeCollinear)->Apply(Sizes);
BENCHMARK(BM_RemoveMergedLines)->Apply(Sizes);
BENCHMARK(BM_WiresMeetNear)->Apply(Sizes);
BENCHMARK(BM_JunctionMarks)->Apply(Sizes);

}  // namespace
}  // namespace kv
