// Cutting a Text to a limit without splitting a character.
#pragma once

#include <cstddef>

#include "text/Text.h"

// The longest start of text that holds at most limit bytes and does not end inside a character: a character
// that the limit would split is left out whole.
inline Text CutAtCharacter(const Text& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = 0;
    while (end < limit) {
        const std::size_t width = CharacterBytes(text, end);
        if (end + width > limit) break;
        end += width;
    }
    return text.substr(0, end);
}

// The longest start of text whose Shift_JIS form holds at most limit bytes (ShiftJisWidth), the unit the
// program's byte limits count in: a character the limit would split is left out whole.
inline Text CutToShiftJisWidth(const Text& text, std::size_t limit) {
    std::size_t end = 0;
    for (std::size_t width = 0; end < text.size(); end += CharacterBytes(text, end)) {
        width += ShiftJisWidth(CharacterAt(text, end));
        if (width > limit) break;
    }
    return text.substr(0, end);
}
