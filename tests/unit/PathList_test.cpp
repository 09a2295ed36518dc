#include "collect/PathList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

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

// Natural order: digit runs compare as numbers, ASCII and full-width alike; equal numbers, and a number
// against text, as the locale orders (the fake puts "." before digits and "_" after them). A digit byte after
// a lead byte (octal 201) is a second byte. Each row is the order to come out of the reversed order.
TEST(PathList, NaturalOrder) {
    const Lines rows[] = {
        {"file", "file1", "file2", "file10", "file10a", "file11"},
        {"表２", "表９", "表１０", "表1２", "表１3"},
        {"file002", "file02", "file2", "file3", "file010"},
        {"n9", "n18446744073709551615", "n18446744073709551616", "n0100000000000000000000000"},
        {"2", "9a", "10", "a", "a2", "a10"},
        {"file.txt", "file1.txt", "file2", "file_a"},
        {"x2", "xソ9", "xソ10", "x表"},
    };
    for (const Lines& kept : rows) {
        FakeCollation locale{LetterCase::kIgnored};
        PathList list(locale);
        list.SetOrder(EntryOrder::Natural);
        for (auto entry = kept.rbegin(); entry != kept.rend(); ++entry)
            list.Add(*entry);
        EXPECT_EQ(list.Entries(), kept);
    }
}

// In every order the key places and dedupes (the first of equal keys stays) and its line comes out; the order
// stays after Clear, and a change of order empties the list.
TEST(PathList, DuplicatesAndLinesInEachOrder) {
    const Lines keys = {"b10", "A", "B10", "b9", "a", "", "c", ""};
    const std::pair<EntryOrder, Lines> cases[] = {
        {EntryOrder::Locale, {"5:", "1:A", "0:b10", "3:b9", "6:c"}},
        {EntryOrder::Drop, {"0:b10", "1:A", "3:b9", "5:", "6:c"}},
        {EntryOrder::Natural, {"5:", "1:A", "3:b9", "0:b10", "6:c"}},
    };
    for (const auto& [order, kept] : cases) {
        FakeCollation locale{LetterCase::kIgnored};
        PathList list(locale);
        list.SetOrder(order);
        for (int round = 0; round < 2; ++round) {
            list.Clear();
            for (std::size_t i = 0; i < keys.size(); ++i)
                list.Add(keys[i], std::to_string(i) + ":" + keys[i]);
            EXPECT_EQ(list.Entries(), kept) << static_cast<int>(order);
        }
        // Joined gives the same lines in the same order as one text.
        EXPECT_EQ(list.Joined(", ", "."),
                  kept[0] + ", " + kept[1] + ", " + kept[2] + ", " + kept[3] + ", " + kept[4] + ".");
        list.Clear();
        EXPECT_EQ(list.Joined(", ", "."), "");
        EXPECT_EQ(locale.compares, 0);
        list.SetOrder(order == EntryOrder::Drop ? EntryOrder::Locale : EntryOrder::Drop);
        EXPECT_TRUE(list.Empty());
    }
}

}  // namespace
