#include "collect/DropHandler.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"
#include "tests/fakes/ThrowingView.h"
#include "text/AppError.h"

namespace {

using Lines = std::vector<Text>;

class DropHandlerTest : public ::testing::Test {
protected:
    // What the finishing steps leave whatever the drop did: the bar back at 0, the caret at the end and its
    // indicator rewritten, the top panel usable again, the Esc prompt gone, each step once.
    void ExpectFinished() {
        EXPECT_EQ(view.progressPosition, 0);
        EXPECT_EQ(view.CallsStartingWith("caret to end").size(), 1u);
        EXPECT_EQ(view.CallsStartingWith("caret indicator").size(), 1u);
        EXPECT_TRUE(view.topPanelEnabled);
        EXPECT_EQ(view.CallsStartingWith("top panel"), (Lines{"top panel off", "top panel on"}));
        EXPECT_EQ(view.CallsStartingWith("status 3"), (Lines{"status 3 [ESC]キーで中断", "status 3 "}));
        EXPECT_EQ(view.CallsStartingWith("options").size(), 1u);
        EXPECT_FALSE(state.FBusy);
    }

    bool Drop(FakeDroppedNames& names) {
        bool handled = false;
        handler.HandleDrop(names, handled);
        return handled;
    }

    // A folder of n files, so that a recursive walk pumps at every 64th entry.
    void AddFolder(const Text& folder, int n) {
        for (int i = 0; i < n; ++i)
            files.AddFile(folder + "\\f" + std::to_string(1000 + i));
    }

