#include "collect/CommandLine.h"

#include <gtest/gtest.h>

#include <functional>

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
    RunCommandLineMode({"C:\\PROGRA~1\\", "C:\\NOPE\\x", "C:\\PROGRA~1\\", "C:\\"}, files, files, view, {});
    EXPECT_EQ(view.calls, (Lines{"append lines 4", "copy"}));
    EXPECT_EQ(view.clipboard, "C:\\Program Files\r\nC:\\NOPE\\x\r\nC:\\Program Files\r\nC:\r\n");
}

// The notice comes after the copy, counting the lossy arguments and the names the lookup substituted.
TEST(CommandLine, SubstitutedNamesAreToldAfterTheCopy) {
    FakeFileSystem files;
    files.AddFile("C:\\a.txt");
    RecordingView view;
    RunCommandLineMode({"C:\\a.txt"}, files, files, view, {});
    EXPECT_EQ(view.calls, (Lines{"append lines 1", "copy"}));

    files.substitutions = {2, 0};
    RunCommandLineMode({"C:\\a.txt", "C:\\?.txt"}, files, files, view, {}, {0, 1});
    EXPECT_EQ(view.calls, (Lines{"append lines 1", "copy", "append lines 2", "copy",
                                 "message " + SubstitutionNotice({2, 1})}));
}

// Each long form is written under the options, in argument order, each asked about once and only when an
// option needs it; relative gives its own name.
TEST(CommandLine, ModeWritesTheLinesUnderTheOutputOptions) {
    FakeFileSystem files;
    files.AddFolder("C:\\表\\能 1");
    files.SetShortName("C:\\表", "HYO");
    files.AddFile("C:\\表\\ソ.tar.gz");
    files.SetFacts("C:\\表\\ソ.tar.gz", 42, {2020, 2, 29, 0, 0, 1});
    const std::vector<Text> arguments = {"C:\\HYO\\ソ.tar.gz", "C:\\hyo\\能 1\\", "C:\\NOPE.txt",
                                         "C:\\HYO\\ソ.tar.gz"};
    const struct {
        const char* name;
        std::function<void(OutputOptions&)> set;
        Text clipboard;
        int attributeQueries;
        int factsQueries;
    } rows[] = {
        {"slashes, quotes around spaces, folder mark, no extensions",
         [](OutputOptions& o) {
             o.slashes = SlashStyle::Slash;
             o.quoting = Quoting::WhenSpace;
             o.folderMark = true;
             o.extensions = false;
         },
         "C:/表/ソ.tar\r\n\"C:/表/能 1/\"\r\nC:/NOPE\r\nC:/表/ソ.tar\r\n", 4, 0},
        {"relative, tabs, no last line end",
         [](OutputOptions& o) {
             o.relative = true;
             o.separator = LineSeparator::Tab;
             o.lastLineEnd = false;
         },
         "ソ.tar.gz\t能 1\tNOPE.txt\tソ.tar.gz", 0, 0},
        {"columns", [](OutputOptions& o) { o.sizeColumn = o.timeColumn = o.attributeColumn = true; },
         "C:\\表\\ソ.tar.gz\t42\t2020/02/29 00:00:01\tA\r\nC:\\表\\能 1\t\t\tD\r\nC:\\NOPE.txt\t\t\t\r\n"
         "C:\\表\\ソ.tar.gz\t42\t2020/02/29 00:00:01\tA\r\n",
         0, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OutputOptions options;
        row.set(options);
        files.attributeQueries = files.factsQueries = 0;
        RecordingView view;
        RunCommandLineMode(arguments, files, files, view, options);
        EXPECT_EQ(view.clipboard, row.clipboard);
        EXPECT_EQ(files.attributeQueries, row.attributeQueries);
        EXPECT_EQ(files.factsQueries, row.factsQueries);
    }
}

}  // namespace
