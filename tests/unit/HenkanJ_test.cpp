#include "edit/HenkanJ.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Encoding.h"

namespace {

// "B6 DE 20" -> the three bytes.
Text Hex(std::string_view hex) {
    Text out;
    for (std::size_t i = 0; i < hex.size(); ++i) {
        if (hex[i] == ' ') continue;
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        ++i;
    }
    return out;
}

std::string ToHex(const Text& s) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string Sjis(const Text& text) {
    std::string bytes;
    EXPECT_TRUE(TextToShiftJis(text, bytes)) << text;
    return bytes;
}

// The conversions on Shift_JIS bytes that code page 932 holds, through Text: the cases below are written as
// the bytes the program once held, and their results compared as bytes.
Text HanToZen(const Text& bytes) {
    return Sjis(HenkanJ::HanToZen(TextFromShiftJis(bytes)));
}

Text ZenToHan(const Text& bytes) {
    return Sjis(HenkanJ::ZenToHan(TextFromShiftJis(bytes)));
}

// JIS X 0208 to Shift_JIS by the closed formula of the standard.
std::uint16_t ClosedJisToSjis(unsigned row, unsigned cell) {
    const unsigned lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
    const unsigned second = row % 2 == 0 ? cell + 0x7E : cell <= 0x5F ? cell + 0x1F : cell + 0x20;
    return static_cast<std::uint16_t>(lead << 8 | second);
}

Text CodeToStr(std::uint16_t code) {
    return Text{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

bool InRange(unsigned v, unsigned lo, unsigned hi) {
    return v >= lo && v <= hi;
}

// Texts each conversion turns into the other: HanToZen(half) is full and ZenToHan(full) is half.
const struct {
    const char* what;
    const char* half;
    const char* full;
} kRoundTrips[] = {
    {"ｶﾞｷﾞ ABC 123 (ﾃｽﾄ)", "B6 DE B7 DE 20 41 42 43 20 31 32 33 20 28 C3 BD C4 29",
     "83 4B 83 4D 81 40 82 60 82 61 82 62 81 40 82 50 82 51 82 52 81 40 81 69 83 65 83 58 83 67 81 6A"},
    {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", "CA DF CB DF CC DF CD DF CE DF", "83 70 83 73 83 76 83 79 83 7C"},
    {"every symbol, in byte order",
     "20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F 3A 3B 3C 3D 3E 3F 40 5B 5C 5D 5E 5F 60 7B 7C 7D 7E",
     "81 40 81 49 81 68 81 94 81 90 81 93 81 95 81 66 81 69 81 6A 81 96 81 7B 81 43 81 7C 81 44 81 5E 81 46 "
     "81 47 81 83 81 81 81 84 81 48 81 97 81 6D 81 8F 81 6E 81 4F 81 51 81 65 81 6F 81 62 81 70 81 50"},
    {"ｰ｡｢｣､･", "B0 A1 A2 A3 A4 A5", "81 5B 81 42 81 75 81 76 81 41 81 45"},
    {"a \\ b ~ c", "61 5C 62 7E 63", "82 81 81 8F 82 82 81 50 82 83"},
    {"quotation mark, apostrophe, grave accent", "22 27 60", "81 68 81 66 81 65"},
};

TEST(HenkanJ, RoundTrips) {
    for (const auto& c : kRoundTrips) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ToHex(HanToZen(Hex(c.half))), ToHex(Hex(c.full)));
        EXPECT_EQ(ToHex(ZenToHan(Hex(c.full))), ToHex(Hex(c.half)));
    }
}

struct EdgeCase {
    bool toZen;  // HanToZen, else ZenToHan
    const char* input;
    const char* expected;
};

const EdgeCase kEdgeCases[] = {
    {true, "", ""},
    {false, "", ""},
    // Marks that cannot join stay marks: ｳﾞｧ, ｶﾟ, ﾞｱﾞﾞ, ｶﾞﾞ, Aﾟ
    {true, "B3 DE A7", "83 45 81 4A 83 40"},
    {false, "83 94", "B3 DE"},
    {true, "B6 DF", "83 4A 81 4B"},
    {true, "DE B1 DE DE", "DE 83 41 81 4A DE"},
    {true, "B6 DE DE", "83 4B DE"},
    {true, "41 DF", "82 60 DF"},
    // A kana before a double-byte character is converted alone; ∈ (81 B8) is no kana.
    {true, "B6 82 A0", "83 4A 82 A0"},
    {true, "81 B8 DE", "81 B8 DE"},
    // ソ, ― and 晦 (second bytes 5C and 41) are left alone.
    {true, "83 5C 81 5C 8A 41", "83 5C 81 5C 8A 41"},
    // ｱｲｴｶｹﾜ take the plain kana, not ヰヱヵヶヮ.
    {true, "B1 B2 B4 B6 B9 DC", "83 41 83 43 83 47 83 4A 83 50 83 8F"},
    {true, "09 7F", "09 7F"},
    // ヲヰヱヵヶヮ take substitutes; ｦ gives ヲ.
    {false, "83 92 83 90 83 91 83 95 83 96 83 8E", "B5 B2 B4 B6 B9 DC"},
    {true, "A6", "83 92"},
    {false, "82 4F 82 58 82 60 82 9A", "30 39 41 7A"},
    // ゛゜, ※, full-width backslash, あ, 漢, and 刀 浴 (straddling two stored symbols) stay.
    {false, "81 4A 81 4B 81 A6 81 5F 82 A0 8A BF 93 81 97 81",
     "81 4A 81 4B 81 A6 81 5F 82 A0 8A BF 93 81 97 81"},
    // 宴 (89 83) is no kana, whatever its second byte.
    {false, "89 83 40 81 81 83 40", "89 83 40 3D A7"},
    // Just outside rows 0x23 and 0x25: ぁ and Α; a user-defined character.
    {false, "82 9F 83 9F", "82 9F 83 9F"},
    {false, "F0 40", "F0 40"},
};

TEST(HenkanJ, EdgeCases) {
    for (const EdgeCase& c : kEdgeCases) {
        SCOPED_TRACE(std::string(c.toZen ? "HanToZen " : "ZenToHan ") + c.input);
        const Text input = Hex(c.input);
        EXPECT_EQ(ToHex(c.toZen ? HanToZen(input) : ZenToHan(input)), ToHex(Hex(c.expected)));
    }
}

// Decomposed kana, as Mac names write them, with the combining marks U+3099 and U+309A that code page 932
// cannot hold: 半角 takes kana and mark as the one voiced kana; 全角 leaves them, as any character it does
// not convert.
const struct {
    bool toZen;
    Text input;
    Text expected;
} kCombiningMarks[] = {
    {false, "ハ\u309Aリ", "ﾊﾟﾘ"},
    {false, "カ\u3099キ\u3099ウ\u3099", "ｶﾞｷﾞｳﾞ"},
    {false, "ﾊ\u309Aﾃ\u3099", "ﾊﾟﾃﾞ"},
    // No kana before it: the mark stays. A voiced kana and a mark: both marks.
    {false, "\u3099は\u309AA\u3099ｰ\u3099", "\u3099は\u309AA\u3099ｰ\u3099"},
    {false, "ガ\u3099", "ｶﾞﾞ"},
    {true, "ハ\u309A", "ハ\u309A"},
    {true, "ﾊ\u309Aｶﾞ", "ハ\u309Aガ"},
};

TEST(HenkanJ, CombiningMarks) {
    for (const auto& c : kCombiningMarks)
        EXPECT_EQ(c.toZen ? HenkanJ::HanToZen(c.input) : HenkanJ::ZenToHan(c.input), c.expected) << c.input;
}

// Expected half-width forms of the katakana rows of JIS row 0x25.
TEST(HenkanJ, ZenToHanKatakana) {
    const struct {
        unsigned first, last;
        const char* expected;
    } rows[] = {
        {0x21, 0x2A, "A7 B1 A8 B2 A9 B3 AA B4 AB B5"},
        {0x2B, 0x34, "B6 B6 DE B7 B7 DE B8 B8 DE B9 B9 DE BA BA DE"},
        {0x35, 0x3E, "BB BB DE BC BC DE BD BD DE BE BE DE BF BF DE"},
        {0x3F, 0x49, "C0 C0 DE C1 C1 DE AF C2 C2 DE C3 C3 DE C4 C4 DE"},
        {0x4A, 0x4E, "C5 C6 C7 C8 C9"},
        {0x4F, 0x5D, "CA CA DE CA DF CB CB DE CB DF CC CC DE CC DF CD CD DE CD DF CE CE DE CE DF"},
        {0x5E, 0x62, "CF D0 D1 D2 D3"},
        {0x63, 0x68, "AC D4 AD D5 AE D6"},
        {0x69, 0x6D, "D7 D8 D9 DA DB"},
        {0x6E, 0x73, "DC DC B2 B4 B5 DD"},
        {0x74, 0x76, "B3 DE B6 B9"},
    };
    for (const auto& row : rows) {
        Text input;
        for (unsigned cell = row.first; cell <= row.last; ++cell)
            input += CodeToStr(ClosedJisToSjis(0x25, cell));
        EXPECT_EQ(ToHex(ZenToHan(input)), ToHex(Hex(row.expected))) << "cells from " << row.first;
    }
}

bool IsHalfKana(unsigned b) {
    return InRange(b, 0xA6, 0xAF) || InRange(b, 0xB1, 0xDD);
}

TEST(HenkanJ, SingleCharactersComeBack) {
    for (unsigned b = 0x20; b <= 0xDF; ++b) {
        if (b == 0x7F || InRange(b, 0x80, 0xA0) || b == 0xDE || b == 0xDF) continue;
        const Text half(1, static_cast<char>(b));
        const Text full = HanToZen(half);
        ASSERT_EQ(full.size(), 2u) << b;
        // ｦ becomes ヲ, which goes back as ｵ.
        EXPECT_EQ(ToHex(ZenToHan(full)), ToHex(b == 0xA6 ? Hex("B5") : half));
    }
}

TEST(HenkanJ, KanaWithMarksComeBack) {
    for (unsigned b = 0xA6; b <= 0xDF; ++b) {
        for (const unsigned mark : {0xDEu, 0xDFu}) {
            SCOPED_TRACE(ToHex({static_cast<char>(b), static_cast<char>(mark)}));
            const Text input{static_cast<char>(b), static_cast<char>(mark)};
            const bool voiced = InRange(b, 0xB6, 0xC4) || InRange(b, 0xCA, 0xCE);
            const bool joins = mark == 0xDE ? voiced : InRange(b, 0xCA, 0xCE);
            const Text full = HanToZen(input);
            if (!IsHalfKana(b)) {
                EXPECT_EQ(ToHex(ZenToHan(full)), ToHex(input));
                continue;
            }
            EXPECT_EQ(full.size(), joins ? 2u : 4u);
            Text expected(1, static_cast<char>(b == 0xA6 ? 0xB5 : b));
            expected += joins ? Text(1, static_cast<char>(mark)) : Hex(mark == 0xDE ? "81 4A" : "81 4B");
            EXPECT_EQ(ToHex(ZenToHan(full)), ToHex(expected));
        }
    }
}

// Shift_JIS width: the unit the conversions' bounds count in.
std::size_t Width(const Text& s) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < s.size(); i += CharacterBytes(s, i))
        width += ShiftJisWidth(CharacterAt(s, i));
    return width;
}

