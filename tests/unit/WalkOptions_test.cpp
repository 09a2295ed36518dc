// What the walk options do to a walk: exclusion masks, hidden entries, depth, kinds of entry and the tree
// form; and the pieces they are made of: the mask list, the tree drawing and the environment form.
#include <gtest/gtest.h>

#include <vector>

#include "collect/ExclusionMasks.h"
#include "collect/PathWalker.h"
#include "collect/TreeDrawing.h"
#include "shared/EnvironmentForm.h"
#include "tests/FakeWalkParts.h"

namespace {

using Lines = std::vector<Text>;

// Each row: the mask text, the folder patterns, the file patterns and the ignored pieces, all ";"-joined.
TEST(SplitMasks, PiecesByKindAndTheInvalidOnesAsWritten) {
    const Text cases[][4] = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {"*.tmp", "", "*.tmp", ""},
        {"node_modules\\; *.obj ;.git\\", "node_modules;.git", "*.obj", ""},
        {"a;;b", "", "a;b", ""},
        {"*.tmp;", "", "*.tmp", ""},
        {"\\;a\\b;表\\", "表", "", "\\;a\\b"},
        {"ソ*;能?\\", "能?", "ソ*", ""},
    };
    const auto joined = [](const std::vector<Text>& pieces) {
        Text out;
        for (const Text& piece : pieces)
            out += (out.empty() ? "" : ";") + piece;
        return out;
    };
    for (const auto& [masks, folders, fileList, invalid] : cases) {
        const MaskPieces pieces = SplitMasks(masks);
        EXPECT_EQ(joined(pieces.folders), folders) << masks;
        EXPECT_EQ(joined(pieces.files), fileList) << masks;
        EXPECT_EQ(joined(pieces.invalid), invalid) << masks;
    }
    EXPECT_EQ(SplitMasks("a;;b").invalid.size(), 1u) << "the empty piece is one ignored piece";
    EXPECT_EQ(MasksSample("node_modules\\;*.tmp;;\\"),
              "フォルダ: node_modules  ファイル: *.tmp  無効: (空) \\");
    EXPECT_EQ(MasksSample(""), "除外なし");
}

// A tree with a folder as last child and a deep branch below a middle child, drawn both ways.
TEST(DrawTree, BranchesLastChildrenAndDeepLevelsInBothStyles) {
    TreeNode root{"root", true, true, {}};
    TreeNode a{"a", true, true, {}};
    TreeNode b{"b", true, true, {TreeNode{"c.txt", false, true, {}}}};
    a.children.push_back(std::move(b));
    a.children.push_back(TreeNode{"hidden", false, false, {}});
    root.children.push_back(std::move(a));
    root.children.push_back(TreeNode{"表.txt", false, true, {}});
    root.children.push_back(TreeNode{"z", true, true, {TreeNode{"能", false, true, {}}}});
    EXPECT_EQ(DrawTree("C:\\root", root, TreeStyle::Lines, true),
              (Lines{"C:\\root", "├─a\\", "│　└─b\\", "│　　　└─c.txt", "├─表.txt", "└─z\\", "　　└─能"}));
    EXPECT_EQ(
        DrawTree("C:\\root", root, TreeStyle::Ascii, false),
        (Lines{"C:\\root", "+-- a", "|   `-- b", "|       `-- c.txt", "+-- 表.txt", "`-- z", "    `-- 能"}));
    EXPECT_EQ(DrawTree("C:\\f.txt", TreeNode{}, TreeStyle::Lines, true), (Lines{"C:\\f.txt"}));
}

