#include "edit/EditOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <new>
#include <random>
#include <set>
#include <string>

#include "collect/DropHandler.h"
#include "tests/fakes/FakeCaseMapper.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"
#include "tests/fakes/RecordingView.h"
#include "tests/fakes/ThrowingView.h"
#include "tests/unit/EditReferenceSort.h"

namespace {

using Lines = std::vector<Text>;

const int kAllTags[] = {kTagUpper,    kTagLower,     kTagHalf,     kTagFull,
                        kTagNameAsc,  kTagNameDesc,  kTagExtAsc,   kTagExtDesc,
                        kTagFileName, kTagDirectory, kTagDistinct, kTagDistinctInOrder};
const int kSortTags[] = {kTagNameAsc, kTagNameDesc, kTagExtAsc, kTagExtDesc};

// The abort button, recorded among the view's calls so that their order shows.
class RecordingBreak : public BreakButton {
public:
    explicit RecordingBreak(RecordingView& view) : view_(view) {}
    bool visible = false;
    void SetBreakVisible(bool shown) override {
        visible = shown;
        view_.calls.push_back(shown ? "break shown" : "break hidden");
    }

private:
    RecordingView& view_;
};

class EditOperationsTest : public ::testing::Test {
protected:
    Lines Run(int tag, const Lines& lines) {
        view.lines = lines;
        edit.Run(tag);
        return view.lines;
    }

    // Every pump from the second on, so that an action hooked there sees the state of a running operation.
    void ExpectRunningAt(int pump) {
        view.OnPump(pump, [this] {
            EXPECT_TRUE(state.FBusy);
            EXPECT_TRUE(button.visible);
            EXPECT_EQ(view.panels[3], "[ESC]キーで中断");
        });
    }

