// Upper-casing that maps only the bytes a-z to A-Z; every other character, full-width letters included, stays
// as it is. Byte by byte: in UTF-8 no byte of a multibyte character is ASCII.
#pragma once

#include "text/Text.h"

inline Text AsciiUpper(Text s) {
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') c = static_cast<char>(b - ('a' - 'A'));
    }
    return s;
}
