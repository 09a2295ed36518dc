// Upper-casing that maps only the bytes a-z to A-Z. It runs byte by byte on purpose: a trail byte of a
// double-byte character in that range is changed too, which is what the extension filter compares against.
#pragma once

#include "text/Text.h"

inline Text AsciiUpper(Text s) {
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') c = static_cast<char>(b - ('a' - 'A'));
    }
    return s;
}