    FakeCollation locale{LetterCase::kIgnored};
    DropState state{locale};
    RecordingView view;
    FakeCaseMapper cases;
    FakeCollation collation;
    FakeCollation referenceCollation;  // the yardstick's, so that the counts above are the operations' alone
    RecordingBreak button{view};
    EditOperations edit{view, state, cases, collation, button};
};

struct Case {
    int tag;
    Lines input;
    Lines expected;
};

// The edge cases of each operation. The collation is not byte order: small letters before capitals, the
// hyphen ignored.
const Case kCases[] = {
    {kTagUpper, {"abc", "", "ａｂ表z", "ｶﾞ"}, {"ABC", "", "ＡＢ表Z", "ｶﾞ"}},
    {kTagUpper, {"x"}, {"X"}},
    {kTagLower, {"ABC", "ＡＢ表Z", "ｱ"}, {"abc", "ａｂ表z", "ｱ"}},
    {kTagHalf, {"ＡＢＣ　１２３", "ガ", "漢字"}, {"ABC 123", "ｶﾞ", "漢字"}},
    {kTagFull, {"ABC 123", "ｶﾞ", ""}, {"ＡＢＣ　１２３", "ガ", ""}},
    {kTagNameAsc, {"b", "a", "c"}, {"a", "b", "c"}},
    {kTagNameDesc, {"b", "a", "c"}, {"c", "b", "a"}},
    {kTagNameAsc, {"B", "a", "b", "A"}, {"a", "A", "b", "B"}},
    {kTagNameAsc, {"only"}, {"only"}},
    {kTagExtAsc, {"x.txt", "y.bmp", "z", "a.txt"}, {"z", "y.bmp", "a.txt", "x.txt"}},
    {kTagExtDesc, {"x.txt", "y.bmp", "z", "a.txt"}, {"x.txt", "a.txt", "y.bmp", "z"}},
    {kTagExtAsc, {"a.TXT", "b.txt", "c.Txt"}, {"b.txt", "c.Txt", "a.TXT"}},
    {kTagExtAsc, {"C:\\d.x\\file", "C:\\d\\a.tar.gz", "end."}, {"C:\\d.x\\file", "end.", "C:\\d\\a.tar.gz"}},
    {kTagExtDesc, {"only.txt"}, {"only.txt"}},
    {kTagDistinct, {"b", "a", "b", "a", "a"}, {"a", "b"}},
    {kTagDistinct, {"A", "a", "A"}, {"a", "A"}},
    {kTagDistinct, {"same"}, {"same"}},
    {kTagDistinctInOrder, {"b", "a", "b", "A", "", "a", "表", ""}, {"b", "a", "A", "", "表"}},
    {kTagDistinctInOrder, {"ab", "a-b", "ab"}, {"ab", "a-b"}},  // equal in the collation, not in bytes
    {kTagFileName,
     {"C:\\dir\\a.txt", "C:a.txt", "C:\\dir\\", "a.txt", "C:\\dir\\表"},
     {"a.txt", "a.txt", "", "a.txt", "表"}},
    {kTagDirectory,
     {"C:\\dir\\a.txt", "C:a.txt", "a.txt", "C:\\dir\\表"},
     {"C:\\dir\\", "C:", "", "C:\\dir\\"}},
    {kTagDirectory, {"ソ\\表"}, {"ソ\\"}},
    {0, {"b", "a"}, {"b", "a"}},
    {99, {"b", "a"}, {"b", "a"}},
};

TEST_F(EditOperationsTest, EdgeCasesOfEachOperation) {
    for (const Case& c : kCases) {
        EXPECT_EQ(Run(c.tag, c.input), c.expected) << "tag " << c.tag << ", first line " << c.input.front();
        edit.Undo();
        EXPECT_EQ(view.lines, c.input) << "undo after tag " << c.tag;
    }
}

TEST_F(EditOperationsTest, AnEmptyTextAreaStaysEmptyAndSoDoesTheUndoCopy) {
    for (int tag : kAllTags) {
        view.calls.clear();
        EXPECT_TRUE(Run(tag, {}).empty()) << tag;
        EXPECT_EQ(view.calls, (Lines{"status 3 [ESC]キーで中断", "break shown", "pump", "read lines",
                                     "status 3 ", "replace lines 0", "break hidden"}))
            << tag;
        view.lines = {"later"};
        edit.Undo();
        EXPECT_TRUE(view.lines.empty()) << tag;
    }
    EXPECT_EQ(collation.sortKeys + collation.compares + cases.calls, 0);
}

TEST_F(EditOperationsTest, StepsRunInOrderAndTheBusyFlagCoversThem) {
    view.OnPump(1, [this] {
        EXPECT_TRUE(state.FBusy);
        EXPECT_TRUE(button.visible);
        view.lines = {"b", "changed while pumping", "a"};
    });
    EXPECT_EQ(Run(kTagNameAsc, {"b", "a"}), (Lines{"a", "b", "changed while pumping"}));
    EXPECT_EQ(view.calls, (Lines{"status 3 [ESC]キーで中断", "break shown", "pump", "read lines", "status 3 ",
                                 "replace lines 3", "break hidden"}));
    EXPECT_FALSE(state.FBusy);
    EXPECT_FALSE(button.visible);
    EXPECT_EQ(view.panels[3], "");
    // The lines are read after the first pump, so the undo copy holds what the text area held then.
    edit.Undo();
    EXPECT_EQ(view.lines, (Lines{"b", "changed while pumping", "a"}));
}

// The text area's lines reach the operations whole, however long.
TEST_F(EditOperationsTest, LongLinesAreNotCut) {
    const Text longLine = Text(10000, 'x') + "b";
    Text longKanji;
    for (int i = 0; i < 3000; ++i)
        longKanji += "表";  // whose Shift_JIS form, 95 5C, holds a backslash byte
    EXPECT_EQ(Run(kTagNameDesc, {"a", longLine, longKanji}), (Lines{longKanji, longLine, "a"}));
    EXPECT_EQ(Run(kTagUpper, {longLine}), (Lines{Text(10000, 'X') + "B"}));
    EXPECT_EQ(Run(kTagFileName, {longKanji}), (Lines{longKanji}));
}

TEST_F(EditOperationsTest, PerLineOperationsPumpOnEvery1025thLine) {
    ExpectRunningAt(2);
    ExpectRunningAt(3);
    Run(kTagUpper, Lines(3000, "a"));
    EXPECT_EQ(cases.calls, 3000);
    EXPECT_EQ(view.pumps, 3);  // the dispatcher's, then after lines 1025 and 2050
    view = RecordingView();
    Run(kTagFileName, Lines(2049, "x"));
    EXPECT_EQ(view.pumps, 2);
}

TEST_F(EditOperationsTest, AbortStopsAfterTheLineThatSawIt) {
    view.OnPump(2, [this] { edit.Abort(); });
    const Lines lines(3000, "a");
    EXPECT_EQ(Run(kTagUpper, lines), lines);
    // Lines 1 to 1025 before the pump, line 1026 after it; then the abort is seen.
    EXPECT_EQ(cases.calls, 1026);
    EXPECT_EQ(view.pumps, 3);  // the abort button's own
    EXPECT_EQ(view.CallsStartingWith("status 3"),
              (Lines{"status 3 [ESC]キーで中断", "status 3 中断中! 少々お待ちください", "status 3 "}));
    EXPECT_TRUE(view.CallsStartingWith("replace").empty());
}

// Lines of every kind the operations change: mixed case, widths, extensions, paths, duplicates.
Lines VariedLines(std::size_t n) {
    const char* const names[] = {"a.txt", "B.TXT", "ｶﾞ.dat", "ＡＢ", "c-d", "cd", "C:\\d\\x.bmp", "z"};
    Lines lines;
    for (std::size_t i = 0; i < n; ++i)
        lines.push_back("C:\\" + std::to_string(i % 97) + "\\" + names[i % 8]);
    return lines;
}

TEST_F(EditOperationsTest, AbortAtAChosenPumpInEveryOperation) {
    const Lines before = VariedLines(3000);
    for (int tag : kAllTags) {
        view = RecordingView();
        Run(kTagLower, before);
        const Lines lowered = view.lines;
        ASSERT_NE(lowered, before);
        view.calls.clear();
        view.pumps = 0;
        view.OnPump(2, [this] { edit.Abort(); });
        EXPECT_EQ(Run(tag, lowered), lowered) << tag;
        EXPECT_TRUE(view.CallsStartingWith("replace").empty()) << tag;
        EXPECT_FALSE(state.FBusy) << tag;
        EXPECT_FALSE(button.visible) << tag;
        EXPECT_EQ(view.calls.back(), "break hidden") << tag;
        EXPECT_EQ(view.panels[3], "") << tag;
        EXPECT_GE(view.pumps, 3) << tag;
        // The undo copy is the text as the aborted operation found it, not as the operation before found it.
        view.lines.clear();
        edit.Undo();
        EXPECT_EQ(view.lines, lowered) << tag;

        // The next operation runs normally.
        view.OnPump(2, [] {});
        view.pumps = 0;
        view.calls.clear();
        EXPECT_NE(Run(tag, lowered), Lines{}) << tag;
        EXPECT_EQ(view.CallsStartingWith("replace").size(), 1u) << tag;
    }
}

TEST_F(EditOperationsTest, UndoRestoresTheStateBeforeTheLastOperationAsOftenAsPressed) {
    view.lines = {"x"};
    edit.Undo();  // right after start-up: nothing to restore, nothing changes
    EXPECT_EQ(view.lines, (Lines{"x"}));
    EXPECT_TRUE(view.CallsStartingWith("replace").empty());

    Run(kTagUpper, {"b", "a"});
    Run(kTagNameAsc, view.lines);
    EXPECT_EQ(view.lines, (Lines{"A", "B"}));
    for (int press = 0; press < 3; ++press) {
        edit.Undo();
        EXPECT_EQ(view.lines, (Lines{"B", "A"})) << press;
    }
    // "戻る": again nothing to restore.
    edit.ForgetUndo();
    edit.Undo();
    EXPECT_EQ(view.lines, (Lines{"B", "A"}));
    EXPECT_TRUE(view.CallsStartingWith("message").empty());
}

// "戻す" runs as the operations do: busy, its abort button shown; aborted, it leaves the text as it is.
TEST_F(EditOperationsTest, UndoRunsAsAnOperationAndCanBeAborted) {
    Run(kTagUpper, {"b", "a"});
    view.calls.clear();
    view.pumps = 0;
    ExpectRunningAt(1);
    edit.Undo();
    EXPECT_EQ(view.lines, (Lines{"b", "a"}));
    EXPECT_EQ(view.calls, (Lines{"status 3 [ESC]キーで中断", "break shown", "pump", "status 3 ",
                                 "replace lines 2", "break hidden"}));

    view.lines = {"B", "A"};
    view.pumps = 0;
    view.OnPump(1, [this] {
        edit.Run(kTagLower);  // refused: the undo is running
        edit.Abort();
    });
    edit.Undo();
    EXPECT_EQ(view.lines, (Lines{"B", "A"}));
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_FALSE(state.FBusy);
    EXPECT_FALSE(button.visible);
    EXPECT_EQ(view.panels[3], "");
    view.OnPump(3, [] {});
    edit.Undo();  // the copy stays after an aborted undo
    EXPECT_EQ(view.lines, (Lines{"b", "a"}));
}

// Lines of many MiB: reading them, and writing the result back, pump every few MiB, apart from the pacing
// steps; an abort seen at any of those pumps leaves the text area as it was.
TEST_F(EditOperationsTest, CopyingAHugeTextPumpsAndHonoursAnAbort) {
    Lines huge;
    for (char c : Text("dbeacf"))
        huge.push_back(Text(3 << 20, c));
    const Lines sorted = Run(kTagNameAsc, huge);
    ASSERT_EQ(sorted.size(), huge.size());
    EXPECT_EQ(sorted.front()[0], 'a');
    EXPECT_EQ(sorted.back()[0], 'f');
    const int pumps = view.pumps;
    EXPECT_GE(pumps, 1 + 2 * 2);  // the dispatcher's, then some while reading and some while writing
    for (int abortAt = 2; abortAt <= pumps; ++abortAt) {
        view = RecordingView();
        view.OnPump(abortAt, [this] { edit.Abort(); });
        EXPECT_EQ(Run(kTagNameAsc, huge), huge) << abortAt;
        EXPECT_TRUE(view.CallsStartingWith("replace").empty()) << abortAt;
        EXPECT_EQ(view.pumps, abortAt + 1) << "the abort at pump " << abortAt << " was not seen at once";
    }
}

TEST_F(EditOperationsTest, UndoDuringAnOperationIsRefusedAndForgettingStillWorks) {
    Run(kTagUpper, {"a"});
    const Lines input = VariedLines(2000);
    Lines duringUndo;
    view.OnPump(2, [&] {
        edit.Undo();
        duringUndo = view.lines;
        edit.ForgetUndo();
    });
    view.pumps = 0;
    Run(kTagNameDesc, input);
    EXPECT_EQ(duringUndo, input);
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_EQ(view.CallsStartingWith("replace").size(), 2u);  // the two operations' results only
    EditReferenceSort reference(referenceCollation, input);
    reference.Sort(kTagNameDesc);
    EXPECT_EQ(view.lines, reference.lines);
    edit.Undo();
    EXPECT_EQ(view.lines, reference.lines);  // forgotten while the operation ran
}

TEST_F(EditOperationsTest, OperationButtonDuringAnOperationIsRefused) {
    view.OnPump(1, [this] { edit.Run(kTagLower); });
    EXPECT_EQ(Run(kTagUpper, {"aB"}), (Lines{"AB"}));
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_EQ(view.CallsStartingWith("read").size(), 1u);
    edit.Undo();
    EXPECT_EQ(view.lines, (Lines{"aB"}));
}

TEST_F(EditOperationsTest, ErrorInAnOperationLeavesNothingBusy) {
    class FailingCases : public CaseMapper {
    public:
        void ToUpper(Text&) override { throw std::bad_alloc(); }
        void ToLower(Text&) override {}
    } failing;
    EditOperations failingEdit(view, state, failing, collation, button);
    view.lines = {"a", "b"};
    EXPECT_THROW(failingEdit.Run(kTagUpper), std::bad_alloc);
    EXPECT_EQ(view.lines, (Lines{"a", "b"}));
    EXPECT_TRUE(view.CallsStartingWith("replace").empty());
    EXPECT_FALSE(state.FBusy);
    EXPECT_FALSE(button.visible);
    EXPECT_EQ(view.panels[3], "");
    failingEdit.Run(kTagLower);
    EXPECT_EQ(view.CallsStartingWith("replace").size(), 1u);
}

// A step of an operation that fails, at its start, in the operation or among the finishing steps, leaves
// nothing busy: the steps after it run and the error goes on; the next operation and "戻す" work.
TEST(EditOperationsFailureTest, EveryFinishingStepRunsWhenOneFails) {
    class FailingBreak : public BreakButton {
    public:
        bool visible = false;
        bool failShow = false;
        bool failHide = false;
        void SetBreakVisible(bool shown) override {
            if (shown ? failShow : failHide) throw std::bad_alloc();
            visible = shown;
        }
    };
    struct Row {
        Text kind;  // a view call, or "break shown" / "break hidden"
        int occurrence;
        bool written;  // the result reached the text area
    };
    const Row rows[] = {
        {"status 3", 1, false},    {"break shown", 1, false}, {"pump", 1, false},
        {"read lines", 1, false},  {"status 3", 2, true},     {"replace lines", 1, false},
        {"break hidden", 1, true},
    };
    const Lines input = {"b", "a"};
    for (const Row& row : rows) {
        const Text label = row.kind + " #" + std::to_string(row.occurrence);
        FakeCollation locale{LetterCase::kIgnored};
        DropState state{locale};
        ThrowingView view;
        FakeCaseMapper cases;
        FakeCollation collation;
        FailingBreak button;
        EditOperations edit{view, state, cases, collation, button};
        button.failShow = row.kind == "break shown";
        button.failHide = row.kind == "break hidden";
        view.FailAt(row.kind, row.occurrence);
        view.lines = input;
        EXPECT_THROW(edit.Run(kTagNameAsc), std::bad_alloc) << label;
        EXPECT_FALSE(state.FBusy) << label;
        EXPECT_EQ(button.visible, row.kind == "break hidden") << label;
        if (row.occurrence == 1) {
            EXPECT_EQ(view.panels[3], "") << label;
        }
        EXPECT_EQ(view.lines, row.written ? (Lines{"a", "b"}) : input) << label;

        view.FailAt("");
        button.failShow = button.failHide = false;
        view.lines = {"d", "c"};
        edit.Run(kTagNameAsc);
        EXPECT_EQ(view.lines, (Lines{"c", "d"})) << label;
        EXPECT_FALSE(button.visible) << label;
        edit.Undo();
        EXPECT_EQ(view.lines, (Lines{"d", "c"})) << label;
    }
}

// The drop handler and the edit window share the busy flag.
class EditAndDropTest : public EditOperationsTest {
protected:
    EditAndDropTest() {
        for (int i = 0; i < 200; ++i)
            files.AddFile("C:\\d\\f" + std::to_string(1000 + i));
        view.options.recurse = true;
    }

