// Reading an export as the palette does: the files port, the buffer, then the readers an
// operation runs (header, layers, lines, inserts, blocks), over an ~80 MB CR LF release-2000
// schematic written once into the temp folder. Beside it, a newline count over the same file:
// the speed of merely reading it. Goals: at least 300 MB/s and a third of the newline count,
// peak memory (records included) at most 1.5 times the file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "platform/native_files.h"

namespace kv {
namespace {

// The schematic: wires (LINE), symbols (INSERT with two ATTRIBs and a SEQEND), labels (TEXT), a
// few symbol blocks; texts and one layer name in Japanese, in the code page as the host writes them.
constexpr size_t kSchematicLines = 230000;
constexpr size_t kSchematicInserts = 46000;
constexpr int kSchematicBlocks = 40;
constexpr const char* kTextLayer = "\x95\xB6\x8E\x9A";                      // 文字
constexpr const char* kJapaneseLabel = "\x93\x64\x8C\xB9\x89\xF1\x98\x48";  // 電源回路
const std::vector<std::string> kSchematicLayers = {"0", "WIRE", "SYMBOL", "ATTR", kTextLayer};

class ExportWriter {
public:
    explicit ExportWriter(const std::string& path) : out_(path, std::ios::binary) {}

    void Pair(int code, std::string_view value) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d\r\n", code);
        out_ << buf << value << "\r\n";
    }
    void Int(int code, int v) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%6d", v);
        Pair(code, buf);
    }
    void Real(int code, double v) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%.16g", v);
        Pair(code, buf);
    }
    void Point(int code, double x, double y) {
        Real(code, x);
        Real(code + 10, y);
        Real(code + 20, 0.0);
    }
    std::string Entity(const char* kind, const char* subclass, std::string_view layer, std::string_view owner = "1F") {
        std::string handle = NextHandle();
        Pair(0, kind);
        Pair(5, handle);
        Pair(330, owner);
        Pair(100, "AcDbEntity");
        Pair(8, layer);
        if (subclass) Pair(100, subclass);
        return handle;
    }
    std::string NextHandle() {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", handle_++);
        return buf;
    }

private:
    std::ofstream out_;
    unsigned handle_ = 0x100;
};

// Coordinates with many digits, as a 16-decimal export writes them.
double Coord(size_t i, size_t k) {
    return static_cast<double>((i * 7919 + k * 104729) % 100000) / 7.0 + 0.123456789012345;
}

void WriteHeaderAndTables(ExportWriter& w) {
    w.Pair(0, "SECTION");
    w.Pair(2, "HEADER");
    const char* vars[][3] = {{"$ACADVER", "1", "AC1015"},  {"$CLAYER", "8", "WIRE"},  {"$CELTSCALE", "40", "1.0"},
                             {"$CELTYPE", "6", "ByLayer"}, {"$CECOLOR", "62", "256"}, {"$DIMSCALE", "40", "10.0"}};
    for (auto& v : vars) {
        w.Pair(9, v[0]);
        w.Pair(std::stoi(v[1]), v[2]);
    }
    w.Pair(0, "ENDSEC");
    w.Pair(0, "SECTION");
    w.Pair(2, "TABLES");
    w.Pair(0, "TABLE");
    w.Pair(2, "LAYER");
    for (const std::string& layer : kSchematicLayers) {
        w.Pair(0, "LAYER");
        w.Pair(5, w.NextHandle());
        w.Pair(100, "AcDbSymbolTableRecord");
        w.Pair(100, "AcDbLayerTableRecord");
        w.Pair(2, layer);
        w.Int(70, 0);
        w.Int(62, 7);
        w.Pair(6, "CONTINUOUS");
    }
    w.Pair(0, "ENDTAB");
    w.Pair(0, "ENDSEC");
}

void WriteBlocks(ExportWriter& w) {
    w.Pair(0, "SECTION");
    w.Pair(2, "BLOCKS");
    for (int b = -2; b < kSchematicBlocks; ++b) {
        w.Entity("BLOCK", "AcDbBlockBegin", "0");
        w.Pair(2, b == -2 ? "*Model_Space" : b == -1 ? "*Paper_Space" : "SYM" + std::to_string(b));
        w.Int(70, b >= 0 ? 2 : 0);
        w.Point(10, 0, 0);
        for (size_t e = 0; b >= 0 && e < 12; ++e) {
            const bool circle = e % 4 == 0;
            w.Entity(circle ? "CIRCLE" : "LINE", circle ? "AcDbCircle" : "AcDbLine", "0");
            w.Point(10, Coord(e, b + 2), Coord(b + 2, e));
            if (circle) {
                w.Real(40, 2.5);
            } else {
                w.Point(11, Coord(e + 1, b + 2), Coord(b + 2, e + 1));
            }
        }
        w.Entity("ENDBLK", "AcDbBlockEnd", "0");
    }
    w.Pair(0, "ENDSEC");
}

