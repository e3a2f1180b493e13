#include "dxf/dxf_buffer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/encoding.h"
#include "base/number_text.h"
#include "dxf/round_trip.h"
#include "platform/native_files.h"
#include "support/expect_throw_message.h"
#include "support/fake_ports.h"

namespace kv {
namespace {

using Strings = std::vector<std::string>;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("kv_dxf_buffer_" + name)).string();
}

Strings Lines(const DxfBuffer& b) {
    Strings out;
    for (size_t i = 0; i < b.LineCount(); ++i) out.emplace_back(b.Line(i));
    return out;
}

std::vector<int> Codes(const DxfBuffer& b) {
    std::vector<int> out;
    for (size_t i = 0; i < b.PairCount(); ++i) out.push_back(b.GroupCode(i));
    return out;
}

void LoadAnsi(DxfBuffer& b, std::string_view bytes, size_t chunkBytes) {
    DxfBuffer::AnsiLoad load(b);
    FeedInChunks(bytes, chunkBytes, load);
    load.Finish();
}

TEST(DxfBuffer, LineBreaksEmptyLinesAndTheFinalBreak) {
    const std::pair<const char*, Strings> cases[] = {
        {"  0\r\nLINE\r\n  8\r\nWIRE\r\n", {"  0", "LINE", "  8", "WIRE"}},
        {"  0\nLINE\n  8\nWIRE\n", {"  0", "LINE", "  8", "WIRE"}},
        {"  0\r\nLINE\n  8\r\nWIRE", {"  0", "LINE", "  8", "WIRE"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\r\r\n 10 \r\nb", {"a\r", " 10 ", "b"}},
        {"", {}},
        {"\n", {""}},
    };
    for (const auto& [text, lines] : cases) {
        DxfBuffer b;
        b.Load(text);
        EXPECT_EQ(Lines(b), lines) << text;
    }
}

TEST(DxfBuffer, PairsAreLineTwoIAndTwoIPlusOneAndAnOddLastLineIsNeverRead) {
    DxfBuffer b;
    b.Load(" 10 \n 1.5 \n0\n");
    ASSERT_EQ(b.PairCount(), 1u);
    EXPECT_EQ(b.Code(0), " 10 ");
    EXPECT_EQ(b.Value(0), " 1.5 ");
    EXPECT_EQ(b.TrimmedValue(0), "1.5");
    EXPECT_TRUE(b.IsPair(0, "10", "1.5"));
    EXPECT_FALSE(b.IsPair(0, "010", "1.5"));
    EXPECT_EQ(b.ValueLineNumber(0), 2u);
}

TEST(DxfBuffer, NumbersConvertFromTrimmedValuesAndFailuresNameTheLineAndTheGroup) {
    DxfBuffer b;
    b.Load("10\n 2.5\r\n62\n-7\n10\nabc\n70\n1.5\n");
    EXPECT_DOUBLE_EQ(b.RealValue(0), 2.5);
    EXPECT_EQ(b.IntValue(1), -7);
    EXPECT_THROW_MESSAGE(b.RealValue(2), ConversionError,
                         "line 6, group 10: 'abc' is not a valid floating point value");
    EXPECT_THROW_MESSAGE(b.IntValue(3), ConversionError, "line 8, group 70: '1.5' is not a valid integer value");
    EXPECT_THROW(b.Line(8), std::out_of_range);
    EXPECT_THROW(b.SetLine(9, "x"), std::out_of_range);
    EXPECT_THROW(b.GroupCode(4), std::out_of_range);
}

// Codes are read once at load and again whenever a code line is rewritten; both must follow
// the text rule: trimmed, plain decimal, no leading zero, no sign.
TEST(DxfBuffer, GroupCodesFollowTheTextRuleAtLoadAndAfterRewriting) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"  0", 0},   {"0", 0},       {" 10 \t", 10},     {"\t8", 8},  {"254", 254}, {"255", 255},
        {"330", 330}, {"1071", 1071}, {"999999", 999999}, {"010", -1}, {"00", -1},   {"+10", -1},
        {"-1", -1},   {"1 0", -1},    {"10a", -1},        {"", -1},    {"   ", -1},  {"1000000", -1},
        {"0000", -1}, {"2550", 2550}, {"\x8a", -1},       {" 05", -1}, {"3 0", -1},  {" 1 ", 1},
        {"  7\r", 7}, {"999", 999},   {" 99", 99},        {"1\r0", -1}};
    std::string crlf, lf;
    for (const auto& c : cases) {
        crlf += c.first + "\r\nv\r\n";
        lf += c.first + "\nv\n";
    }
    DxfBuffer loaded, loadedLf, rewritten;
    loaded.Load(crlf);
    loadedLf.Load(lf);
    rewritten.Load(std::string(2 * cases.size(), '\n'));
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("'" + cases[i].first + "'");
        rewritten.SetLine(2 * i, cases[i].first);
        const int expected = cases[i].second;
        const int expectedShort = expected < 255 ? expected : -1;
        EXPECT_EQ(loaded.GroupCode(i), expected);
        EXPECT_EQ(loadedLf.GroupCode(i), expected);
        EXPECT_EQ(rewritten.GroupCode(i), expected);
        EXPECT_EQ(loaded.ShortCode(i), expectedShort);
        EXPECT_EQ(rewritten.ShortCode(i), expectedShort);
    }
}

