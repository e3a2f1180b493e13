#include "dxf/handle_edits.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"

namespace kv {
namespace {

DxfBuffer Export() {
    return DxfOf({"  0", "SECTION", "  2", "BLOCKS",   "  0", "ARC",  "  5", "A1",     " 10", "7",  "  0", "ENDSEC",  //
                  "  0", "SECTION", "  2", "ENTITIES",                                                                //
                  "  0", "LINE",    "  5", "A1",       " 10", "0",    " 20", "0",      " 30", "0",  " 11", "1",
                  " 21", "1",       " 31",
                  "0",  //
                  "  0", "ARC",     "  5", "B2",       "  8", "WIRE", " 10", "5",      " 20", "5",  " 30", "0",
                  " 40", "2.5",     "100", "AcDbArc",  " 50", "0",    " 51", "90",  //
                  "  0", "LINE",    "  5", "C3",       " 10", "4",    "  0", "ENDSEC", "  0", "EOF"});
}

TEST(DeleteEntityByHandle, RemovesTheEntityUpToTheNextGroupZeroOrTheEnd) {
    DxfBuffer buffer = Export();
    ASSERT_TRUE(DeleteEntityByHandle(buffer, "ARC", "B2"));
    EXPECT_NE(buffer.Text().find(DxfText({" 31", "0", "  0", "LINE", "  5", "C3"})), std::string::npos);
    EXPECT_EQ(buffer.Text().find("B2"), std::string::npos);
    buffer = DxfOf({"  2", "ENTITIES", "  0", "LINE", "  5", "1", " 10", "2"});
    ASSERT_TRUE(DeleteEntityByHandle(buffer, "LINE", "1"));
    EXPECT_EQ(buffer.Text(), DxfText({"  2", "ENTITIES"}));
}

TEST(HandleEdits, AHandleOfAnotherTypeOrOfNothingChangesNothing) {
    DxfBuffer buffer = Export();
    EXPECT_FALSE(DeleteEntityByHandle(buffer, "ARC", "C3"));
    EXPECT_FALSE(DeleteEntityByHandle(buffer, "LINE", "ZZ"));
    EXPECT_FALSE(PatchLineByHandle(buffer, "B2", {}, {}));
    EXPECT_FALSE(PatchArcByHandle(buffer, "A1", {}, 0, 0));  // A1 is a LINE in ENTITIES, an ARC in BLOCKS
    EXPECT_EQ(buffer.Text(), Export().Text());
}

}  // namespace
}  // namespace kv
