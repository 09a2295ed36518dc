// Code page 932 as the system maps it, through the program's one conversion boundary. The Wine session must
// still be Japanese: the collation and the tests' own expectations depend on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/Encoding.h"

namespace {

TEST(CodePage, AnsiCodePageIs932) {
    ASSERT_EQ(GetACP(), 932u) << "Wine must run with LANG=ja_JP.UTF-8 (locale ja_JP.UTF-8 generated); "
                                 "every Shift_JIS behaviour depends on it";
}

TEST(CodePage, LiteralsAndSystemAgreeOnShiftJis) {
    // 表 ends in 0x5C and half-width ｱ is one byte: both must survive the boundary as CP932.
    std::string bytes;
    ASSERT_TRUE(TextToShiftJis("表ｱ", bytes));
    ASSERT_EQ(bytes, std::string("\x95\x5C\xB1"));
    EXPECT_EQ(WideFromShiftJis(bytes), u"\u8868\uFF71");
    EXPECT_EQ(TextFromShiftJis(bytes), "表ｱ");
    EXPECT_TRUE(IsDBCSLeadByte(0x95));
    EXPECT_FALSE(IsDBCSLeadByte(0xB1));
}

std::string CodeBytes(unsigned code) {
    return code < 0x100 ? std::string(1, static_cast<char>(code))
                        : std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

unsigned CodeOf(const std::string& bytes) {
    unsigned code = 0;
    for (const char b : bytes)
        code = code << 8 | static_cast<unsigned char>(b);
    return code;
}

bool IsLead(unsigned b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool InRange(unsigned code, unsigned first, unsigned last) {
    return code >= first && code <= last;
}

// Every single- and double-byte code the code page maps goes to UTF-16 and back. Only the duplicates come
// back otherwise: NEC row 13 as JIS row 2, the NEC-selected IBM extensions and a few IBM extensions as their
// twin, each as a code that itself round-trips and stands for the same character.
TEST(CodePage, EveryCodeRoundTripsButTheDuplicatesWhichTakeTheirTwin) {
    std::map<unsigned, unsigned> normalised;
    unsigned mapped = 0;
    const auto roundTrip = [&](unsigned code) {
        const std::string bytes = CodeBytes(code);
        const WideText wide = WideFromShiftJis(bytes);
        // A code the code page leaves unmapped decodes as the default character, the middle dot of 0x8145.
        if (wide.size() != 1 || (wide[0] == u'\u30FB' && code != 0x8145)) return;
        ++mapped;
        std::string back;
        EXPECT_TRUE(WideToShiftJis(wide, back)) << std::hex << code;
        if (back != bytes) normalised[code] = CodeOf(back);
    };
    for (unsigned b = 0; b < 0x100; ++b) {
        if (!IsLead(b)) roundTrip(b);
    }
    for (unsigned lead = 0; lead < 0x100; ++lead) {
        if (!IsLead(lead)) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail != 0x7F) roundTrip(lead << 8 | trail);
        }
    }
    EXPECT_GT(mapped, 7000u);
    for (const auto& [from, to] : normalised) {
        EXPECT_TRUE(InRange(from, 0x8790, 0x879C) || InRange(from, 0xED40, 0xEEFC) ||
                    InRange(from, 0xFA40, 0xFC4B))
            << std::hex << from;
        EXPECT_EQ(normalised.count(to), 0u) << std::hex << from << " -> " << to;
        EXPECT_EQ(WideFromShiftJis(CodeBytes(to)), WideFromShiftJis(CodeBytes(from))) << std::hex << from;
    }
    EXPECT_EQ(normalised.size(), 398u);
    // The list, runs of consecutive codes that go to consecutive codes on one line each.
    for (auto it = normalised.begin(); it != normalised.end();) {
        auto last = it;
        while (std::next(last) != normalised.end() && std::next(last)->first == last->first + 1 &&
               std::next(last)->second == last->second + 1)
            ++last;
        std::printf("normalises %04X-%04X -> %04X-%04X\n", it->first, last->first, it->second, last->second);
        it = std::next(last);
    }
}

}  // namespace
