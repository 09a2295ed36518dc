// The output options through a whole drop over the fakes (handler, walker, path list, contents reader), in
// every output mode, on names whose second bytes are 0x5C (表, ソ, 能).
#include <gtest/gtest.h>

#include "tests/FakeDropWorld.h"
#include "tests/OutputFlags.h"
#include "tests/fakes/FakeDrop.h"
#include "text/TextLines.h"

namespace {

using Lines = std::vector<Text>;

enum class Mode { Full, Name, Network, Short, Count, AllLines };

const Text kEarlier = "前の行\r\n";

// Lines written with \n, each ended as the program ends them.
Text WithCrLf(const Text& lines) {
    Text out;
    for (const char c : lines + "\n")
        out += c == '\n' ? Text("\r\n") : Text(1, c);
    return out;
}

// Z:\表 holds ソ.txt and the folder 能 1 with x.tar.gz; Z:\single.txt lies beside it; Z: is \\srv\share.
// All but single.txt have short names; only the two .txt files have a size and time.
struct Rig : FakeDropWorld {
    // Besides the output flags: F no recursion, x the facts of Z:\表 cannot be read.
    Rig(Mode mode, const Text& flags) {
        view.lines = SplitAtCrLf(kEarlier);
        view.options.fullPath = mode == Mode::Full;
        view.options.nameOnly = mode == Mode::Name;
        view.options.networkPath = mode == Mode::Network;
        view.options.shortPath = mode == Mode::Short;
        view.options.contents = mode == Mode::Count || mode == Mode::AllLines;
        view.options.countLines = mode != Mode::AllLines;
        view.options.allLines = mode == Mode::AllLines;
        view.options.recurse = flags.find('F') == Text::npos;
        drop.output = OutputFlags(flags);
        network.mappedDrives['Z'] = "\\\\srv\\share";
        tree.AddFile("Z:\\表\\ソ.txt");
        tree.AddFolder("Z:\\表\\能 1");
        tree.AddFile("Z:\\表\\能 1\\x.tar.gz", FileAttr::ReadOnly | FileAttr::Archive);
        tree.AddFile("Z:\\single.txt");
        tree.SetShortName("Z:\\表", "HYO");
        tree.SetShortName("Z:\\表\\ソ.txt", "SO~1.TXT");
        tree.SetShortName("Z:\\表\\能 1", "NO1~1");
        tree.SetShortName("Z:\\表\\能 1\\x.tar.gz", "XTAR~1.GZ");
        tree.SetFacts("Z:\\表\\ソ.txt", 1234, {2024, 3, 5, 7, 8, 9});
        tree.SetFacts("Z:\\single.txt", 7, {2022, 1, 2, 3, 4, 5});
        files.Add("Z:\\表\\ソ.txt", "a\r\nb\r\n");
        files.Add("Z:\\表\\能 1\\x.tar.gz", "");
        files.Add("Z:\\single.txt", "1\r\n2\r\n3");
        if (flags.find('x') != Text::npos) tree.FailAttributes("Z:\\表");
    }

