#include "text/ShiftJisBytes.h"
#include "edit/HenkanJ.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <string_view>

namespace {

using HenkanJ::HanToZen;
using HenkanJ::ZenToHan;

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

// JIS X 0208 to Shift_JIS by the closed formula of the standard.
std::uint16_t ClosedJisToSjis(unsigned row, unsigned cell) {
    const unsigned lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
    const unsigned second = row % 2 == 0 ? cell + 0x7E : cell <= 0x5F ? cell + 0x1F : cell + 0x20;
    return static_cast<std::uint16_t>(lead << 8 | second);
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
    // A kana before a double-byte character is converted alone; a trail byte is never a kana or mark.
    {true, "B6 82 A0", "83 4A 82 A0"},
    {true, "81 B6 DE", "81 B6 DE"},
    // Trail bytes 0x5C and 0x41 are not ASCII.
    {true, "83 5C 81 5C 82 41", "83 5C 81 5C 82 41"},
    // ｱｲｴｶｹﾜ take the plain kana, not ヰヱヵヶヮ.
    {true, "B1 B2 B4 B6 B9 DC", "83 41 83 43 83 47 83 4A 83 50 83 8F"},
    {true, "09 7F 80 A0 FD FE FF", "09 7F 80 A0 FD FE FF"},
    // ヲヰヱヵヶヮ take substitutes; ｦ gives ヲ.
    {false, "83 92 83 90 83 91 83 95 83 96 83 8E", "B5 B2 B4 B6 B9 DC"},
    {true, "A6", "83 92"},
    {false, "82 4F 82 58 82 60 82 9A", "30 39 41 7A"},
    // A lead byte at the end is copied.
    {true, "41 82", "82 60 82"},
    {false, "83", "83"},
    {false, "82 60 83", "41 83"},
    // ゛゜, ※, full-width backslash, あ, 漢, and 刀 浴 (straddling two stored symbols) stay.
    {false, "81 4A 81 4B 81 A6 81 5F 82 A0 8A BF 93 81 97 81",
     "81 4A 81 4B 81 A6 81 5F 82 A0 8A BF 93 81 97 81"},
    // The walk stays on pairs: the trail 83 of 88 83 does not start a kana.
    {false, "88 83 40 81 81 83 40", "88 83 40 3D A7"},
    // Unassigned and invalid codes of rows 0x23 and 0x25.
    {false, "82 40", "21"},
    {false, "82 7F", "60"},
    {false, "82 80", "60"},
    {false, "83 7F", "D1"},
    {false, "83 80", "D1"},
    {false, "83 97 82 60", "83 97 41"},
    {false, "83 9E", "83 9E"},
    // Just outside rows 0x23 and 0x25.
    {false, "82 3F 82 9F 83 3F 83 9F", "82 3F 82 9F 83 3F 83 9F"},
    {false, "F0 40", "F0 40"},
};

TEST(HenkanJ, EdgeCases) {
    for (const EdgeCase& c : kEdgeCases) {
        SCOPED_TRACE(std::string(c.toZen ? "HanToZen " : "ZenToHan ") + c.input);
        const Text input = Hex(c.input);
        EXPECT_EQ(ToHex(c.toZen ? HanToZen(input) : ZenToHan(input)), ToHex(Hex(c.expected)));
    }
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
            input += HenkanJ::CodeToStr(ClosedJisToSjis(0x25, cell));
        EXPECT_EQ(ToHex(ZenToHan(input)), ToHex(Hex(row.expected))) << "cells from " << row.first;
    }
}

TEST(HenkanJ, JisToSjisMatchesClosedFormula) {
    for (unsigned row = 0x21; row <= 0x7E; ++row) {
        for (unsigned cell = 0x21; cell <= 0x7E; ++cell) {
            ASSERT_EQ(HenkanJ::JisToSjis(static_cast<std::uint16_t>(row << 8 | cell)),
                      ClosedJisToSjis(row, cell))
                << row << ' ' << cell;
        }
    }
}

TEST(HenkanJ, SjisToJisInvertsEveryValidCode) {
    for (unsigned lead = 0x81; lead <= 0xEF; ++lead) {
        if (InRange(lead, 0xA0, 0xDF)) continue;
        for (unsigned second = 0x40; second <= 0xFC; ++second) {
            if (second == 0x7F) continue;
            const auto sjis = static_cast<std::uint16_t>(lead << 8 | second);
            const std::uint16_t jis = HenkanJ::SjisToJis(sjis);
            ASSERT_TRUE(InRange(jis >> 8, 0x21, 0x7E) && InRange(jis & 0xFF, 0x21, 0x7E)) << sjis;
            ASSERT_EQ(HenkanJ::JisToSjis(jis), sjis);
        }
    }
}