// Random texts, weighted towards kana and marks, with characters code page 932 cannot hold and bytes that are
// no UTF-8.
TEST(HenkanJ, RandomStringsKeepInvariants) {
    std::mt19937 rng(932);
    const std::vector<Text> pieces = {"ｶ", "ﾊ",  "ﾞ",        "ﾟ",    "ｦ",    "ｰ",  "A",      "\\",
                                      "~", "ア", "ガ",       "Ｚ",   "＼",   "～", "〜",     "한",
                                      "😀", "é",  "\xE3\x81", "\xFF", "\x7F", "漢", "\u3099", "\u309A"};
    for (int round = 0; round < 3000; ++round) {
        Text s;
        for (std::size_t k = rng() % 32; k > 0; --k)
            s += pieces[rng() % pieces.size()];
        SCOPED_TRACE(ToHex(s));
        const Text full = HenkanJ::HanToZen(s);
        const Text half = HenkanJ::ZenToHan(s);
        ASSERT_GE(Width(full), Width(s));
        ASSERT_LE(Width(full), 2 * Width(s));
        ASSERT_LE(Width(half), Width(s));
        ASSERT_GE(2 * Width(half), Width(s));
        ASSERT_EQ(HenkanJ::HanToZen(full), full);
        ASSERT_EQ(HenkanJ::ZenToHan(half), half);

        // Characters convert independently, except a kana with a following mark.
        std::size_t cut = 0;
        while (cut < s.size() / 2)
            cut += CharacterBytes(s, cut);
        const Text head = s.substr(0, cut), tail = s.substr(cut);
        if (tail.rfind("\u3099", 0) != 0 && tail.rfind("\u309A", 0) != 0) {
            ASSERT_EQ(half, HenkanJ::ZenToHan(head) + HenkanJ::ZenToHan(tail));
        }
        if (tail.rfind("ﾞ", 0) != 0 && tail.rfind("ﾟ", 0) != 0) {
            ASSERT_EQ(full, HenkanJ::HanToZen(head) + HenkanJ::HanToZen(tail));
        }
    }
}