void WriteSymbol(ExportWriter& w, size_t i) {
    const std::string insert = w.Entity("INSERT", "AcDbBlockReference", "SYMBOL");
    w.Int(66, 1);
    w.Pair(2, "SYM" + std::to_string(i % kSchematicBlocks));
    w.Point(10, Coord(i, 1), Coord(i, 2));
    w.Real(50, 90.0);
    const char* tags[][2] = {{"REF", "R"}, {"VALUE", "4.7k"}};
    for (const auto& tag : tags) {
        w.Entity("ATTRIB", "AcDbText", "ATTR", insert);
        w.Point(10, Coord(i, 3), Coord(i, 4));
        w.Real(40, 2.5);
        w.Pair(1, tag[1] + std::to_string(i));
        w.Pair(100, "AcDbAttribute");
        w.Pair(2, tag[0]);
        w.Int(70, 0);
    }
    w.Entity("SEQEND", nullptr, "SYMBOL", insert);
}

void WriteEntities(ExportWriter& w) {
    w.Pair(0, "SECTION");
    w.Pair(2, "ENTITIES");
    for (size_t i = 0; i < kSchematicLines; ++i) {
        w.Entity("LINE", "AcDbLine", "WIRE");
        w.Point(10, Coord(i, 5), Coord(i, 6));
        w.Point(11, Coord(i, 7), Coord(i, 8));
        if (i % 5 == 4) WriteSymbol(w, i / 5);
        if (i % 5 == 2) {
            w.Entity("TEXT", "AcDbText", kTextLayer);
            w.Point(10, Coord(i, 9), Coord(i, 10));
            w.Real(40, 3.5);
            w.Pair(1, i % 2 ? kJapaneseLabel : "TB1-" + std::to_string(i));
            w.Pair(100, "AcDbText");
        }
    }
    w.Pair(0, "ENDSEC");
    w.Pair(0, "EOF");
}

const std::string& ExportFile() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "kv_schematic_export.dxf").string();
        ExportWriter w(p);
        WriteHeaderAndTables(w);
        WriteBlocks(w);
        WriteEntities(w);
        return p;
    }();
    return path;
}

// Peak resident memory since the last reset, in bytes (Linux).
double PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        double kib = 0;
        if (key == "VmHWM:" && status >> kib) return kib * 1024;
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Process CPU time: the machine is shared, so wall time says more about the neighbours.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

size_t CountNewlines(const std::string& path) {
    constexpr size_t kChunk = 1 << 20;
    std::unique_ptr<char[]> chunk(new char[kChunk]);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    size_t count = 0;
    for (size_t n; (n = std::fread(chunk.get(), 1, kChunk, f)) > 0;)
        count += static_cast<size_t>(std::count(chunk.get(), chunk.get() + n, '\n'));
    std::fclose(f);
    return count;
}

// The best of a few runs, in bytes per CPU second.
double NewlineCountSpeed(const std::string& path, double fileBytes) {
    double best = 0;
    for (int run = 0; run < 5; ++run) {
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(CountNewlines(path));
        best = std::max(best, fileBytes / (CpuSeconds() - start));
    }
    return best;
}

struct ReadResult {
    HeaderVars header;
    LayerList layers;
    std::vector<TLineEnt> lines;
    std::vector<TInsertEnt> inserts;
    BlockGeometry blocks;
};

bool ReadAsThePaletteDoes(Files& files, const std::string& path, ReadResult& r) {
    DxfBuffer buffer;
    if (!LoadExport(files, path, buffer)) return false;
    ReadHeaderVars(buffer, r.header);
    ReadLayerTable(buffer, r.layers, false);
    ReadLines(buffer, r.lines);
    ReadInserts(buffer, r.inserts);
    ReadBlocks(buffer, r.blocks);
    return true;
}

void BM_ReadExport(benchmark::State& state) {
    const std::string& path = ExportFile();
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    NativeFiles files;
    // Large blocks straight from the system and back: else freed blocks stay resident in the heap
    // and the next read's peak, counted from a higher start, comes out too low.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    double peakToFile = 0;
    double start = CpuSeconds();
    for (auto _ : state) {
        state.PauseTiming();
        ResetPeakResident();
        const double baseline = PeakResidentBytes();
        state.ResumeTiming();
        {
            ReadResult r;
            if (!ReadAsThePaletteDoes(files, path, r)) state.SkipWithError("cannot load the generated export");
            if (r.lines.size() != kSchematicLines || r.inserts.size() != kSchematicInserts ||
                r.layers.size() != kSchematicLayers.size())
                state.SkipWithError("wrong counts");
            state.PauseTiming();
            peakToFile = std::max(peakToFile, (PeakResidentBytes() - baseline) / fileBytes);
            state.ResumeTiming();
        }
    }
    const double loadSpeed = static_cast<double>(state.iterations()) * fileBytes / (CpuSeconds() - start);
    benchmark::DoNotOptimize(start);
    const double newlineSpeed = NewlineCountSpeed(path, fileBytes);
    state.SetBytesProcessed(static_cast<int64_t>(static_cast<double>(state.iterations()) * fileBytes));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_to_file"] = peakToFile;
    state.counters["newline_count_MBps"] = newlineSpeed / 1e6;
    state.counters["to_newline_count"] = loadSpeed / newlineSpeed;
}
BENCHMARK(BM_ReadExport)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace kv
