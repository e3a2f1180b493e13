// Applying marked lines to an export of about 80 MB, the size of a dense drawing exported
// whole. Goals: 10k marks under 100 ms, 100k under 150 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_buffer.h"
#include "dxf/line_edits.h"
#include "growth.h"

namespace kv {
namespace {

std::string HexHandle(size_t n) {
    char text[24];
    std::snprintf(text, sizeof text, "%zX", n);
    return text;
}

// Groups laid out as the host's R2000 export writes them; one line in eight has a linetype of
// its own (with a point in its name, so that the renaming rule has work to do).
void AppendLine(std::string& out, size_t handle, std::mt19937& rng) {
    std::uniform_real_distribution<double> coord(0, 1000);
    out += "  0\r\nLINE\r\n  5\r\n" + HexHandle(handle) + "\r\n330\r\n1F\r\n100\r\nAcDbEntity\r\n  8\r\nWIRE\r\n";
    if (handle % 8 == 0) out += "  6\r\nDOT.2\r\n";
    out += "100\r\nAcDbLine\r\n";
    for (const char* code : {" 10", " 20", " 30", " 11", " 21", " 31"}) {
        out += code;
        out += "\r\n" + FormatReal(coord(rng)) + "\r\n";
    }
}

constexpr size_t kFirstHandle = 0x100;

std::string LargeExport(size_t targetBytes, size_t& lineCount) {
    std::mt19937 rng(1);
    std::string out =
        "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nTABLE\r\n  2\r\nLAYER\r\n  0\r\nLAYER\r\n  2\r\nWIRE\r\n"
        "  6\r\nDOT.2\r\n  0\r\nENDTAB\r\n  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
    out.reserve(targetBytes + 4096);
    lineCount = 0;
    while (out.size() < targetBytes) AppendLine(out, kFirstHandle + lineCount++, rng);
    out += "  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nOBJECTS\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    return out;
}

// Half the marks move a line, half remove one; the first record is unmarked, as after a join.
// The records are in file order, as the readers give them to the tools that mark them, or
// shuffled, as a tool that sorts its records along a wire leaves them.
std::vector<TLineEnt> MarkedRecords(size_t lineCount, size_t marks, bool shuffled) {
    std::mt19937 rng(2);
    std::vector<size_t> marked(marks);
    for (size_t& line : marked) line = 1 + rng() % (lineCount - 1);
    std::sort(marked.begin(), marked.end());
    std::vector<TLineEnt> records(marks + 1);
    records[0].Handle = HexHandle(kFirstHandle);
    for (size_t i = 1; i <= marks; ++i) {
        records[i].Handle = HexHandle(kFirstHandle + marked[i - 1]);
        records[i].P1 = {1, 2, 0};
        records[i].P2 = {3, 4, 0};
        EditMark(records[i], i % 2 ? LineEdit::kMoved : LineEdit::kRemoved);
    }
    if (shuffled) std::shuffle(records.begin() + 1, records.end(), rng);
    return records;
}

void BM_ApplyLineEdits(benchmark::State& state) {
    size_t lineCount = 0;
    const std::string text = LargeExport(80u << 20, lineCount);
    const std::vector<TLineEnt> records =
        MarkedRecords(lineCount, static_cast<size_t>(state.range(0)), state.range(1) != 0);
    DxfBuffer buffer;
    TimeGrowth(
        state, state.range(1) ? "ApplyLineEdits shuffled" : "ApplyLineEdits", [&] { buffer.Load(text); },
        [&] {
            ApplyLineEdits(records, buffer);
            benchmark::DoNotOptimize(buffer.LineCount());
        });
    state.counters["MB"] = static_cast<double>(text.size()) / (1 << 20);
    state.counters["lines"] = static_cast<double>(lineCount);
}
// The second argument: 1 for the records shuffled.
BENCHMARK(BM_ApplyLineEdits)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseManualTime();

}  // namespace
}  // namespace kv
