#include "collect/PathList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/fakes/FakeCollation.h"

namespace {

using Lines = std::vector<Text>;

TEST(PathList, KeepsOneEntryPerKeyInTheLocalesOrder) {
    const struct {
        const char* what;
        Lines added;
        Lines kept;
    } cases[] = {
        // Byte order would put A and C before _x and b.
        {"the locale's order, not bytes", {"b", "C", "A", "_x", "a1"}, {"_x", "A", "a1", "b", "C"}},
        {"the first added of equal entries",
         {"C:\\Dir\\File.txt", "c:\\dir\\file.txt", "C:\\DIR\\FILE.TXT", "C:\\b"},
         {"C:\\b", "C:\\Dir\\File.txt"}},
        {"the empty entry once", {"", "x", "", ""}, {"", "x"}},
    };
    for (const auto& c : cases) {
        FakeCollation locale{LetterCase::kIgnored};
        PathList list(locale);
        for (const Text& entry : c.added)
            list.Add(entry);
        EXPECT_EQ(list.Entries(), c.kept) << c.what;
    }
}

TEST(PathList, ManyEntriesOneKeyEachAndStrictlyOrdered) {
    FakeCollation locale{LetterCase::kIgnored};
    PathList list(locale);
    std::vector<Text> added;
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) {
        Text entry = "C:\\d\\";
        const int length = 1 + static_cast<int>(random() % 6);
        for (int j = 0; j < length; ++j)
            entry += "aBc_.Z\\表"[random() % 9];
        added.push_back(entry);
        list.Add(entry);
    }
    // The locale is asked once per entry, never per comparison.
    EXPECT_EQ(locale.sortKeys, 1000);
    const Lines entries = list.Entries();
    EXPECT_TRUE(std::adjacent_find(entries.begin(), entries.end(), [&](const Text& a, const Text& b) {
                    return locale.Compare(a, b) >= 0;
                }) == entries.end());
    // Each kept entry is the first added of its equals, and nothing added is missing.
    for (const Text& entry : added) {
        const auto first = std::find_if(added.begin(), added.end(),
                                        [&](const Text& a) { return locale.Compare(a, entry) == 0; });
        EXPECT_EQ(std::count(entries.begin(), entries.end(), *first), 1);
    }
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

}  // namespace
