// The edit window's sorts compare sort keys made once per line; they must give what comparing the lines with
// CompareStringA at every step gives, line for line, the order of lines that compare equal included.
#include "platform/win32/Win32Collation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "tests/EditWiring.h"
#include "tests/unit/EditReferenceSort.h"
#include "tests/win32/CollationCorpus.h"

namespace {

using Lines = std::vector<Text>;

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

class EditSortsTest : public ::testing::Test {
protected:
    // Lists of corpus texts with many repeats, so that equal lines are common.
    Lines RandomLines(std::size_t n) {
        const Lines corpus = CollationCorpus();
        std::uniform_int_distribution<std::size_t> pick(0, corpus.size() - 1);
        std::uniform_int_distribution<std::size_t> few(0, 11);
        Lines lines;
        for (std::size_t i = 0; i < n; ++i)
            lines.push_back(corpus[i % 3 == 0 ? few(random) : pick(random)]);
        return lines;
    }

    std::mt19937 random{2024};
    Win32Collation collation{LetterCase::kCounts};
    PlainComparison plain;
    NullBreakButton button;
    EditWiring edits{collation, button};
};

TEST_F(EditSortsTest, SortsMatchCompareStringAAtEveryStep) {
    for (int round = 0; round < 60; ++round) {
        const Lines input = RandomLines(static_cast<std::size_t>(round * 7 % 400));
        for (int tag : {kTagNameAsc, kTagNameDesc, kTagExtAsc, kTagExtDesc}) {
            EditReferenceSort reference(plain, input);
            reference.Sort(tag);
            edits.view.pumps = 0;
            ASSERT_EQ(edits.Run(tag, input), reference.lines) << "round " << round << ", tag " << tag;
            EXPECT_EQ(edits.view.pumps, reference.pumps + 1);
        }
    }
}

TEST_F(EditSortsTest, DuplicateRemovalMatchesAndLeavesNoCopies) {
    for (int round = 0; round < 60; ++round) {
        const Lines input = RandomLines(static_cast<std::size_t>(round * 11 % 300));
        EditReferenceSort reference(plain, input);
        reference.Distinct();
        const Lines result = edits.Run(kTagDistinct, input);
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
    EXPECT_EQ(edits.Run(kTagDistinct, {nec, ibm, nec}), (Lines{nec, ibm}));
}

}  // namespace
