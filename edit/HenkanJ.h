// Half-width / full-width conversion: ASCII, the half-width katakana and the symbols of code page 932 against
// their full-width forms. Every other character, those the code page cannot hold included, passes through.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "text/Text.h"

namespace HenkanJ {

// One entry per half-width kana U+FF66 (ｦ) .. U+FF9F (ﾟ). Bits 0..6: cell of the full-width katakana in JIS
// row 0x25, which is U+30A0 + cell - 0x20; bit 7: the kana has a voiced form at cell + 1. 0 marks a
// character without a full-width kana (ｰ, ﾞ, ﾟ).
inline constexpr std::array<std::uint8_t, 58> HanKanaTable{
    0x72, 0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,  // ｦ..ｯ
    0x00, 0x22, 0x24, 0x26, 0x28, 0x2A, 0xAB, 0xAD, 0xAF, 0xB1,  // ｰ..ｹ
    0xB3, 0xB5, 0xB7, 0xB9, 0xBB, 0xBD, 0xBF, 0xC1, 0xC4, 0xC6,  // ｺ..ﾃ
    0xC8, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0xCF, 0xD2, 0xD5, 0xD8,  // ﾄ..ﾍ
    0xDB, 0x5E, 0x5F, 0x60, 0x61, 0x62, 0x64, 0x66, 0x68, 0x69,  // ﾎ..ﾗ
    0x6A, 0x6B, 0x6C, 0x6D, 0x6F, 0x73, 0x00, 0x00,              // ﾘ..ﾟ
};

// One entry per full-width katakana U+30A1 (ァ) .. U+30F6 (ヶ), the cells 0x21..0x76 of JIS row 0x25.
// Entry e: half-width kana U+FF66 + e % 56, followed by ﾞ when e / 56 is 1 and by ﾟ when it is 2. Kana
// without a half-width form get the nearest one.
inline constexpr std::array<std::uint8_t, 86> ZenKanaTable{
    1,   11,  2,  12, 3,   13, 4,  14,  5,   15,  // ァ..オ
    16,  72,  17, 73, 18,  74, 19, 75,  20,  76,  // カ..ゴ
    21,  77,  22, 78, 23,  79, 24, 80,  25,  81,  // サ..ゾ
    26,  82,  27, 83, 9,   28, 84, 29,  85,  30,  // タ..ト
    86,  31,  32, 33, 34,  35, 36, 92,  148, 37,  // ド..ヒ
    93,  149, 38, 94, 150, 39, 95, 151, 40,  96,  // ビ..ボ
    152, 41,  42, 43, 44,  45, 6,  46,  7,   47,  // ポ..ユ
    8,   48,  49, 50, 51,  52, 53, 54,  54,  12,  // ョ..ヰ
    14,  15,  55, 69, 16,  19,                    // ヱ..ヶ
};

// Parallel lists: character i of HanSymbols is the half-width form of character i of ZenSymbols, as code
// page 932 maps both.
inline constexpr std::u16string_view HanSymbols{u" !\"#$%&'()=`|-^\\~{@[+*};:]<>?_､｡･,./ｰ｢｣"};
inline constexpr std::u16string_view ZenSymbols{
    u"\u3000！”＃＄％＆’（）＝‘｜－＾￥￣｛＠［＋＊｝；：］＜＞？＿、。・，．／ー「」"};

// Half-width ASCII, symbols and katakana to their full-width forms; a kana followed by ﾞ or ﾟ becomes one
// voiced or semi-voiced kana where one exists.
Text HanToZen(const Text& s);

// Full-width digits, letters, symbols and katakana to half width; a voiced kana becomes the kana followed by
// ﾞ or ﾟ, and so does a kana followed by the combining mark U+3099 or U+309A (ハ U+309A gives ﾊﾟ).
Text ZenToHan(const Text& s);

}  // namespace HenkanJ
