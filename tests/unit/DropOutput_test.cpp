// The output options through a whole drop over the fakes: handler, walker, path list and contents reader,
// in every output mode, on names whose second bytes are 0x5C (表, ソ, 能).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/DropWiring.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/fakes/FakeFileReader.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"
#include "tests/fakes/RecordingView.h"
#include "text/TextLines.h"

namespace {

using Lines = std::vector<Text>;

enum class Mode { Full, Name, Network, Short, Count, AllLines };

const Text kEarlier = "前の行\r\n";

// Z:\表 holds ソ.txt and the folder 能 1, which holds x.tar.gz; Z:\single.txt lies beside it. Drive Z: is
// \\srv\share. Every entry has a short name but single.txt, and facts; x.tar.gz has no time.
struct Rig {
    explicit Rig(Mode mode) {
        view.lines = SplitAtCrLf(kEarlier);
        view.options.RdoFull = mode == Mode::Full;
        view.options.RdoName = mode == Mode::Name;
        view.options.RdoNET = mode == Mode::Network;
        view.options.RdoShort = mode == Mode::Short;
        view.options.RdoShow = mode == Mode::Count || mode == Mode::AllLines;
        view.options.RdoLineCnt = mode != Mode::AllLines;
        view.options.RdoLineAll = mode == Mode::AllLines;
        view.options.ChkFAll = true;
        network.mappedDrives['Z'] = "\\\\srv\\share";

        tree.AddFolder("Z:\\表");
        tree.SetShortName("Z:\\表", "HYO");
        tree.SetFacts("Z:\\表", 0, {2001, 2, 3, 4, 5, 6});
        tree.AddFile("Z:\\表\\ソ.txt");
        tree.SetShortName("Z:\\表\\ソ.txt", "SO~1.TXT");
        tree.SetFacts("Z:\\表\\ソ.txt", 1234, {2024, 3, 5, 7, 8, 9});
        tree.AddFolder("Z:\\表\\能 1");
        tree.SetShortName("Z:\\表\\能 1", "NO1~1");
        tree.SetFacts("Z:\\表\\能 1", 0, {2023, 12, 31, 23, 59, 58});
        tree.AddFile("Z:\\表\\能 1\\x.tar.gz", FileAttr::ReadOnly | FileAttr::Archive);
        tree.SetShortName("Z:\\表\\能 1\\x.tar.gz", "XTAR~1.GZ");
        tree.AddFile("Z:\\single.txt");
        tree.SetFacts("Z:\\single.txt", 7, {2022, 1, 2, 3, 4, 5});
        files.Add("Z:\\表\\ソ.txt", "a\r\nb\r\n");
        files.Add("Z:\\表\\能 1\\x.tar.gz", "");
        files.Add("Z:\\single.txt", "1\r\n2\r\n3");
    }

    void Drop(const Lines& dropped = {"Z:\\表", "Z:\\single.txt"}) {
        FakeDroppedNames names(dropped);
        bool handled = false;
        drop.handler.HandleDrop(names, handled);
        EXPECT_TRUE(handled);
    }

    FakeFileSystem tree;
    FakeFileReader files;
    FakeNetwork network;
    FakeCollation locale{LetterCase::kIgnored};
    RecordingView view;
    DropWiring drop{locale, view, tree, network, files};
};

Text Joined(const Lines& lines, const Text& separator) {
    Text text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : separator) + lines[i];
    return text;
}

struct Row {
    const char* name;
    Mode mode;
    std::function<void(OutputOptions&)> set;
    Text added;  // what the drop writes below the earlier text
    int attributeQueries;
    int factsQueries;
};

