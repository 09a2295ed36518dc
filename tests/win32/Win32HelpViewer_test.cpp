// The help command on the real file system and shell: folders are no help files, the box when none is there,
// and an opener that shows no box of the shell's. No browser is started.
#include "platform/win32/Win32HelpViewer.h"

#include "shell/HelpCommand.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/WideText.h"
#include "tests/win32/BoxAnswerer.h"
#include "tests/win32/ShortcutFiles.h"
#include "tests/win32/TempTree.h"

namespace {

using Lines = std::vector<Text>;

// The real file tests; the viewer, the browser and the box recorded instead of shown.
class RecordingHelpViewer : public Win32HelpViewer {
public:
    RecordingHelpViewer() : Win32HelpViewer(nullptr) {}
    Lines calls;
    void ShowHelpFile(const Text& helpFile) override { calls.push_back("help " + helpFile); }
    bool OpenPage(const Text& page) override {
        calls.push_back("open " + page);
        return true;
    }
    void Inform(const Text& text) override { calls.push_back("inform " + text); }
};

class HelpTest : public ::testing::Test {
protected:
    HelpTest() { tree.Folder("表"); }

    TempTree tree;
    const Text helpFile = tree.Path("表\\ロミナード.HLP");
    const Text page = tree.Path("表\\Rominado.html");
};

TEST_F(HelpTest, FoldersNamedAsTheFilesAreNoFiles) {
    tree.Folder("表\\ロミナード.HLP");
    tree.Folder("表\\Rominado.html");
    RecordingHelpViewer system;
    ShowHelp(system, helpFile);
    EXPECT_EQ(system.calls, (Lines{"inform ヘルプファイル " + page + " が見つかりません。"}));
    RemoveDirectoryW(Wide(page).c_str());
    tree.File("表\\Rominado.html");
    system.calls.clear();
    ShowHelp(system, helpFile);
    EXPECT_EQ(system.calls, (Lines{"open " + page}));
}

TEST_F(HelpTest, NeitherFileGivesTheInformationBoxNamingThePage) {
    BoxAnswerer answerer;
    Win32HelpViewer viewer(nullptr);
    ShowHelp(viewer, helpFile);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, "情報");
    EXPECT_EQ(answerer.Boxes()[0].text, "ヘルプファイル " + page + " が見つかりません。");
    EXPECT_TRUE(answerer.Boxes()[0].hasIcon);
}

TEST_F(HelpTest, APageNothingOpensFailsWithoutABoxOfTheShells) {
    // An extension no program is registered for: the shell's own answer would be a dialog asking for one.
    ComApartment com;
    tree.File("表\\page.rominado-none");
    BoxAnswerer answerer;
    Win32HelpViewer system(nullptr);
    EXPECT_FALSE(system.OpenPage(tree.Path("表\\page.rominado-none")));
    EXPECT_TRUE(answerer.Boxes().empty()) << answerer.Boxes()[0].text;
}

}  // namespace
