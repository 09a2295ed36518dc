// The edit window's sorts compare sort keys made once per line; they must give what comparing the lines with
// CompareStringA at every step gives, line for line, the order of lines that compare equal included.
#include "platform/win32/Win32Collation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "collect/DropState.h"
#include "edit/EditOperations.h"
#include "tests/fakes/FakeCaseMapper.h"
#include "tests/fakes/FakeLocale.h"
#include "tests/fakes/RecordingView.h"
#include "tests/unit/EditReferenceSort.h"

namespace {

using Lines = std::vector<Text>;

int Sign(int v) {
    return (v > 0) - (v < 0);
}

// The comparison itself, straight from the system, for the yardstick.
class PlainComparison : public Collation {
public:
    int Compare(const Text& a, const Text& b) override {
        return CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size())) -
               CSTR_EQUAL;
    }
    void SortKey(const Text&, Text&) override { ADD_FAILURE() << "the yardstick makes no keys"; }
};

class NoButton : public BreakButton {
public:
    void SetBreakVisible(bool) override {}
};

// Texts that collate in unusual ways: case, width and kana type; hyphens and apostrophes, which the word sort
// weighs lightly; control characters; the same kanji in two codes; texts equal to others with other bytes.
Lines Corpus() {
    // clang-format off
    Lines corpus = {
        "", "a", "A", "b", "B", "ab", "Ab", "aB", "AB", "a-b", "ab-", "-ab", "a'b", "co-op", "coop", "co op",
        "co_op", "a1", "a10", "a2", "1", "10", "\t", "a\tb", "\x01", "\x7F", "~", "!", "_", ".", "a.txt",
        "A.TXT", "a.Txt", "b.txt", "a.tar.gz", "end.", "ａ", "Ａ", "ａｂ", "ＡＢ", "１", "－", "ｱ", "ｶﾞ", "ｶﾟ",
        "ｰ", "ア", "カ", "ガ", "ヴ", "ー", "あ", "か", "が", "表", "ソ", "能", "漢字", "日本", "亜", "〇", "々",
        "ゝ", "①", "Ⅰ", "\xFA\x40", "\xEE\xEF", "\xED\x40", "\xFA\x5C", "髙", "C:\\表\\a.txt",
        "C:\\表\\A.TXT", "C:\\ソ\\b", "C:\\d.x\\file", "Z:\\ﾃｽﾄ.ﾃｷｽﾄ", "C:\\dir\\",
    };
    // clang-format on
    return corpus;
}

TEST(Win32Collation, KeysOrderEveryPairAsCompareStringADoes) {
    Win32Collation collation;
    PlainComparison plain;
    const Lines corpus = Corpus();
    Lines keys(corpus.size());
    for (std::size_t i = 0; i < corpus.size(); ++i)
        collation.SortKey(corpus[i], keys[i]);
    int mismatches = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        for (std::size_t j = 0; j < corpus.size(); ++j) {
            const int byCompare = Sign(plain.Compare(corpus[i], corpus[j]));
            const int byKey = Sign(keys[i].compare(keys[j]));
            EXPECT_EQ(Sign(collation.Compare(corpus[i], corpus[j])), byCompare);
            if (byCompare != byKey && ++mismatches <= 20) {
                ADD_FAILURE() << "[" << corpus[i] << "] vs [" << corpus[j] << "]: compare " << byCompare
                              << ", key " << byKey;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Win32Collation, CaseCountsAndEqualityIsNotByteEquality) {
    Win32Collation collation;
    EXPECT_NE(collation.Compare("a", "A"), 0);
    EXPECT_NE(collation.Compare("C:\\Dir\\ReadMe.TXT", "c:\\dir\\readme.txt"), 0);
    EXPECT_NE(collation.Compare("ABC", "ＡＢＣ"), 0);
    EXPECT_EQ(collation.Compare("\xED\x40", "\xFA\x5C"), 0);
    EXPECT_LT(collation.Compare("", "\x01"), 0);
    Text longA(5000, 'a');
    Text keyA, keyB;
    collation.SortKey(longA, keyA);
    collation.SortKey(longA + "b", keyB);
    EXPECT_LT(keyA, keyB);
}

class EditSortsTest : public ::testing::Test {
protected:
    Lines Run(int tag, const Lines& lines) {
        view.lines = lines;
        edit.Run(tag);
        return view.lines;
    }

    // Lists of corpus texts with many repeats, so that equal lines are common.
    Lines RandomLines(std::size_t n) {
        const Lines corpus = Corpus();
        std::uniform_int_distribution<std::size_t> pick(0, corpus.size() - 1);
        std::uniform_int_distribution<std::size_t> few(0, 11);
        Lines lines;
        for (std::size_t i = 0; i < n; ++i)
            lines.push_back(corpus[i % 3 == 0 ? few(random) : pick(random)]);
        return lines;
    }

    std::mt19937 random{2024};
    FakeLocale locale;
    DropState state{locale};
    RecordingView view;
    FakeCaseMapper cases;
    Win32Collation collation;
    PlainComparison plain;
    NoButton button;
    EditOperations edit{view, state, cases, collation, button};
};

TEST_F(EditSortsTest, SortsMatchCompareStringAAtEveryStep) {
    for (int round = 0; round < 60; ++round) {
        const Lines input = RandomLines(static_cast<std::size_t>(round * 7 % 400));
        for (int tag : {kTagNameAsc, kTagNameDesc, kTagExtAsc, kTagExtDesc}) {
            EditReferenceSort reference(plain, input);
            reference.Sort(tag);
            view.pumps = 0;
            ASSERT_EQ(Run(tag, input), reference.lines) << "round " << round << ", tag " << tag;
            EXPECT_EQ(view.pumps, reference.pumps + 1);
        }
    }
}

TEST_F(EditSortsTest, DuplicateRemovalMatchesAndLeavesNoCopies) {
    for (int round = 0; round < 60; ++round) {
        const Lines input = RandomLines(static_cast<std::size_t>(round * 11 % 300));
        EditReferenceSort reference(plain, input);
        reference.Distinct();
        const Lines result = Run(kTagDistinct, input);
        const std::set<Text> distinct(input.begin(), input.end());
        EXPECT_EQ(std::set<Text>(result.begin(), result.end()), distinct) << round;
        EXPECT_EQ(result.size(), distinct.size()) << round;
        // Where the plain removal left no copies, the results are the same line for line.
        if (std::set<Text>(reference.lines.begin(), reference.lines.end()).size() == reference.lines.size()) {
            EXPECT_EQ(result, reference.lines) << round;
        }
    }
}

// The same kanji in its NEC-selected and its IBM code collates equal; copies of one need not meet.
TEST_F(EditSortsTest, DuplicateRemovalFindsCopiesSeparatedByAnEqualLine) {
    const Text nec = "\xED\x40";
    const Text ibm = "\xFA\x5C";
    EditReferenceSort reference(plain, {nec, ibm, nec});
    reference.Distinct();
    EXPECT_EQ(reference.lines, (Lines{nec, ibm, nec}));
    EXPECT_EQ(Run(kTagDistinct, {nec, ibm, nec}), (Lines{nec, ibm}));
}

}  // namespace
