// Shift_JIS (code page 932) bytes as files hold them, before they become Text.
#pragma once

#include <cstddef>
#include <string>

// A byte 0x81..0x9F or 0xE0..0xFC starts a double-byte character; the byte after it, whatever its value,
// belongs to that character.
constexpr bool IsKanjiLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
