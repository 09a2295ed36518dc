#include "app/SaveEncoding.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"

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

// Codes code page 932 leaves undefined come through a file's reading as lone surrogates, which a save as
// Shift_JIS turns back into the file's bytes and a save as UTF-8 or UTF-16 counts as lost.
TEST(SaveEncoding, UndefinedShiftJisCodesGoBackAsTheirBytes) {
    const std::pair<const char*, std::string> cases[] = {
        {"row 85, which the table leaves empty", "a\x85\x40z"},
        {"row EB", "\x95\x5C\xEB\x9F\xB1"},
        {"a lead byte before a byte that cannot follow it", "\x81\x20\x81\x7F"},
        {"a lead byte at the end", "x\x81"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const Text text = TextFromShiftJisFile(bytes) + "\r\nok";
        EXPECT_EQ(EncodedForSave(text, SaveEncoding::ShiftJis), bytes + "\r\nok");
        EXPECT_EQ(LinesShiftJisCannotHold(text), 0u);
        EXPECT_EQ(LinesUnicodeCannotHold(text), 1u);
        const std::string utf8 = EncodedForSave(text, SaveEncoding::Utf8);
        EXPECT_EQ(TextFromUtf8File(utf8), utf8) << "well-formed UTF-8";
        EXPECT_NE(utf8.find("\xEF\xBF\xBD"), std::string::npos);
    }
    // A name's lone surrogate is the same to the text: one in U+DC80..U+DCFF is saved as its byte, any other
    // as "?"; UTF-16 holds neither.
    const Text names = WideToText(u"\xDC85\xD800");
    EXPECT_EQ(EncodedForSave(names, SaveEncoding::ShiftJis), "\x85?");
    EXPECT_EQ(LinesShiftJisCannotHold(names), 1u);
    EXPECT_EQ(EncodedForSave(names, SaveEncoding::Utf16Le), std::string("\xFF\xFE\xFD\xFF\xFD\xFF", 6));
    EXPECT_EQ(UnicodeLossQuestion(3).rfind("3 行に", 0), 0u);
}

}  // namespace
