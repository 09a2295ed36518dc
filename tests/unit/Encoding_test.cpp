#include "platform/Encoding.h"

#include <gtest/gtest.h>

namespace {

// Each byte that starts no character becomes one replacement and the reading goes on at the next byte; an
// encoded surrogate is the unit it encodes, so that a name holding a lone one comes back unchanged.
TEST(TextToWide, IllFormedBytesAreReplacedOneByOneAndEncodedSurrogatesKept) {
    const struct {
        const char* name;
        std::string text;
        WideText wide;
    } cases[] = {
        {"well-formed, one to four bytes", "a\xC3\xA9不😀", u"aé不\U0001F600"},
        {"a byte no sequence starts with",
         "\xFF"
         "a",
         u"\xFFFD"
         "a"},
        {"a sequence broken off by ASCII",
         "\xE4\xB8"
         "b",
         u"\xFFFD\xFFFD"
         "b"},
        {"a sequence the text cuts short", "\xF0\x9F\x98", u"\xFFFD\xFFFD\xFFFD"},
        {"an overlong form", "\xC0\xAF\xE0\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},
        {"encoded surrogates", "\xED\xA0\xBD\xED\xB8\x80", u"\xD83D\xDE00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToWide(c.text), c.wide) << c.name;
}

// Pairs join into one character; a lone surrogate is written as its own sequence and read back the same.
TEST(WideToText, PairsJoinAndLoneSurrogatesComeBackUnchanged) {
    const std::pair<WideText, std::string> cases[] = {
        {u"不\U0001F600", "不😀"},
        {u"\xD83D", "\xED\xA0\xBD"},
        {u"a\xDE00", "a\xED\xB8\x80"},
        {u"\xDE00\xD83D", "\xED\xB8\x80\xED\xA0\xBD"},
    };
    for (const auto& [wide, text] : cases) {
        EXPECT_EQ(WideToText(wide), text);
        EXPECT_EQ(TextToWide(text), wide);
    }
}

}  // namespace
