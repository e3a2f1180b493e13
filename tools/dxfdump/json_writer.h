// A minimal streaming JSON writer: commas and nesting are tracked, strings escaped, numbers in
// their shortest exact form. Enough for one tool's output; not a general library.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    JsonWriter& Key(std::string_view key) {
        Separate();
        String(key);
        out_ += ':';
        afterKey_ = true;
        return *this;
    }
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    void Value(std::string_view s) {
        Separate();
        String(s);
    }
    void Value(const char* s) { Value(std::string_view(s)); }
    void Value(double v) {
        Separate();
        if (!std::isfinite(v)) {
            out_ += "null";
            return;
        }
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, v);
        out_.append(buf, res.ptr);
    }
    void Value(int v) {
        Separate();
        out_ += std::to_string(v);
    }

private:
    void Open(char c) {
        Separate();
        out_ += c;
        first_.push_back(true);
    }
    void Close(char c) {
        out_ += c;
        first_.pop_back();
    }
    void Separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (first_.empty()) return;
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
    void String(std::string_view s) {
        out_ += '"';
        for (char c : s) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (u < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", u);
                out_ += esc;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }

    std::string& out_;
    std::vector<bool> first_;
    bool afterKey_ = false;
};

}  // namespace kv
