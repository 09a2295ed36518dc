#include "collect/CommandLine.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/RecordingView.h"

namespace {

using Lines = std::vector<Text>;

TEST(CommandLine, SplitsArguments) {
    const Text x4096(4096, 'x');
    const std::vector<std::pair<Text, Lines>> cases = {
        {"prog.exe", {}},
        {"prog.exe   ", {}},
        {"", {}},
        {"prog.exe a b", {"a", "b"}},
        {"\"C:\\Program Files\\p.exe\" \"C:\\My Documents\\x.txt\" y", {"C:\\My Documents\\x.txt", "y"}},
        {"\"C:\\a b\\p.exe\"x y", {"y"}},
        {"prog \"\" a \"\"\"\" \"\"", {"a"}},
        {"prog a\"b c\"d", {"ab cd"}},
        {"prog \"open to the end", {"open to the end"}},
        {"prog a \"", {"a"}},
        {"prog\t\x01"
         "a\x1F"
         "b\x20"
         "c",
         {"a", "b", "c"}},
        {Text("prog a\0b", 8), {"a"}},
        {"prog \x81\x40 \xA0", {"\x81\x40", "\xA0"}},
        {"prog \"C:\\表\\ソ 1.txt\"", {"C:\\表\\ソ 1.txt"}},
        {"prog " + Text(5000, 'x'), {x4096, Text(904, 'x')}},
        {"prog \"" + x4096 + "\" next", {x4096, "next"}},
        {"prog a" + x4096, {"a" + Text(4095, 'x'), "x"}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(CommandLineArguments(line), expected) << line.substr(0, 60);
}

TEST(CommandLine, ModeWritesTheLongFormsInArgumentOrderAndCopiesThem) {
    FakeFileSystem files;
    files.AddFolder("C:\\Program Files");
    files.SetShortName("C:\\Program Files", "PROGRA~1");
    RecordingView view;
    RunCommandLineMode({"C:\\PROGRA~1\\", "C:\\NOPE\\x", "C:\\PROGRA~1\\", "C:\\"}, files, view);
    EXPECT_EQ(view.calls, (Lines{"append lines 4", "copy"}));
    EXPECT_EQ(view.clipboard, "C:\\Program Files\r\nC:\\NOPE\\x\r\nC:\\Program Files\r\nC:\r\n");
}

// The notice comes after the copy, counting the lossy arguments and the names the lookup substituted.
TEST(CommandLine, SubstitutedNamesAreToldAfterTheCopy) {
    FakeFileSystem files;
    files.AddFile("C:\\a.txt");
    RecordingView view;
    RunCommandLineMode({"C:\\a.txt"}, files, view);
    EXPECT_EQ(view.calls, (Lines{"append lines 1", "copy"}));

    files.substitutions = {2, 0};
    RunCommandLineMode({"C:\\a.txt", "C:\\?.txt"}, files, view, {0, 1});
    EXPECT_EQ(view.calls, (Lines{"append lines 1", "copy", "append lines 2", "copy",
                                 "message " + SubstitutionNotice({2, 1})}));
}

}  // namespace
