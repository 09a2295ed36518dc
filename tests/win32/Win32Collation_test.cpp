// The sort keys must order exactly as CompareStringA does on the Shift_JIS form of text code page 932 holds
// (in a user locale whose code page is 932), with letter case ignored or counting: the path list relies on it
// for its order and its duplicates, the edit window's sorts for their order. With a locale of another code
// page they still order Japanese text as the Japanese locale does.
#include "platform/win32/Win32Collation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "collect/PathList.h"
#include "platform/Encoding.h"
#include "tests/win32/CollationCorpus.h"

namespace {

using Lines = std::vector<Text>;

int Sign(int v) {
    return (v > 0) - (v < 0);
}

Text Key(Collation& collation, const Text& s) {
    Text key = "left over from before";
    collation.SortKey(s, key);
    return key;
}

class Win32CollationTest : public ::testing::TestWithParam<LetterCase> {
protected:
    // The system's comparison of the texts' Shift_JIS forms, for the yardstick.
    int Plain(const Text& a, const Text& b) const {
        const DWORD flags = GetParam() == LetterCase::kIgnored ? NORM_IGNORECASE : 0;
        std::string bytesA, bytesB;
        EXPECT_TRUE(TextToShiftJis(a, bytesA) && TextToShiftJis(b, bytesB)) << a << " " << b;
        return CompareStringA(LOCALE_USER_DEFAULT, flags, bytesA.data(), static_cast<int>(bytesA.size()),
                              bytesB.data(), static_cast<int>(bytesB.size())) -
               CSTR_EQUAL;
    }

    Win32Collation collation{GetParam()};
};

TEST_P(Win32CollationTest, CompareAndKeysOrderEveryPairAsCompareStringADoes) {
    const Lines corpus = CollationCorpus();
    Lines keys;
    for (const Text& s : corpus)
        keys.push_back(Key(collation, s));
    int mismatches = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        for (std::size_t j = 0; j < corpus.size(); ++j) {
            const int byPlain = Sign(Plain(corpus[i], corpus[j]));
            const int byCompare = Sign(collation.Compare(corpus[i], corpus[j]));
            const int byKey = Sign(keys[i].compare(keys[j]));
            if ((byPlain != byKey || byPlain != byCompare) && ++mismatches <= 20) {
                ADD_FAILURE() << "[" << corpus[i] << "] vs [" << corpus[j] << "]: system " << byPlain
                              << ", compare " << byCompare << ", key " << byKey;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_P(Win32CollationTest, LongTextsGetWholeKeys) {
    const Text longA(5000, 'a');
    const Text longB = longA + "b";
    EXPECT_LT(collation.Compare(longA, longB), 0);
    EXPECT_LT(Key(collation, longA), Key(collation, longB));
    EXPECT_EQ(Key(collation, Text(5000, 'A')) == Key(collation, longA), GetParam() == LetterCase::kIgnored);
}

TEST_P(Win32CollationTest, WidthKanaTypeAndKanjiCodesCountAsTheSystemSays) {
    EXPECT_NE(Key(collation, "ABC"), Key(collation, "ＡＢＣ"));  // width counts
    EXPECT_NE(Key(collation, "ア"), Key(collation, "ｱ"));
    EXPECT_NE(Key(collation, "ア"), Key(collation, "あ"));  // kana type counts
    EXPECT_EQ(collation.Compare(TextFromShiftJis("\xED\x40"), TextFromShiftJis("\xFA\x5C")), 0);  // two codes
    EXPECT_LT(collation.Compare("", "\x01"), 0);
}

INSTANTIATE_TEST_SUITE_P(LetterCase, Win32CollationTest,
                         ::testing::Values(LetterCase::kIgnored, LetterCase::kCounts),
                         [](const ::testing::TestParamInfo<LetterCase>& info) {
                             return info.param == LetterCase::kIgnored ? "CaseIgnored" : "CaseCounts";
                         });

// Ignoring case, names that differ only in case are equal in the order, but each path is its own entry.
TEST(Win32Collation, IgnoringCaseCaseOnlyDifferencesAreEqualYetEachPathStays) {
    Win32Collation collation(LetterCase::kIgnored);
    EXPECT_EQ(collation.Compare("C:\\Dir\\ReadMe.TXT", "c:\\dir\\readme.txt"), 0);
    EXPECT_EQ(Key(collation, "ＡＢＣ"), Key(collation, "ａｂｃ"));
    PathList list(collation);
    for (const char* s : {"C:\\x\\ReadMe.txt", "C:\\X\\README.TXT", "c:\\x\\readme.txt", "C:\\x\\ReadMe.txt"})
        list.Add(s);
    EXPECT_EQ(list.Entries(), (Lines{"C:\\X\\README.TXT", "C:\\x\\ReadMe.txt", "c:\\x\\readme.txt"}));
}

TEST(Win32Collation, CountingCaseCaseMakesTextsDifferent) {
    Win32Collation collation(LetterCase::kCounts);
    EXPECT_NE(collation.Compare("a", "A"), 0);
    EXPECT_NE(collation.Compare("C:\\Dir\\ReadMe.TXT", "c:\\dir\\readme.txt"), 0);
}

// An English locale decodes narrow text with code page 1252, in which ア (83 41) and ヂ (83 61) are two
// Latin characters each; the wide calls see the kana and order them as the Japanese locale does.
TEST(Win32Collation, KanaKeepTheirOrderInALocaleOfAnotherCodePage) {
    constexpr LCID kEnglish = 0x0409, kJapanese = 0x0411;
    for (const LetterCase letterCase : {LetterCase::kIgnored, LetterCase::kCounts}) {
        Win32Collation english(letterCase, kEnglish), japanese(letterCase, kJapanese);
        EXPECT_NE(Key(english, "ア"), Key(english, "ヂ"));
        EXPECT_NE(english.Compare("ア", "ヂ"), 0);
        EXPECT_EQ(Sign(Key(english, "ア").compare(Key(english, "ヂ"))),
                  Sign(Key(japanese, "ア").compare(Key(japanese, "ヂ"))));
        EXPECT_EQ(Sign(english.Compare("ア", "ヂ")), Sign(japanese.Compare("ア", "ヂ")));
    }
}

// The plain algorithm the keys stand in for: bisection with the comparison, an entry already there not added.
Lines InsertByComparison(Collation& collation, const Lines& order) {
    Lines list;
    for (const Text& entry : order) {
        std::size_t lo = 0, hi = list.size();
        bool equal = false;
        while (lo < hi && !equal) {
            const std::size_t mid = (lo + hi) / 2;
            // Texts the collation calls equal go by their bytes; only the same text is one entry.
            int c = collation.Compare(list[mid], entry);
            if (c == 0) c = list[mid].compare(entry);
            if (c < 0) {
                lo = mid + 1;
            } else if (c > 0) {
                hi = mid;
            } else {
                equal = true;
            }
        }
        if (!equal) list.insert(list.begin() + static_cast<std::ptrdiff_t>(lo), entry);
    }
    return list;
}

TEST(Win32Collation, PathListMatchesBisectionWithTheComparison) {
    Win32Collation collation(LetterCase::kIgnored);
    Lines order = CollationCorpus();
    std::mt19937 random(1);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(order.begin(), order.end(), random);
        PathList list(collation);
        for (const Text& s : order)
            list.Add(s);
        EXPECT_EQ(list.Entries(), InsertByComparison(collation, order)) << "round " << round;
    }
}

}  // namespace