TEST(EnvironmentForm, LongestFolderThatBeginsThePathAtAComponent) {
    FakeFileSystem files;
    files.environment = {{"USERPROFILE", "C:\\Users\\表"},
                         {"APPDATA", "C:\\Users\\表\\AppData\\Roaming\\"},
                         {"OneDrive", "C:\\Users\\表\\OneDrive"},
                         {"PUBLIC", "\\\\srv\\pub"}};
    const EnvironmentForm form(files);
    const Text cases[][2] = {
        {"C:\\Users\\表\\文書\\a.txt", "%USERPROFILE%\\文書\\a.txt"},
        {"c:\\users\\表\\x", "%USERPROFILE%\\x"},
        {"C:\\Users\\表2\\x", "C:\\Users\\表2\\x"},
        {"C:\\Users\\表\\AppData\\Roaming\\ソ", "%APPDATA%\\ソ"},
        {"C:\\Users\\表\\OneDrive\\能.txt", "%OneDrive%\\能.txt"},
        {"\\\\SRV\\pub\\😀", "%PUBLIC%\\😀"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(form.Apply(path), expected) << path;
}

class WalkOptionsTest : public ::testing::Test, protected FakeWalkParts {
protected:
    WalkOptionsTest() {
        options.recurse = true;
        files.AddFile("C:\\d\\a.txt");
        files.AddFile("C:\\d\\b.tmp");
        files.AddFile("C:\\d\\.h", FileAttr::Hidden);
        files.AddFile("C:\\d\\s\\c.txt");
        files.AddFile("C:\\d\\s\\t\\e.txt");
        files.AddFile("C:\\d\\node_modules\\m\\x.js");
    }

    Lines Collect(const Text& path) {
        state.FPathList.Clear();
        state.FPathList.SetOrder(output.order);
        PathWalker(state, options, view, files, network, reader, output).CollectPath(path);
        return state.FPathList.Entries();
    }

    OutputOptions output;
};

TEST_F(WalkOptionsTest, MasksLeaveOutFilesAndNeverListExcludedFolders) {
    output.excludeMasks = "NODE_MODULES\\;*.tmp;;\\";
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\a.txt", "C:\\d\\s", "C:\\d\\s\\c.txt", "C:\\d\\s\\t",
                                       "C:\\d\\s\\t\\e.txt"}));
    for (const Text& pattern : files.listedPatterns)
        EXPECT_EQ(pattern.find("node_modules"), Text::npos) << pattern;
    // A dropped name is never left out.
    EXPECT_EQ(Collect("C:\\d\\b.tmp"), (Lines{"C:\\d\\b.tmp"}));
    EXPECT_EQ(Collect("C:\\d\\node_modules"),
              (Lines{"C:\\d\\node_modules", "C:\\d\\node_modules\\m", "C:\\d\\node_modules\\m\\x.js"}));
    // In the contents modes too, ahead of the walk as well.
    options.fullPath = false;
    options.contents = true;
    Collect("C:\\d\\s");
    output.excludeMasks = "t\\;*.txt";
    reader.paths.clear();
    Collect("C:\\d\\s");
    EXPECT_EQ(reader.paths, (Lines{"C:\\d\\s"}));
}

TEST_F(WalkOptionsTest, HiddenDepthAndKindsOfEntry) {
    output.includeHidden = true;
    output.depth = 1;
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d", "C:\\d\\.h", "C:\\d\\a.txt", "C:\\d\\b.tmp",
                                       "C:\\d\\node_modules", "C:\\d\\s"}));
    output.includeHidden = false;
    output.depth = 2;
    output.kinds = EntryKinds::FilesOnly;
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d\\a.txt", "C:\\d\\b.tmp", "C:\\d\\s\\c.txt"}));
    output.kinds = EntryKinds::FoldersOnly;
    output.depth = 0;
    EXPECT_EQ(Collect("C:\\d"),
              (Lines{"C:\\d", "C:\\d\\node_modules", "C:\\d\\node_modules\\m", "C:\\d\\s", "C:\\d\\s\\t"}));
    // Each line in the environment form.
    files.environment["USERPROFILE"] = "c:\\D\\S";
    output.slashes = SlashStyle::Environment;
    EXPECT_EQ(Collect("C:\\d\\s"), (Lines{"%USERPROFILE%", "%USERPROFILE%\\t"}));
}

// Each folder's entries sorted under it; the filters leave files out but keep the folders they hang on.
TEST_F(WalkOptionsTest, TreeFormGivesOneEntryPerDroppedNameInTheChosenOrder) {
    output.tree = TreeStyle::Ascii;
    output.excludeMasks = "node_modules\\";
    output.depth = 2;
    files.AddFile("C:\\d\\B.txt");
    options.filterOn = true;
    state.FExtFilter = {".TXT", "/", "/", "/", "/"};
    EXPECT_EQ(Collect("C:\\d"),
              (Lines{"C:\\d\r\n+-- a.txt\r\n+-- B.txt\r\n`-- s\r\n    +-- c.txt\r\n    `-- t"}));
    output.order = EntryOrder::Drop;
    output.tree = TreeStyle::Lines;
    output.kinds = EntryKinds::FoldersOnly;
    EXPECT_EQ(Collect("C:\\d"), (Lines{"C:\\d\r\n└─s\r\n　　└─t"}));
}

}  // namespace
