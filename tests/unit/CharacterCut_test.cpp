#include "text/CharacterCut.h"

#include <gtest/gtest.h>

namespace {

TEST(CutAtCharacter, NeverSplitsADoubleByteCharacter) {
    const Text name30(30, 'n');
    const struct {
        Text text;
        std::size_t limit;
        Text expected;
    } cases[] = {
        {name30 + "表", 31, name30},  // the limit would keep only 表's first byte
        {name30 + "表", 32, name30},  // or its first two
        {name30 + "表", 33, name30 + "表"},
        {"表表", 5, "表"},
        {"表", 1, ""},
        {"ｱｲｳ", 8, "ｱｲ"},  // half-width katakana take three bytes too
        {"abc", 0, ""},
        {"ab\xE8", 3, "ab\xE8"},              // within the limit: as it stands
        {Text("ab\xE8") + "c", 3, "ab\xE8"},  // a sequence cut short is a character of its own
        {Text("ab\xE8\xA1") + "c", 3, "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutAtCharacter(c.text, c.limit), c.expected) << c.text << " at " << c.limit;
}

TEST(CutToShiftJisWidth, CountsTheShiftJisBytesOfEachCharacter) {
    const struct {
        Text text;
        std::size_t limit;
        Text expected;
    } cases[] = {
        {"表表表", 5, "表表"},
        {"ｱｲｳ", 2, "ｱｲ"},  // half-width katakana are one byte
        {"a한b", 3, "a한"},
        {"😀😀", 3, "😀"},  // outside the code page: two bytes each
        {"表表表表表表表表", 16, "表表表表表表表表"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutToShiftJisWidth(c.text, c.limit), c.expected) << c.text << " at " << c.limit;
}

}  // namespace
