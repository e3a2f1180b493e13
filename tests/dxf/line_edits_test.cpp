#include "dxf/line_edits.h"

#include <random>

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "base/strings.h"
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

// The edits written out literally: one scan of the buffer per record.
void ApplyOneScanPerRecord(const std::vector<TLineEnt>& lines, DxfBuffer& buffer) {
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string& handle = lines[k].Handle;
        const char mark = handle.empty() ? ' ' : handle[0];
        const std::string key = handle.substr(std::min(handle.size(), handle.find_first_not_of("+-")));
        const bool act = (mark == '+' || mark == '-') && !key.empty();
        bool inEntities = false, inLine = false, matched = false;
        size_t lineStart = 0;
        std::vector<LineRange> erase;
        for (size_t i = 0; i < buffer.PairCount(); ++i) {
            const std::string code = Trim(buffer.Code(i)), value = Trim(buffer.Value(i));
            if (code == "0") {
                if (inLine && matched && mark == '-') erase.push_back({2 * lineStart, 2 * (i - lineStart)});
                inLine = matched = false;
                if (value == "ENDSEC") inEntities = false;
                if (inEntities && value == "LINE") inLine = true, lineStart = i;
            }
            if (code == "2" && value == "ENTITIES") inEntities = true;
            if (!act || !inLine) continue;
            if (code == "5" && value == key) matched = true;
            if (!matched || mark != '+') continue;
            if (code == "10") buffer.SetValue(i, FormatReal(lines[k].P1.x));
            if (code == "20") buffer.SetValue(i, FormatReal(lines[k].P1.y));
            if (code == "11") buffer.SetValue(i, FormatReal(lines[k].P2.x));
            if (code == "21") buffer.SetValue(i, FormatReal(lines[k].P2.y));
        }
        if (inLine && matched && mark == '-') erase.push_back({2 * lineStart, 2 * (buffer.PairCount() - lineStart)});
        buffer.EraseLineRanges(erase);
    }
}

std::string RandomExport(std::mt19937& rng, int entities) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* linetypes[] = {"BYLAYER", "DOT.2", "HIDDEN", "A.B.C"};
    std::string t = DxfText({"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LAYER", "  0", "LAYER", "  2",
                             "W", "  6"}) +
                    linetypes[pick(4)] + "\r\n" +
                    DxfText({"  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS", "  0", "LINE", "  5",
                             "3", "  6", "X.Y", " 10", "1", "  0", "ENDSEC"});
    t += DxfText({"  0", "SECTION", "  2", "ENTITIES"});
    for (int h = 1; h <= entities; ++h) {
        const char* kind = pick(4) == 0 ? "ARC" : "LINE";
        t += "  0\r\n" + std::string(kind) + "\r\n  5\r\n" + std::to_string(h) + "\r\n";
        if (pick(2)) t += "  6\r\n" + std::string(linetypes[pick(4)]) + "\r\n";
        t += DxfText({" 10", "1.5", " 20", "2", " 30", "3", " 11", "4", " 21", "5", " 31", "6"});
    }
    t += DxfText({"  0", "ENDSEC", "  0", "SECTION", "  2", "OBJECTS", "  6", "O.K", "  0", "ENDSEC", "  0", "EOF"});
    return t;
}

TEST(ApplyLineEdits, OnePassMatchesOneScanPerRecord) {
    std::mt19937 rng(3);
    for (int round = 0; round < 300; ++round) {
        const int entities = 1 + static_cast<int>(rng() % 12);
        std::vector<TLineEnt> records;
        for (int r = static_cast<int>(rng() % 8); r > 0; --r) {
            TLineEnt record = Record(std::to_string(1 + rng() % (entities + 2)), {double(rng() % 100), 0.25, 0},
                                     {-1, double(rng() % 7), 0});
            for (int m = static_cast<int>(rng() % 3); m > 0; --m)
                EditMark(record, rng() % 2 ? LineEdit::kMoved : LineEdit::kRemoved);
            records.push_back(record);
        }
        const std::string text = RandomExport(rng, entities);
        DxfBuffer fast, literal;
        fast.Load(text);
        literal.Load(text);
        ApplyLineEdits(records, fast);
        ApplyOneScanPerRecord(records, literal);
        ASSERT_EQ(fast.Text(), literal.Text()) << "round " << round;
    }
}

}  // namespace
}  // namespace kv
