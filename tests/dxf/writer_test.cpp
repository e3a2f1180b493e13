#include "dxf/dxf_frame.h"
#include "dxf/dxf_writer.h"
#include "dxf/round_trip.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"
#include "support/fake_ports.h"

namespace kv {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += item + "\r\n";
    return text;
}

// The LTYPE table as an R2000 export writes it, with the groups an R12 table does not know.
DxfBuffer ExportWithLinetypes() {
    DxfBuffer b;
    b.Load(
        DxfText({"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "VPORT", "  5", "8", " 70", "     1"}) +
        DxfText({"  0", "ENDTAB", "  0", "TABLE", "  2", "LTYPE", "  5", "5", "330", "0"}) +
        DxfText({"100", "AcDbSymbolTable", " 70", "     2", "  0", "LTYPE", "  5", "14", "330", "5"}) +
        DxfText({"100", "AcDbSymbolTableRecord", "100", "AcDbLinetypeTableRecord", "  2", "CONTINUOUS"}) +
        DxfText({" 70", "     0", "  3", "Solid line", " 72", "    65", " 73", "     0", " 40", "0.0"}) +
        DxfText({"  0", "LTYPE", "  2", "DOT.2", " 70", "     0", "  3", ". . .", " 72", "    65", " 73", "     2"}) +
        DxfText({" 40", "0.25", " 49", "0.0", " 74", "     0", " 49", "-0.25", " 74", "     0", "  0", "ENDTAB"}) +
        DxfText({"  0", "TABLE", "  2", "LAYER", "  0", "ENDTAB", "  0", "ENDSEC", "  0", "EOF"}));
    return b;
}

TEST(DxfFrame, WrapsEntitiesInTheR12FrameWithTheFilteredLinetypeTable) {
    DxfBuffer source = ExportWithLinetypes();
    const std::string text = Joined(DxfFrame(source, {"  0\r\nPOINT", " 10\r\n1"}));
    EXPECT_EQ(text,
              DxfText({"  0", "SECTION", "  2", "HEADER",     "  9", "$ACADVER", "  1", "AC1009",     "  0", "ENDSEC",
                       "  0", "SECTION", "  2", "TABLES",     "  0", "TABLE",    "  2", "LTYPE",      " 70", "     2",
                       "  0", "LTYPE",   "  2", "CONTINUOUS", " 70", "     0",   "  3", "Solid line", " 72", "    65",
                       " 73", "     0",  " 40", "0.0",        "  0", "LTYPE",    "  2", "DOT_2",      " 70", "     0",
                       "  3", ". . .",   " 72", "    65",     " 73", "     2",   " 40", "0.25",       " 49", "0.0",
                       " 49", "-0.25",   "  0", "ENDTAB",     "  0", "ENDSEC",   "  0", "SECTION",    "  2", "ENTITIES",
                       "  0", "POINT",   " 10", "1",          "  0", "ENDSEC",   "  0", "EOF"}));
}

TEST(CopyLtypeTable, WritesTheUnderscoredNameBackIntoTheSourceButNotIntoDescriptions) {
    DxfBuffer source = ExportWithLinetypes();
    std::vector<std::string> items;
    CopyLtypeTable(source, items);
    EXPECT_NE(source.Text().find("\r\nDOT_2\r\n"), std::string::npos);
    EXPECT_EQ(source.Text().find("DOT.2"), std::string::npos);
    EXPECT_NE(source.Text().find(". . ."), std::string::npos);
}

TEST(CopyLtypeTable, MissingOrUnfinishedTableGivesAnEmptyTable) {
    for (DxfBuffer source : {DxfOf({"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"}),
                             DxfOf({"  0", "TABLE", "  2", "LTYPE", "  0", "LTYPE", "  2", "DASHED"}),
                             DxfOf({"  2", "LTYPE", "  0", "ENDTAB"})}) {
        std::vector<std::string> items;
        CopyLtypeTable(source, items);
        EXPECT_EQ(Joined(items), DxfText({"  2", "LTYPE", " 70", "     0", "  0", "ENDTAB"}));
    }
}

// A write that fails must leave no old file behind to be inserted; an old file that cannot be
// removed fails the write before anything is written.
TEST(WriteDxfFile, ReplacesTheFileWithItemsEndingInCrLfOrReportsWhyNot) {
    struct Case {
        bool failWrites, undeletable, written;
        std::optional<std::string> left;
    };
    const Case cases[] = {{false, false, true, "  0\r\nEOF\r\nx\r\n"},
                          {true, false, false, std::nullopt},
                          {false, true, false, "old export"}};
    for (const Case& c : cases) {
        MemoryFiles files;
        files.texts["k.dxf"] = "old export";
        files.failWrites = c.failWrites;
        if (c.undeletable) files.undeletable.insert("k.dxf");
        EXPECT_EQ(WriteDxfFile(files, "k.dxf", {"  0\r\nEOF", "x"}), c.written);
        EXPECT_EQ(files.ReadText("k.dxf"), c.left);
    }
}
TEST(SaveDxfBuffer, GivesLinetypeDefinitionsTheNamesTheirReferencesCarry) {
    MemoryFiles files;
    DxfBuffer buffer = DxfOf({"  0", "TABLE",  "  2", "LAYER",  "  0", "LAYER", "  2", "A.B",   "  6", "DOT.2",
                              "  0", "ENDTAB", "  0", "TABLE",  "  2", "LTYPE", "  0", "LTYPE", "  2", "DOT.2",
                              "  3", "D.",     "  0", "ENDTAB", "  0", "LINE",  "  2", "X.Y",   "  6", "DOT_2"});
    ASSERT_TRUE(SaveDxfBuffer(files, "k.dxf", buffer));
    EXPECT_EQ(files.texts["k.dxf"],
              DxfText({"  0", "TABLE",  "  2", "LAYER",  "  0", "LAYER", "  2", "A.B",   "  6", "DOT_2",
                       "  0", "ENDTAB", "  0", "TABLE",  "  2", "LTYPE", "  0", "LTYPE", "  2", "DOT_2",
                       "  3", "D.",     "  0", "ENDTAB", "  0", "LINE",  "  2", "X.Y",   "  6", "DOT_2"}));
}

}  // namespace
}  // namespace kv
