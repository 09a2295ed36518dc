#include "app/SaveEncoding.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveEncoding, EachEncodingsBytes) {
    const Text text = "表ｱ\r\nx";
    const std::pair<SaveEncoding, std::string> cases[] = {
        {SaveEncoding::ShiftJis, "\x95\x5C\xB1\r\nx"},
        {SaveEncoding::Utf8WithBom, "\xEF\xBB\xBF" + text},
        {SaveEncoding::Utf8, text},
        {SaveEncoding::Utf16Le, std::string("\xFF\xFE\x68\x88\x71\xFF\r\0\n\0x\0", 12)},
    };
    for (const auto& [encoding, bytes] : cases)
        EXPECT_EQ(EncodedForSave(text, encoding), bytes) << static_cast<int>(encoding);
    EXPECT_EQ(EncodedForSave("a😀", SaveEncoding::Utf16Le), std::string("\xFF\xFE"
                                                                       "a\0\x3D\xD8\x00\xDE",
                                                                       8));
    EXPECT_EQ(EncodedForSave("", SaveEncoding::Utf16Le), "\xFF\xFE");
}

TEST(SaveEncoding, CountsTheLinesShiftJisCannotHold) {
    const std::pair<Text, std::size_t> cases[] = {
        {"", 0},
        {"表\r\nｶﾅ\r\n", 0},
        {"café\r\n表\r\n한국어 é\r\n", 2},
        {"a\r\n\r\nx한", 1},  // the last line has no break
        {"é\rx\ny", 1},       // a lone CR or LF breaks no line
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(LinesShiftJisCannotHold(text), lines) << text;
    EXPECT_EQ(EncodedForSave("café", SaveEncoding::ShiftJis), "caf?");
    EXPECT_EQ(ShiftJisLossQuestion(2).rfind("2 行に", 0), 0u);
}

}  // namespace
