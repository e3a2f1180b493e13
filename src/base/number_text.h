// The one textual form of numbers used everywhere the palette writes or reads them:
// DXF values, typed host commands and the settings file.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kv {

// Raised when a text that should be a number is not. The message is the one the
// user sees, e.g. "'abc' is not a valid floating point value".
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& message) : std::runtime_error(message) {}
};

// General decimal form: at most 15 significant digits, "." separator, no trailing
// zeros, an exponent ("1E-6", "1E20") only for very small or very large magnitudes.
std::string FormatReal(double value);

// Reals accept surrounding blanks, a sign, decimals and an exponent; nothing else.
double ParseReal(std::string_view text);
int ParseInt(std::string_view text);

// Non-throwing forms for callers whose rule is "not a number reads as the default".
bool TryParseReal(std::string_view text, double& out);
bool TryParseInt(std::string_view text, int& out);

std::string RealConversionMessage(std::string_view text);
std::string IntConversionMessage(std::string_view text);

}  // namespace kv
