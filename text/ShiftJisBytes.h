// Shift_JIS (code page 932) bytes as files hold them, before they become Text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A byte 0x81..0x9F or 0xE0..0xFC starts a double-byte character; the byte after it, whatever its value,
// belongs to that character.
constexpr bool IsKanjiLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// How many of the first limit bytes (at most bytes.size()) to keep so that no double-byte character is
// parted: limit, or one less where a lead byte would be left without its second byte.
inline std::size_t ShiftJisCut(std::string_view bytes, std::size_t limit) {
    if (limit > bytes.size()) limit = bytes.size();
    std::size_t at = 0;
    while (at < limit) {
        const std::size_t width = IsKanjiLead(static_cast<unsigned char>(bytes[at])) ? 2 : 1;
        if (at + width > limit) break;
        at += width;
    }
    return at;
}
