// DXF text at its lowest level: group-code/value pairs, written with the code
// right-aligned in three columns and read back with line numbers for errors.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"

namespace kv::sim {

// `value` rounded to `decimals` places (0-16), with no trailing zeros beyond one
// decimal ("10.0", "0.25"); decimals 0 gives plain integers. Values that read
// back exactly in fewer places are written that way, so 16 places round-trip.
std::string FormatDxfReal(double value, int decimals);

// Collects pairs as UTF-8 text with CR LF line ends; the caller converts the
// finished text to the file's code page.
class DxfPairWriter {
public:
    explicit DxfPairWriter(int decimals) : decimals_(decimals) {}

    void Str(int code, std::string_view value);
    void Int(int code, long long value);
    void Real(int code, double value);
    // `code`, `code + 10` and, with z, `code + 20`: 10/20/30 for a point.
    void Point(int code, const Point3& p, bool withZ = true);

    const std::string& Text() const { return text_; }

private:
    int decimals_;
    std::string text_;
};

struct DxfPair {
    int code = 0;
    std::string value;  // untrimmed; readers trim where the group is not free text
    int line = 0;       // 1-based line of the code
};

struct DxfPairsResult {
    std::string error;  // empty when every pair was read
    std::vector<DxfPair> pairs;
};

// Splits UTF-8 text into pairs. CR LF and LF both end a line; a trailing odd line
// and text after "0"/"EOF" are ignored. A code that is not an integer is an error.
DxfPairsResult ReadDxfPairs(std::string_view text);

}  // namespace kv::sim
