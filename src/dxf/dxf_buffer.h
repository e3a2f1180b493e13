// The DXF file being read or edited, as text lines read in (group code, value) pairs:
// pair i is line 2i (code) and line 2i+1 (value); an odd trailing line is never read.
// Representation, a fraction of the file's size: one byte block holding the value lines, each
// ending in "\n" (one CR before it dropped), one uint32 offset per pair (its value line) and one
// byte per pair holding its group code, so that scans test codes without reading the text. A code
// line in the three-column form exports write ("  0", " 10", "330") below 255 is not kept: it is
// spelled again from its code; any other code line is kept in the block just before its value. A
// rewritten pair lives in a side table, erasing splices the index.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_block.h"
#include "platform/files.h"

namespace kv {

struct LineRange {
    size_t first = 0;
    size_t count = 0;
};

class DxfBuffer {
public:
    // Loads a file in the ANSI code page read through the files port, each chunk turned into the
    // stored form as it comes, so that the file is never held whole. CR LF and LF line breaks both
    // end a line; only the pairs holding bytes outside ASCII are converted to UTF-8. Start and
    // Room throw std::length_error for 2 GiB or more.
    class AnsiLoad;

    // Takes UTF-8 text, split into lines as AnsiLoad does.
    void Load(std::string_view text);
    // Writes every line followed by CR LF, in the ANSI code page. False when writing failed.
    bool SaveFile(std::string_view path) const;
    // Every line followed by CR LF, UTF-8.
    std::string Text() const;
    void Clear();

    size_t LineCount() const { return lineCount_; }
    // Without its line break. The view lives until the line is changed or the buffer reloaded.
    std::string_view Line(size_t i) const {
        if (i >= lineCount_) ThrowPastEnd(i);
        const size_t pair = i / 2;
        const uint32_t start = pairStarts_[pair];
        if (start & kEditedFlag) return EditedLine(i);
        if (i % 2) return LineFrom(data_.data() + start);
        return CodeKept(pair) ? KeptCodeLine(start) : AlignedCodeLine(codes_[pair]);
    }
    void SetLine(size_t i, std::string_view text);
    // Ranges past the end are clipped.
    void EraseLines(size_t first, size_t count);
    // Erases many ranges in one pass (indices as before any of them is erased); they may overlap.
    void EraseLineRanges(const std::vector<LineRange>& ranges);

    size_t PairCount() const { return LineCount() / 2; }
    std::string_view Code(size_t pair) const { return Line(2 * pair); }
    std::string_view Value(size_t pair) const { return Line(2 * pair + 1); }
    std::string_view TrimmedCode(size_t pair) const { return TrimBlanks(Code(pair)); }
    std::string_view TrimmedValue(size_t pair) const { return TrimBlanks(Value(pair)); }
    // The trimmed code as a number when written in plain decimal ("10"); -1 for anything else.
    // Codes compare as text, so "010" or "+10" is no group 10. Negative codes also give -1.
    int GroupCode(size_t pair) const {
        if (2 * pair >= lineCount_) ThrowPastEnd(2 * pair);
        const uint8_t code = codes_[pair];
        return code != kOtherCode ? code : ParseGroupCode(TrimmedCode(pair));
    }
    // GroupCode for readers that look only at codes below 255: -1 for every other code, without
    // reading the text.
    int ShortCode(size_t pair) const {
        if (2 * pair >= lineCount_) ThrowPastEnd(2 * pair);
        const uint8_t code = codes_[pair];
        return code != kOtherCode ? code : -1;
    }
    // True when the trimmed code and trimmed value equal the given texts exactly.
    bool IsPair(size_t pair, std::string_view code, std::string_view value) const;
    void SetValue(size_t pair, std::string_view text) { SetLine(2 * pair + 1, text); }
    // 1-based number of the value's line, as an editor shows it.
    size_t ValueLineNumber(size_t pair) const { return 2 * pair + 2; }