// The conversion as it was made on Shift_JIS bytes, from the same kana tables and the symbol lists as bytes:
// the oracle for the conversion of every character code page 932 holds.
const std::string_view kHanSymbolBytes{
    "\x20\x21\x22\x23\x24\x25\x26\x27\x28\x29\x3D\x60\x7C\x2D\x5E\x5C\x7E\x7B\x40\x5B"
    "\x2B\x2A\x7D\x3B\x3A\x5D\x3C\x3E\x3F\x5F\xA4\xA1\xA5\x2C\x2E\x2F\xB0\xA2\xA3"};
const std::string_view kZenSymbolBytes{
    "\x81\x40\x81\x49\x81\x68\x81\x94\x81\x90\x81\x93\x81\x95\x81\x66\x81\x69\x81\x6A"
    "\x81\x81\x81\x65\x81\x62\x81\x7C\x81\x4F\x81\x8F\x81\x50\x81\x6F\x81\x97\x81\x6D"
    "\x81\x7B\x81\x96\x81\x70\x81\x47\x81\x46\x81\x6E\x81\x83\x81\x84\x81\x48\x81\x51"
    "\x81\x41\x81\x42\x81\x45\x81\x43\x81\x44\x81\x5E\x81\x5B\x81\x75\x81\x76"};

