#include "dxf/read_blocks.h"

#include <gtest/gtest.h>

#include "dxf_text.h"

namespace kv {
namespace {

std::vector<std::pair<Point3, Point3>> Edges(const BlockGeometry& g) {
    std::vector<std::pair<Point3, Point3>> out;
    for (const TLineBlk& l : g.lines) out.emplace_back(l.P1, l.P2);
    return out;
}

using Edge = std::pair<Point3, Point3>;

// Section opened by the model-space block, as exports have it, then the given block.
DxfBuffer BlocksWith(std::initializer_list<const char*> block) {
    std::string text = DxfText({"0", "SECTION", "2", "BLOCKS",
                                "0", "BLOCK", "8", "0", "2", "*Model_Space", "70", "0", "10", "0", "20", "0",
                                "0", "LINE", "8", "MS", "10", "9", "20", "9", "11", "9", "21", "8",
                                "0", "ENDBLK", "8", "0"});
    text += DxfText(block);
    text += DxfText({"0", "ENDSEC", "0", "EOF"});
    DxfBuffer b;
    b.Load(text);
    return b;
}

TEST(ReadBlocks, AnonymousBlocksOpeningTheSectionCountButGiveNoGeometry) {
    DxfBuffer b = BlocksWith({"0", "BLOCK", "8", "SYM", "2", "RELAY", "10", "1", "20", "2", "30", "3",
                              "0", "LINE", "8", "OUT", "10", "0", "20", "0", "11", "5", "21", "0",
                              "0", "CIRCLE", "10", "1", "20", "1", "40", "0.5",
                              "0", "ARC", "8", "ARCS", "10", "2", "20", "2", "40", "1", "50", "0", "51", "90",
                              "0", "ENDBLK"});
    BlockGeometry g;
    ASSERT_EQ(ReadBlocks(b, g), 2);
    EXPECT_EQ(g.blocks[0].Name, "*Model_Space");
    EXPECT_EQ(g.blocks[1].Name, "RELAY");
    EXPECT_EQ(g.blocks[1].Layer, "SYM");
    EXPECT_EQ(g.blocks[1].BasePoint, (Point3{1, 2, 3}));
    ASSERT_EQ(g.lines.size(), 1u);
    EXPECT_EQ(g.lines[0].BlockName, "RELAY");
    EXPECT_EQ(g.lines[0].Layer, "OUT");
    EXPECT_EQ(g.lines[0].P2, (Point3{5, 0, 0}));
    ASSERT_EQ(g.circles.size(), 1u);
    EXPECT_EQ(g.circles[0].Layer, "0");
    EXPECT_EQ(g.circles[0].Radius, 0.5);
    ASSERT_EQ(g.arcs.size(), 1u);
    EXPECT_EQ(g.arcs[0].EndAngle, 90);
}

TEST(ReadBlocks, LaterAnonymousBlocksAreReadUnderTheirOwnNameAndHeader) {
    // An INSERT inside the anonymous block must neither rename it nor move its base point.
    DxfBuffer b = BlocksWith({"0", "BLOCK", "2", "A", "0", "ENDBLK",
                              "0", "BLOCK", "8", "0", "2", "*U3", "10", "4", "20", "4",
                              "0", "INSERT", "8", "X", "2", "A", "10", "7", "20", "7",
                              "0", "LINE", "10", "1", "20", "1", "11", "2", "21", "2", "0", "ENDBLK"});
    BlockGeometry g;
    ASSERT_EQ(ReadBlocks(b, g), 3);
    EXPECT_EQ(g.blocks[2].Name, "*U3");
    EXPECT_EQ(g.blocks[2].Layer, "0");
    EXPECT_EQ(g.blocks[2].BasePoint, (Point3{4, 4, 0}));
    ASSERT_EQ(g.lines.size(), 1u);
    EXPECT_EQ(g.lines[0].BlockName, "*U3");
}

TEST(ReadBlocks, SolidIsOutlinedInCornerOrderOneTwoFourThree) {
    DxfBuffer b = BlocksWith({"0", "BLOCK", "2", "S", "0", "SOLID", "8", "FILL",
                              "10", "0", "20", "0", "11", "4", "21", "0", "12", "0", "22", "2", "13", "4", "23", "2",
                              "0", "ENDBLK"});
    BlockGeometry g;
    ReadBlocks(b, g);
    const Point3 c1{0, 0, 0}, c2{4, 0, 0}, c3{0, 2, 0}, c4{4, 2, 0};
    EXPECT_EQ(Edges(g), (std::vector<Edge>{{c1, c2}, {c2, c4}, {c4, c3}, {c3, c1}}));
    EXPECT_EQ(g.lines[0].Layer, "FILL");
    EXPECT_EQ(g.lines[3].BlockName, "S");
}

TEST(ReadBlocks, SolidWithCoincidingThirdAndFourthCornersIsATriangle) {
    DxfBuffer b = BlocksWith({"0", "BLOCK", "2", "T", "0", "SOLID",
                              "10", "0", "20", "0", "11", "4", "21", "0", "12", "2", "22", "3",
                              "13", "2.000001", "23", "3", "0", "SOLID",
                              "10", "0", "20", "0", "11", "1", "21", "0", "12", "1", "22", "1", "0", "ENDBLK"});
    BlockGeometry g;
    ReadBlocks(b, g);
    const Point3 a{0, 0, 0}, c2{4, 0, 0}, c3{2, 3, 0};
    const Point3 d2{1, 0, 0}, d3{1, 1, 0};
    EXPECT_EQ(Edges(g), (std::vector<Edge>{{a, c2}, {c2, c3}, {c3, a}, {a, d2}, {d2, d3}, {d3, a}}))
        << "a missing fourth corner repeats the third";
}

TEST(ReadBlocks, PolylinesBelongToTheirBlockWithLayerAndVertices) {
    DxfBuffer b = BlocksWith({"0", "BLOCK", "2", "P", "0", "LWPOLYLINE", "5", "A1", "8", "L1", "70", "1",
                              "10", "0", "20", "0", "42", "1", "10", "2", "20", "0",
                              "0", "POLYLINE", "5", "B1", "8", "L2", "66", "1", "10", "0", "20", "0",
                              "0", "VERTEX", "8", "L2", "10", "5", "20", "5", "30", "1",
                              "0", "VERTEX", "8", "L2", "10", "6", "20", "5", "30", "1", "0", "SEQEND",
                              "0", "LINE", "10", "3", "0", "ENDBLK"});
    BlockGeometry g;
    ReadBlocks(b, g);
    ASSERT_EQ(g.polylines.size(), 2u);
    EXPECT_EQ(g.polylines[0].Owner, "P");
    EXPECT_EQ(g.polylines[0].Layer, "L1");
    EXPECT_EQ(g.polylines[0].Flags, 1);
    EXPECT_EQ(g.polylines[1].Handle, "B1");
    EXPECT_EQ(g.polylines[1].Layer, "L2");
    ASSERT_EQ(g.vertices.size(), 4u);
    EXPECT_EQ(g.vertices[0].Bulge, 1);
    EXPECT_EQ(g.vertices[0].OwnerHandle, "A1");
    EXPECT_EQ(g.vertices[3].OwnerHandle, "B1");
    EXPECT_EQ(g.vertices[3].Point, (Point3{6, 5, 1}));
    ASSERT_EQ(g.lines.size(), 1u) << "the entity after SEQEND is read normally";
    EXPECT_EQ(g.lines[0].P1.x, 3);
}

TEST(ReadBlocks, PolylinesWithoutHandlesKeepTheirOwnVertices) {
    DxfBuffer b = BlocksWith({"0", "BLOCK", "2", "P", "0", "LWPOLYLINE", "8", "0", "90", "2",
                              "10", "0", "20", "0", "10", "1", "20", "0",
                              "0", "LWPOLYLINE", "8", "0", "90", "2", "10", "5", "20", "5", "10", "6", "20", "5",
                              "0", "ENDBLK"});
    BlockGeometry g;
    ReadBlocks(b, g);
    ASSERT_EQ(g.polylines.size(), 2u);
    ASSERT_EQ(g.vertices.size(), 4u);
    EXPECT_NE(g.polylines[0].Handle, g.polylines[1].Handle);
    EXPECT_EQ(g.vertices[1].OwnerHandle, g.polylines[0].Handle);
    EXPECT_EQ(g.vertices[2].OwnerHandle, g.polylines[1].Handle);
}

TEST(ReadBlocks, FillsTheDetailedLayerListAndEmptiesEverythingFirst) {
    DxfBuffer b = DxfOf({"0", "TABLE", "2", "LAYER", "0", "LAYER", "2", "WIRE", "70", "0", "62", "-7",
                         "0", "ENDTAB", "0", "EOF"});
    BlockGeometry g;
    g.blocks.resize(2);
    g.lines.resize(2);
    g.vertices.resize(1);
    EXPECT_EQ(ReadBlocks(b, g), 0);
    EXPECT_EQ(g.layers, (LayerList{"WIRE,0,-7"}));
    EXPECT_TRUE(g.blocks.empty());
    EXPECT_TRUE(g.lines.empty());
    EXPECT_TRUE(g.vertices.empty());
}

TEST(ReadBlocks, ATruncatedSolidStillGivesItsOutline) {
    DxfBuffer b = DxfOf({"2", "BLOCKS", "0", "BLOCK", "2", "S", "0", "SOLID", "10", "1", "11", "2"});
    BlockGeometry g;
    ASSERT_EQ(ReadBlocks(b, g), 1);
    EXPECT_EQ(g.lines.size(), 3u);
}

}  // namespace
}  // namespace kv
