#include "base/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/strings.h"

namespace kv {

namespace {

constexpr int kSignificantDigits = 15;

// "1e-05" -> "1E-5", "1.5e+20" -> "1.5E20".
std::string TidyExponent(std::string_view raw) {
    const size_t e = raw.find('e');
    if (e == std::string_view::npos) return std::string(raw);
    std::string out(raw.substr(0, e));
    out += 'E';
    size_t i = e + 1;
    if (raw[i] == '-') out += '-';
    if (raw[i] == '+' || raw[i] == '-') ++i;
    while (i + 1 < raw.size() && raw[i] == '0') ++i;
    out += raw.substr(i);
    return out;
}

}  // namespace

std::string FormatReal(double value) {
    if (value == 0.0 || !std::isfinite(value)) return "0";  // also folds -0
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, kSignificantDigits);
    return TidyExponent(std::string_view(buf, static_cast<size_t>(res.ptr - buf)));
}

bool TryParseReal(std::string_view text, double& out) {
    std::string_view t = TrimView(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    // from_chars takes no leading '+' and would take "inf"/"nan"; neither is a number here.
    if (!(std::isdigit(static_cast<unsigned char>(t.front())) || t.front() == '-' || t.front() == '.')) return false;
    double v = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

bool TryParseInt(std::string_view text, int& out) {
    std::string_view t = TrimView(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    int v = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), v, 10);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size()) return false;
    out = v;
    return true;
}

std::string RealConversionMessage(std::string_view text) {
    // Appending, not "'" + std::string: GCC 12 gives a false -Wrestrict warning on that form.
    return std::string("'").append(text).append("' is not a valid floating point value");
}

std::string IntConversionMessage(std::string_view text) {
    return std::string("'").append(text).append("' is not a valid integer value");
}

double ParseReal(std::string_view text) {
    double v = 0;
    if (!TryParseReal(text, v)) throw ConversionError(RealConversionMessage(text));
    return v;
}

int ParseInt(std::string_view text) {
    int v = 0;
    if (!TryParseInt(text, v)) throw ConversionError(IntConversionMessage(text));
    return v;
}

}  // namespace kv
