// Letter case from the system's tables: what CharUpperBuffW and CharLowerBuffW give over a whole line of
// characters code page 932 holds, but never a changed Shift_JIS length, a character the code page cannot
// hold, or bytes that are no UTF-8 rewritten.
#include "platform/win32/Win32CaseMapper.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/Encoding.h"
#include "platform/win32/WideText.h"

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
    {"表 and ソ, whose Shift_JIS forms end in 5C", "表ソ\\z", "表ソ\\Z", "表ソ\\z"},
    {"second bytes 61..7A: ヂ 83 61, ホ 83 7A, 蛎 8A 61", "ヂホ蛎x", "ヂホ蛎X", "ヂホ蛎x"},
    {"second bytes 41..5A: ア 83 41, セ 83 5A", "アセA", "アセA", "アセa"},
    {"half-width katakana and marks", "ｱｶﾞﾊﾟｰ｡", "ｱｶﾞﾊﾟｰ｡", "ｱｶﾞﾊﾟｰ｡"},
    {"full-width letters", "ａｚＡＺ", "ＡＺＡＺ", "ａｚａｚ"},
    {"Greek and Cyrillic", "αΑаА", "ΑΑАА", "ααаа"},
    {"kana and kanji", "あア亜漢", "あア亜漢", "あア亜漢"},
    {"NEC-selected and IBM codes", TextFromShiftJis("\xED\x40\xFA\x5C"), TextFromShiftJis("\xED\x40\xFA\x5C"),
     TextFromShiftJis("\xED\x40\xFA\x5C")},
    // Outside the code page nothing changes case, not even where the system knows a partner.
    {"outside the code page", "éÉ한ǅ😀", "éÉ한ǅ😀", "éÉ한ǅ😀"},
    {"mixed", "aé表ａ", "Aé表Ａ", "aé表ａ"},
    // Bytes that are no UTF-8 stay; the ASCII letters around them change.
    {"82 at the end", "ab\x82", "AB\x82", "ab\x82"},
    {"81 20", "a\x81\x20z", "A\x81\x20Z", "a\x81\x20z"},
    {"85 40", "\x85\x40q", "\x85\x40Q", "\x85\x40q"},
    {"bytes without a character", kNoCharacter + "a", kNoCharacter + "A", kNoCharacter + "a"},
};

TEST(Win32CaseMapper, EachKindOfCharacter) {
    Win32CaseMapper mapper;
    for (const CaseRow& row : kRows) {
        EXPECT_EQ(Upper(mapper, row.input), row.upper) << row.name;
        EXPECT_EQ(Lower(mapper, row.input), row.lower) << row.name;
    }
}

// Every character that converts back to its own Shift_JIS code, in lines of every lead byte, mapped as the
// system maps the whole line at once.
TEST(Win32CaseMapper, AgreesWithTheSystemOverWholeLines) {
    Win32CaseMapper mapper;
    std::vector<Text> lines;
    Text ascii;
    for (int b = 1; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    lines.push_back(ascii);
    std::string kana;
    for (int b = 0xA1; b <= 0xDF; ++b)
        kana += static_cast<char>(b);
    lines.push_back(TextFromShiftJis(kana));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0) continue;
        Text line = "x";
        for (int second = 0x40; second <= 0xFC; ++second) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(second)};
            const Text character = TextFromShiftJis(pair);
            std::string back;
            if (CharacterBytes(character, 0) != character.size() || !TextToShiftJis(character, back) ||
                back != pair)
                continue;
            line += character;
        }
        lines.push_back(line + "y");
    }
    int changed = 0;
    for (const Text& line : lines) {
        std::wstring upper = Wide(line);
        std::wstring lower = upper;
        CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
        CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
        EXPECT_EQ(Upper(mapper, line), FromWide(upper)) << line;
        EXPECT_EQ(Lower(mapper, line), FromWide(lower)) << line;
        changed += FromWide(upper) != line;
    }
    EXPECT_GT(changed, 3);  // ASCII, full-width, Greek, Cyrillic at least
}

}  // namespace
