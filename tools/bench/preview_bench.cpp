// The six previews of a library page. Goal: under 30 ms of the palette's own time for a page,
// also when a symbol holds several thousand entities (the drawing calls cost nothing here).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <span>
#include <string>

#include "library/symbol_preview.h"

namespace kv {
namespace {

class SymbolFiles : public Files {
public:
    std::string text;
    bool Exists(std::string_view) override { return true; }
    bool Delete(std::string_view) override { return false; }
    std::optional<std::string> ReadText(std::string_view) override { return text; }
    bool ReadChunks(std::string_view, ChunkReader& reader) override {
        reader.Start(text.size());
        for (size_t at = 0; at < text.size();) {
            const std::span<char> room = reader.Room();
            const size_t count = std::min(room.size(), text.size() - at);
            std::copy_n(text.data() + at, count, room.data());
            reader.Filled(count);
            at += count;
        }
        return true;
    }
    bool WriteText(std::string_view, std::string_view) override { return false; }
    std::vector<FolderEntry> ListFolder(std::string_view) override { return {}; }
};

class NullCanvas : public Canvas {
public:
    int Width() const override { return 48; }
    int Height() const override { return 48; }
    void Fill(Rgb) override {}
    void SetPen(Rgb) override {}
    void Line(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Text(int, int, std::string_view, int, int) override {}
    int TextHeight(std::string_view, int height) const override { return height; }
    bool GrabScreen(const ScreenRect&) override { return false; }
};

// Lines, arcs, circles, polylines and texts in equal shares, as the R2000 export of a host writes them.
std::string SymbolOf(int entities) {
    std::string dxf = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
    for (int i = 0; i < entities; ++i) {
        const std::string x = std::to_string(i % 100), y = std::to_string(i / 100);
        switch (i % 5) {
        case 0:
            dxf += "  0\r\nLINE\r\n  5\r\nA" + x + "\r\n  8\r\n0\r\n 10\r\n" + x + "\r\n 20\r\n" + y + "\r\n 11\r\n" +
                   y + "\r\n 21\r\n" + x + "\r\n";
            break;
        case 1:
            dxf += "  0\r\nARC\r\n  8\r\n0\r\n 10\r\n" + x + "\r\n 20\r\n" + y +
                   "\r\n 40\r\n2.5\r\n 50\r\n10\r\n 51\r\n200\r\n";
            break;
        case 2: dxf += "  0\r\nCIRCLE\r\n  8\r\n0\r\n 10\r\n" + x + "\r\n 20\r\n" + y + "\r\n 40\r\n1.5\r\n"; break;
        case 3:
            dxf += "  0\r\nLWPOLYLINE\r\n  5\r\nP" + std::to_string(i) +
                   "\r\n  8\r\n0\r\n 90\r\n3\r\n 70\r\n1\r\n 10\r\n" + x + "\r\n 20\r\n" + y + "\r\n 10\r\n" + y +
                   "\r\n 20\r\n" + x + "\r\n 42\r\n0.5\r\n 10\r\n0\r\n 20\r\n0\r\n";
            break;
        default:
            dxf += "  0\r\nTEXT\r\n  8\r\n0\r\n 10\r\n" + x + "\r\n 20\r\n" + y +
                   "\r\n 40\r\n2.5\r\n 50\r\n30\r\n  1\r\nCR" + x + "\r\n";
            break;
        }
    }
    return dxf + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
}

void PreviewPage(benchmark::State& state) {
    SymbolFiles files;
    files.text = SymbolOf(static_cast<int>(state.range(0)));
    NullCanvas canvas;
    const PreviewOptions options{.mirrorX = true, .showCandidates = true, .rotation = "30"};
    for (auto _ : state) {
        for (int slot = 0; slot < 6; ++slot) {
            SlotView view;
            benchmark::DoNotOptimize(RenderPreview(files, "S.dxf", canvas, options, view));
        }
    }
    state.SetLabel(std::to_string(state.range(0)) + " entities a symbol, six a page");
}
BENCHMARK(PreviewPage)->Arg(20)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
