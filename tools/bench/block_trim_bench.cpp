// The palette's side of the cut engine. Goals: a block-trim pass over 1,000 wires crossing one
// symbol under 50 ms; a fence export of 10,000 wires read, cut and written under 500 ms; a line
// trim of one wire crossing 500 symbols under 50 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_buffer.h"
#include "dxf/read_entities.h"
#include "growth.h"
#include "schematic.h"
#include "wires/trim_writers.h"

namespace kv {
namespace {

class MemoryFiles : public Files {
public:
    std::map<std::string, std::string, std::less<>> texts;
    bool Exists(std::string_view path) override { return texts.find(path) != texts.end(); }
    bool Delete(std::string_view path) override {
        auto found = texts.find(path);
        if (found == texts.end()) return false;
        texts.erase(found);
        return true;
    }
    std::optional<std::string> ReadText(std::string_view path) override {
        auto found = texts.find(path);
        if (found == texts.end()) return std::nullopt;
        return found->second;
    }
    bool ReadChunks(std::string_view path, ChunkReader& reader) override {
        auto found = texts.find(path);
        if (found == texts.end()) return false;
        reader.Start(found->second.size());
        for (size_t at = 0; at < found->second.size();) {
            const std::span<char> room = reader.Room();
            const size_t count = found->second.copy(room.data(), room.size(), at);
            reader.Filled(count);
            at += count;
        }
        return true;
    }
    bool WriteText(std::string_view path, std::string_view text) override {
        texts[std::string(path)] = std::string(text);
        return true;
    }
    std::vector<FolderEntry> ListFolder(std::string_view) override { return {}; }
};

class NoWait : public Clock {
public:
    void Sleep(int) override {}
    long long Milliseconds() override { return 0; }
};

constexpr const char* kScratch = "kvane2k.dxf";

// A long terminal strip: 2 high, `width` long.
BlockGeometry StripBlock(double width) {
    BlockGeometry g;
    g.blocks.push_back({"STRIP", "0", {}});
    g.lines = {{"STRIP", "0", {0, -1, 0}, {width, -1, 0}},
               {"STRIP", "0", {width, -1, 0}, {width, 1, 0}},
               {"STRIP", "0", {width, 1, 0}, {0, 1, 0}},
               {"STRIP", "0", {0, 1, 0}, {0, -1, 0}}};
    return g;
}

// Wires through the relay at every angle, some ending inside it.
std::vector<TLineEnt> WiresThroughRelay(size_t count) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> turn(0, 6.283185307179586), offset(-6, 6), reach(2, 60);
    std::vector<TLineEnt> wires;
    for (size_t i = 0; i < count; ++i) {
        const double a = turn(rng), o = offset(rng), back = reach(rng), ahead = reach(rng);
        const Point3 through{o * -std::sin(a), o * std::cos(a), 0};
        wires.push_back(BenchWire(i, {through.x - back * std::cos(a), through.y - back * std::sin(a), 0},
                                  {through.x + ahead * std::cos(a), through.y + ahead * std::sin(a), 0}));
    }
    return wires;
}

void RunTrimPass(benchmark::State& state, const BlockGeometry& block, const TInsertEnt& symbol,
                 const std::string& exportText) {
    MemoryFiles files;
    NoWait clock;
    for (auto _ : state) {
        DxfBuffer exported;
        exported.Load(exportText);
        std::vector<TLineEnt> lines;
        ReadLines(exported, lines);
        const SymbolShapes shapes(block);
        bool written = true;
        for (const RoundTripFile& file : TrimmedLineFiles(lines, {symbol}, shapes, {}, exported, clock))
            written = file.write(files, kScratch) && written;
        benchmark::DoNotOptimize(written);
    }
    state.counters["wires"] = static_cast<double>(state.range(0));
}

void BM_BlockTrimPass(benchmark::State& state) {
    TInsertEnt relay;
    relay.Name = "RELAY";
    RunTrimPass(state, RelayBlock(), relay, ExportOf(WiresThroughRelay(static_cast<size_t>(state.range(0)))));
}
BENCHMARK(BM_BlockTrimPass)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_FenceExport(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    std::vector<TLineEnt> wires;
    for (size_t i = 0; i < count; ++i)
        wires.push_back(BenchWire(i, {0.5 + double(i), -40, 0}, {0.5 + double(i), i % 4 ? 40 : 0.5, 0}));
    TInsertEnt strip;
    strip.Name = "STRIP";
    RunTrimPass(state, StripBlock(double(count) + 1), strip, ExportOf(wires));
}
BENCHMARK(BM_FenceExport)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LineTrimAcrossSymbols(benchmark::State& state) {
    const size_t count = static_cast<size_t>(state.range(0));
    std::vector<TInsertEnt> inserts;
    for (size_t i = 0; i < count; ++i) {
        TInsertEnt relay;
        relay.Name = "RELAY";
        relay.Point = {40.0 * double(count - i), 0, 0};  // far ones first: the engine orders them
        relay.Rotation = double(i % 4) * 90;
        inserts.push_back(relay);
    }
    const TLineEnt wire = BenchWire(0, {0, 0.5, 0}, {40.0 * double(count + 1), 0.5, 0});
    const SymbolShapes shapes(RelayBlock());
    DxfBuffer source;
    source.Load(ExportOf({wire}));
    MemoryFiles files;
    CutOptions options;
    for (auto _ : state) {
        const bool written = CutWireFile(wire, inserts, shapes, options, {}, source).write(files, kScratch);
        benchmark::DoNotOptimize(written);
    }
    state.counters["symbols"] = static_cast<double>(count);
}
BENCHMARK(BM_LineTrimAcrossSymbols)->Arg(500)->Unit(benchmark::kMillisecond);

// A ladder's wires trimmed at relays on every fourth rung segment, all in one pass: the
// cutting, the pieces' file and the edited export.
void BM_TrimLadder(benchmark::State& state) {
    const std::vector<TLineEnt> ladder = LadderWires(static_cast<size_t>(state.range(0)));
    const std::vector<TInsertEnt> relays = RelaysOnLadder(ladder);
    const std::string text = ExportOf(ladder);
    const SymbolShapes shapes(RelayBlock());
    MemoryFiles files;
    NoWait clock;
    DxfBuffer exported;
    std::vector<TLineEnt> lines;
    TimeGrowth(
        state, "TrimLadder",
        [&] {
            exported.Load(text);
            lines.clear();
            ReadLines(exported, lines);
        },
        [&] {
            bool written = true;
            for (const RoundTripFile& file : TrimmedLineFiles(lines, relays, shapes, {}, exported, clock))
                written = file.write(files, kScratch) && written;
            benchmark::DoNotOptimize(written);
        });
    state.counters["symbols"] = static_cast<double>(relays.size());
}
BENCHMARK(BM_TrimLadder)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
