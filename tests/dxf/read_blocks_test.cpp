#include "dxf/read_blocks.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"

namespace kv {
namespace {

using Strings = std::vector<std::string>;

// Section opened by the model-space block, as exports have it, then the given blocks.
BlockGeometry Read(std::initializer_list<const char*> blocks, int count) {
    DxfBuffer b;
    b.Load(DxfText({"0",  "SECTION", "2", "BLOCKS", "0",    "BLOCK", "8",  "0",  "2", "*Model_Space", "70", "0",  "10",
                    "0",  "20",      "0", "0",      "LINE", "8",     "MS", "10", "9", "20",           "9",  "11", "9",
                    "21", "8",       "0", "ENDBLK", "8",    "0"}) +
           DxfText(blocks) + DxfText({"0", "ENDSEC", "0", "EOF"}));
    BlockGeometry g;
    EXPECT_EQ(ReadBlocks(b, g), count);
    return g;
}

TEST(ReadBlocks, AnonymousBlocksOpeningTheSectionCountButGiveNoGeometry) {
    const BlockGeometry g = Read({"0",  "BLOCK",  "8",  "SYM", "2",  "RELAY", "10", "1",   "20", "2",   "30", "3",
                                  "0",  "LINE",   "8",  "OUT", "10", "0",     "20", "0",   "11", "5",   "21", "0",
                                  "0",  "CIRCLE", "10", "1",   "20", "1",     "40", "0.5", "0",  "ARC", "8",  "ARCS",
                                  "10", "2",      "20", "2",   "40", "1",     "50", "0",   "51", "90",  "0",  "ENDBLK"},
                                 2);
    EXPECT_EQ(Rows(g.blocks), (Strings{"*Model_Space|0|(0,0,0)", "RELAY|SYM|(1,2,3)"}));
    EXPECT_EQ(Rows(g.lines), Strings{"RELAY|OUT|(0,0,0)(5,0,0)"});
    EXPECT_EQ(Rows(g.circles), Strings{"RELAY|0|(1,1,0) r0.5"});
    EXPECT_EQ(Rows(g.arcs), Strings{"RELAY|ARCS|(2,2,0) r1 0-90"});
}

TEST(ReadBlocks, InsertInsideALaterAnonymousBlockNeitherRenamesItNorMovesItsBase) {
    const BlockGeometry g =
        Read({"0", "BLOCK", "2",  "A", "0",      "ENDBLK", "0",  "BLOCK", "8",  "0",  "2", "*U3",   "10",
              "4", "20",    "4",  "0", "INSERT", "8",      "X",  "2",     "A",  "10", "7", "20",    "7",
              "0", "LINE",  "10", "1", "20",     "1",      "11", "2",     "21", "2",  "0", "ENDBLK"},
             3);
    EXPECT_EQ(Row(g.blocks[2]), "*U3|0|(4,4,0)");
    EXPECT_EQ(Rows(g.lines), Strings{"*U3|0|(1,1,0)(2,2,0)"});
}

// Corners 1 2 4 3 in that order; a fourth corner that is missing or within reach of the third
// gives a triangle; a truncated solid still gives its outline.
TEST(ReadBlocks, SolidsBecomeTheirOutline) {
    BlockGeometry g = Read({"0", "BLOCK", "2", "S",  "0", "SOLID", "8", "FILL", "10", "0",  "20", "0", "11",
                            "4", "21",    "0", "12", "0", "22",    "2", "13",   "4",  "23", "2",  "0", "ENDBLK"},
                           2);
    EXPECT_EQ(Rows(g.lines), (Strings{"S|FILL|(0,0,0)(4,0,0)", "S|FILL|(4,0,0)(4,2,0)", "S|FILL|(4,2,0)(0,2,0)",
                                      "S|FILL|(0,2,0)(0,0,0)"}));
    g = Read({"0",  "BLOCK", "2",  "T",  "0",  "SOLID", "10",       "0",  "20", "0", "11",    "4",     "21",
              "0",  "12",    "2",  "22", "3",  "13",    "2.000001", "23", "3",  "0", "SOLID", "10",    "0",
              "20", "0",     "11", "1",  "21", "0",     "12",       "1",  "22", "1", "0",     "ENDBLK"},
             2);
    EXPECT_EQ(Rows(g.lines), (Strings{"T|0|(0,0,0)(4,0,0)", "T|0|(4,0,0)(2,3,0)", "T|0|(2,3,0)(0,0,0)",
                                      "T|0|(0,0,0)(1,0,0)", "T|0|(1,0,0)(1,1,0)", "T|0|(1,1,0)(0,0,0)"}));

    DxfBuffer b = DxfOf({"2", "BLOCKS", "0", "BLOCK", "2", "S", "0", "SOLID", "10", "1", "11", "2"});
    ASSERT_EQ(ReadBlocks(b, g), 1);
    EXPECT_EQ(g.lines.size(), 3u);
}

TEST(ReadBlocks, PolylinesBelongToTheirBlockAndVerticesToTheirPolyline) {
    const BlockGeometry g =
        Read({"0",  "BLOCK", "2",  "P",      "0",  "LWPOLYLINE", "5",      "A1", "8",  "L1",     "70",       "1",  "10",
              "0",  "20",    "0",  "42",     "1",  "10",         "2",      "20", "0",  "0",      "POLYLINE", "5",  "B1",
              "8",  "L2",    "66", "1",      "10", "0",          "20",     "0",  "0",  "VERTEX", "8",        "L2", "10",
              "5",  "20",    "5",  "30",     "1",  "0",          "VERTEX", "8",  "L2", "10",     "6",        "20", "5",
              "30", "1",     "0",  "SEQEND", "0",  "LINE",       "10",     "3",  "0",  "ENDBLK"},
             2);
    EXPECT_EQ(Rows(g.polylines), (Strings{"P|L1|A1|1", "P|L2|B1|0"}));
    EXPECT_EQ(Rows(g.vertices), (Strings{"A1|(0,0,0) 1", "A1|(2,0,0) 0", "B1|(5,5,1) 0", "B1|(6,5,1) 0"}));
    EXPECT_EQ(Rows(g.lines), Strings{"P|0|(3,0,0)(0,0,0)"}) << "the entity after SEQEND is read normally";
}

TEST(ReadBlocks, PolylinesWithoutHandlesKeepTheirOwnVertices) {
    const BlockGeometry g =
        Read({"0",  "BLOCK", "2",  "P", "0",  "LWPOLYLINE", "8",  "0",          "90", "2",     "10", "0",
              "20", "0",     "10", "1", "20", "0",          "0",  "LWPOLYLINE", "8",  "0",     "90", "2",
              "10", "5",     "20", "5", "10", "6",          "20", "5",          "0",  "ENDBLK"},
             2);
    ASSERT_EQ(g.polylines.size(), 2u);
    ASSERT_EQ(g.vertices.size(), 4u);
    EXPECT_NE(g.polylines[0].Handle, g.polylines[1].Handle);
    EXPECT_EQ(g.vertices[1].OwnerHandle, g.polylines[0].Handle);
    EXPECT_EQ(g.vertices[2].OwnerHandle, g.polylines[1].Handle);
}

TEST(ReadBlocks, FillsTheDetailedLayerListAndEmptiesEverythingFirst) {
    DxfBuffer b = DxfOf(
        {"0", "TABLE", "2", "LAYER", "0", "LAYER", "2", "WIRE", "70", "0", "62", "-7", "0", "ENDTAB", "0", "EOF"});
    BlockGeometry g;
    g.blocks.resize(2);
    g.lines.resize(2);
    g.vertices.resize(1);
    EXPECT_EQ(ReadBlocks(b, g), 0);
    EXPECT_EQ(g.layers, (LayerList{"WIRE,0,-7"}));
    EXPECT_TRUE(g.blocks.empty() && g.lines.empty() && g.vertices.empty());
}

}  // namespace
}  // namespace kv
