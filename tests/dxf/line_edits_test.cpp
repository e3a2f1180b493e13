#include "dxf/line_edits.h"

#include <gtest/gtest.h>

#include "support/dxf_text.h"

namespace kv {
namespace {

TLineEnt Record(std::string handle, Point3 p1 = {}, Point3 p2 = {}) {
    TLineEnt line;
    line.Handle = std::move(handle);
    line.P1 = p1;
    line.P2 = p2;
    return line;
}

DxfBuffer Export() {
    return DxfOf({"  0", "SECTION", "  2", "TABLES",   "  0", "TABLE",  "  2", "LAYER",  "  0", "LAYER",
                  "  2", "WIRE",    "  6", "DOT.2",    "  0", "ENDTAB", "  0", "ENDSEC",  //
                  "  0", "SECTION", "  2", "BLOCKS",   "  0", "LINE",   "  5", "2F",     " 10", "7",
                  "  0", "ENDSEC",                      //
                  "  0", "SECTION", "  2", "ENTITIES",  //
                  "  0", "LINE",    "  5", "2E",       "  8", "WIRE",   "  6", "DOT.2",  " 10", "0",
                  " 20", "0",       " 30", "0",        " 11", "1",      " 21", "0",      " 31", "0",  //
                  "  0", "LINE",    "  5", "2F",       "  8", "WIRE",   " 10", "0",      " 20", "5",
                  " 30", "2",       " 11", "9",        " 21", "5",      " 31", "2",  //
                  "  0", "ARC",     "  5", "30",       " 10", "0",      "  0", "ENDSEC", "  0", "EOF"});
}

TEST(EditMark, AddsPlusOnceButMinusEveryTime) {
    TLineEnt line = Record("2F");
    EditMark(line, LineEdit::kMoved);
    EditMark(line, LineEdit::kMoved);
    EXPECT_EQ(line.Handle, "+2F");
    EditMark(line, LineEdit::kRemoved);
    EditMark(line, LineEdit::kRemoved);
    EXPECT_EQ(line.Handle, "--+2F");
}

TLineEnt Marked(std::string handle, std::initializer_list<LineEdit> edits, Point3 p1 = {}, Point3 p2 = {}) {
    TLineEnt line = Record(std::move(handle), p1, p2);
    for (LineEdit edit : edits) EditMark(line, edit);
    return line;
}

// "-" removes exactly its LINE of the ENTITIES section; "+" sets its plan coordinates and keeps Z
// and the linetype; unmarked or unmatched records change nothing.
TEST(ApplyLineEdits, MarkedRecordsEditOnlyTheirLines) {
    const std::string removed = DxfText({"  5", "2F", "  8"});
    const std::string blockLine = DxfText({"  2", "BLOCKS", "  0", "LINE", "  5", "2F", " 10", "7"});
    struct Case {
        std::vector<TLineEnt> records;
        std::vector<std::string> present, absent;
        size_t lines;
    };
    const size_t all = Export().LineCount();
    const Case cases[] = {
        {{Record("2E"), Marked("2F", {LineEdit::kRemoved})},
         {DxfText({" 31", "0", "  0", "ARC", "  5", "30"}), blockLine, "DOT.2"},
         {removed},
         all - 18},
        {{Record("x"), Marked("2F", {LineEdit::kMoved}, {0.5, 5, 99}, {1e-7, 6, 99})},
         {DxfText({"  5", "2F", "  8", "WIRE", " 10", "0.5", " 20", "5", " 30", "2", " 11", "1E-7", " 21", "6", " 31",
                   "2"}),
          blockLine},
         {},
         all},
        {{Marked("2F", {LineEdit::kMoved})}, {DxfText({"  6", "DOT.2", " 10"})}, {"DOT_2"}, all},
        {{Marked("2F", {LineEdit::kMoved, LineEdit::kRemoved})}, {}, {removed}, all - 18},
        {{Record("-99"), Record("-30"), Record("2F")}, {Export().Text()}, {}, all},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        DxfBuffer buffer = Export();
        ApplyLineEdits(cases[i].records, buffer);
        for (const std::string& text : cases[i].present) EXPECT_NE(buffer.Text().find(text), std::string::npos);
        for (const std::string& text : cases[i].absent) EXPECT_EQ(buffer.Text().find(text), std::string::npos);
        EXPECT_EQ(buffer.LineCount(), cases[i].lines);
    }
}

}  // namespace
}  // namespace kv
