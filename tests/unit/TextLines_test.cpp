#include "text/TextLines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<Text>;

TEST(TextLines, SplitsOnlyAtCrLfAndJoinsBack) {
    const std::pair<Text, Lines> cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},  // a final break opens no empty line
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\rb\nc\n\r", {"a\rb\nc\n\r"}},  // lone CR and LF are bytes of their line
        {"表ソ\r\n", {"表ソ"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitAtCrLf(text), lines) << text;
    EXPECT_EQ(JoinWithCrLf({"a", "", "表"}), "a\r\n\r\n表\r\n");
    EXPECT_EQ(JoinWithCrLf({}), "");
    for (const Lines& lines : {Lines{"x"}, Lines{"", ""}, Lines{"a\r", "\nb"}})
        EXPECT_EQ(SplitAtCrLf(JoinWithCrLf(lines)), lines);
}

TEST(TextLines, AppendedBlockPutsTheBreakWhereTheTextLacksIt) {
    EXPECT_EQ(AppendedBlock({"y", "z"}, true), "y\r\nz\r\n");
    EXPECT_EQ(AppendedBlock({"y", "z"}, false), "\r\ny\r\nz");
    EXPECT_EQ(AppendedBlock({}, false), "");
    // Appending one by one or all at once gives the same text.
    const Text text = "x";
    EXPECT_EQ(text + AppendedBlock({"y"}, false) + AppendedBlock({"z"}, false),
              text + AppendedBlock({"y", "z"}, false));
}

TEST(TextLines, LineAtCountsCrLfBreaksOnly) {
    const Text text = "zero\r\none\rstill\r\n";
    EXPECT_EQ(LineAt(text, 0), Text("zero"));
    EXPECT_EQ(LineAt(text, 1), Text("one\rstill"));
    EXPECT_EQ(LineAt(text, 2), Text(""));  // the empty line behind the final break
    EXPECT_EQ(LineAt(text, 3), std::nullopt);
    EXPECT_EQ(LineAt("", 0), Text(""));
}

TEST(TextLines, ShiftJisColumnCountsTheBytesOfTheCharactersBeforeTheCaret) {
    const struct {
        Text line;
        std::int64_t units, expected;
    } cases[] = {
        {"abc", 2, 2},  {"表表", 1, 2},  {"a表b", 2, 3}, {"ｱｲ表", 3, 4},  // half-width katakana are one byte
        {"한a", 1, 2},  {"é", 1, 2},   // outside the code page: one double-byte character
        {"😀a", 2, 2},   {"😀a", 3, 3},  // a surrogate pair is two units and one character
        {"表表", 9, 4},                // past the end: the whole line
        {"表表", 0, 0}, {"表表", -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftJisColumn(c.line, c.units), c.expected) << c.line << " units " << c.units;
}

}  // namespace
