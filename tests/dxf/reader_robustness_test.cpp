// Every reader on generated exports cut short at each line and with bytes garbled: a located
// conversion error at worst.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "base/number_text.h"
#include "base/strings.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"

namespace kv {
namespace {

// An export with padded codes, either line break, entities in and out of ENTITIES.
std::string GeneratedExport(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const std::string eol = pick(2) ? "\r\n" : "\n";
    std::string out;
    auto pair = [&](int code, const std::string& value) {
        const std::string c = std::to_string(code);
        out += (pick(2) ? std::string(3 - std::min<size_t>(3, c.size()), ' ') : "") + c + eol + value + eol;
    };
    auto real = [&]() { return FormatReal((static_cast<int>(rng() % 200001) - 100000) / 64.0); };
    auto entity = [&](const char* kind) {
        pair(0, kind);
        pair(5, std::to_string(rng() % 4096));
        pair(8, pick(2) ? "WIRE" : "0");
        if (pick(3) == 0) pair(6, pick(2) ? "DOT.2" : "CENTER");
        if (pick(3) == 0) pair(62, std::to_string(pick(300) - 7));
        for (int code : {10, 20, 30, 11, 21, 31, 41, 42, 43, 50, 40})
            if (pick(4) != 0) pair(code, real());
        if (std::string(kind) == "INSERT") pair(2, pick(2) ? "RELAY" : "LAMP");
    };
    const char* kinds[] = {"LINE", "INSERT", "ARC", "CIRCLE", "TEXT"};
    pair(0, "SECTION");
    pair(2, "BLOCKS");
    pair(0, "BLOCK");
    pair(2, "RELAY");
    for (int i = 0; i < 5; ++i) entity(kinds[pick(5)]);
    pair(0, "ENDBLK");
    pair(0, "ENDSEC");
    pair(0, "SECTION");
    pair(2, "ENTITIES");
    for (int i = 0, n = 20 + pick(40); i < n; ++i) entity(kinds[pick(5)]);
    pair(0, "ENDSEC");
    entity("LINE");  // after the section: never read
    pair(0, "EOF");
    return out;
}

DxfBuffer Loaded(const std::string& text) {
    DxfBuffer b;
    b.Load(text);
    return b;
}

// Every reader on one buffer; a bad number may stop it, nothing else may.
void ReadEverything(DxfBuffer& b) {
    std::vector<TLineEnt> lines;
    std::vector<TArcEnt> arcs;
    std::vector<TInsertEnt> inserts;
    std::vector<TLwpBlk> polylines;
    std::vector<TLwpEle> vertices;
    HeaderVars header;
    LayerList layers;
    BlockGeometry blocks;
    const std::function<void()> readers[] = {
        [&] { ReadLines(b, lines); },       [&] { ReadArcs(b, arcs); },
        [&] { ReadInserts(b, inserts); },   [&] { ReadPolylines(b, polylines, vertices, lines); },
        [&] { ReadHeaderVars(b, header); }, [&] { ReadLayerTable(b, layers, true); },
        [&] { ReadBlocks(b, blocks); }};
    for (const auto& read : readers) {
        try {
            read();
        } catch (const ConversionError& e) {
            EXPECT_TRUE(StartsWith(e.what(), "line ")) << e.what();
        }
    }
}

TEST(ReaderRobustness, TruncatedFilesAtEveryLineAreReadWithoutHarm) {
    const std::string text = GeneratedExport(7) +
                             "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nS\n0\nSOLID\n10\n1\n"
                             "0\nPOLYLINE\n0\nVERTEX\n10\n1\n0\nLWPOLYLINE\n20\n1\n42\n1\n";
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', end + 1)) {
        DxfBuffer b = Loaded(text.substr(0, end));
        ReadEverything(b);
    }
}

TEST(ReaderRobustness, GarbledBytesGiveAConversionErrorAtWorst) {
    std::mt19937 rng(42);
    const std::string clean = GeneratedExport(11);
    const char noise[] = {'\n', '\r', '0', '1', '2', '5', ' ', '.', '-', 'x', '\0', '\xff', '*'};
    for (int round = 0; round < 300; ++round) {
        std::string text = clean;
        for (int k = 0; k < 20; ++k) text[rng() % text.size()] = noise[rng() % sizeof noise];
        DxfBuffer b = Loaded(text);
        ReadEverything(b);
    }
}

}  // namespace
}  // namespace kv
