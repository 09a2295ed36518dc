// Letter case from the system's tables: what CharUpperBuffA and CharLowerBuffA give over a whole line, but
// never a changed byte length, a second byte mapped on its own, or a character rewritten without a change of
// case.
#include "text/ShiftJisBytes.h"
#include "platform/win32/Win32CaseMapper.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

Text Upper(Win32CaseMapper& mapper, Text s) {
    mapper.ToUpper(s);
    return s;
}

Text Lower(Win32CaseMapper& mapper, Text s) {
    mapper.ToLower(s);
    return s;
}

struct CaseRow {
    const char* name;
    Text input;
    Text upper;
    Text lower;
};

const Text kNoCharacter = "\x80\xA0\xFD\xFE\xFF";

const CaseRow kRows[] = {
    {"ASCII", "azAZ09 @[`{", "AZAZ09 @[`{", "azaz09 @[`{"},
    {"empty", "", "", ""},
    {"second byte 5C of 表", "表\\z", "表\\Z", "表\\z"},
    {"second bytes 61..7A: ヂ 83 61, ホ 83 7A, 蛎 8A 61", "ヂホ蛎x", "ヂホ蛎X", "ヂホ蛎x"},
    {"second bytes 41..5A: ア 83 41, セ 83 5A", "アセA", "アセA", "アセa"},
    {"half-width katakana and marks", "ｱｶﾞﾊﾟｰ｡", "ｱｶﾞﾊﾟｰ｡", "ｱｶﾞﾊﾟｰ｡"},
    {"full-width letters", "ａｚＡＺ", "ＡＺＡＺ", "ａｚａｚ"},
    {"Greek and Cyrillic", "αΑаА", "ΑΑАА", "ααаа"},
    {"kana and kanji", "あア亜漢", "あア亜漢", "あア亜漢"},
    // The same kanji in its NEC-selected and IBM codes: the system would rewrite the first as the second.
    {"NEC-selected and IBM codes", "\xED\x40\xFA\x5C", "\xED\x40\xFA\x5C", "\xED\x40\xFA\x5C"},
    {"lead byte at the end", "ab\x82", "AB\x82", "ab\x82"},
    {"malformed pair 81 20", "a\x81\x20z", "A\x81\x20Z", "a\x81\x20z"},
    {"undefined pair 85 40", "\x85\x40q", "\x85\x40Q", "\x85\x40q"},
    {"bytes without a character", kNoCharacter + "a", kNoCharacter + "A", kNoCharacter + "a"},
};

TEST(Win32CaseMapper, EachKindOfCharacter) {
    Win32CaseMapper mapper;
    for (const CaseRow& row : kRows) {
        EXPECT_EQ(Upper(mapper, row.input), row.upper) << row.name;
        EXPECT_EQ(Lower(mapper, row.input), row.lower) << row.name;
    }
}

// Every well-formed character that converts back to its own bytes, in lines of every lead byte, mapped as the
// system maps the whole line at once.
TEST(Win32CaseMapper, AgreesWithTheSystemOverWholeLines) {
    Win32CaseMapper mapper;
    std::vector<Text> lines;
    Text ascii;
    for (int b = 1; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    lines.push_back(ascii);
    Text kana;
    for (int b = 0xA1; b <= 0xDF; ++b)
        kana += static_cast<char>(b);
    lines.push_back(kana);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsKanjiLead(static_cast<unsigned char>(lead))) continue;
        Text line = "x";
        for (int second = 0x40; second <= 0xFC; ++second) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(second)};
            WCHAR wide[2];
            char back[4];
            if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1) continue;
            if (WideCharToMultiByte(CP_ACP, 0, wide, 1, back, 4, nullptr, nullptr) != 2) continue;
            if (back[0] != pair[0] || back[1] != pair[1]) continue;
            line.append(pair, 2);
        }
        lines.push_back(line + "y");
    }
    int changed = 0;
    for (const Text& line : lines) {
        Text upper = line;
        Text lower = line;
        CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
        CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
        EXPECT_EQ(Upper(mapper, line), upper)
            << "lead " << std::hex << (static_cast<unsigned char>(line[1]) | 0);
        EXPECT_EQ(Lower(mapper, line), lower)
            << "lead " << std::hex << (static_cast<unsigned char>(line[1]) | 0);
        changed += upper != line;
    }
    EXPECT_GT(changed, 3);  // ASCII, full-width, Greek, Cyrillic at least
}

}  // namespace
