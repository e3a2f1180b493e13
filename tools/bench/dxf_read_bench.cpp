// Reading a large export: load + header + lines + inserts + blocks over an R2000-style file of
// about 500k entities (~80 MB) written once into the temp folder.
// Goals: at least 300 MB/s, peak memory at most 1.5 times the file size.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "dxf/dxf_buffer.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"

namespace kv {
namespace {

constexpr int kLineCount = 400000;
constexpr int kInsertCount = 100000;
constexpr int kBlockCount = 50;

class ExportWriter {
public:
    explicit ExportWriter(const std::string& path) : out_(path, std::ios::binary) {}

    void Pair(int code, const std::string& value) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d\r\n", code);
        out_ << buf << value << "\r\n";
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
    std::string NextHandle() {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", handle_++);
        return buf;
    }
    void Entity(const char* kind, const char* subclass, const std::string& layer) {
        Pair(0, kind);
        Pair(5, NextHandle());
        Pair(330, "1F");
        Pair(100, "AcDbEntity");
        Pair(8, layer);
        Pair(100, subclass);
    }

private:
    std::ofstream out_;
    unsigned handle_ = 0x100;
};

// Coordinates with many digits, as a 16-decimal export writes them.
double Coord(int i, int k) { return (i * 7919 + k * 104729) % 100000 / 7.0 + 0.123456789012345; }

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
    for (const char* layer : {"0", "WIRE", "SYMBOL", "TEXT"}) {
        w.Pair(0, "LAYER");
        w.Pair(5, w.NextHandle());
        w.Pair(100, "AcDbSymbolTableRecord");
        w.Pair(100, "AcDbLayerTableRecord");
        w.Pair(2, layer);
        w.Pair(70, "0");
        w.Pair(62, "7");
        w.Pair(6, "CONTINUOUS");
    }
    w.Pair(0, "ENDTAB");
    w.Pair(0, "ENDSEC");
}

void WriteBlocks(ExportWriter& w) {
    w.Pair(0, "SECTION");
    w.Pair(2, "BLOCKS");
    for (int b = -2; b < kBlockCount; ++b) {
        w.Pair(0, "BLOCK");
        w.Pair(5, w.NextHandle());
        w.Pair(8, "0");
        w.Pair(2, b == -2 ? "*Model_Space" : b == -1 ? "*Paper_Space" : "SYM" + std::to_string(b));
        w.Pair(70, "0");
        w.Point(10, 0, 0);
        for (int e = 0; b >= 0 && e < 20; ++e) {
            w.Entity(e % 4 == 0 ? "CIRCLE" : "LINE", e % 4 == 0 ? "AcDbCircle" : "AcDbLine", "SYMBOL");
            w.Point(10, Coord(e, b), Coord(b, e));
            if (e % 4 == 0) {
                w.Real(40, 2.5);
            } else {
                w.Point(11, Coord(e + 1, b), Coord(b, e + 1));
            }
        }
        w.Pair(0, "ENDBLK");
        w.Pair(5, w.NextHandle());
        w.Pair(100, "AcDbEntity");
        w.Pair(8, "0");
        w.Pair(100, "AcDbBlockEnd");
    }
    w.Pair(0, "ENDSEC");
}

void WriteEntities(ExportWriter& w) {
    w.Pair(0, "SECTION");
    w.Pair(2, "ENTITIES");
    for (int i = 0; i < kLineCount + kInsertCount; ++i) {
        if (i % 5 == 4) {
            w.Entity("INSERT", "AcDbBlockReference", "SYMBOL");
            w.Pair(2, "SYM" + std::to_string(i % kBlockCount));
            w.Point(10, Coord(i, 1), Coord(i, 2));
            w.Real(50, 90.0);
        } else {
            w.Entity("LINE", "AcDbLine", "WIRE");
            w.Point(10, Coord(i, 3), Coord(i, 4));
            w.Point(11, Coord(i, 5), Coord(i, 6));
        }
    }
    w.Pair(0, "ENDSEC");
    w.Pair(0, "EOF");
}

const std::string& ExportFile() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "kv_dxf_read_bench.dxf").string();
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

size_t HeapInUse() {
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

void BM_DxfReadExport(benchmark::State& state) {
    const std::string& path = ExportFile();
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    ResetPeakResident();
    const double baseline = PeakResidentBytes();
    double bufferBytes = 0;
    for (auto _ : state) {
        DxfBuffer buffer;
        const size_t heapBefore = HeapInUse();
        if (!buffer.LoadFile(path)) state.SkipWithError("cannot load the generated export");
        bufferBytes = static_cast<double>(HeapInUse() - heapBefore);
        HeaderVars header;
        std::vector<TLineEnt> lines;
        std::vector<TInsertEnt> inserts;
        BlockGeometry blocks;
        ReadHeaderVars(buffer, header);
        ReadLines(buffer, lines);
        ReadInserts(buffer, inserts);
        ReadBlocks(buffer, blocks);
        benchmark::DoNotOptimize(lines.data());
        if (lines.size() != kLineCount || inserts.size() != kInsertCount) state.SkipWithError("wrong counts");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileBytes));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["buffer_to_file"] = bufferBytes / fileBytes;
    state.counters["peak_rss_to_file"] = (PeakResidentBytes() - baseline) / fileBytes;
}
BENCHMARK(BM_DxfReadExport)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_DxfLoadOnly(benchmark::State& state) {
    const std::string& path = ExportFile();
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    for (auto _ : state) {
        DxfBuffer buffer;
        buffer.LoadFile(path);
        benchmark::DoNotOptimize(buffer.LineCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileBytes));
}
BENCHMARK(BM_DxfLoadOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
