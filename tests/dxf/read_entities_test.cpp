#include "dxf/read_entities.h"

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "dxf_text.h"

namespace kv {
namespace {

TEST(ReadLines, BackToBackLinesShareTheZeroPairAndGetDefaults) {
    DxfBuffer b = DxfOf({"  0", "SECTION", "  2", "ENTITIES",
                         "  0", "LINE", "  5", "2F", "  8", "WIRE", "  6", "DASHED", " 62", "1", " 48", "2.5",
                         " 10", "1", " 20", "2", " 30", "3", " 11", "4", " 21", "5", " 31", "6",
                         "  0", "LINE", "  8", "0", " 10", "7", " 10", "8",
                         "  0", "ENDSEC", "  0", "EOF"});
    std::vector<TLineEnt> lines;
    ASSERT_EQ(ReadLines(b, lines), 2);
    EXPECT_EQ(lines[0].Handle, "2F");
    EXPECT_EQ(lines[0].Layer, "WIRE");
    EXPECT_EQ(lines[0].Linetype, "DASHED");
    EXPECT_EQ(lines[0].Color, 1);
    EXPECT_EQ(lines[0].LtScale, 2.5);
    EXPECT_EQ(lines[0].P1, (Point3{1, 2, 3}));
    EXPECT_EQ(lines[0].P2, (Point3{4, 5, 6}));
    EXPECT_EQ(lines[1].Handle, "");
    EXPECT_EQ(lines[1].Linetype, "BYLAYER");
    EXPECT_EQ(lines[1].Color, kColorByLayer);
    EXPECT_EQ(lines[1].LtScale, 1.0);
    EXPECT_EQ(lines[1].P1.x, 8) << "a repeated group keeps the last value";
}

TEST(ReadLines, OnlyTheEntitiesSectionCounts) {
    DxfBuffer b = DxfOf({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK", "  2", "B",
                         "  0", "LINE", " 10", "9", "  0", "ENDBLK", "  0", "ENDSEC",
                         "  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", " 10", "1",
                         "  0", "ENDSEC", "  0", "LINE", " 10", "5", "  0", "EOF"});
    std::vector<TLineEnt> lines{TLineEnt{}, TLineEnt{}, TLineEnt{}};
    ASSERT_EQ(ReadLines(b, lines), 1) << "the reader empties its array first";
    EXPECT_EQ(lines[0].P1.x, 1);
}

TEST(ReadLines, CodesCompareAsTrimmedTextSoPaddingCountsButLeadingZerosDoNot) {
    DxfBuffer b = DxfOf({"2", " ENTITIES ", "0", "LINE", "10 ", " 1.5", "010", "7", " 20", "2", "0", "ENDSEC"});
    std::vector<TLineEnt> lines;
    ASSERT_EQ(ReadLines(b, lines), 1);
    EXPECT_EQ(lines[0].P1, (Point3{1.5, 2, 0}));
}

TEST(ReadLines, AnOddTrailingLineIsNeverRead) {
    // The last "LINE" line has no partner, so no second record opens.
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "LINE", "10", "1", "0"});
    std::vector<TLineEnt> lines;
    EXPECT_EQ(ReadLines(b, lines), 1);
    b = DxfOf({"2", "ENTITIES", "0", "LINE", "10", "1", "0", "LINE", "10"});
    EXPECT_EQ(ReadLines(b, lines), 2);
    EXPECT_EQ(lines[1].P1.x, 0);
}

TEST(ReadLines, DottedLinetypeReadsWithUnderscoresInRecordAndBuffer) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "LINE", "6", "DOT.2", "0", "LINE", "6", "CENTER", "0", "ENDSEC"});
    std::vector<TLineEnt> lines;
    ReadLines(b, lines);
    EXPECT_EQ(lines[0].Linetype, "DOT_2");
    EXPECT_EQ(b.Line(5), "DOT_2");
    EXPECT_EQ(lines[1].Linetype, "CENTER");
    EXPECT_EQ(b.Text().find("DOT.2"), std::string::npos);
}

TEST(ReadLines, ANonNumberNamesItsLine) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "LINE", "10", "1", "20", "abc"});
    std::vector<TLineEnt> lines;
    try {
        ReadLines(b, lines);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "line 8: 'abc' is not a valid floating point value");
    }
    b = DxfOf({"2", "ENTITIES", "0", "LINE", "62", "red"});
    EXPECT_THROW(ReadLines(b, lines), ConversionError);
}

TEST(ReadArcs, ReadsCentreRadiusAndAnglesInDegrees) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "ARC", "5", "A1", "8", "L", "6", "DOT.X", "10", "1", "20", "2",
                         "40", "3", "50", "90", "51", "180", "0", "LINE", "40", "9", "0", "ENDSEC"});
    std::vector<TArcEnt> arcs;
    ASSERT_EQ(ReadArcs(b, arcs), 1);
    EXPECT_EQ(arcs[0].Handle, "A1");
    EXPECT_EQ(arcs[0].Linetype, "DOT_X");
    EXPECT_EQ(arcs[0].Center, (Point3{1, 2, 0}));
    EXPECT_EQ(arcs[0].Radius, 3);
    EXPECT_EQ(arcs[0].StartAngle, 90);
    EXPECT_EQ(arcs[0].EndAngle, 180);
}

