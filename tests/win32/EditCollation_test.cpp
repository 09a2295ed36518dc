// The edit window's sorts compare sort keys made once per line; they must give what comparing the lines with
// CompareStringW at every step gives, line for line, the order of lines that compare equal included.
#include "platform/win32/Win32Collation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "platform/Encoding.h"
#include "platform/win32/Win32CaseMapper.h"
#include "tests/EditWiring.h"
#include "tests/unit/EditReferenceSort.h"
#include "tests/win32/CollationCorpus.h"

namespace {

using Lines = std::vector<Text>;

// The comparison itself, straight from the system, for the yardstick.
class PlainComparison : public Collation {
public:
    int Compare(const Text& a, const Text& b) override {
        const WideText wideA = TextToWide(a), wideB = TextToWide(b);
        return CompareStringW(LOCALE_USER_DEFAULT, 0, reinterpret_cast<LPCWSTR>(wideA.data()),
                              static_cast<int>(wideA.size()), reinterpret_cast<LPCWSTR>(wideB.data()),
                              static_cast<int>(wideB.size())) -
               CSTR_EQUAL;
    }
    void SortKey(const Text&, Text&) override { ADD_FAILURE() << "the yardstick makes no keys"; }
};

class EditSortsTest : public ::testing::Test {
protected:
    // Lists of corpus texts with many repeats, so that equal lines are common, and lines code page 932
    // cannot hold.
    Lines RandomLines(std::size_t n) {
        Lines corpus = CollationCorpus();
        for (const char* line :
             {"café.txt", "Café.txt", "한국어.txt", "😀.txt", "あ〜い.txt", "ハ\u309Aソコン"})
            corpus.push_back(line);
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

TEST_F(EditSortsTest, SortsMatchCompareStringWAtEveryStep) {
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

// Two bytes that are no UTF-8 both compare as U+FFFD, so the lines collate equal; copies of one need not
// meet.
TEST_F(EditSortsTest, DuplicateRemovalFindsCopiesSeparatedByAnEqualLine) {
    const Text one = "a\xFE";
    const Text other = "a\xFF";
    EditReferenceSort reference(plain, {one, other, one});
    reference.Distinct();
    EXPECT_EQ(reference.lines, (Lines{one, other, one}));
    EXPECT_EQ(edits.Run(kTagDistinct, {one, other, one}), (Lines{one, other}));
}

// Lines code page 932 holds beside lines it cannot, with the system's case mapping and collation: the code
// page's characters convert as ever, the others pass through (半角 takes a kana and its combining mark as the
// voiced kana), and the paths split at every "\\".
TEST(EditMixedLines, EveryOperationKeepsWhatTheCodePageCannotHold) {
    const Text decomposed = "ハ\u309Aソコン.txt";
    const Lines input = {"C:\\café\\Ａb.txt", "D:\\한국어\\ｶﾞ1.TXT", "😀\\表ソ.txt", "あ〜い.txt",
                         decomposed,          "C:\\café\\Ａb.txt"};
    const std::pair<int, Lines> operations[] = {
        {kTagUpper,
         {"C:\\CAFé\\ＡB.TXT", "D:\\한국어\\ｶﾞ1.TXT", "😀\\表ソ.TXT", "あ〜い.TXT", "ハ\u309Aソコン.TXT",
          "C:\\CAFé\\ＡB.TXT"}},
        {kTagLower,
         {"c:\\café\\ａb.txt", "d:\\한국어\\ｶﾞ1.txt", "😀\\表ソ.txt", "あ〜い.txt", decomposed,
          "c:\\café\\ａb.txt"}},
        {kTagFull,
         {"Ｃ：￥ｃａｆé￥Ａｂ．ｔｘｔ", "Ｄ：￥한국어￥ガ１．ＴＸＴ", "😀￥表ソ．ｔｘｔ", "あ〜い．ｔｘｔ",
          "ハ\u309Aソコン．ｔｘｔ", "Ｃ：￥ｃａｆé￥Ａｂ．ｔｘｔ"}},
        {kTagHalf,
         {"C:\\café\\Ab.txt", "D:\\한국어\\ｶﾞ1.TXT", "😀\\表ｿ.txt", "あ〜い.txt", "ﾊﾟｿｺﾝ.txt",
          "C:\\café\\Ab.txt"}},
        {kTagFileName, {"Ａb.txt", "ｶﾞ1.TXT", "表ソ.txt", "あ〜い.txt", decomposed, "Ａb.txt"}},
        {kTagDirectory, {"C:\\café\\", "D:\\한국어\\", "😀\\", "", "", "C:\\café\\"}},
        {kTagDistinctInOrder, Lines(input.begin(), input.end() - 1)},
    };
    Win32CaseMapper cases;
    Win32Collation collation(LetterCase::kCounts);
    FakeCollation locale{LetterCase::kIgnored};
    DropState state{locale};
    RecordingView view;
    NullBreakButton button;
    EditOperations edit{view, state, cases, collation, button};
    for (const auto& [tag, expected] : operations) {
        view.lines = input;
        edit.Run(tag);
        EXPECT_EQ(view.lines, expected) << "tag " << tag;
        edit.Undo();
        EXPECT_EQ(view.lines, input) << "undo after tag " << tag;
    }
    view.lines = input;
    edit.Run(kTagDistinct);
    EXPECT_EQ(std::set<Text>(view.lines.begin(), view.lines.end()),
              std::set<Text>(input.begin(), input.end()));
    EXPECT_EQ(view.lines.size(), input.size() - 1);
}

}  // namespace