    void Drop(const Lines& dropped = {"Z:\\表", "Z:\\single.txt"}) {
        FakeDroppedNames names(dropped);
        bool handled = false;
        drop.handler.HandleDrop(names, handled);
        EXPECT_TRUE(handled);
    }
};

// Each mode gives the formatter its own relative start, folder flag and the walk's facts; the counting modes
// take only the path options, and the file system is asked only what an option needs.
TEST(DropOutput, EveryModeUnderTheOptions) {
    // clang-format off
    const struct {
        Mode mode;
        const char* flags;
        int attributeQueries;
        int factsQueries;
        Text added;  // what the drop writes below the earlier text, lines ending in \n
        Lines dropped = {"Z:\\表", "Z:\\single.txt"};
    } rows[] = {
        {Mode::Full, "", 2, 0, "Z:\\single.txt\nZ:\\表\nZ:\\表\\ソ.txt\nZ:\\表\\能 1\nZ:\\表\\能 1\\x.tar.gz"},
        {Mode::Full, "rm/_", 2, 0, "single.txt\n表/\nソ.txt\n\"能 1/\"\n\"能 1/x.tar.gz\""},
        {Mode::Full, "rc", 0, 2, "single.txt\t7\t2022/01/02 03:04:05\tA\n表\t\t\tD\nソ.txt\t1234\t2024/03/05 07:08:09\tA\n"
                                 "能 1\t\t\tD\n能 1\\x.tar.gz\t0\t\tRA"},
        {Mode::Full, "rd", 2, 0, "ソ.txt\n能 1\\x.tar.gz\n能 1\n表\nsingle.txt"},
        {Mode::Name, "rem", 2, 0, "single\nx.tar\nソ\n能 1\\\n表\\"},
        {Mode::Network, "r", 2, 0, "single.txt\n表\nソ.txt\n能 1\n能 1\\x.tar.gz"},
        {Mode::Short, "rm", 2, 0, "HYO\\\nNO1~1\\\nNO1~1\\XTAR~1.GZ\nSO~1.TXT\nsingle.txt"},
        {Mode::Count, "re/_cTn", 0, 2, "         2行:ソ\n         0行:\"能 1/x.tar\"\n"
                                       "         3行:single\n         5行:Ｔｏｔａｌ"},
        // Below a root the full paths have two backslashes and the short ones one; either way the relative
        // part starts behind them.
        {Mode::Full, "r", 1, 0, "\nsingle.txt\n表\n表\\ソ.txt\n表\\能 1\n表\\能 1\\x.tar.gz", {"Z:\\"}},
        {Mode::Short, "r", 1, 0, "\nHYO\nHYO\\NO1~1\nHYO\\NO1~1\\XTAR~1.GZ\nHYO\\SO~1.TXT\nsingle.txt", {"Z:\\"}},
        // Without recursion a dropped name is asked only whether it is a folder, or for its columns.
        {Mode::Full, "Fr", 0, 0, "single.txt\n表"},
        {Mode::Full, "Fm", 2, 0, "Z:\\single.txt\nZ:\\表\\"},
        {Mode::Full, "Ft", 0, 2, "Z:\\single.txt\t2022/01/02 03:04:05\nZ:\\表\t"},
        // Facts that cannot be read give empty columns, and the listing is still tried.
        {Mode::Full, "rtx", 0, 1, "表\t\nソ.txt\t2024/03/05 07:08:09\n能 1\t\n能 1\\x.tar.gz\t", {"Z:\\表"}},
        {Mode::AllLines, "r\"c,", 0, 2, "a\nb\n1\n2\n3"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.flags);
        Rig rig(row.mode, row.flags);
        rig.Drop(row.dropped);
        EXPECT_EQ(rig.view.WholeText(), kEarlier + WithCrLf(row.added));
        EXPECT_EQ(rig.tree.attributeQueries, row.attributeQueries);
        EXPECT_EQ(rig.tree.factsQueries, row.factsQueries);
    }
}

// Text without its line end stays at the end until the next drop, which starts on a line of its own; a drop
// that finds nothing appends nothing.
TEST(DropOutput, ALineWithoutItsEndIsFollowedOnTheNextLine) {
    Rig rig(Mode::Full, "Fn");
    rig.drop.output.separator = LineSeparator::Custom;
    rig.drop.output.customSeparator = "表|";
    rig.Drop({"Z:\\single.txt", "Z:\\表\\ソ.txt"});
    rig.drop.output = OutputOptions();
    rig.Drop({"Z:\\表"});
    const Text twoDrops = kEarlier + "Z:\\single.txt表|Z:\\表\\ソ.txt\r\nZ:\\表";
    EXPECT_EQ(rig.view.WholeText(), twoDrops);
    EXPECT_EQ(rig.view.clipboard, twoDrops);
    rig.view.options.filterOn = true;
    rig.Drop({"Z:\\single.txt"});
    EXPECT_EQ(rig.view.WholeText(), twoDrops);
}

}  // namespace
