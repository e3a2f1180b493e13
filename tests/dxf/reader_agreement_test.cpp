// The fast readers against a plain reference reader (a vector of strings, one record at a time)
// on generated and real files, and every reader on truncated and garbled input.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

#include "base/number_text.h"
#include "base/strings.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "support/dxf_text.h"
#include "dxf/round_trip.h"
#include "platform/native_files.h"

namespace kv {
namespace {

// ---- reference reader: whole lines as strings, the ENTITIES section cut into records ----

using Groups = std::vector<std::pair<std::string, std::string>>;  // trimmed code, trimmed value

std::vector<Groups> EntityRecords(const std::string& text, const std::string& kind) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    std::vector<Groups> records;
    bool inEntities = false, open = false;
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        const std::string code = Trim(lines[i]), value = Trim(lines[i + 1]);
        if (code == "0") {
            if (value == "ENDSEC") inEntities = false;
            open = inEntities && value == kind;
            if (open) records.emplace_back();
        } else if (open) {
            records.back().emplace_back(code, value);
        }
        if (code == "2" && value == "ENTITIES") inEntities = true;
    }
    return records;
}

std::vector<TLineEnt> ReferenceLines(const std::string& text) {
    std::vector<TLineEnt> out;
    for (const Groups& groups : EntityRecords(text, "LINE")) {
        TLineEnt& e = out.emplace_back();
        const std::map<std::string, double*> reals = {{"48", &e.LtScale}, {"10", &e.P1.x}, {"20", &e.P1.y},
                                                      {"30", &e.P1.z},    {"11", &e.P2.x}, {"21", &e.P2.y},
                                                      {"31", &e.P2.z}};
        for (const auto& [code, value] : groups) {
            if (code == "5") e.Handle = value;
            if (code == "8") e.Layer = value;
            if (code == "6") e.Linetype = value;
            if (code == "62") e.Color = ParseInt(value);
            if (reals.count(code)) *reals.at(code) = ParseReal(value);
        }
        std::replace(e.Linetype.begin(), e.Linetype.end(), '.', '_');
    }
    return out;
}

std::vector<TInsertEnt> ReferenceInserts(const std::string& text) {
    std::vector<TInsertEnt> out;
    for (const Groups& groups : EntityRecords(text, "INSERT")) {
        TInsertEnt& e = out.emplace_back();
        const std::map<std::string, double*> reals = {{"10", &e.Point.x}, {"20", &e.Point.y}, {"30", &e.Point.z},
                                                      {"41", &e.Scale.x}, {"42", &e.Scale.y}, {"43", &e.Scale.z},
                                                      {"50", &e.Rotation}};
        for (const auto& [code, value] : groups) {
            if (code == "5") e.Handle = value;
            if (code == "2") e.Name = value;
            if (code == "8") e.Layer = value;
            if (reals.count(code)) *reals.at(code) = ParseReal(value);
        }
    }
    return out;
}

void ExpectAgreement(const DxfBuffer& loaded, const std::string& text, const std::string& where) {
    DxfBuffer b = loaded;
    std::vector<TLineEnt> lines;
    std::vector<TInsertEnt> inserts;
    ReadLines(b, lines);
    ReadInserts(b, inserts);
    EXPECT_EQ(Rows(lines), Rows(ReferenceLines(text))) << where;
    EXPECT_EQ(Rows(inserts), Rows(ReferenceInserts(text))) << where;
}

// ---- generated exports: padded codes, both line breaks, entities in and out of ENTITIES ----

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

TEST(ReaderAgreement, FastReadersMatchTheReferenceOnGeneratedExports) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        const std::string text = GeneratedExport(seed);
        ExpectAgreement(Loaded(text), text, "seed " + std::to_string(seed));
    }
}

std::vector<std::filesystem::path> LibraryFiles(size_t limit) {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path root = "/usr/share/librecad/library";
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator() && files.size() < limit; it.increment(ec)) {
        if (it->path().extension() == ".dxf") files.push_back(it->path());
    }
    return files;
}

TEST(ReaderAgreement, FastReadersMatchTheReferenceOnLibrarySymbols) {
    const auto files = LibraryFiles(400);
    if (files.empty()) GTEST_SKIP() << "librecad-data is not installed";
    NativeFiles native;
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        if (!std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            continue;  // the reference reads bytes; the buffer converts the code page
        DxfBuffer b;
        ASSERT_TRUE(LoadExport(native, path.string(), b));
        ExpectAgreement(b, text, path.string());
    }
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
