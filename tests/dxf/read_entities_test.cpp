#include "dxf/read_entities.h"

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "support/dxf_text.h"
#include "support/expect_throw_message.h"

namespace kv {
namespace {

using Strings = std::vector<std::string>;

// Codes compare as trimmed text: padding counts, "010" is no group 10; a repeated group keeps the
// last value; dotted linetypes are read with underscores.
TEST(ReadLines, OnlyEntitiesOfTheEntitiesSectionWithDefaultsAndTheCodeRule) {
    DxfBuffer b =
        DxfOf({"  0", "SECTION",    "  2", "BLOCKS", "  0", "LINE",   " 10", "9",    "  0", "ENDSEC", "  0", "SECTION",
               "  2", " ENTITIES ", "  0", "LINE",   "  5", "2F",     "  8", "WIRE", "  6", "DOT.2",  " 62", "1",
               " 48", "2.5",        " 10", "1",      " 20", "2",      " 30", "3",    " 11", "4",      " 21", "5",
               " 31", "6",          "  0", "LINE",   "  8", "0",      " 10", "7",    "10 ", " 1.5",   "010", "9",
               " 20", "2",          "  6", "CENTER", "  0", "ENDSEC", "  0", "LINE", " 10", "5",      "  0", "EOF"});
    std::vector<TLineEnt> lines(3);
    EXPECT_EQ(ReadLines(b, lines), 2);
    EXPECT_EQ(Rows(lines), (Strings{"2F|WIRE|DOT_2|1|2.5|(1,2,3)(4,5,6)", "|0|CENTER|256|1|(1.5,2,0)(0,0,0)"}));
}

TEST(ReadLines, AnOddTrailingLineIsNeverRead) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "LINE", "10", "1", "0"});
    std::vector<TLineEnt> lines;
    EXPECT_EQ(ReadLines(b, lines), 1);
    b = DxfOf({"2", "ENTITIES", "0", "LINE", "10", "1", "0", "LINE", "10"});
    EXPECT_EQ(ReadLines(b, lines), 2);
    EXPECT_EQ(lines[1].P1.x, 0);
}

TEST(ReadLines, ANonNumberNamesItsLine) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "LINE", "10", "1", "20", "abc"});
    std::vector<TLineEnt> lines;
    EXPECT_THROW_MESSAGE(ReadLines(b, lines), ConversionError,
                         "line 8, group 20: 'abc' is not a valid floating point value");
    b = DxfOf({"2", "ENTITIES", "0", "LINE", "62", "red"});
    EXPECT_THROW(ReadLines(b, lines), ConversionError);
}

TEST(ReadArcs, ReadsCentreRadiusAndAnglesInDegrees) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0", "ARC", "5",  "A1", "8",   "L", "6",    "DOT.X", "10", "1", "20",
                         "2", "40",       "3", "50",  "90", "51", "180", "0", "LINE", "40",    "9",  "0", "ENDSEC"});
    std::vector<TArcEnt> arcs;
    ASSERT_EQ(ReadArcs(b, arcs), 1);
    EXPECT_EQ(Rows(arcs), Strings{"A1|L|DOT_X|256|1|(1,2,0) r3 90-180"});
}

TEST(ReadInserts, ReadsPlacementAndDefaultsScaleToOne) {
    DxfBuffer b = DxfOf({"2",  "ENTITIES", "0",  "INSERT", "5",  "1C",   "2",  "RELAY", "8",  "SYM",
                         "10", "5",        "20", "6",      "30", "7",    "41", "2",     "43", "-1",
                         "50", "45",       "0",  "INSERT", "2",  "LAMP", "0",  "ENDSEC"});
    std::vector<TInsertEnt> inserts;
    ASSERT_EQ(ReadInserts(b, inserts), 2);
    EXPECT_EQ(Rows(inserts), (Strings{"1C|RELAY|SYM|(5,6,7) x(2,1,-1) 45", "|LAMP||(0,0,0) x(1,1,1) 0"}));
}

struct Polylines {
    std::vector<TLwpBlk> heads;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> attributes = std::vector<TLineEnt>(3);
    int Read(DxfBuffer& b) { return ReadPolylines(b, heads, vertices, attributes); }
};

