#include "dxf/read_tables.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"

namespace kv {
namespace {

TEST(ReadHeaderVars, StoresTheRawValueLinesOfTheFiveVariables) {
    DxfBuffer b = DxfOf({"0", "SECTION",  "2",  "HEADER",     "9",  "$ACADVER",  "1",  "AC1015",   "9", "$CLAYER",
                         "8", " WIRE ",   "9",  "$CELTSCALE", "40", "0.5",       "9",  "$CELTYPE", "6", "ByLayer",
                         "9", "$CECOLOR", "62", "256",        "9",  "$DIMSCALE", "40", "20.0",     "0", "ENDSEC"});
    HeaderVars v;
    v.CLayer = "stale";
    ReadHeaderVars(b, v);
    EXPECT_EQ(v.CLayer, " WIRE ");
    EXPECT_EQ(v.CeLtScale, "0.5");
    EXPECT_EQ(v.CeLtype, "ByLayer");
    EXPECT_EQ(v.CeColor, "256");
    EXPECT_EQ(v.DimScale, "20.0");
}

TEST(ReadHeaderVars, ADimScaleThatIsNotAPositiveNumberBecomesOne) {
    for (const char* bad : {"0", "-2.5", "abc", "", "0.0"}) {
        DxfBuffer b = DxfOf({"9", "$DIMSCALE", "40", bad, "0", "ENDSEC"});
        HeaderVars v;
        ReadHeaderVars(b, v);
        EXPECT_EQ(v.DimScale, "1.0") << "for '" << bad << "'";
    }
}

TEST(ReadHeaderVars, MissingVariablesStayEmptyAndTheScanStopsAtTheFirstEndsec) {
    DxfBuffer b = DxfOf({"9", "$CLAYER", "8", "A", "0", "ENDSEC", "9", "$DIMSCALE", "40", "0", "9", "$CECOLOR"});
    HeaderVars v;
    ReadHeaderVars(b, v);
    EXPECT_EQ(v.CLayer, "A");
    EXPECT_EQ(v.DimScale, "") << "a $DIMSCALE after the header is not read, so it is not made 1.0";
    EXPECT_EQ(v.CeColor, "");
    b = DxfOf({"9", "$CLAYER"});  // a name on the last pair has no value to take
    HeaderVars last;
    ReadHeaderVars(b, last);
    EXPECT_EQ(last.CLayer, "");
}

DxfBuffer LayerTable() {
    return DxfOf({"0",  "SECTION", "2",  "TABLES",   "0",  "TABLE",   "2",  "LTYPE", "70", "1",          "0",  "LTYPE",
                  "2",  "DOT",     "0",  "ENDTAB",   "0",  "TABLE",   "2",  "LAYER", "5",  "2",          "70", "3",
                  "0",  "LAYER",   "2",  "0",        "70", "0",       "62", "7",     "6",  "CONTINUOUS", "0",  "LAYER",
                  "2",  "WIRE ",   "70", " 0",       "62", "-7",      "0",  "LAYER", "2",  "LAYER",      "70", "4",
                  "62", "1",       "0",  "LAYER",    "2",  "NOCOLOR", "70", "0",     "0",  "ENDTAB",     "0",  "TABLE",
                  "2",  "STYLE",   "2",  "STANDARD", "0",  "ENDTAB",  "0",  "ENDSEC"});
}

TEST(ReadLayerTable, DetailedItemsJoinNameFlagsAndColourPlainItemsAreTrimmedNames) {
    DxfBuffer b = LayerTable();
    LayerList layers{"stale"};
    ASSERT_EQ(ReadLayerTable(b, layers, true), 3);
    EXPECT_EQ(layers, (LayerList{"0,0,7", "WIRE ,0,-7", "LAYER,4,1"}));
    ASSERT_EQ(ReadLayerTable(b, layers, false), 4);
    EXPECT_EQ(layers, (LayerList{"0", "WIRE", "LAYER", "NOCOLOR"}));
    b = DxfOf({"0", "SECTION", "2", "LAYER", "2", "X", "62", "1", "0", "ENDSEC"});  // no LAYER table
    EXPECT_EQ(ReadLayerTable(b, layers, true), 0);
    EXPECT_TRUE(layers.empty());
}

}  // namespace
}  // namespace kv
