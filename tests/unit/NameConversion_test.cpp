#include "platform/NameConversion.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tests/fakes/FakeCodePage.h"

namespace {

TEST(ChooseName, ExactThenExactAliasThenLossyNeverALossyAlias) {
    struct Case {
        WideText name;
        WideText alias;
        Text given;
        NameChoice choice;
    };
    const Case cases[] = {
        {u"a.txt", u"", "a.txt", NameChoice::Exact},
        {u"あ表.txt", u"X~1.TXT", "\x82\xA0\x95\x5C.txt", NameChoice::Exact},
        {u"한국어.txt", u"___~1.TXT", "___~1.TXT", NameChoice::Alias},
        {u"café.txt", u"", "caf?.txt", NameChoice::Lossy},
        // An alias the code page cannot hold either is no path to the entry.
        {u"한.txt", u"한~1.TXT", "?.txt", NameChoice::Lossy},
        {u"note😀.txt", u"", "note?.txt", NameChoice::Lossy},
    };
    FakeCodePage codePage;
    NameSubstitutions tally;
    for (const Case& c : cases) {
        Text given = "left over";
        EXPECT_EQ(ChooseName(codePage, c.name, c.alias, given), c.choice) << c.given;
        EXPECT_EQ(given, c.given);
        Count(c.choice, tally);
    }
    EXPECT_EQ(tally.aliased, 1u);
    EXPECT_EQ(tally.lossy, 3u);
}

class AnsiPathTest : public ::testing::Test {
protected:
    Text Convert(WideView path) {
        return AnsiPath(
            codePage, path,
            [&](WideView prefix) {
                asked.emplace_back(prefix);
                const auto alias = aliases.find(WideText(prefix));
                return alias == aliases.end() ? WideText() : alias->second;
            },
            tally, counted);
    }

    FakeCodePage codePage;
    std::map<WideText, WideText> aliases;
    std::vector<WideText> asked;
    NameSubstitutions tally;
    CountedNames counted;
};

TEST_F(AnsiPathTest, ExactPathAsksForNoAlias) {
    aliases[u"C:\\表"] = u"HYO~1";
    EXPECT_EQ(Convert(u"C:\\表\\あ.txt"), "C:\\\x95\x5C\\\x82\xA0.txt");
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(tally.Any());
}

TEST_F(AnsiPathTest, OnlyTheComponentsTheCodePageCannotHoldAreReplaced) {
    // Outside the test macros: their texts of the arguments are narrow, and the code page holds none of
    // these.
    const WideText folder = u"C:\\한국";
    const WideText file = u"C:\\한국\\表\\café.txt";
    aliases[folder] = u"___~1";
    aliases[file] = u"CAF_~1.TXT";
    EXPECT_EQ(Convert(file), "C:\\___~1\\\x95\x5C\\CAF_~1.TXT");
    // Each asked with the path up to and including it, as the file system names it.
    EXPECT_EQ(asked, (std::vector<WideText>{folder, file}));
    EXPECT_EQ(tally.aliased, 2u);
    EXPECT_EQ(tally.lossy, 0u);
    // A name counted once is given again but not counted again.
    EXPECT_EQ(Convert(folder + u"\\b"), "C:\\___~1\\b");
    EXPECT_EQ(tally.aliased, 2u);
}

TEST_F(AnsiPathTest, SeparatorsStayAsTheyAreAndAComponentWithoutAliasIsLossy) {
    const WideText share = u"\\\\srv\\공";
    const WideText path = u"\\\\srv\\공/a\\\\😀";
    const WideText folder = u"C:\\x\\한\\";
    aliases[path] = u"X~1";
    EXPECT_EQ(Convert(path), "\\\\srv\\?/a\\\\X~1");
    EXPECT_EQ(asked, (std::vector<WideText>{share, path}));
    EXPECT_EQ(tally.aliased, 1u);
    EXPECT_EQ(tally.lossy, 1u);
    EXPECT_EQ(Convert(folder), "C:\\x\\?\\");
    EXPECT_EQ(tally.lossy, 2u);
}

TEST(SubstitutionNotice, NothingWithoutSubstitutionsElseEachKindWithItsCount) {
    EXPECT_EQ(SubstitutionNotice({}), "");
    const Text aliasedOnly = SubstitutionNotice({3, 0});
    const Text lossyOnly = SubstitutionNotice({0, 4});
    const Text both = SubstitutionNotice({12, 7});
    EXPECT_NE(aliasedOnly.find(": 3 件"), Text::npos);
    EXPECT_EQ(aliasedOnly.find("?"), Text::npos);
    EXPECT_NE(lossyOnly.find(": 4 件"), Text::npos);
    EXPECT_EQ(lossyOnly.find("8.3"), Text::npos);
    EXPECT_NE(both.find(": 12 件"), Text::npos);
    EXPECT_NE(both.find(": 7 件"), Text::npos);
}

}  // namespace