    FakeFileSystem files;
    FakeNetwork network;
    FakeCollation locale{LetterCase::kIgnored};
    ThrowingView view;
    FakeContentsReader reader;
    DropState state{locale};
    DropHandler handler{state, view, files, network, reader};
};

TEST_F(DropHandlerTest, ThreeFilesInFullPathMode) {
    FakeDroppedNames names({"C:\\d\\b.txt", "C:\\d\\C.txt", "C:\\d\\a.txt"});
    EXPECT_TRUE(Drop(names));
    ExpectFinished();
    EXPECT_EQ(view.progressMax, 3072);
    EXPECT_EQ(view.CallsStartingWith("append"), (Lines{"append lines 3"}));
    EXPECT_EQ(view.CallsStartingWith("copy").size(), 1u);
    EXPECT_EQ(view.lines, (Lines{"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\C.txt"}));
    EXPECT_EQ(view.clipboard, "C:\\d\\a.txt\r\nC:\\d\\b.txt\r\nC:\\d\\C.txt\r\n");
    EXPECT_EQ(names.fetched, (std::vector<std::uint32_t>{0, 1, 2}));
    EXPECT_EQ(names.releases, 1);
    EXPECT_FALSE(state.FBusy);
    EXPECT_TRUE(state.FPathList.Empty());
    EXPECT_TRUE(view.topPanelEnabled);
}

// With the code page names option, the names the lines of this drop substituted are told once after its
// output; what was counted before it is not. Without it the names are true and nothing is told.
TEST_F(DropHandlerTest, SubstitutedNamesAreToldOnceAfterTheOutput) {
    files.AddFile("C:\\d\\한.txt");
    files.SetShortName("C:\\d\\한.txt", "HAN~1.TXT");
    files.AddFile("C:\\d\\x");
    files.AddFile("C:\\d\\é");
    files.substitutions = {5, 5};
    OutputOptions codePage;
    codePage.codePageNames = true;
    DropHandler codePageHandler{state, view, files, network, reader, codePage};
    FakeDroppedNames names({"C:\\d"});
    view.options.recurse = true;
    bool handled = false;
    codePageHandler.HandleDrop(names, handled);
    ASSERT_FALSE(view.calls.empty());
    EXPECT_EQ(view.calls.back(), "message " + SubstitutionNotice({1, 1}));
    EXPECT_EQ(view.lines, (Lines{"C:\\d", "C:\\d\\?", "C:\\d\\HAN~1.TXT", "C:\\d\\x"}));

    view.calls.clear();
    view.lines.clear();
    FakeDroppedNames plain({"C:\\d"});
    EXPECT_TRUE(Drop(plain));
    EXPECT_TRUE(view.CallsStartingWith("message").empty());
    EXPECT_EQ(view.lines, (Lines{"C:\\d", "C:\\d\\x", "C:\\d\\é", "C:\\d\\한.txt"}));
}

TEST_F(DropHandlerTest, ZeroNamesRunOnlyTheFinishingSteps) {
    view.lines = {"kept"};
    FakeDroppedNames names({});
    EXPECT_TRUE(Drop(names));
    ExpectFinished();
    EXPECT_EQ(view.progressMax, 0);
    EXPECT_EQ(view.lines, (Lines{"kept"}));
    EXPECT_EQ(view.clipboard, "kept\r\n");
    EXPECT_EQ(names.releases, 1);
}

TEST_F(DropHandlerTest, DropWhileBusyChangesNothing) {
    for (const bool preset : {false, true}) {
        state.FBusy = true;
        state.FAbort = true;
        state.FPathList.Add("C:\\earlier");
        view.calls.clear();
        view.panels[3] = "[ESC]キーで中断";
        view.progressPosition = 77;
        FakeDroppedNames names({"C:\\x"});
        bool handled = preset;
        handler.HandleDrop(names, handled);
        EXPECT_EQ(handled, preset);
        EXPECT_EQ(view.calls, (Lines{"message 編集中のため処理できません。"}));
        EXPECT_TRUE(names.fetched.empty());
        EXPECT_EQ(names.releases, 0);
        EXPECT_TRUE(state.FBusy);
        EXPECT_TRUE(state.FAbort);
        EXPECT_EQ(state.FPathList.Entries(), (Lines{"C:\\earlier"}));
        EXPECT_EQ(view.panels[3], "[ESC]キーで中断");
        EXPECT_EQ(view.progressPosition, 77);
        EXPECT_TRUE(view.lines.empty());
    }
}

TEST_F(DropHandlerTest, SecondDropDuringTheWalkIsRefused) {
    AddFolder("C:\\d", 200);
    view.options.recurse = true;
    FakeDroppedNames second({"C:\\other"});
    bool secondHandled = false;
    view.OnPump(2, [&] { handler.HandleDrop(second, secondHandled); });
    FakeDroppedNames first({"C:\\d"});
    EXPECT_TRUE(Drop(first));
    EXPECT_FALSE(secondHandled);
    EXPECT_TRUE(second.fetched.empty());
    EXPECT_EQ(second.releases, 0);
    EXPECT_EQ(view.CallsStartingWith("message"), (Lines{"message 編集中のため処理できません。"}));
    EXPECT_EQ(view.lines.size(), 201u);
    EXPECT_EQ(view.CallsStartingWith("progress"),
              (Lines{"progress max 1024", "progress 64", "progress 128", "progress 192", "progress 0"}));
}

TEST_F(DropHandlerTest, AbortWritesWhatWasCollectedAndTheNextDropRunsNormally) {
    AddFolder("C:\\d", 200);
    files.AddFile("C:\\e.txt");
    view.options.recurse = true;
    view.OnPump(1, [&] { state.FAbort = true; });
    FakeDroppedNames first({"C:\\d", "C:\\e.txt"});
    EXPECT_TRUE(Drop(first));
    // The 64th entry was walked before the abort was seen; the next name was never fetched.
    EXPECT_EQ(view.lines.size(), 65u);
    EXPECT_EQ(view.lines.front(), "C:\\d");
    EXPECT_EQ(view.lines.back(), "C:\\d\\f1063");
    EXPECT_EQ(first.fetched, (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(view.CallsStartingWith("copy").size(), 1u);
    EXPECT_FALSE(state.FBusy);

    FakeDroppedNames next({"C:\\e.txt"});
    EXPECT_TRUE(Drop(next));
    EXPECT_EQ(view.lines.size(), 66u);
    EXPECT_EQ(view.lines.back(), "C:\\e.txt");
    EXPECT_FALSE(state.FAbort);
}

TEST_F(DropHandlerTest, ErrorFromTheWalkLeavesAfterTheFinishingSteps) {
    view.options.fullPath = false;
    view.options.contents = true;
    int read = 0;
    reader.onRead = [&](const Text&) {
        if (++read == 3) throw AppError("ファイルへのアクセスが拒否されました");
        state.FTotalLines += 5;
    };
    FakeDroppedNames names({"C:\\a", "C:\\b", "C:\\c", "C:\\d"});
    bool handled = false;
    try {
        handler.HandleDrop(names, handled);
        ADD_FAILURE() << "the error did not reach the caller";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), "ファイルへのアクセスが拒否されました");
    }
    // The two files read before the error are counted in the total line, which comes after the finishing
    // steps; nothing is copied.
    ExpectFinished();
    EXPECT_EQ(view.CallsStartingWith("progress"),
              (Lines{"progress max 4096", "progress 0", "progress 1024", "progress 0"}));
    EXPECT_EQ(view.panels[2], "");
    EXPECT_EQ(view.lines, (Lines{"        10行:Ｔｏｔａｌ"}));
    EXPECT_EQ(view.calls.back(), "append         10行:Ｔｏｔａｌ");
    EXPECT_TRUE(view.CallsStartingWith("copy").empty());
    EXPECT_TRUE(handled);
    EXPECT_EQ(names.releases, 1);
    EXPECT_FALSE(state.FBusy);
    EXPECT_EQ(names.fetched, (std::vector<std::uint32_t>{0, 1, 2}));
}

TEST_F(DropHandlerTest, ContentsModeEndings) {
    view.options.fullPath = false;
    view.options.contents = true;
    FakeDroppedNames empty({"C:\\none"});
    EXPECT_TRUE(Drop(empty));
    EXPECT_EQ(view.lines, (Lines{"         0行:Ｔｏｔａｌ"}));
    EXPECT_TRUE(view.CallsStartingWith("copy").empty());

    view.options.countLines = false;
    view.options.allLines = true;
    view.calls.clear();
    FakeDroppedNames all({"C:\\none"});
    EXPECT_TRUE(Drop(all));
    EXPECT_EQ(view.lines.size(), 1u);
    EXPECT_TRUE(view.CallsStartingWith("copy").empty());
    EXPECT_EQ(view.CallsStartingWith("status 2"), (Lines{"status 2 "}));
}

TEST_F(DropHandlerTest, EachDropAppendsAndDuplicatesSurviveAcrossDrops) {
    FakeDroppedNames first({"C:\\x", "C:\\x"});
    FakeDroppedNames second({"C:\\x"});
    Drop(first);
    Drop(second);
    EXPECT_EQ(view.lines, (Lines{"C:\\x", "C:\\x"}));
    EXPECT_EQ(view.clipboard, "C:\\x\r\nC:\\x\r\n");
}

TEST_F(DropHandlerTest, FilterSlotsAreBuiltOnlyWhenTheFilterIsOn) {
    view.options.filterOn = true;
    view.options.filterCells = {"txt", "", "/", ".csv", "Md"};
    FakeDroppedNames names({"C:\\a.TXT", "C:\\b.csv", "C:\\c", "C:\\d.md"});
    Drop(names);
    EXPECT_EQ(state.FExtFilter, (std::array<Text, 5>{".TXT", "/", "", "..CSV", ".MD"}));
    EXPECT_EQ(view.lines, (Lines{"C:\\a.TXT", "C:\\c", "C:\\d.md"}));

    view.options.filterOn = false;
    view.options.filterCells = {};
    FakeDroppedNames again({"C:\\b.csv"});
    Drop(again);
    EXPECT_EQ(state.FExtFilter, (std::array<Text, 5>{".TXT", "/", "", "..CSV", ".MD"}));
    EXPECT_EQ(view.lines.back(), "C:\\b.csv");
}

TEST_F(DropHandlerTest, AllFilterCellsEmptyPassNothingButTheTextIsStillCopied) {
    view.lines = {"before"};
    view.options.filterOn = true;
    FakeDroppedNames names({"C:\\a.txt", "C:\\b"});
    Drop(names);
    EXPECT_EQ(view.lines, (Lines{"before"}));
    EXPECT_EQ(view.clipboard, "before\r\n");
}

TEST_F(DropHandlerTest, ProgressRangeIsThirtyTwoBits) {
    std::vector<Text> many;
    for (int i = 0; i < 70; ++i)
        many.push_back("C:\\n" + std::to_string(i));
    FakeDroppedNames names(many);
    Drop(names);
    EXPECT_EQ(view.CallsStartingWith("progress max"), (Lines{"progress max 71680"}));
}

TEST_F(DropHandlerTest, ProgressValuesSaturateInsteadOfWrapping) {
    // A drop claiming more names than the bar's range can band; the first name's walk aborts the rest.
    class Huge : public FakeDroppedNames {
    public:
        Huge(DropState& state) : FakeDroppedNames({}), state_(state) {}
        std::uint32_t Count() override { return 3000000; }
        Text Name(std::uint32_t) override {
            state_.FAbort = true;
            return "C:\\x";
        }
        DropState& state_;
    } names(state);
    bool handled = false;
    handler.HandleDrop(names, handled);
    EXPECT_EQ(view.CallsStartingWith("progress max"), (Lines{"progress max 2147483647"}));
}

// A step that fails, at the start, in the output or among the finishing steps, leaves nothing busy: the
// steps after it run, the drop is released and the error goes on; the next drop works.
TEST_F(DropHandlerTest, EveryFinishingStepRunsWhenOneFails) {
    struct Row {
        Text kind;
        int occurrence;
        bool contents;
        Text clipboard;
    };
    const Text collected = "kept\r\nC:\\a\r\n";
    const Row rows[] = {
        // Before the options are read: no output, the clipboard untouched.
        {"top panel off", 1, false, ""},
        {"status 3", 1, false, ""},
        {"options", 1, false, ""},
        // In the walk: what was collected (nothing) is written and copied.
        {"progress max", 1, false, "kept\r\n"},
        // Nothing is copied that was not appended first.
        {"append lines", 1, false, ""},
        {"copy", 1, false, ""},
        {"caret to end", 1, false, collected},
        {"progress", 1, false, collected},
        {"caret indicator", 1, false, collected},
        {"top panel on", 1, false, collected},
        {"status 3", 2, false, collected},
        {"status 2", 1, true, ""},
        {"append", 1, true, ""},  // the total line
    };
    files.AddFile("C:\\a");
    for (const Row& row : rows) {
        const Text label = row.kind + " #" + std::to_string(row.occurrence);
        view = ThrowingView();
        view.lines = {"kept"};
        view.options.fullPath = !row.contents;
        view.options.contents = row.contents;
        view.FailAt(row.kind, row.occurrence);
        FakeDroppedNames names({"C:\\a"});
        bool handled = false;
        EXPECT_THROW(handler.HandleDrop(names, handled), std::bad_alloc) << label;
        EXPECT_TRUE(handled) << label;
        EXPECT_FALSE(state.FBusy) << label;
        EXPECT_TRUE(state.FPathList.Empty()) << label;
        EXPECT_EQ(names.releases, 1) << label;
        EXPECT_EQ(view.topPanelEnabled, row.kind != "top panel on") << label;
        if (row.occurrence == 1) {
            EXPECT_EQ(view.panels[3], "") << label;
        }
        EXPECT_EQ(view.clipboard, row.clipboard) << label;

        view.FailAt("");
        FakeDroppedNames next({"C:\\a"});
        EXPECT_TRUE(Drop(next)) << label;
        EXPECT_EQ(next.releases, 1) << label;
    }
}

TEST_F(DropHandlerTest, TheWalksErrorGoesOnWhenAFinishingStepFailsToo) {
    view.options.fullPath = false;
    view.options.contents = true;
    reader.onRead = [](const Text&) { throw AppError("I/O エラー (32)"); };
    view.FailAt("top panel on");
    FakeDroppedNames names({"C:\\a", "C:\\b"});
    bool handled = false;
    EXPECT_THROW(handler.HandleDrop(names, handled), AppError);
    EXPECT_EQ(view.CallsStartingWith("append"), (Lines{"append " + Text(9, ' ') + "0行:Ｔｏｔａｌ"}));
    EXPECT_FALSE(state.FBusy);
    EXPECT_EQ(names.releases, 1);
    EXPECT_EQ(names.fetched, (std::vector<std::uint32_t>{0}));
}

// A text area that takes no more: the drop stops with the message, the text area keeps what it held and the
// clipboard is not given a part of the output as if it were all of it.
TEST_F(DropHandlerTest, ARefusedAppendStopsTheDropAndCopiesNothing) {
    view.lines = {"earlier"};
    view.clipboard = "the user's own text";
    view.limit = 24;
    FakeDroppedNames names({"C:\\d\\b.txt", "C:\\d\\a.txt"});
    bool handled = false;
    try {
        handler.HandleDrop(names, handled);
        ADD_FAILURE() << "the refusal was not passed on";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), kTextAreaFullMessage);
    }
    EXPECT_EQ(view.lines, (Lines{"earlier"}));
    EXPECT_EQ(view.clipboard, "the user's own text");
    EXPECT_TRUE(view.CallsStartingWith("copy").empty());
    EXPECT_TRUE(handled);
    EXPECT_FALSE(state.FBusy);
    EXPECT_TRUE(view.topPanelEnabled);
    EXPECT_EQ(view.panels[3], "");
}

}  // namespace