// Line breaks are counted eight bytes at a time: every position in a word, bytes next to a
// break and bytes that differ from "\n" only in the high bit must count right.
TEST(DxfBuffer, LinesSplitRightWhereverTheBreaksFallInTheText) {
    for (size_t length = 0; length < 20; ++length) {
        for (const char filler : {'x', '\x0b', '\x8a', '\0'}) {
            const std::string line(length, filler);
            std::string text;
            for (int i = 0; i < 5; ++i) text += line + (i % 2 ? "\r\n" : "\n");
            DxfBuffer b;
            b.Load(text);
            EXPECT_EQ(Lines(b), Strings(5, line)) << length;
        }
    }
}

// Plain decimals are converted without the library call; the result must be the same double,
// and every text the general conversion refuses must still be refused.
TEST(DxfBuffer, RealValuesMatchTheGeneralConversionBitForBit) {
    Strings texts = {"0",    "-0",  "-0.0", "5.",   ".5",   "-.5",   "007.25", "+5",   "+-5",
                     "-",    ".",   "-.",   "1e5",  "1E-3", "1e",    "inf",    "-inf", "nan",
                     "0x10", "1,5", "1..5", "1.5.", "--1",  "1e400", "1-2",    "1 2"};
    texts.insert(texts.end(), {"9007199254740993", "9007199254740992", "123456789012345678901234",
                               "0.000000000000000000001", "14285.83774221758", "-99999.99999999999"});
    uint64_t seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        const double magnitude = static_cast<double>(seed >> 11) / static_cast<double>(1ull << 53);
        const double v = (magnitude - 0.5) * std::pow(10.0, static_cast<int>(seed % 13) - 4);
        char buf[40];
        std::snprintf(buf, sizeof buf, i % 3 == 0 ? "%.15g" : i % 3 == 1 ? "%.16g" : "%.17g", v);
        texts.push_back(buf);
        std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(seed % 9), v);
        texts.push_back(buf);
    }
    std::string text;
    for (size_t i = 0; i < texts.size(); ++i)
        text += i % 2 ? "10\n" + texts[i] + "\n" : "10\r\n \t" + texts[i] + " \r\n";
    DxfBuffer b;
    b.Load(text);
    const auto check = [&b](size_t pair, const std::string& t) {
        double expected = 0;
        if (!TryParseReal(t, expected)) {
            EXPECT_THROW(b.RealValue(pair), ConversionError) << t;
            return;
        }
        double got = 0;
        ASSERT_NO_THROW(got = b.RealValue(pair)) << t;
        EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << t << " " << got << " " << expected;
    };
    for (size_t i = 0; i < texts.size(); ++i) check(i, texts[i]);
    for (size_t i = 0; i < texts.size(); i += 5) {
        b.SetValue(i, " " + texts[i]);
        check(i, texts[i]);
    }
}