TEST(ReadInserts, ReadsPlacementAndDefaultsScaleToOne) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "INSERT", "5", "1C", "2", "RELAY", "8", "SYM", "10", "5", "20", "6",
                         "30", "7", "41", "2", "43", "-1", "50", "45", "0", "INSERT", "2", "LAMP", "0", "ENDSEC"});
    std::vector<TInsertEnt> inserts;
    ASSERT_EQ(ReadInserts(b, inserts), 2);
    EXPECT_EQ(inserts[0].Name, "RELAY");
    EXPECT_EQ(inserts[0].Point, (Point3{5, 6, 7}));
    EXPECT_EQ(inserts[0].Scale, (Point3{2, 1, -1}));
    EXPECT_EQ(inserts[0].Rotation, 45);
    EXPECT_EQ(inserts[1].Scale, (Point3{1, 1, 1}));
    EXPECT_EQ(inserts[1].Rotation, 0);
}

TEST(ReadPolylines, LwPolylineGivesOneHeaderAndFlatVertices) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "LWPOLYLINE", "5", "3A", "8", "WIRE", "62", "3", "6", "DOT.2",
                         "70", "1", "10", "0", "20", "0", "10", "10", "20", "0", "42", "0.5", "10", "10", "20", "5",
                         "0", "ENDSEC"});
    std::vector<TLwpBlk> heads;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> attributes(3);
    ASSERT_EQ(ReadPolylines(b, heads, vertices, attributes), kLwPolyline);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].Owner, "LWP");
    EXPECT_EQ(heads[0].Handle, "3A");
    EXPECT_EQ(heads[0].Flags, 1);
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[1].OwnerHandle, "3A");
    EXPECT_EQ(vertices[1].Point, (Point3{10, 0, 0}));
    EXPECT_EQ(vertices[1].Bulge, 0.5);
    EXPECT_EQ(vertices[2].Point, (Point3{10, 5, 0}));
    ASSERT_EQ(attributes.size(), 1u) << "the attribute record replaces whatever was read before";
    EXPECT_EQ(attributes[0].Layer, "WIRE");
    EXPECT_EQ(attributes[0].Color, 3);
    EXPECT_EQ(attributes[0].Linetype, "DOT_2");
    EXPECT_EQ(b.Line(11), "DOT_2");
}

TEST(ReadPolylines, OldPolylineVerticesKeepZAndTheirOwnHandleIsNotRead) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "POLYLINE", "5", "40", "8", "P", "66", "1", "10", "0", "20", "0",
                         "30", "9", "70", "8",
                         "0", "VERTEX", "5", "41", "8", "Q", "10", "1", "20", "2", "30", "3", "70", "32",
                         "0", "VERTEX", "5", "42", "10", "4", "20", "5", "30", "6", "42", "-1",
                         "0", "SEQEND", "5", "43", "8", "R", "0", "ENDSEC"});
    std::vector<TLwpBlk> heads;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> attributes;
    ASSERT_EQ(ReadPolylines(b, heads, vertices, attributes), kOldPolyline);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].Owner, "PLN");
    EXPECT_EQ(heads[0].Handle, "40");
    EXPECT_EQ(heads[0].Flags, 8);
    ASSERT_EQ(vertices.size(), 2u);
    EXPECT_EQ(vertices[0].OwnerHandle, "40");
    EXPECT_EQ(vertices[0].Point, (Point3{1, 2, 3}));
    EXPECT_EQ(vertices[1].Point, (Point3{4, 5, 6}));
    EXPECT_EQ(vertices[1].Bulge, -1);
    EXPECT_EQ(attributes[0].Layer, "P") << "vertex and SEQEND layers do not count";
}

TEST(ReadPolylines, TheLastPolylineDecidesKindAndAttributes) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "POLYLINE", "62", "5", "0", "SEQEND",
                         "0", "LWPOLYLINE", "8", "W", "10", "1", "20", "1", "0", "ENDSEC",
                         "0", "LWPOLYLINE", "8", "OUTSIDE", "0", "EOF"});
    std::vector<TLwpBlk> heads;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> attributes;
    EXPECT_EQ(ReadPolylines(b, heads, vertices, attributes), kLwPolyline);
    EXPECT_EQ(heads.size(), 2u);
    EXPECT_EQ(attributes[0].Color, kColorByLayer) << "each polyline starts from BYLAYER";
    EXPECT_EQ(attributes[0].Layer, "W");
    b = DxfOf({"0", "EOF"});
    EXPECT_EQ(ReadPolylines(b, heads, vertices, attributes), kNoPolyline);
    EXPECT_TRUE(heads.empty());
    EXPECT_EQ(attributes.size(), 1u);
}

}  // namespace
}  // namespace kv