    FakeFileSystem files;
    FakeNetwork network;
    FakeContentsReader reader;
    DropHandler drops{state, view, files, network, reader};
};

TEST_F(EditAndDropTest, AnEditDuringADropIsRefused) {
    Run(kTagUpper, {"x"});
    view.pumps = 0;
    view.OnPump(1, [this] { edit.Run(kTagLower); });
    FakeDroppedNames names({"C:\\d"});
    bool handled = false;
    drops.HandleDrop(names, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_EQ(view.lines.size(), 202u);
    EXPECT_EQ(view.lines.front(), "X");
    edit.Undo();
    EXPECT_EQ(view.lines, (Lines{"x"}));  // the refused edit did not take the undo copy
}

TEST_F(EditAndDropTest, ADropDuringAnEditIsRefused) {
    FakeDroppedNames names({"C:\\d"});
    bool handled = false;
    view.OnPump(1, [&] { drops.HandleDrop(names, handled); });
    EXPECT_EQ(Run(kTagUpper, {"x"}), (Lines{"X"}));
    EXPECT_FALSE(handled);
    EXPECT_TRUE(names.fetched.empty());
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_FALSE(state.FBusy);
    drops.HandleDrop(names, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(view.lines.size(), 202u);
}

TEST_F(EditAndDropTest, UndoDuringADropIsRefused) {
    Run(kTagUpper, {"x"});
    view.OnPump(1, [this] { edit.Undo(); });
    view.pumps = 0;
    FakeDroppedNames names({"C:\\d"});
    bool handled = false;
    drops.HandleDrop(names, handled);
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_EQ(view.CallsStartingWith("replace").size(), 1u);
    EXPECT_EQ(view.lines.size(), 202u);
    EXPECT_EQ(view.lines.front(), "X");
    edit.Undo();  // once the drop has ended
    EXPECT_EQ(view.lines, (Lines{"x"}));
}

// Small lists of few distinct texts, many of them equal in the collation with different bytes ("ab" and
// "a-b", "x.t" and "x-.t"), so that the order among equal lines shows.
Lines RandomLines(std::mt19937& random, std::size_t n) {
    const char* const words[] = {"a",   "A",    "ab",  "a-b", "-ab", "b", "B",
                                 "x.t", "x-.t", "y.T", "y.t", "z.",  "",  "ソ.t"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(words) - 1);
    Lines lines;
    for (std::size_t i = 0; i < n; ++i)
        lines.push_back(words[pick(random)]);
    return lines;
}

TEST_F(EditOperationsTest, SortsMatchTheReferenceLineByLine) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const Lines input = RandomLines(random, static_cast<std::size_t>(round % 41));
        for (int tag : kSortTags) {
            EditReferenceSort reference(referenceCollation, input);
            reference.Sort(tag);
            collation.sortKeys = 0;
            collation.compares = 0;
            ASSERT_EQ(Run(tag, input), reference.lines) << "round " << round << ", tag " << tag;
            EXPECT_EQ(collation.compares, 0);
            // One key per line, one per distinct extension.
            EXPECT_LE(collation.sortKeys, static_cast<int>(input.size() * (tag < kTagExtAsc ? 1 : 2)));
        }
    }
}

// After an abort the sort runs on with every comparison 0, so how many comparisons (and pumps) remain depends
// on which parts are still to sort: an abort at each pump in turn shows the order in which parts are taken.
TEST_F(EditOperationsTest, PacingAndAbortInSortsMatchTheReference) {
    std::mt19937 random(11);
    for (const Lines& input : {RandomLines(random, 1500), VariedLines(1200)}) {
        for (int tag : kSortTags) {
            EditReferenceSort whole(referenceCollation, input);
            whole.Sort(tag);
            for (int abortAt = 0; abortAt <= whole.pumps; ++abortAt) {
                EditReferenceSort reference(referenceCollation, input, abortAt);
                reference.Sort(tag);
                view = RecordingView();
                if (abortAt > 0) view.OnPump(abortAt + 1, [this] { edit.Abort(); });
                Run(tag, input);
                // One more pump than the reference's: the dispatcher's; one more after an abort: the
                // button's.
                ASSERT_EQ(view.pumps, reference.pumps + 1 + (abortAt > 0 ? 1 : 0))
                    << "tag " << tag << ", abort at " << abortAt;
                if (abortAt == 0) {
                    EXPECT_EQ(view.lines, reference.lines) << tag;
                }
            }
        }
    }
}

TEST_F(EditOperationsTest, DuplicateRemovalMatchesTheReferenceWhereCopiesMeet) {
    std::mt19937 random(3);
    const char* const words[] = {"a", "A", "b", "ab", "Ab", "aB", "表", "ｱ"};
    for (int round = 0; round < 200; ++round) {
        Lines input;
        for (int i = 0; i < round % 30; ++i)
            input.push_back(words[random() % std::size(words)]);
        EditReferenceSort reference(referenceCollation, input);
        reference.Distinct();
        view.pumps = 0;
        ASSERT_EQ(Run(kTagDistinct, input), reference.lines) << round;
        EXPECT_EQ(view.pumps, reference.pumps + 1) << round;
    }
}

TEST_F(EditOperationsTest, DuplicateRemovalLeavesNoCopyAmongEqualLines) {
    // "ab", "a-b" and "-ab" are equal in the collation; the sort may leave copies of one apart.
    std::mt19937 random(5);
    for (int round = 0; round < 100; ++round) {
        const Lines input = RandomLines(random, 40);
        const Lines result = Run(kTagDistinct, input);
        const std::set<Text> distinct(input.begin(), input.end());
        EXPECT_EQ(std::set<Text>(result.begin(), result.end()), distinct) << round;
        EXPECT_EQ(result.size(), distinct.size()) << round;
        EXPECT_TRUE(std::is_sorted(result.begin(), result.end(), [](const Text& a, const Text& b) {
            return FakeCollation::Key(a) < FakeCollation::Key(b);
        })) << round;
    }
}

// The first copy of each line stays where it was, and nothing else goes, with copies near and far apart.
TEST_F(EditOperationsTest, OrderKeepingRemovalKeepsTheFirstCopies) {
    std::mt19937 random(13);
    for (int round = 0; round < 40; ++round) {
        Lines input, expected;
        std::set<Text> seen;
        const std::size_t distinct = 1 + random() % 400;
        for (std::size_t i = random() % 3000; i > 0; --i) {
            const std::size_t pick = random() % distinct;
            input.push_back(pick % 7 == 0 ? Text(pick, 'x') + "表" : std::to_string(pick));
            if (seen.insert(input.back()).second) expected.push_back(input.back());
        }
        view.pumps = 0;
        ASSERT_EQ(Run(kTagDistinctInOrder, input), expected) << round;
        EXPECT_EQ(view.pumps, 1 + static_cast<int>(input.size()) / 1025) << round;  // one step per line
    }
}

}  // namespace