bool IsLead(unsigned b) {
    return InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC);
}

unsigned ByteAt(const Text& s, std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

Text ReferenceHanToZen(const Text& s) {
    const auto jis = [](unsigned row, unsigned cell) { return CodeToStr(ClosedJisToSjis(row, cell)); };
    Text out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned b = ByteAt(s, i), n = ByteAt(s, i + 1);
        const std::size_t symbol = kHanSymbolBytes.find(s[i]);
        if (IsLead(b)) {
            out.append(s, i++, 2);
        } else if (InRange(b, 0xA6, 0xDF) && b != 0xB0 && HenkanJ::HanKanaTable[b - 0xA6] != 0) {
            const unsigned e = HenkanJ::HanKanaTable[b - 0xA6], cell = e & 0x7F;
            const bool marked = n == 0xDE || n == 0xDF, voiceable = (e & 0x80) != 0;
            if (voiceable && n == 0xDE) {
                out += jis(0x25, cell + 1);
            } else if (voiceable && InRange(b, 0xCA, 0xCE) && n == 0xDF) {
                out += jis(0x25, cell + 2);
            } else {
                out += jis(0x25, cell) + (marked ? jis(0x21, n - 0xDE + 0x2B) : Text());
            }
            i += marked;
        } else if (InRange(b, 0x30, 0x39) || InRange(b, 0x41, 0x5A) || InRange(b, 0x61, 0x7A)) {
            out += jis(0x23, b);
        } else if (symbol != std::string_view::npos) {
            out += kZenSymbolBytes.substr(2 * symbol, 2);
        } else {
            out += s[i];
        }
    }
    return out;
}

Text ReferenceZenToHan(const Text& s) {
    Text out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned b = ByteAt(s, i), n = ByteAt(s, i + 1), cell = n < 0x80 ? n - 0x1F : n - 0x20;
        std::size_t symbol = std::string_view::npos;
        for (std::size_t k = 0; b == 0x81 && k < kZenSymbolBytes.size(); k += 2)
            if (static_cast<unsigned char>(kZenSymbolBytes[k + 1]) == n) symbol = k / 2;
        if (!IsLead(b)) {
            out += s[i];
            continue;
        }
        if (b == 0x83 && InRange(n, 0x40, 0x9E) && InRange(cell, 0x21, 0x76)) {
            const unsigned e = HenkanJ::ZenKanaTable[cell - 0x21];
            out += static_cast<char>(0xA6 + e % 56);
            if (e / 56 != 0) out += static_cast<char>(0xDD + e / 56);
        } else if (symbol != std::string_view::npos) {
            out += kHanSymbolBytes[symbol];
        } else if (b == 0x82 && InRange(n, 0x40, 0x9E)) {
            out += static_cast<char>(cell);
        } else {
            out.append(s, i, 2);
        }
        ++i;
    }
    return out;
}

