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
        {"the same path once, paths the locale calls equal each, in byte order",
         {"C:\\Dir\\File.txt", "c:\\dir\\file.txt", "C:\\b", "C:\\Dir\\File.txt", "C:\\DIR\\FILE.TXT"},
         {"C:\\b", "C:\\DIR\\FILE.TXT", "C:\\Dir\\File.txt", "c:\\dir\\file.txt"}},
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
                    const int c = locale.Compare(a, b);
                    return c > 0 || (c == 0 && a >= b);
                }) == entries.end());
    // Every path added is there once.
    for (const Text& entry : added)
        EXPECT_EQ(std::count(entries.begin(), entries.end(), entry), 1) << entry;
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

// In every order the path places and dedupes (the first of the same path stays) and its line comes out; the
// order stays after Clear, and a change of order empties the list.
TEST(PathList, DuplicatesAndLinesInEachOrder) {
    const Lines keys = {"b10", "A", "B10", "b9", "a", "", "c", "", "A"};
    const std::pair<EntryOrder, Lines> cases[] = {
        {EntryOrder::Locale, {"5:", "1:A", "4:a", "2:B10", "0:b10", "3:b9", "6:c"}},
        {EntryOrder::Drop, {"0:b10", "1:A", "2:B10", "3:b9", "4:a", "5:", "6:c"}},
        {EntryOrder::Natural, {"5:", "1:A", "4:a", "3:b9", "2:B10", "0:b10", "6:c"}},
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
        Text joined;
        for (const Text& line : kept)
            joined += (joined.empty() ? "" : ", ") + line;
        EXPECT_EQ(list.Joined(", ", "."), joined + ".");
        list.Clear();
        EXPECT_EQ(list.Joined(", ", "."), "");
        EXPECT_EQ(locale.compares, 0);
        list.SetOrder(order == EntryOrder::Drop ? EntryOrder::Locale : EntryOrder::Drop);
        EXPECT_TRUE(list.Empty());
    }
}

// Windows' comparison ignoring case calls these pairs equal (width folded, canonical equivalents, an ignored
// soft hyphen); a case-sensitive folder holds A.txt beside a.txt. A listing gives each pair as two entries,
// and the list keeps both in every order.
class WindowsLikeCollation : public FakeCollation {
public:
    WindowsLikeCollation() : FakeCollation(LetterCase::kIgnored) {}
    void SortKey(const Text& s, Text& key) override { FakeCollation::SortKey(Folded(s), key); }
    int Compare(const Text& a, const Text& b) override {
        return FakeCollation::Compare(Folded(a), Folded(b));
    }

private:
    static Text Folded(Text s) {
        static const std::pair<Text, Text> kSame[] = {
            {"e\u0301", "\u00E9"}, {"\u00AD", ""}, {"\u2126", "\u03A9"}, {"\u212B", "\u00C5"},
            {"ｱ", "ア"},           {"Ａ", "A"},    {"Ｂ", "B"},          {"Ｃ", "C"},
        };
        for (const auto& [from, to] : kSame) {
            for (std::size_t at = s.find(from); at != Text::npos; at = s.find(from, at))
                s.replace(at, from.size(), to);
        }
        return s;
    }
};

TEST(PathList, NamesTheLocaleCallsEqualAreEachListed) {
    const std::pair<Text, Text> pairs[] = {
        {"caf\u00E9.txt", "cafe\u0301.txt"},
        {"ab.txt", "a\u00ADb.txt"},
        {"\u2126.txt", "\u03A9.txt"},
        {"\u00C5.txt", "\u212B.txt"},
        {"ｱ.txt", "ア.txt"},
        {"ABC.txt", "ＡＢＣ.txt"},
        {"A.txt", "a.txt"},
    };
    for (const EntryOrder order : {EntryOrder::Locale, EntryOrder::Drop, EntryOrder::Natural}) {
        WindowsLikeCollation locale;
        ASSERT_EQ(locale.Compare(pairs[0].first, pairs[0].second), 0);
        PathList list(locale);
        list.SetOrder(order);
        Lines added;
        for (const auto& [one, other] : pairs) {
            list.Add("C:\\d\\" + one);
            list.Add("C:\\d\\" + other);
            list.Add("C:\\d\\" + one);  // the same entry again, as a folder dropped beside its file gives it
            added.insert(added.end(), {"C:\\d\\" + one, "C:\\d\\" + other});
        }
        Lines entries = list.Entries();
        std::sort(entries.begin(), entries.end());
        std::sort(added.begin(), added.end());
        EXPECT_EQ(entries, added) << static_cast<int>(order);
    }
}

}  // namespace