// ZenToHan relies on which pairs land in rows 0x23 and 0x25, valid or not.
TEST(HenkanJ, SjisToJisRowsOfKanaAndAlnum) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!HenkanJ::IsKanjiLead(static_cast<unsigned char>(lead))) continue;
        for (unsigned n = 0; n <= 0xFF; ++n) {
            const std::uint16_t jis = HenkanJ::SjisToJis(static_cast<std::uint16_t>(lead << 8 | n));
            const bool inRange = InRange(n, 0x40, 0x9E);
            ASSERT_EQ(jis >> 8 == 0x25, lead == 0x83 && inRange) << lead << ' ' << n;
            ASSERT_EQ(jis >> 8 == 0x23, lead == 0x82 && inRange) << lead << ' ' << n;
            if ((lead == 0x82 || lead == 0x83) && inRange) {
                ASSERT_EQ(jis & 0xFFu, n < 0x80 ? n - 0x1F : n - 0x20) << n;
            }
        }
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

// Random bytes, weighted towards lead bytes, kana and marks.
TEST(HenkanJ, RandomStringsKeepInvariants) {
    std::mt19937 rng(932);
    const Text favourites = Hex("81 82 83 88 E0 FC DE DF B6 CA A6 B0 41 5C 7F 40 9E");
    for (int round = 0; round < 3000; ++round) {
        Text s(rng() % 48, '\0');
        for (char& c : s)
            c = static_cast<char>(rng() % 2 ? favourites[rng() % favourites.size()] : rng() % 256);
        SCOPED_TRACE(ToHex(s));
        const Text full = HanToZen(s);
        const Text half = ZenToHan(s);
        ASSERT_GE(full.size(), s.size());
        ASSERT_LE(full.size(), 2 * s.size());
        ASSERT_LE(half.size(), s.size());
        ASSERT_GE(2 * half.size(), s.size());
        ASSERT_EQ(HanToZen(full), full);
        ASSERT_EQ(ZenToHan(half), half);

        // Characters convert independently, except a kana with a following mark.
        std::size_t cut = 0;
        while (cut < s.size() / 2)
            cut += HenkanJ::IsKanjiLead(static_cast<unsigned char>(s[cut])) ? 2 : 1;
        const Text head = s.substr(0, cut), tail = s.substr(cut);
        ASSERT_EQ(half, ZenToHan(head) + ZenToHan(tail));
        if (tail.empty() || (tail[0] != '\xDE' && tail[0] != '\xDF')) {
            ASSERT_EQ(full, HanToZen(head) + HanToZen(tail));
        }
    }
}

TEST(HenkanJ, TablesAreConsistent) {
    ASSERT_EQ(HenkanJ::HanKanaTable.size(), 58u);
    ASSERT_EQ(HenkanJ::ZenKanaTable.size(), 86u);
    ASSERT_EQ(HenkanJ::HanSymbols.size(), 39u);
    ASSERT_EQ(HenkanJ::ZenSymbols.size(), 78u);
    for (unsigned b = 0xA6; b <= 0xDF; ++b) {
        const std::uint8_t e = HenkanJ::HanKanaTable[b - 0xA6];
        EXPECT_EQ(e == 0, b == 0xB0 || b == 0xDE || b == 0xDF) << b;
        EXPECT_EQ((e & 0x80) != 0, InRange(b, 0xB6, 0xC4) || InRange(b, 0xCA, 0xCE)) << b;
    }
    EXPECT_TRUE(std::all_of(HenkanJ::ZenKanaTable.begin(), HenkanJ::ZenKanaTable.end(),
                            [](std::uint8_t e) { return e < 3 * 56; }));
    const std::set<char> han(HenkanJ::HanSymbols.begin(), HenkanJ::HanSymbols.end());
    EXPECT_EQ(han.size(), 39u);
    std::set<std::string_view> zen;
    for (std::size_t i = 0; i < 78; i += 2)
        zen.insert(HenkanJ::ZenSymbols.substr(i, 2));
    EXPECT_EQ(zen.size(), 39u);
    for (unsigned b = 0x20; b <= 0x7E; ++b) {
        const bool alnum = InRange(b, 0x30, 0x39) || InRange(b, 0x41, 0x5A) || InRange(b, 0x61, 0x7A);
        EXPECT_EQ(han.count(static_cast<char>(b)) == 1, !alnum) << b;
    }
}

TEST(HenkanJ, CodeHelpers) {
    EXPECT_EQ(ToHex(HenkanJ::CodeToStr(0x0041)), "00 41");
    EXPECT_EQ(ToHex(HenkanJ::CodeToStr(0x8200)), "82 00");
    EXPECT_EQ(HenkanJ::StrToCode(Hex("82 60 99")), 0x8260);
    EXPECT_EQ(HenkanJ::StrToCode(Hex("41")), 0x4100);
    EXPECT_EQ(HenkanJ::StrToCode(""), 0);
    EXPECT_EQ(HenkanJ::SymbolToZen(0x5C), 0x818F);
    EXPECT_EQ(HenkanJ::SymbolToZen(0xA3), 0x8176);
    EXPECT_EQ(HenkanJ::SymbolToZen(0x41), 0x0041);
    EXPECT_EQ(HenkanJ::SymbolToZen(0xB1), 0x00B1);
}

}  // namespace
