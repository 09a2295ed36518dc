// Text: UTF-8. Lengths and positions count bytes; a character's bytes are never split. Every byte sequence is
// a Text: one that is no UTF-8 (read from a file, say) passes through each step unchanged where the step
// does not need its characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

using Text = std::string;

// Bytes of the UTF-8 sequence that lead starts: 1 for ASCII, and for a byte that starts no sequence (a
// continuation byte, or one no UTF-8 uses), which then counts as a character of its own.
constexpr std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 1;
}

// The bytes from at to the next character boundary: Utf8SequenceLength, cut short at the text's end or at a
// byte that cannot continue the sequence.
inline std::size_t CharacterBytes(std::string_view text, std::size_t at) {
    const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[at]));
    std::size_t k = 1;
    while (k < length && at + k < text.size() && (static_cast<unsigned char>(text[at + k]) & 0xC0) == 0x80)
        ++k;
    return k;
}

// The code of the character at text[at] (as CharacterBytes delimits it); a byte that starts no well-formed
// sequence gives its own value.
inline char32_t CharacterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = CharacterBytes(text, at);
    if (length == 1 || length != Utf8SequenceLength(lead)) return lead;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    return c;
}

// The bytes a character takes in Shift_JIS (code page 932), the width the program's byte limits and columns
// count in: one for ASCII and the half-width katakana, two for every other character, those the code page
// cannot hold included.
constexpr std::size_t ShiftJisWidth(char32_t c) {
    return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
}
