// The file of one wire-number pass: a TEXT per position, numbered in list order, centred on
// the wire's line and standing on it.
#pragma once

#include <string>
#include <vector>

#include "base/point3.h"
#include "text/wire_number_settings.h"

namespace kv {

struct PlacedNumber {
    Point3 point;
    double angle = 0;  // radians, already upright
};

// The whole R12 file, one item per line. Every number advances settings.counter and
// prefixIndex, so the next pass continues the series; a counter that is no number throws
// ConversionError and advances nothing. A style other than "STANDARD" (in any case) is defined in the file.
std::vector<std::string> WireNumberFile(const std::vector<PlacedNumber>& numbers, double dimScale,
                                        WireNumberSettings& settings, int& prefixIndex);

}  // namespace kv
