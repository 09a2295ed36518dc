#include "platform/ProfileFile.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"

namespace {

using namespace std::string_literals;

std::string ShiftJis(const Text& text) {
    std::string bytes;
    TextToShiftJis(text, bytes);
    return bytes;
}

std::string Utf16(const WideText& wide) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : wide)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

// Each file is read in its encoding and written back in it; the lines not set keep their bytes (an NEC
// duplicate and a stray byte in code page 932, an unpaired surrogate in UTF-16).
TEST(ProfileFile, EachEncodingIsReadAndKept) {
    struct Case {
        std::string before;
        Text value;  // of [Show] FontName
        Text set;
        std::string after;
    };
    const Case cases[] = {
        {"[X]\r\nY=\xED\x40\xFF\r\n[Show]\r\nFontName=" + ShiftJis("ＭＳ ゴシック") + "\r\n", "ＭＳ ゴシック",
         "表", "[X]\r\nY=\xED\x40\xFF\r\n[Show]\r\nFontName=" + ShiftJis("表") + "\r\n"},
        {Utf16(u"[X]\r\nY=\xD800\r\n[Show]\r\nFontName=한국어\r\n"), "한국어", "😀",
         Utf16(u"[X]\r\nY=\xD800\r\n[Show]\r\nFontName=😀\r\n")},
        {"\xEF\xBB\xBF[Show]\r\nFontName=café\r\n", "café", "한", "\xEF\xBB\xBF[Show]\r\nFontName=한\r\n"},
        // Bytes that would be well-formed UTF-8 are code page 932 all the same without a mark.
        {"[Show]\r\nFontName=\xDE\xB1\r\n", "ﾞｱ", "ﾃﾞ", "[Show]\r\nFontName=\xC3\xDE\r\n"},
    };
    for (const Case& c : cases) {
        ProfileFile file(c.before);
        EXPECT_EQ(file.Value("Show", "FontName"), c.value);
        EXPECT_TRUE(file.Set("Show", "FontName", c.set)) << c.set;
        EXPECT_EQ(file.Bytes(), c.after) << c.value;
    }
}

TEST(ProfileFile, ShiftJisFileTakesOnlyWhatReadsBack) {
    for (const Text& refused : {"한국어"s, "café"s, "\xED\xA0\x80"s, "\xFF"s, " a"s, "a\t"s, "a\r\nb"s}) {
        ProfileFile file;
        EXPECT_FALSE(file.Set("Show", "FontName", refused)) << refused;
        EXPECT_EQ(file.Bytes(), "");
    }
    for (const Text& taken : {"ＭＳ ゴシック"s, ""s, "%41"s, "\"q\""s, "ｱ≒∵\\"s, "a\0b"s}) {
        ProfileFile file;
        EXPECT_TRUE(file.Set("Show", "FontName", taken)) << taken;
        EXPECT_EQ(ProfileFile(file.Bytes()).Value("Show", "FontName"), taken);
    }
}

}  // namespace