TEST(DropOutput, EveryModeUnderTheOptions) {
    const Row rows[] = {
        {"full, defaults", Mode::Full, [](OutputOptions&) {},
         JoinWithCrLf(
             {R"(Z:\single.txt)", R"(Z:\表)", R"(Z:\表\ソ.txt)", R"(Z:\表\能 1)", R"(Z:\表\能 1\x.tar.gz)"}),
         2, 0},
        {"full, relative, folder mark, slashes, quotes around spaces", Mode::Full,
         [](OutputOptions& o) {
             o.relative = true;
             o.folderMark = true;
             o.slashes = SlashStyle::Slash;
             o.quoting = Quoting::WhenSpace;
         },
         JoinWithCrLf({"single.txt", "表/", "ソ.txt", R"("能 1/")", R"("能 1/x.tar.gz")"}), 2, 0},
        {"full, no extensions, doubled backslashes, quotes, tabs, no last line end", Mode::Full,
         [](OutputOptions& o) {
             o.extensions = false;
             o.slashes = SlashStyle::DoubledBackslash;
             o.quoting = Quoting::Always;
             o.separator = LineSeparator::Tab;
             o.lastLineEnd = false;
         },
         Joined({R"("Z:\\single")", R"("Z:\\表")", R"("Z:\\表\\ソ")", R"("Z:\\表\\能 1")",
                 R"("Z:\\表\\能 1\\x.tar")"},
                "\t"),
         2, 0},
        {"full, relative, every column, commas", Mode::Full,
         [](OutputOptions& o) {
             o.relative = true;
             o.sizeColumn = o.timeColumn = o.attributeColumn = true;
             o.separator = LineSeparator::Comma;
         },
         Joined({"single.txt\t7\t2022/01/02 03:04:05\tA", "表\t\t2001/02/03 04:05:06\tD",
                 "ソ.txt\t1234\t2024/03/05 07:08:09\tA", "能 1\t\t2023/12/31 23:59:58\tD",
                 "能 1\\x.tar.gz\t0\t\tRA"},
                ",") +
             "\r\n",
         0, 2},
        {"full, drop order", Mode::Full, [](OutputOptions& o) { o.order = EntryOrder::Drop; },
         JoinWithCrLf(
             {R"(Z:\表\ソ.txt)", R"(Z:\表\能 1\x.tar.gz)", R"(Z:\表\能 1)", R"(Z:\表)", R"(Z:\single.txt)"}),
         2, 0},
        {"names, without extensions, folder mark", Mode::Name,
         [](OutputOptions& o) {
             o.relative = true;
             o.extensions = false;
             o.folderMark = true;
         },
         JoinWithCrLf({"single", "x.tar", "ソ", R"(能 1\)", R"(表\)"}), 2, 0},
        {"network, slashes", Mode::Network, [](OutputOptions& o) { o.slashes = SlashStyle::Slash; },
         JoinWithCrLf({"//srv/share/single.txt", "//srv/share/表", "//srv/share/表/ソ.txt",
                       "//srv/share/表/能 1", "//srv/share/表/能 1/x.tar.gz"}),
         2, 0},
        {"network, relative", Mode::Network, [](OutputOptions& o) { o.relative = true; },
         JoinWithCrLf({"single.txt", "表", "ソ.txt", "能 1", R"(能 1\x.tar.gz)"}), 2, 0},
        {"short, relative, folder mark, quotes", Mode::Short,
         [](OutputOptions& o) {
             o.relative = true;
             o.folderMark = true;
             o.quoting = Quoting::Always;
         },
         JoinWithCrLf(
             {R"("HYO\")", R"("NO1~1\")", R"("NO1~1\XTAR~1.GZ")", R"("SO~1.TXT")", R"("single.txt")"}),
         2, 0},
        {"count, defaults", Mode::Count, [](OutputOptions&) {},
         JoinWithCrLf({R"(         2行:Z:\表\ソ.txt)", R"(         0行:Z:\表\能 1\x.tar.gz)",
                       R"(         3行:Z:\single.txt)", "         5行:Ｔｏｔａｌ"}),
         0, 2},
        // The path options reach the count lines' paths; columns and separators do not, and the total stays.
        {"count, every option", Mode::Count,
         [](OutputOptions& o) {
             o.relative = true;
             o.extensions = false;
             o.slashes = SlashStyle::Slash;
             o.quoting = Quoting::WhenSpace;
             o.sizeColumn = o.timeColumn = o.attributeColumn = true;
             o.separator = LineSeparator::Tab;
             o.lastLineEnd = false;
         },
         JoinWithCrLf({"         2行:ソ", R"(         0行:"能 1/x.tar")", "         3行:single",
                       "         5行:Ｔｏｔａｌ"}),
         0, 2},
        {"all lines, every option", Mode::AllLines,
         [](OutputOptions& o) {
             o.relative = true;
             o.quoting = Quoting::Always;
             o.sizeColumn = true;
             o.separator = LineSeparator::Comma;
         },
         JoinWithCrLf({"a", "b", "1", "2", "3"}), 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig(row.mode);
        row.set(rig.drop.output);
        rig.Drop();
        EXPECT_EQ(rig.view.WholeText(), kEarlier + row.added);
        const bool copies = row.mode != Mode::Count && row.mode != Mode::AllLines;
        EXPECT_EQ(rig.view.clipboard, copies ? kEarlier + row.added : Text());
        EXPECT_EQ(rig.tree.attributeQueries, row.attributeQueries);
        EXPECT_EQ(rig.tree.factsQueries, row.factsQueries);
    }
}

// Text without a final line break stands at the end until the next drop, which starts on a line of its own
// (and, appending lines, leaves the text without a final break as appending a line does).
TEST(DropOutput, ALineWithoutItsEndIsFollowedOnTheNextLine) {
    Rig rig(Mode::Full);
    rig.view.options.ChkFAll = false;
    rig.drop.output.separator = LineSeparator::Custom;
    rig.drop.output.customSeparator = "表|";
    rig.drop.output.lastLineEnd = false;
    rig.Drop({"Z:\\single.txt", "Z:\\表\\ソ.txt"});
    EXPECT_EQ(rig.view.WholeText(), kEarlier + R"(Z:\single.txt表|Z:\表\ソ.txt)");
    EXPECT_EQ(rig.view.CallsStartingWith("append"), (Lines{R"(append text Z:\single.txt表|Z:\表\ソ.txt)"}));

    rig.drop.output = OutputOptions();
    rig.Drop({"Z:\\表"});
    const Text twoDrops = kEarlier + "Z:\\single.txt表|Z:\\表\\ソ.txt\r\nZ:\\表";
    EXPECT_EQ(rig.view.WholeText(), twoDrops);
    EXPECT_EQ(rig.view.clipboard, twoDrops);

    // A drop that finds nothing appends nothing, not even a line break.
    rig.drop.output.separator = LineSeparator::Tab;
    rig.view.options.ChkGet = true;
    rig.Drop({"Z:\\single.txt"});
    EXPECT_EQ(rig.view.WholeText(), twoDrops);
}

// Without recursion the file system is asked about a dropped name only for what an option needs: whether it
// is a folder (one attribute query), or its columns (one query that gives the attributes too).
TEST(DropOutput, DroppedNamesAreAskedOnlyWhatTheOptionsNeed) {
    const struct {
        const char* name;
        std::function<void(OutputOptions&)> set;
        Text added;
        int attributeQueries;
        int factsQueries;
    } rows[] = {
        {"relative", [](OutputOptions& o) { o.relative = true; }, "single.txt\r\n表\r\n", 0, 0},
        {"folder mark", [](OutputOptions& o) { o.folderMark = true; }, "Z:\\single.txt\r\nZ:\\表\\\r\n", 2,
         0},
        {"no extensions", [](OutputOptions& o) { o.extensions = false; }, "Z:\\single\r\nZ:\\表\r\n", 2, 0},
        {"time", [](OutputOptions& o) { o.timeColumn = true; },
         "Z:\\single.txt\t2022/01/02 03:04:05\r\nZ:\\表\t2001/02/03 04:05:06\r\n", 0, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig(Mode::Full);
        rig.view.options.ChkFAll = false;
        row.set(rig.drop.output);
        rig.Drop();
        EXPECT_EQ(rig.view.WholeText(), kEarlier + row.added);
        EXPECT_EQ(rig.tree.attributeQueries, row.attributeQueries);
        EXPECT_EQ(rig.tree.factsQueries, row.factsQueries);
    }

    // A name whose facts cannot be read gets empty columns, and its listing is still tried.
    Rig rig(Mode::Full);
    rig.drop.output.sizeColumn = true;
    rig.tree.FailAttributes("Z:\\表");
    rig.Drop({"Z:\\表"});
    EXPECT_EQ(rig.view.WholeText(), kEarlier +
                                        "Z:\\表\t\r\nZ:\\表\\ソ.txt\t1234\r\nZ:\\表\\能 1\t\r\n"
                                        "Z:\\表\\能 1\\x.tar.gz\t0\r\n");
}

// Below a dropped drive root the paths have two backslashes in full mode and one in short mode; either way
// the relative part starts behind them.
TEST(DropOutput, RelativePathsBelowADroppedRoot) {
    const struct {
        Mode mode;
        Lines expected;
    } rows[] = {
        {Mode::Full, {"", "single.txt", "表", R"(表\ソ.txt)", R"(表\能 1)", R"(表\能 1\x.tar.gz)"}},
        {Mode::Short, {"", "HYO", R"(HYO\NO1~1)", R"(HYO\NO1~1\XTAR~1.GZ)", R"(HYO\SO~1.TXT)", "single.txt"}},
    };
    for (const auto& row : rows) {
        Rig rig(row.mode);
        rig.drop.output.relative = true;
        rig.Drop({"Z:\\"});
        EXPECT_EQ(rig.view.WholeText(), kEarlier + JoinWithCrLf(row.expected))
            << (row.mode == Mode::Full ? "full" : "short");
    }
}

}  // namespace
