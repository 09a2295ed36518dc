#include "collect/CommandLine.h"

#include <gtest/gtest.h>

#include "tests/OutputFlags.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/RecordingView.h"

namespace {

using Lines = std::vector<Text>;

Text Repeated(const Text& character, std::size_t times) {
    Text text;
    for (std::size_t i = 0; i < times; ++i)
        text += character;
    return text;
}

TEST(CommandLine, SplitsArguments) {
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
        // An argument of any length is one argument, in or out of quotes.
        {"prog " + Text(5000, 'x'), {Text(5000, 'x')}},
        {"prog \"" + Repeated("C:\\深い フォルダ", 3000) + "\" next",
         {Repeated("C:\\深い フォルダ", 3000), "next"}},
        {"prog a" + Repeated("한", 4000) + " b", {"a" + Repeated("한", 4000), "b"}},
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

// The arguments are looked up by their true names: on a volume that keeps no short names no "?" reaches
// the file system and the right file is found. With the code page names option the lines give the code page
// form, and the notice comes after the copy, counting only the names of these lines.
TEST(CommandLine, TrueNamesAndTheCodePageNamesOption) {
    FakeFileSystem files;
    files.keepsShortNames = false;
    files.AddFile("C:\\Cafx\\b.txt");
    files.AddFile("C:\\Café\\B.txt");
    files.AddFile("C:\\Café\\한.txt");
    files.AddFile("C:\\a.txt");
    RecordingView view;
    const std::vector<Text> arguments = {"C:\\CAFé\\b.txt", "C:\\café\\한.TXT", "C:\\A.txt"};
    RunCommandLineMode(arguments, files, files, view, {});
    EXPECT_EQ(view.clipboard, "C:\\Café\\B.txt\r\nC:\\Café\\한.txt\r\nC:\\a.txt\r\n");
    EXPECT_EQ(view.calls, (Lines{"append lines 3", "copy"}));
    EXPECT_EQ(files.standInQueries, 0);

    OutputOptions codePage;
    codePage.codePageNames = true;
    files.substitutions = {5, 5};
    RecordingView optioned;
    RunCommandLineMode(arguments, files, files, optioned, codePage);
    EXPECT_EQ(optioned.clipboard, "C:\\Caf?\\B.txt\r\nC:\\Caf?\\?.txt\r\nC:\\a.txt\r\n");
    EXPECT_EQ(optioned.calls, (Lines{"append lines 3", "copy", "message " + SubstitutionNotice({0, 2})}));
    EXPECT_EQ(files.standInQueries, 0);
}

// The long forms under the options, in argument order, each asked about only when an option needs it.
TEST(CommandLine, ModeWritesTheLinesUnderTheOutputOptions) {
    FakeFileSystem files;
    files.AddFolder("C:\\表\\能 1");
    files.SetShortName("C:\\表", "HYO");
    files.AddFile("C:\\表\\ソ.tar.gz");
    files.SetFacts("C:\\表\\ソ.tar.gz", 42, {2020, 2, 29, 0, 0, 1});
    const auto clipboard = [&](const char* flags) {
        RecordingView view;
        RunCommandLineMode({"C:\\HYO\\ソ.tar.gz", "C:\\hyo\\能 1\\", "C:\\NOPE.txt"}, files, files, view,
                           OutputFlags(flags));
        return view.clipboard;
    };
    EXPECT_EQ(clipboard("/_me"), "C:/表/ソ.tar\r\n\"C:/表/能 1/\"\r\nC:/NOPE\r\n");
    EXPECT_EQ(clipboard("rTn"), "ソ.tar.gz\t能 1\tNOPE.txt");
    EXPECT_EQ(files.attributeQueries, 3);
    EXPECT_EQ(
        clipboard("c"),
        "C:\\表\\ソ.tar.gz\t42\t2020/02/29 00:00:01\tA\r\nC:\\表\\能 1\t\t\tD\r\nC:\\NOPE.txt\t\t\t\r\n");
    EXPECT_EQ(files.attributeQueries, 3);
    EXPECT_EQ(files.factsQueries, 3);
}

}  // namespace