TEST(DxfBuffer, SetLineKeepsOtherLinesAndEarlierViews) {
    DxfBuffer b;
    b.Load("a\nb\nc\n");
    std::string_view first = b.Line(0);
    b.SetLine(1, "DOT_2");
    std::string_view edited = b.Line(1);
    for (int i = 0; i < 100; ++i) b.SetLine(2, "c" + std::to_string(i));
    EXPECT_EQ(first, "a");
    EXPECT_EQ(edited, "DOT_2");
    EXPECT_EQ(Lines(b), (Strings{"a", "DOT_2", "c99"}));
}

// Erasing splices rewritten lines too, and an odd count re-pairs every line after it.
TEST(DxfBuffer, ErasingKeepsEditsAndPairsRight) {
    // The ranges go in one EraseLineRanges call, then each (first, count) in an EraseLines call.
    struct Case {
        const char* text;
        std::vector<std::pair<size_t, const char*>> edits;
        std::vector<LineRange> ranges;
        std::vector<std::pair<size_t, size_t>> lines;
        Strings left;
        std::vector<int> codes;
    };
    const char* tens = "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n";
    const char* letters = "0\nA\n5\nB\n8\nC\n10\nD\n330\nE\n";
    const char* seven = "0\n1\n2\n3\n4\n5\n6\n";
    const Case cases[] = {
        {letters, {{6, "62"}}, {{2, 2}, {8, 2}}, {}, {"0", "A", "8", "C", "62", "D"}, {0, 8, 62}},
        {letters, {{6, "62"}}, {{2, 2}, {8, 2}}, {{0, 1}}, {"A", "8", "C", "62", "D"}, {-1, -1}},
        {"x\n10\n1.5\n20\n2.5\n", {{3, " 20"}}, {}, {{0, 1}}, {"10", "1.5", " 20", "2.5"}, {10, 20}},
        {"0\n1\n2\n3\n4\n5\n", {{4, "four"}}, {}, {{1, 2}, {3, 10}, {7, 1}}, {"0", "3", "four"}, {0}},
        {tens, {}, {{7, 2}, {1, 2}, {2, 2}, {9, 50}, {40, 1}}, {}, {"0", "4", "5", "6"}, {0, 5}},
        {seven, {{5, "five"}, {6, "six"}}, {{0, 2}, {2, 2}}, {}, {"4", "five", "six"}, {4}},
        {seven, {{5, "five"}, {6, "six"}}, {{0, 2}, {2, 2}}, {{2, 1}, {0, 2}}, {}, {}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        DxfBuffer b;
        b.Load(cases[i].text);
        for (const auto& [line, text] : cases[i].edits) b.SetLine(line, text);
        if (!cases[i].ranges.empty()) b.EraseLineRanges(cases[i].ranges);
        for (const auto& [first, count] : cases[i].lines) b.EraseLines(first, count);
        EXPECT_EQ(Lines(b), cases[i].left);
        EXPECT_EQ(Codes(b), cases[i].codes);
    }
}

TEST(DxfBuffer, FilesAreCrLfInTheAnsiCodePageAndAsciiLoadsByteForByte) {
    DxfBuffer b;
    b.Load("  8\n画層\n 62");
    const std::string path = TempPath("save.dxf");
    ASSERT_TRUE(b.SaveFile(path));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "  8\r\n\x89\xe6\x91\x77\r\n 62\r\n");
    NativeFiles files;
    DxfBuffer again;
    ASSERT_TRUE(LoadExport(files, path, again));
    EXPECT_EQ(Lines(again), (Strings{"  8", "画層", " 62"}));

    const std::string ascii = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nEOF\r\n";
    std::ofstream(path, std::ios::binary) << ascii;
    ASSERT_TRUE(LoadExport(files, path, again));
    EXPECT_EQ(again.Text(), ascii);
    std::remove(path.c_str());
    EXPECT_FALSE(LoadExport(files, path, again));
    EXPECT_EQ(again.LineCount(), 0u);
    EXPECT_FALSE(b.SaveFile(TempPath("no-such-folder/x.dxf")));
}

