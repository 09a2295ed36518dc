#include "text/ErrorText.h"

#include <gtest/gtest.h>

TEST(ErrorText, FullStopRule) {
    struct Case {
        Text message, shown;
    };
    const Case cases[] = {
        {"", ""},
        {"ストリームへの書き込みエラー", "ストリームへの書き込みエラー."},  // ends in a multibyte character
        {"編集中のため処理できません。", "編集中のため処理できません。."},  // 。 sorts after "."
        {"disk full", "disk full."},
        {"done.", "done."},
        {"size 100%", "size 100%"},   // % is below "."
        {"ends in -", "ends in -"},   // so is -
        {"path C:\\", "path C:\\."},  // \ is above "."
        {"表", "表."},
        {"\x81", "\x81."},  // a byte that is no UTF-8 at the end is a character of its own
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithFullStop(c.message), c.shown) << c.message;
}
