// Half-width / full-width conversion of code page 932 text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "text/ShiftJisBytes.h"
#include "text/Text.h"

namespace HenkanJ {

using ::IsKanjiLead;

// One entry per half-width byte 0xA6..0xDF. Bits 0..6: cell of the full-width
// katakana in JIS row 0x25; bit 7: the kana has a voiced form at cell + 1.
// 0 marks a byte without a full-width kana (ｰ, ﾞ, ﾟ).
inline constexpr std::array<std::uint8_t, 58> HanKanaTable{
    0x72, 0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,  // A6..AF
    0x00, 0x22, 0x24, 0x26, 0x28, 0x2A, 0xAB, 0xAD, 0xAF, 0xB1,  // B0..B9
    0xB3, 0xB5, 0xB7, 0xB9, 0xBB, 0xBD, 0xBF, 0xC1, 0xC4, 0xC6,  // BA..C3
    0xC8, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0xCF, 0xD2, 0xD5, 0xD8,  // C4..CD
    0xDB, 0x5E, 0x5F, 0x60, 0x61, 0x62, 0x64, 0x66, 0x68, 0x69,  // CE..D7
    0x6A, 0x6B, 0x6C, 0x6D, 0x6F, 0x73, 0x00, 0x00,              // D8..DF
};

// One entry per cell 0x21..0x76 of JIS row 0x25 (the full-width katakana).
// Entry e: half-width byte 0xA6 + e % 56, followed by ﾞ when e / 56 is 1 and
// by ﾟ when it is 2. Kana without a half-width form get the nearest one.
inline constexpr std::array<std::uint8_t, 86> ZenKanaTable{
    1,   11,  2,  12, 3,   13, 4,  14,  5,   15,  // 21..2A ァ..オ
    16,  72,  17, 73, 18,  74, 19, 75,  20,  76,  // 2B..34 カ..ゴ
    21,  77,  22, 78, 23,  79, 24, 80,  25,  81,  // 35..3E サ..ゾ
    26,  82,  27, 83, 9,   28, 84, 29,  85,  30,  // 3F..48 タ..ト
    86,  31,  32, 33, 34,  35, 36, 92,  148, 37,  // 49..52 ド..ヒ
    93,  149, 38, 94, 150, 39, 95, 151, 40,  96,  // 53..5C ビ..ボ
    152, 41,  42, 43, 44,  45, 6,  46,  7,   47,  // 5D..66 ポ..ユ
    8,   48,  49, 50, 51,  52, 53, 54,  54,  12,  // 67..70 ョ..ヰ
    14,  15,  55, 69, 16,  19,                    // 71..76 ヱ..ヶ
};

// Parallel lists: byte i of HanSymbols is the half-width form of the two-byte
// entry i of ZenSymbols (lead byte first).
inline constexpr std::string_view HanSymbols{
    "\x20\x21\x22\x23\x24\x25\x26\x27\x28\x29\x3D\x60\x7C\x2D\x5E\x5C\x7E\x7B\x40\x5B"
    "\x2B\x2A\x7D\x3B\x3A\x5D\x3C\x3E\x3F\x5F\xA4\xA1\xA5\x2C\x2E\x2F\xB0\xA2\xA3"};
inline constexpr std::string_view ZenSymbols{
    "\x81\x40\x81\x49\x81\x68\x81\x94\x81\x90\x81\x93\x81\x95\x81\x66\x81\x69\x81\x6A"
    "\x81\x81\x81\x65\x81\x62\x81\x7C\x81\x4F\x81\x8F\x81\x50\x81\x6F\x81\x97\x81\x6D"
    "\x81\x7B\x81\x96\x81\x70\x81\x47\x81\x46\x81\x6E\x81\x83\x81\x84\x81\x48\x81\x51"
    "\x81\x41\x81\x42\x81\x45\x81\x43\x81\x44\x81\x5E\x81\x5B\x81\x75\x81\x76"};

// Half-width ASCII, symbols and katakana to their full-width forms; a kana
// followed by ﾞ or ﾟ becomes one voiced or semi-voiced kana where one exists.
Text HanToZen(const Text& s);

// Full-width digits, letters, symbols and katakana to half width; a voiced
// kana becomes the kana followed by ﾞ or ﾟ.
Text ZenToHan(const Text& s);

// JIS X 0208 code (row * 256 + cell) to its Shift_JIS code.
std::uint16_t JisToSjis(std::uint16_t jis);

// Shift_JIS code to JIS X 0208 (row * 256 + cell). Defined for every value;
// the inverse of JisToSjis on valid Shift_JIS codes.
std::uint16_t SjisToJis(std::uint16_t sjis);

// The two bytes of a code, high byte first.
Text CodeToStr(std::uint16_t code);

// The first two bytes of s as a code, high byte first; missing bytes count as 0.
std::uint16_t StrToCode(const Text& s);

// The full-width code of a half-width symbol; any other byte gives its own value.
std::uint16_t SymbolToZen(unsigned char b);

}  // namespace HenkanJ