    // The trimmed value as a number; ConversionError names the value's line and the group code
    // when it is not one: "line 12, group 10: 'abc' is not a valid floating point value".
    double RealValue(size_t pair) const;
    int IntValue(size_t pair) const;

private:
    static constexpr uint32_t kEditedFlag = 0x80000000u;
    // The code byte of a pair whose code is 255 or more, or no plain decimal at all.
    static constexpr uint8_t kOtherCode = 255;

    // The same trim as Trim in base/strings.h (every byte <= ' '), inline: readers call it per pair.
    static std::string_view TrimBlanks(std::string_view s) {
        size_t b = 0, e = s.size();
        while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
        while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
        return s.substr(b, e - b);
    }
    static int ParseGroupCode(std::string_view trimmed);
    static uint8_t CodeByte(std::string_view codeLine);
    // The common case of RealValue read straight from the text: false when the value is no plain
    // decimal of at most 19 digits in an unedited pair (the general conversion then decides).
    bool PlainRealValue(size_t pair, double& out) const;
    // The stored line starting at p, up to its "\n".
    static std::string_view LineFrom(const char* p) {
        const char* end = p;
        while (*end != '\n') ++end;
        return std::string_view(p, static_cast<size_t>(end - p));
    }
    static std::string_view AlignedCodeLine(uint8_t code);
    std::string_view KeptCodeLine(uint32_t valueStart) const;
    bool CodeKept(size_t pair) const { return (codeKept_[pair / 64] >> (pair % 64)) & 1u; }
    [[noreturn]] static void ThrowPastEnd(size_t i);
    [[noreturn]] void ThrowConversionError(size_t pair, const std::string& message) const;
    std::string_view EditedLine(size_t i) const;

    struct EditedPair {
        std::string code;
        std::string value;
    };

    // The text in data_ being turned into the stored form, which is never longer than the text and
    // is written over it from the start.
    struct Fill {
        size_t to = 0;                // the stored form ends here
        size_t from = 0;              // the first byte of text not yet stored
        size_t filled = 0;            // the text read so far ends here
        std::vector<size_t> foreign;  // pairs holding bytes outside ASCII
        struct Stored {
            uint32_t start = 0;
            uint32_t length = 0;  // with its "\n"; 0: none
        };
        // Per code: the last two values stored for it, the older first.
        std::vector<std::array<Stored, 2>> recent = std::vector<std::array<Stored, 2>>(kOtherCode);
    };
    void ReservePairs(size_t pairs);
    // Stores the pairs of the text from fill.from to `end`, just past a "\n". A pair whose value
    // line does not end there waits for more text, unless the text is `complete`.
    void StorePairs(Fill& fill, size_t end, bool complete);
    char* ShareRepeatedValue(Fill& fill, uint8_t code, char* value, char* end);
    size_t ConvertPairs(const std::vector<size_t>& pairs, size_t used);
    void KeepPair(size_t from, size_t to);
    // Erasing an odd number of lines from inside the buffer re-pairs every line after it.
    void RebuildWithout(const std::vector<LineRange>& sortedRanges);

    ByteBlock data_;                    // every stored line ends with "\n": a line end is found by scanning
    std::vector<uint32_t> pairStarts_;  // offset of a value line, or kEditedFlag | index into edited_
    std::vector<uint8_t> codes_;        // per pair: its group code, or kOtherCode
    std::vector<uint64_t> codeKept_;    // per pair one bit: its code line is stored before its value
    size_t lineCount_ = 0;              // odd: the last entry of pairStarts_ holds only a code line
    std::deque<EditedPair> edited_;     // deque: views of earlier edits stay valid
};

class DxfBuffer::AnsiLoad : public ChunkReader {
public:
    // Empties the buffer.
    explicit AnsiLoad(DxfBuffer& buffer);
    void Start(uint64_t size) override;
    std::span<char> Room() override;
    void Filled(size_t count) override;
    // After the last chunk; the last line need not end with a break.
    void Finish();

private:
    DxfBuffer& buffer_;
    uint64_t expected_ = 0;
    Fill fill_;
};

}  // namespace kv