// The layer goes into the one attribute record, not into the headers.
TEST(ReadPolylines, LwPolylineGivesOneHeaderFlatVerticesAndOneAttributeRecord) {
    DxfBuffer b = DxfOf({"2",  "ENTITIES", "0",  "LWPOLYLINE", "5",  "3A", "8",  "WIRE", "62", "3",
                         "6",  "DOT.2",    "70", "1",          "10", "0",  "20", "0",    "10", "10",
                         "20", "0",        "42", "0.5",        "10", "10", "20", "5",    "0",  "ENDSEC"});
    Polylines p;
    ASSERT_EQ(p.Read(b), kLwPolyline);
    EXPECT_EQ(Rows(p.heads), Strings{"LWP|0|3A|1"});
    EXPECT_EQ(Rows(p.vertices), (Strings{"3A|(0,0,0) 0", "3A|(10,0,0) 0.5", "3A|(10,5,0) 0"}));
    EXPECT_EQ(Rows(p.attributes), Strings{"|WIRE|DOT_2|3|1|(0,0,0)(0,0,0)"});
}

TEST(ReadPolylines, OldPolylineVerticesKeepZAndTheirOwnHandleAndLayerAreNotRead) {
    DxfBuffer b =
        DxfOf({"2",  "ENTITIES", "0",  "POLYLINE", "5",  "40", "8",      "P",      "66", "1",  "10", "0",  "20",
               "0",  "30",       "9",  "70",       "8",  "0",  "VERTEX", "5",      "41", "8",  "Q",  "10", "1",
               "20", "2",        "30", "3",        "70", "32", "0",      "VERTEX", "5",  "42", "10", "4",  "20",
               "5",  "30",       "6",  "42",       "-1", "0",  "SEQEND", "5",      "43", "8",  "R",  "0",  "ENDSEC"});
    Polylines p;
    ASSERT_EQ(p.Read(b), kOldPolyline);
    EXPECT_EQ(Rows(p.heads), Strings{"PLN|0|40|8"});
    EXPECT_EQ(Rows(p.vertices), (Strings{"40|(1,2,3) 0", "40|(4,5,6) -1"}));
    EXPECT_EQ(p.attributes[0].Layer, "P");
}

// Without its SEQEND a POLYLINE ends at the next entity that is no VERTEX, and at its section's end.
TEST(ReadPolylines, NothingOutsideAnOpenPolylineBecomesPartOfIt) {
    DxfBuffer b = DxfOf({"2", "ENTITIES", "0",  "POLYLINE", "5", "40",       "0",  "LINE", "10", "7",
                         "0", "VERTEX",   "10", "1",        "0", "POLYLINE", "5",  "50",   "0",  "ENDSEC",
                         "0", "SECTION",  "2",  "OBJECTS",  "5", "X",        "10", "2",    "0",  "EOF"});
    Polylines p;
    ASSERT_EQ(p.Read(b), kOldPolyline);
    EXPECT_EQ(Rows(p.heads), (Strings{"PLN|0|40|0", "PLN|0|50|0"}));
    EXPECT_TRUE(p.vertices.empty());
}

TEST(ReadPolylines, TheLastPolylineDecidesKindAndAttributes) {
    DxfBuffer b =
        DxfOf({"2",  "ENTITIES", "0",  "POLYLINE", "62", "5",      "0", "SEQEND",     "0", "LWPOLYLINE", "8", "W",
               "10", "1",        "20", "1",        "0",  "ENDSEC", "0", "LWPOLYLINE", "8", "OUTSIDE",    "0", "EOF"});
    Polylines p;
    EXPECT_EQ(p.Read(b), kLwPolyline);
    EXPECT_EQ(p.heads.size(), 2u);
    EXPECT_EQ(Rows(p.attributes), Strings{"|W|BYLAYER|256|1|(0,0,0)(0,0,0)"}) << "each starts from BYLAYER";
    b = DxfOf({"0", "EOF"});
    EXPECT_EQ(p.Read(b), kNoPolyline);
    EXPECT_TRUE(p.heads.empty());
    EXPECT_EQ(p.attributes.size(), 1u);
}

}  // namespace
}  // namespace kv
