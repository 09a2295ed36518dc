// Cutting a Text to a byte limit without splitting a character.
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
