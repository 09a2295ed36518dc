#include "text/IniDocument.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(IniDocument, ValueOfAKeyInItsSection) {
    struct Case {
        std::string file;
        std::optional<std::string> value;  // of [Show] FontName
    };
    const Case cases[] = {
        {"[Show]\r\nFontName=a b\r\n", "a b"},
        {"[Show]\r\nFontName=\r\n", ""},
        {" [ show ] \r\n fontname \t= \t\"q\" \t\r\n", "\"q\""},  // names in any case, spaces and tabs around
        {"[Show]\nFontName=lf\n", "lf"},
        {"[Show]\rFontName=cr", "cr"},
        {"[Show\r\nFontName=no bracket\r\n", "no bracket"},
        {"[Show]\r\nFontName=first\r\nFontName=second\r\n[Show]\r\nFontName=third\r\n", "first"},
        {"[Other]\r\nFontName=x\r\n[Show]\r\nFontName=y=z\r\n", "y=z"},
        {"FontName=outside\r\n[Show]\r\n", std::nullopt},
        {"[Show]\r\n;FontName=comment\r\nFont Name=x\r\n", std::nullopt},
        {"[Show]x\r\n[Next]\r\nFontName=next\r\n", std::nullopt},
        {"[\x83]\r\nFontName=x\r\n[Show]\r\nFontName=garbage \x00\xFF\r\n"s, "garbage \x00\xFF"s},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniDocument(c.file).Value("Show", "FontName"), c.value) << c.file;
}

TEST(IniDocument, SetReplacesOrAddsAndKeepsEveryOtherByte) {
    struct Case {
        std::string before;
        std::string after;  // with [Show] FontName=v
    };
    const Case cases[] = {
        {"", "[Show]\r\nFontName=v\r\n"},
        {"; c\r\n[Show]\r\nFontName = old \r\nX=1\r\n", "; c\r\n[Show]\r\nFontName =v\r\nX=1\r\n"},
        {"[Show]\r\nX=1\r\n\r\n; next\r\n[A]\r\n", "[Show]\r\nX=1\r\nFontName=v\r\n\r\n; next\r\n[A]\r\n"},
        {"[Show]\nX=1", "[Show]\nX=1\nFontName=v\n"},
        {"[A]\r\nB=\x81\x5C\xED\x40", "[A]\r\nB=\x81\x5C\xED\x40\r\n[Show]\r\nFontName=v\r\n"},
    };
    for (const Case& c : cases) {
        IniDocument document(c.before);
        document.Set("Show", "FontName", "v");
        EXPECT_EQ(document.Bytes(), c.after) << c.before;
    }
}

}  // namespace
