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
        {name30 + "表", 32, name30 + "表"},
        {"表表", 3, "表"},
        {"表", 1, ""},
        {"ｱｲｳ", 2, "ｱｲ"},  // half-width katakana are single bytes
        {"abc", 0, ""},
        {"ab\x81", 3, "ab\x81"},  // within the limit: as it stands
        {Text("ab\x81") + "c", 3, "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutAtCharacter(c.text, c.limit), c.expected) << c.text << " at " << c.limit;
}

}  // namespace
