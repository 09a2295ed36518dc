// Everything else assumes the ANSI code page is 932; fail loudly when the Wine session is not Japanese.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(CodePage, AnsiCodePageIs932) {
    ASSERT_EQ(GetACP(), 932u) << "Wine must run with LANG=ja_JP.UTF-8 (locale ja_JP.UTF-8 generated); "
                                 "every Shift_JIS behaviour depends on it";
}

TEST(CodePage, LiteralsAndSystemAgreeOnShiftJis) {
    // 表 ends in 0x5C and half-width ｱ is one byte: both must survive the compiler and the system as CP932.
    const std::string literal = "表ｱ";
    ASSERT_EQ(literal, std::string("\x95\x5C\xB1"));
    wchar_t wide[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, literal.data(), static_cast<int>(literal.size()), wide, 8), 2);
    EXPECT_EQ(wide[0], L'\u8868');
    EXPECT_EQ(wide[1], L'\uFF71');
    EXPECT_TRUE(IsDBCSLeadByte(0x95));
    EXPECT_FALSE(IsDBCSLeadByte(0xB1));
}
