#include "base/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace kv {

namespace {

// The palette runs on a Japanese system; off Windows the ANSI code page is CP932.
constexpr const char* kAnsiCodePage = "CP932";

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    // iconv_open's failure value is (iconv_t)-1.
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)

    // Converts all of `in`; an unconvertible or invalid sequence is replaced by
    // `replacement` and skipped by `skip(in)` bytes.
    template <typename SkipFn>
    std::string Convert(std::string_view in, std::string_view replacement, SkipFn skip) {
        std::string out;
        char buf[1024];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            out += replacement;
            size_t n = skip(std::string_view(src, left));
            src += n;
            left -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

// The bytes one '?' stands for: a whole character the code page lacks, or the start of a
// sequence that is no UTF-8, up to the first byte that cannot continue it. A byte that may
// begin the next character (a CR LF above all) is never taken along.
size_t BadUtf8Length(std::string_view s) {
    const unsigned char lead = static_cast<unsigned char>(s[0]);
    const size_t expected = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    size_t n = 1;
    while (n < expected && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8) {
    Iconv cv(kAnsiCodePage, "UTF-8");
    if (!cv.ok()) return std::string(utf8);
    return cv.Convert(utf8, "?", BadUtf8Length);
}

std::string AnsiToUtf8(std::string_view ansi) {
    Iconv cv("UTF-8", kAnsiCodePage);
    if (!cv.ok()) return std::string(ansi);
    return cv.Convert(ansi, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

}  // namespace kv
