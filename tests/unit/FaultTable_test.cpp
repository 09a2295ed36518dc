// Every platform failure a drop can meet, one row each, through the whole drop: handler, walker and contents
// reader over the fakes. After each the text area keeps what it held, the user is told exactly when the
// failure ends the drop, and the next drop runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/FakeDropWorld.h"
#include "tests/fakes/FakeDrop.h"
#include "text/AppError.h"

namespace {

using Lines = std::vector<Text>;

const Lines kEarlier = {"earlier", "表 and ソ"};
const Text kNext = "C:\\ok.txt";

enum class Mode { AllLines, FullPath, Network, ShortPath };

// One program's worth of fakes around the real drop handler, walker and contents reader. The folder C:\d
// holds a.txt, b.txt and c.txt, with their contents readable too.
struct Program : FakeDropWorld {
    explicit Program(Mode mode) {
        view.lines = kEarlier;
        view.options.fullPath = mode == Mode::FullPath;
        view.options.contents = mode == Mode::AllLines;
        view.options.networkPath = mode == Mode::Network;
        view.options.shortPath = mode == Mode::ShortPath;
        view.options.countLines = false;
        view.options.allLines = true;
        view.options.recurse = true;
        for (const auto& [path, contents] : {std::pair<Text, Text>{"C:\\d\\a.txt", "1\r\n2\r\n"},
                                             {"C:\\d\\b.txt", "x\r\ny\r\nz"},
                                             {"C:\\d\\c.txt", "3"},
                                             {kNext, "ok"}}) {
            tree.AddFile(path);
            files.Add(path, contents);
        }
    }