// Only the pairs holding code-page bytes are converted, together after the load; the lines must
// come out as converting the whole file would give them.
TEST(DxfBuffer, CodePageBytesLoadAsIfTheWholeFileWereConverted) {
    const std::string texts[] = {
        "  8\r\n\x89\xe6\x91\x77\r\n 62\r\n     7\r\n",
        "  0\nLAYER\n  2\n\x95\xb6\x8e\x9a\n 70\n0\n",
        "  1\r\n\xb1\xb2\xb3\xb4\r\n  0\r\nEOF\r\n",          // half-width kana: three times longer
        "8\r\n\x95\xb6\r\n\x95\xb6\r\nx\r\n",                 // codes kept as they stand
        "  1\r\nab\x81\r\n  2\r\n\x81\n  0\r\n\x8a\r\n\x95",  // lead bytes before breaks; odd last line
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        DxfBuffer ansi, reference;
        LoadAnsi(ansi, text, 3);
        reference.Load(AnsiToUtf8(text));
        EXPECT_EQ(Lines(ansi), Lines(reference));
        EXPECT_EQ(Codes(ansi), Codes(reference));
        ansi.SetLine(1, "x");
        ansi.EraseLines(0, 1);
        reference.SetLine(1, "x");
        reference.EraseLines(0, 1);
        EXPECT_EQ(ansi.Text(), reference.Text());
    }
}

// Chunks end anywhere: inside a pair, between CR and LF, inside a code-page character, just
// before a value with no break after it. Every cut gives the lines of the whole text, and values
// stored once for pairs that repeat them read back as they stand.
TEST(DxfBuffer, ChunkedLoadsEqualTheWholeTextWhereverTheChunksEnd) {
    const std::string text =
        "  0\r\nSECTION\r\n  8\r\n\x95\xb6\x8e\x9a\r\n 10 \n1.5\n1071\r\nx\r\n\r\n\r\n100\r\nAcDbEntity\r\n"
        "100\r\nAcDbLine\r\n100\r\nAcDbEntity\r\n100\nAcDbEntity\n 70\r\n     0\r\n70\r\n     0\r\n"
        "330\r\n1F\r\n  8\r\n\x95\xb6\x8e\x9a\r\n  1\r\nlast";
    for (const std::string& whole : {text, text + "\r\n", text + "\r\n  0"}) {
        Strings lines;
        const std::string utf8 = AnsiToUtf8(whole);
        for (size_t at = 0; at < utf8.size();) {
            const size_t end = std::min(utf8.find('\n', at), utf8.size());
            std::string line = utf8.substr(at, end - at);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            at = end + 1;
        }
        DxfBuffer expected;
        expected.Load(utf8);
        ASSERT_EQ(Lines(expected), lines);
        for (size_t chunk = 1; chunk <= whole.size(); ++chunk) {
            SCOPED_TRACE(chunk);
            DxfBuffer b;
            LoadAnsi(b, whole, chunk);
            ASSERT_EQ(Lines(b), lines);
            ASSERT_EQ(Codes(b), Codes(expected));
        }
    }
}

// The size given at the start is only a hint: the file may grow or shrink while it is read.
TEST(DxfBuffer, ChunkedLoadsTakeFilesThatChangeSizeWhileRead) {
    const std::string text(300000, 'x');
    for (uint64_t told : {uint64_t{0}, uint64_t{10}, uint64_t{1} << 20}) {
        DxfBuffer b;
        DxfBuffer::AnsiLoad load(b);
        load.Start(told);
        for (size_t at = 0; at < text.size();) {
            const std::span<char> room = load.Room();
            const size_t count = std::min(room.size(), text.size() - at);
            std::copy_n(text.data() + at, count, room.data());
            load.Filled(count);
            at += count;
        }
        load.Finish();
        ASSERT_EQ(b.LineCount(), 1u);
        EXPECT_EQ(b.Line(0), text);
    }
}

}  // namespace
}  // namespace kv
