#include "simhost/dxf_out.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/encoding.h"
#include "dxf_sample_drawing.h"
#include "simhost/dxf_pairs.h"

namespace kv::sim {
namespace {

using testing::AllHandles;
using testing::SampleDrawing;

std::vector<DxfPair> Pairs(const std::string& file) {
    DxfPairsResult r = ReadDxfPairs(AnsiToUtf8(file));
    EXPECT_EQ(r.error, "");
    return r.pairs;
}

// The pairs from the "2"/name pair of a section up to its ENDSEC.
std::vector<DxfPair> Section(const std::vector<DxfPair>& pairs, const std::string& name) {
    std::vector<DxfPair> out;
    bool inside = false;
    for (const DxfPair& p : pairs) {
        if (p.code == 2 && p.value == name) inside = true;
        else if (inside && p.code == 0 && p.value == "ENDSEC") break;
        if (inside) out.push_back(p);
    }
    return out;
}

std::vector<std::string> ValuesOf(const std::vector<DxfPair>& pairs, int code) {
    std::vector<std::string> values;
    for (const DxfPair& p : pairs)
        if (p.code == code) values.push_back(p.value);
    return values;
}

TEST(DxfOut, R12HasNoSubclassMarkersOwnersOrLightPolylines) {
    Drawing d = SampleDrawing();
    auto pairs = Pairs(WriteDxfOut(d, AllHandles(d), DxfVersion::R12, 16));
    EXPECT_TRUE(ValuesOf(pairs, 100).empty());
    EXPECT_TRUE(ValuesOf(pairs, 330).empty());
    auto types = ValuesOf(Section(pairs, "ENTITIES"), 0);
    EXPECT_EQ(std::count(types.begin(), types.end(), "LWPOLYLINE"), 0);
    EXPECT_EQ(std::count(types.begin(), types.end(), "POLYLINE"), 4);
    EXPECT_EQ(std::count(types.begin(), types.end(), "SEQEND"), 4);
}

TEST(DxfOut, RealsKeepTheRequestedDecimalPlaces) {
    Drawing d = SampleDrawing();
    for (int decimals : {0, 3, 8}) {
        auto pairs = Pairs(WriteDxfOut(d, AllHandles(d), DxfVersion::R2000, decimals));
        for (const DxfPair& p : pairs) {
            bool real = (p.code >= 10 && p.code <= 59) || (p.code >= 140 && p.code <= 149);
            if (!real) continue;
            size_t dot = p.value.find('.');
            size_t places = dot == std::string::npos ? 0 : p.value.size() - dot - 1;
            EXPECT_LE(places, static_cast<size_t>(std::max(decimals, 1)))
                << "line " << p.line << " code " << p.code << ": " << p.value;
        }
    }
    auto entities = Section(Pairs(WriteDxfOut(d, AllHandles(d), DxfVersion::R2000, 3)), "ENTITIES");
    EXPECT_EQ(ValuesOf(entities, 10)[1], "0.333");
}

// Writes every variant into $KV_DXF_OUT_DIR for the ezdxf check (tests/simhost/dxf_ezdxf_check.py).
TEST(DxfOutFiles, WritesEveryVariantForTheEzdxfCheck) {
    const char* dir = std::getenv("KV_DXF_OUT_DIR");
    if (!dir) GTEST_SKIP() << "KV_DXF_OUT_DIR not set";
    Drawing d = SampleDrawing();
    for (auto [version, name] : {std::pair{DxfVersion::R2000, "2000"}, std::pair{DxfVersion::R12, "R12"}}) {
        for (int decimals : {0, 4, 16}) {
            std::string path = std::string(dir) + "/sample_" + name + "_" + std::to_string(decimals) + ".dxf";
            std::ofstream(path, std::ios::binary) << WriteDxfOut(d, AllHandles(d), version, decimals);
        }
        std::string empty = std::string(dir) + "/empty_" + name + ".dxf";
        std::ofstream(empty, std::ios::binary) << WriteDxfOut(Drawing(), {}, version, 16);
    }
}

}  // namespace
}  // namespace kv::sim