    // Drops the names; the text of the error that leaves the drop for the user, or the empty text.
    Text Drop(const Lines& dropped) {
        FakeDroppedNames names(dropped);
        bool handled = false;
        Text told;
        try {
            drop.handler.HandleDrop(names, handled);
        } catch (const AppError& e) {
            told = e.Message();
        }
        EXPECT_TRUE(handled);
        EXPECT_EQ(names.releases, 1);
        return told;
    }
};

struct Row {
    Text fault;
    Mode mode;
    std::function<void(Program&)> inject;
    Lines added;   // what the drop of C:\d appends below the earlier lines
    Text told;     // the error shown once the drop has ended; empty: the failure is absorbed or noticed
    Text noticed;  // a line of the drop's closing notice; empty: there is none
};

Text OpenFailure(const Text& text) {
    return "C:\\d\\b.txt\r\n" + text;
}

void FailOpen(Program& p, std::uint32_t code) {
    p.files.Add("C:\\d\\b.txt", "x").openError = code;
}

void FailRead(Program& p, std::uint32_t code) {
    // The first line and its terminator arrive, then the read fails.
    FakeFileReader::File& file = p.files.Add("C:\\d\\b.txt", "x\r\ny\r\nz");
    file.failReadAt = 3;
    file.readError = code;
}

const Lines kWholeFolder = {"C:\\d", "C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"};

TEST(FaultTable, EachFailureKeepsTheTextTellsWhereDueAndLeavesTheProgramUsable) {
    // A row a line or two, as a table reads.
    // clang-format off
    std::vector<Row> rows = {
        // A read fails mid-file: the lines of the file read so far stay too.
        {"read mid-file", Mode::AllLines, [](Program& p) { FailRead(p, 23); }, {"1", "2", "x"},
         OpenFailure("I/O エラー (23)")},
        {"read without a code", Mode::AllLines, [](Program& p) { FailRead(p, 0); }, {"1", "2", "x"},
         OpenFailure("I/O エラー (0)")},
        // A file listed but gone before it is read gives nothing; the walk goes on.
        {"file gone before reading", Mode::AllLines, [](Program& p) { p.tree.AddFile("C:\\d\\e.txt"); },
         {"1", "2", "x", "y", "z", "3"}, ""},
        // A name that opens a device, and a file whose data is online only, are passed over; the drop's
        // closing notice names them.
        {"name opens a device", Mode::AllLines,
         [](Program& p) { p.files.Add("C:\\d\\b.txt", "x").notDiskFile = true; }, {"1", "2", "3"}, "", "C:\\d\\b.txt"},
        {"data online only", Mode::AllLines,
         [](Program& p) { p.tree.SetAttributes("C:\\d\\b.txt", FileAttr::Archive | FileAttr::Offline); },
         {"1", "2", "3"}, "", "C:\\d\\b.txt"},
        {"data fetched on open", Mode::AllLines,
         [](Program& p) { p.tree.SetAttributes("C:\\d\\b.txt", FileAttr::Archive | FileAttr::RecallOnOpen); },
         {"1", "2", "3"}, "", "C:\\d\\b.txt"},
        // A folder that cannot be listed, or not to its end, is named with the reason: the list is not whole.
        {"listing refused", Mode::FullPath, [](Program& p) { p.tree.FailListing("C:\\d", 5); }, {"C:\\d"}, "",
         "C:\\d (アクセスが拒否されました)"},
        {"folder gone before listing", Mode::AllLines, [](Program& p) { p.tree.FailListing("C:\\d", 3); }, {},
         "", "C:\\d (見つかりません (移動か削除をされました))"},
        {"listing stops midway", Mode::FullPath, [](Program& p) { p.tree.FailListingAfter("C:\\d", 3, 64); },
         {"C:\\d", "C:\\d\\a.txt"}, "", "C:\\d (一覧の途中で止まりました: ネットワークのエラーです (64))"},
        {"listing stops midway, contents", Mode::AllLines,
         [](Program& p) { p.tree.FailListingAfter("C:\\d", 4, 1117); }, {"1", "2", "x", "y", "z"}, "",
         "C:\\d (一覧の途中で止まりました: エラー 1117)"},
        {"entry vanishes mid-listing", Mode::FullPath,
         [](Program& p) { p.tree.OnListed("C:\\d\\a.txt", [&p] { p.tree.Remove("C:\\d\\b.txt"); }); },
         {"C:\\d", "C:\\d\\a.txt", "C:\\d\\c.txt"}, ""},
        {"expansion fails", Mode::Network,
         [](Program& p) { p.tree.SetFullPathAnswer("C:\\d\\a.txt", std::nullopt); },
         {"", "C:\\d", "C:\\d\\b.txt", "C:\\d\\c.txt"}, ""},
        {"short name fails", Mode::ShortPath,
         [](Program& p) { p.tree.SetShortPathAnswer("C:\\d\\b.txt", std::nullopt); },
         {"", "C:\\d", "C:\\d\\a.txt", "C:\\d\\c.txt"}, ""},
        // Nothing mapped: the universal-name query fails and the expanded path stands.
        {"UNC look-up fails", Mode::Network, [](Program&) {}, kWholeFolder, ""},
        {"UNC enumeration fails", Mode::Network,
         [](Program& p) {
             p.network.version = PlatformVersion{false, 4};
             p.network.failOpen = true;
         },
         kWholeFolder, ""},
    };
    // clang-format on
    // Opening a file fails: what was read before stays, the rest of the drop is skipped.
    for (const auto& [code, text] : {std::pair<std::uint32_t, Text>{2, "ファイルが見つかりません"},
                                     {3, "不正なファイル名です"},
                                     {4, "オープンしたファイルが多すぎます"},
                                     {5, "ファイルへのアクセスが拒否されました"},
                                     {32, "ほかのプログラムがファイルを使用中のため開けません"},
                                     {33, "ほかのプログラムがファイルの一部をロックしているため読めません"},
                                     {1117, "I/O エラー (1117)"}}) {
        rows.push_back({"open " + std::to_string(code),
                        Mode::AllLines,
                        [code = code](Program& p) { FailOpen(p, code); },
                        {"1", "2"},
                        OpenFailure(text)});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        Program p(row.mode);
        row.inject(p);
        const bool paths = row.mode != Mode::AllLines;

        EXPECT_EQ(p.Drop({"C:\\d"}), row.told);
        Lines expected = kEarlier;
        expected.insert(expected.end(), row.added.begin(), row.added.end());
        EXPECT_EQ(p.view.lines, expected);
        EXPECT_EQ(p.tree.listedPatterns, (Lines{"C:\\d\\*"}));
        if (row.mode == Mode::Network && p.network.version.ntFamily) {
            // A path whose expansion failed is not looked up.
            EXPECT_EQ(p.network.universalNameCalls, std::count_if(row.added.begin(), row.added.end(),
                                                                  [](const Text& l) { return !l.empty(); }));
        }
        const Lines messages = p.view.CallsStartingWith("message");
        if (!row.noticed.empty()) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_NE((messages[0] + "\r\n").find("\r\n" + row.noticed + "\r\n"), Text::npos) << messages[0];
        } else {
            EXPECT_TRUE(messages.empty()) << "no message of its own";
        }
        EXPECT_EQ(p.view.CallsStartingWith("copy").size(), paths ? 1u : 0u);
        EXPECT_EQ(p.files.openFiles, 0);
        EXPECT_EQ(p.tree.listingsOpen, 0);
        EXPECT_EQ(p.network.enumerationsOpen, 0);
        EXPECT_FALSE(p.drop.state.FBusy);
        EXPECT_TRUE(p.view.topPanelEnabled);
        EXPECT_EQ(p.view.panels[3], "");

        EXPECT_EQ(p.Drop({kNext}), "");
        expected.push_back(paths ? kNext : "ok");
        EXPECT_EQ(p.view.lines, expected);
        EXPECT_FALSE(p.drop.state.FBusy);
        if (paths) {
            Text whole;
            for (const Text& line : expected)
                whole += line + "\r\n";
            EXPECT_EQ(p.view.clipboard, whole) << "the earlier text is copied with the new";
        } else {
            EXPECT_EQ(p.view.clipboard, "");
        }
    }
}

}  // namespace
