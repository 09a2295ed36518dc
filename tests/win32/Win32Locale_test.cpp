// The sort keys must order exactly as CompareStringA does: the path list relies on it for its order and for
// which entries count as duplicates.
#include "platform/win32/Win32Locale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "collect/PathList.h"

namespace {

using Lines = std::vector<Text>;

int Sign(int v) {
    return (v > 0) - (v < 0);
}

Text Key(Locale& locale, const Text& s) {
    Text key = "left over from before";
    locale.SortKey(s, key);
    return key;
}

// Names of the kinds users keep: Japanese in every script and width, mixed case, punctuation that word sort
// treats specially (hyphen, apostrophe), digits, and path separators.
Lines Corpus() {
    Lines corpus = {
        "",       "a",      "A",         "b",      "B",     "ab",    "Ab",     "aB",      "AB",      "abc",
        "ABC",    "a-b",    "ab-",       "-ab",    "a'b",   "ab'",   "co-op",  "coop",    "co op",   "co_op",
        "co.op",  "co~op",  "a1",        "a10",    "a2",    "A1",    "1",      "10",      "2",       "_",
        "-",      "'",      "~",         "!",      "#",     "$",     "%",      "&",       "(",       ")",
        "+",      ",",      ";",         "=",      "@",     "[",     "]",      "^",       "`",       "{",
        "}",      " ",      ".",         "..",     "a.txt", "A.TXT", "a.Txt",  "a_b.txt", "a-b.txt", "readme",
        "README", "ReadMe", "Readme.md", "ａ",     "Ａ",    "ａｂ",  "ＡＢ",   "ＡＢＣ",  "ａｂｃ",  "１",
        "１０",   "＿",     "－",        "’",      "～",    "！",    "．",     "ｱ",       "ｲ",       "ｶ",
        "ｶﾞ",     "ｶﾟ",     "ﾊﾟ",        "ｰ",      "･",     "｢",     "｣",      "ア",      "イ",      "カ",
        "ガ",     "パ",     "ハ",        "バ",     "ー",    "ァ",    "ヵ",     "ヴ",      "あ",      "い",
        "か",     "が",     "ぱ",        "は",     "ば",    "ぁ",    "ゃ",     "ん",      "表",      "ソ",
        "予",     "能",     "十",        "申",     "噂",    "構",    "貼",     "ソフト",  "表示",    "表計算",
        "ソース", "ﾃｽﾄ",    "テスト",    "てすと", "漢字",  "日本",  "日本語", "東京",    "亜",      "唖",
        "娃",     "〇",     "々",        "ゝ",     "ヽ",    "〆",    "※",      "★",       "☆",       "①",
        "Ⅰ",      "㈱",     "髙",        "﨑",
    };
    Lines paths;
    for (const Text& a :
         {Text("C:\\"), Text("C:\\dir\\"), Text("C:\\Dir\\"), Text("C:\\表\\"), Text("Z:\\ソ\\")}) {
        for (const char* b : {"a.txt", "A.TXT", "表.txt", "ｿ.txt", "ソ.TXT", "co-op", "coop", "x"})
            paths.push_back(a + b);
    }
    corpus.insert(corpus.end(), paths.begin(), paths.end());
    return corpus;
}

// The plain algorithm the keys stand in for: bisection with CompareStringA, equal entries not added.
Lines InsertByComparison(Win32Locale& locale, const Lines& order) {
    Lines list;
    for (const Text& entry : order) {
        std::size_t lo = 0, hi = list.size();
        bool equal = false;
        while (lo < hi && !equal) {
            const std::size_t mid = (lo + hi) / 2;
            const int c = locale.Compare(list[mid], entry);
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

TEST(Win32Locale, KeysOrderEveryPairAsTheComparisonDoes) {
    Win32Locale locale;
    const Lines corpus = Corpus();
    Lines keys;
    for (const Text& s : corpus)
        keys.push_back(Key(locale, s));
    int mismatches = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        for (std::size_t j = 0; j < corpus.size(); ++j) {
            const int byCompare = Sign(locale.Compare(corpus[i], corpus[j]));
            const int byKey = Sign(keys[i].compare(keys[j]));
            if (byCompare != byKey && ++mismatches <= 20) {
                ADD_FAILURE() << "[" << corpus[i] << "] vs [" << corpus[j] << "]: compare " << byCompare
                              << ", key " << byKey;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Win32Locale, PathListMatchesBisectionWithTheComparison) {
    Win32Locale locale;
    Lines order = Corpus();
    std::mt19937 random(1);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(order.begin(), order.end(), random);
        PathList list(locale);
        for (const Text& s : order)
            list.Add(s);
        EXPECT_EQ(list.Entries(), InsertByComparison(locale, order)) << "round " << round;
    }
}

TEST(Win32Locale, CaseOnlyDuplicatesAreEqualAndTheFirstStays) {
    Win32Locale locale;
    EXPECT_EQ(locale.Compare("C:\\Dir\\ReadMe.TXT", "c:\\dir\\readme.txt"), 0);
    EXPECT_EQ(Key(locale, "ＡＢＣ"), Key(locale, "ａｂｃ"));
    EXPECT_NE(Key(locale, "ABC"), Key(locale, "ＡＢＣ"));  // width counts
    EXPECT_NE(Key(locale, "ア"), Key(locale, "ｱ"));
    EXPECT_NE(Key(locale, "ア"), Key(locale, "あ"));  // kana type counts
    PathList list(locale);
    for (const char* s : {"C:\\x\\ReadMe.txt", "C:\\X\\README.TXT", "c:\\x\\readme.txt"})
        list.Add(s);
    EXPECT_EQ(list.Entries(), (Lines{"C:\\x\\ReadMe.txt"}));
}

TEST(Win32Locale, LongTextsGetWholeKeys) {
    Win32Locale locale;
    const Text longA(3000, 'a');
    const Text longB = longA + "b";
    EXPECT_LT(locale.Compare(longA, longB), 0);
    EXPECT_LT(Key(locale, longA), Key(locale, longB));
    EXPECT_EQ(Key(locale, Text(3000, 'A')), Key(locale, longA));
}

}  // namespace
