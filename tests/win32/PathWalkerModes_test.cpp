// The walker over a real tree with the real services, in every output mode. Names whose Shift_JIS second byte
// is 0x5C (表, ソ) must come through each mode whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "collect/PathWalker.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/win32/FolderLinks.h"
#include "tests/win32/TempTree.h"
#include "tests/win32/Win32DropParts.h"

namespace {

using Lines = std::vector<Text>;

class PathWalkerModes : public ::testing::Test, protected Win32DropParts {
protected:
    PathWalkerModes() {
        tree.Folder("表");
        tree.File("表\\ソ.txt");
        tree.File("表\\plain.txt");
        tree.File("表\\hidden.txt");
        tree.Attributes("表\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        tree.Folder("表\\system");
        tree.File("表\\system\\inside.txt");
        tree.Attributes("表\\system", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM);
        options.recurse = true;
    }

    Lines Collect(bool OptionSnapshot::*mode) {
        options.fullPath = false;
        options.*mode = true;
        state.FPathList.Clear();
        state.FTick = 0;
        PathWalker(state, options, view, folders, network, reader).CollectPath(tree.Path("表"));
        return state.FPathList.Entries();
    }

    static Text Short(const Text& path) {
        wchar_t buffer[MAX_PATH];
        const DWORD length = GetShortPathNameW(Wide(path).c_str(), buffer, MAX_PATH);
        return FromWide(buffer, length);
    }

    TempTree tree;
    FakeContentsReader reader;
    OptionSnapshot options;
};

TEST_F(PathWalkerModes, FullPaths) {
    EXPECT_EQ(Collect(&OptionSnapshot::fullPath),
              (Lines{tree.Path("表"), tree.Path("表\\plain.txt"), tree.Path("表\\ソ.txt")}));
}

TEST_F(PathWalkerModes, FileNames) {
    EXPECT_EQ(Collect(&OptionSnapshot::nameOnly), (Lines{"plain.txt", "ソ.txt", "表"}));
}

TEST_F(PathWalkerModes, NetworkPathsOnALocalDriveAreTheAbsolutePaths) {
    EXPECT_EQ(Collect(&OptionSnapshot::networkPath),
              (Lines{tree.Path("表"), tree.Path("表\\plain.txt"), tree.Path("表\\ソ.txt")}));
}

TEST_F(PathWalkerModes, ShortPathsNameTheSameEntries) {
    const Lines got = Collect(&OptionSnapshot::shortPath);
    ASSERT_EQ(got.size(), 3u);
    Lines longForms;
    for (const Text& s : got) {
        wchar_t buffer[MAX_PATH];
        const DWORD length = GetLongPathNameW(Wide(s).c_str(), buffer, MAX_PATH);
        longForms.push_back(FromWide(buffer, length));
    }
    std::sort(longForms.begin(), longForms.end());
    Lines expected{tree.Path("表"), tree.Path("表\\plain.txt"), tree.Path("表\\ソ.txt")};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(longForms, expected);
    EXPECT_NE(std::find(got.begin(), got.end(), Short(tree.Path("表\\ソ.txt"))), got.end());
}

TEST_F(PathWalkerModes, ContentsModeHandsOverEveryPathInPostOrder) {
    Collect(&OptionSnapshot::contents);
    ASSERT_EQ(reader.paths.size(), 3u);
    EXPECT_EQ(reader.paths.back(), tree.Path("表"));
    Lines files(reader.paths.begin(), reader.paths.end() - 1);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (Lines{tree.Path("表\\plain.txt"), tree.Path("表\\ソ.txt")}));
}

TEST_F(PathWalkerModes, HiddenFileDroppedDirectlyIsOutput) {
    options.recurse = false;
    state.FTick = 0;
    PathWalker(state, options, view, folders, network, reader).CollectPath(tree.Path("表\\hidden.txt"));
    EXPECT_EQ(state.FPathList.Entries(), (Lines{tree.Path("表\\hidden.txt")}));
}

// Folders that lead back onto their own path through links: the walk ends, and every entry comes once, by the
// path that does not pass through such a link.
class PathWalkerLoops : public ::testing::Test, protected Win32DropParts {
protected:
    Lines CollectFull(const Text& path) {
        options.recurse = true;
        state.FPathList.Clear();
        state.FTick = 0;
        PathWalker(state, options, view, folders, network, reader).CollectPath(path);
        return state.FPathList.Entries();
    }

    FakeContentsReader reader;
    OptionSnapshot options;
};

TEST_F(PathWalkerLoops, LinuxLinksBackOntoThePathAreNotFollowed) {
    UnixLinkTree tree;
    if (!tree.Available()) GTEST_SKIP() << "Linux links exist only under Wine";
    tree.Make({"d/", "d/sub/", "d/f", "d/sub/g", "d/a -> .", "d/b -> .", "d/sub/up -> ..", "e/", "e/h",
               "d/sub/side -> ../../e"});
    const Text d = tree.Path("d");
    EXPECT_EQ(CollectFull(d), (Lines{d, d + "\\a", d + "\\b", d + "\\f", d + "\\sub", d + "\\sub\\g",
                                     d + "\\sub\\side", d + "\\sub\\side\\h", d + "\\sub\\up"}));
}

}  // namespace
