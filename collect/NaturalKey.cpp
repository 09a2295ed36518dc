#include "collect/NaturalKey.h"

#include <cstdint>

namespace {

// What follows a piece's key: a number, or the end of the natural part and then the locale key of the whole
// text. The end comes first, as a text that stops sorts before a longer one.
constexpr char kEnd = '\x01';
constexpr char kNumber = '\x02';

constexpr char32_t kFullWidthZero = 0xFF10;  // ０

// The digit at s[i] and the bytes of the character there, or -1 when s[i] starts no digit: an ASCII digit or
// a full-width one, ０ to ９.
int DigitAt(const Text& s, std::size_t i, std::size_t& width) {
    const auto b = static_cast<unsigned char>(s[i]);
    width = 1;
    if (b >= '0' && b <= '9') return b - '0';
    width = CharacterBytes(s, i);
    const char32_t c = CharacterAt(s, i);
    if (c >= kFullWidthZero && c <= kFullWidthZero + 9) return static_cast<int>(c - kFullWidthZero);
    return -1;
}

}  // namespace

void NaturalKey::Make(const Text& s, Text& key) {
    key.clear();
    piece_.clear();
    bool numbers = false;
    std::size_t width = 1;
    for (std::size_t i = 0; i < s.size();) {
        int digit = DigitAt(s, i, width);
        if (digit < 0) {
            piece_.append(s, i, width);
            i += width;
            continue;
        }
        numbers = true;
        piece_ += '0';
        AppendPieceKey(key);
        piece_.clear();
        // The significant digits, leading zeros dropped, after their count: a longer number is a larger one.
        key += kNumber;
        const std::size_t countAt = key.size();
        key.append(4, '\0');
        std::uint32_t count = 0;
        for (; i < s.size() && (digit = DigitAt(s, i, width)) >= 0; i += width) {
            if (count == 0 && digit == 0) continue;
            key += static_cast<char>('0' + digit);
            ++count;
        }
        for (int shift = 0; shift < 4; ++shift)
            key[countAt + 3 - static_cast<std::size_t>(shift)] =
                static_cast<char>((count >> (8 * shift)) & 0xFF);
    }
    AppendPieceKey(key);
    key += kEnd;
    // Without numbers the one piece was the whole text, and its key is the locale key already.
    if (numbers) locale_.SortKey(s, pieceKey_);
    key += pieceKey_;
}

void NaturalKey::AppendPieceKey(Text& key) {
    // A 0 byte of the key is written 0 FF and the key ends with 0 01: a key that stops then sorts before
    // every longer one, whatever follows each.
    locale_.SortKey(piece_, pieceKey_);
    for (const char b : pieceKey_) {
        key += b;
        if (b == '\0') key += '\xFF';
    }
    key += '\0';
    key += '\x01';
}