// The rows where code page 932 gives one character two codes (NEC row 13, the NEC-selected IBM extensions and
// the IBM extensions): a code there may come back as its twin.
bool InDuplicateRows(unsigned code) {
    return InRange(code, 0x8790, 0x879C) || InRange(code, 0xED40, 0xEEFC) || InRange(code, 0xFA40, 0xFC4B);
}

// Every code that stands for one character code page 932 holds (the NEC and IBM codes of one character
// included). A code the code page leaves undefined decodes to the system's stand-in (・ on Windows) and comes
// back as that character's code: it is none.
std::vector<Text> CodePageCharacters() {
    std::vector<Text> codes;
    for (unsigned b = 1; b < 0x100; ++b) {
        for (unsigned second = IsLead(b) ? 0x40 : 0; second <= (IsLead(b) ? 0xFC : 0); ++second) {
            const Text code = IsLead(b) ? CodeToStr(static_cast<std::uint16_t>(b << 8 | second))
                                        : Text(1, static_cast<char>(b));
            const Text text = TextFromShiftJis(code);
            std::string back;
            if (CharacterBytes(text, 0) == text.size() && TextToShiftJis(text, back) &&
                (back == code || (InDuplicateRows(b << 8 | second) && text != "・")))
                codes.push_back(code);
        }
    }
    return codes;
}

// Each character alone and before each of a few followers (marks, ASCII, a double-byte character), then
// random texts of them.
TEST(HenkanJ, MatchesTheShiftJisConversionOnEveryCharacterTheCodePageHolds) {
    const std::vector<Text> codes = CodePageCharacters();
    ASSERT_GT(codes.size(), 7000u);
    const auto check = [](const Text& bytes) {
        const Text text = TextFromShiftJis(bytes);
        EXPECT_EQ(HenkanJ::HanToZen(text), TextFromShiftJis(ReferenceHanToZen(bytes))) << ToHex(bytes);
        EXPECT_EQ(HenkanJ::ZenToHan(text), TextFromShiftJis(ReferenceZenToHan(bytes))) << ToHex(bytes);
    };
    for (const Text& code : codes) {
        for (const char* follower : {"", "\xDE", "\xDF", "A", "\x82\xA0"})
            check(code + follower);
    }
    std::mt19937 rng(1);
    for (int round = 0; round < 2000; ++round) {
        Text bytes;
        for (std::size_t k = rng() % 16; k > 0; --k)
            bytes += codes[rng() % codes.size()];
        check(bytes);
    }
}

TEST(HenkanJ, SymbolListsAreTheCodePageForms) {
    EXPECT_EQ(WideToText(HenkanJ::HanSymbols), TextFromShiftJis(kHanSymbolBytes));
    EXPECT_EQ(WideToText(HenkanJ::ZenSymbols), TextFromShiftJis(kZenSymbolBytes));
}

TEST(HenkanJ, TablesAreConsistent) {
    ASSERT_EQ(HenkanJ::HanKanaTable.size(), 58u);
    ASSERT_EQ(HenkanJ::ZenKanaTable.size(), 86u);
    ASSERT_EQ(HenkanJ::HanSymbols.size(), 39u);
    ASSERT_EQ(HenkanJ::ZenSymbols.size(), 39u);
    for (unsigned b = 0xA6; b <= 0xDF; ++b) {
        const std::uint8_t e = HenkanJ::HanKanaTable[b - 0xA6];
        EXPECT_EQ(e == 0, b == 0xB0 || b == 0xDE || b == 0xDF) << b;
        EXPECT_EQ((e & 0x80) != 0, InRange(b, 0xB6, 0xC4) || InRange(b, 0xCA, 0xCE)) << b;
    }
    EXPECT_TRUE(std::all_of(HenkanJ::ZenKanaTable.begin(), HenkanJ::ZenKanaTable.end(),
                            [](std::uint8_t e) { return e < 3 * 56; }));
    const std::set<char16_t> han(HenkanJ::HanSymbols.begin(), HenkanJ::HanSymbols.end());
    EXPECT_EQ(han.size(), 39u);
    const std::set<char16_t> zen(HenkanJ::ZenSymbols.begin(), HenkanJ::ZenSymbols.end());
    EXPECT_EQ(zen.size(), 39u);
    for (unsigned b = 0x20; b <= 0x7E; ++b) {
        const bool alnum = InRange(b, 0x30, 0x39) || InRange(b, 0x41, 0x5A) || InRange(b, 0x61, 0x7A);
        EXPECT_EQ(han.count(static_cast<char16_t>(b)) == 1, !alnum) << b;
    }
}

}  // namespace
