// The shell-link services on the real shell: link files written and read back, the desktop folder.
#include "platform/win32/Win32ShellLinks.h"

#include <gtest/gtest.h>

#include "platform/win32/Win32NameLookup.h"
#include "shell/Shortcuts.h"
#include "tests/fakes/FakePrompts.h"
#include "tests/win32/ShortcutFiles.h"
#include "tests/win32/TempTree.h"
#include "text/PathPieces.h"

namespace {

class ShellLinksTest : public ::testing::Test {
protected:
    ComForTest com;
    TempTree tree;
    Win32ShellLinks shell;
};

TEST_F(ShellLinksTest, SavedLinkReadsBackWithItsFields) {
    const Text file = tree.Path("ロミナード.lnk");
    ASSERT_TRUE(shell.SaveLink(file, {"C:\\windows\\notepad.exe", "", "C:\\windows\\", "ロミナード"}));
    const LinkSpec link = ReadLink(file);
    EXPECT_EQ(link.target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(link.arguments, "");
    EXPECT_EQ(link.workDir, "C:\\windows\\");
    EXPECT_EQ(link.description, "ロミナード");
}

TEST_F(ShellLinksTest, SaveIntoAMissingFolderFails) {
    EXPECT_FALSE(shell.SaveLink(tree.Path("nowhere\\x.lnk"), {"C:\\windows\\notepad.exe", "", "", ""}));
    EXPECT_FALSE(shell.FileExists(tree.Path("nowhere\\x.lnk")));
}

TEST_F(ShellLinksTest, FilesExistAndGo) {
    tree.File("表.lnk");
    tree.Folder("folder.lnk");
    EXPECT_TRUE(shell.FileExists(tree.Path("表.lnk")));
    EXPECT_FALSE(shell.FileExists(tree.Path("folder.lnk")));
    EXPECT_FALSE(shell.FileExists(tree.Path("none.lnk")));
    shell.RemoveFile(tree.Path("表.lnk"));
    shell.RemoveFile(tree.Path("none.lnk"));
    EXPECT_FALSE(shell.FileExists(tree.Path("表.lnk")));
}

TEST_F(ShellLinksTest, DesktopIsAnExistingFolder) {
    const Text desktop = shell.DesktopFolder();
    ASSERT_FALSE(desktop.empty());
    const DWORD attributes = GetFileAttributesA(desktop.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << desktop;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << desktop;
}

TEST_F(ShellLinksTest, OwnPathIsThisProgram) {
    char expected[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, expected, MAX_PATH);
    EXPECT_EQ(shell.OwnPath(), expected);
}

TEST_F(ShellLinksTest, CreateShortcutPointsTheLinkAtItsTargetsFolder) {
    const Text file = tree.Path("a.lnk");
    EXPECT_FALSE(CreateShortcut(shell, file, "C:\\windows\\notepad.exe", "", "d", ""));
    EXPECT_EQ(ReadLink(file).workDir, "C:\\windows\\");
    EXPECT_TRUE(CreateShortcut(shell, tree.Path("none\\a.lnk"), "C:\\windows\\notepad.exe", "", "d", ""));
}

TEST_F(ShellLinksTest, LongPathOfAnItemListIsReadWhole) {
    // Well over 128 bytes, ending in 表, whose second byte is a backslash.
    const Text parent = Text(60, 'p') + "\\" + Text(60, 'q');
    tree.Folder(Text(60, 'p'));
    tree.Folder(parent);
    tree.Folder(parent + "\\デスク表");
    const Text folder = tree.Path(parent + "\\デスク表");
    ASSERT_GT(folder.size(), 150u);
    const PIDLIST_ABSOLUTE list = ILCreateFromPathA(folder.c_str());
    ASSERT_TRUE(list);
    EXPECT_EQ(FileSystemPath(list), folder);
    ILFree(list);
}

TEST(ShortcutsOnALongDesktop, BothShortcutsBesideEachOther) {
    ComForTest com;
    TempTree tree;
    const Text parent = Text(60, 'p') + "\\" + Text(60, 'q');
    tree.Folder(Text(60, 'p'));
    tree.Folder(parent);
    tree.Folder(parent + "\\SendTo");
    tree.Folder(parent + "\\デスク表");
    TempDesktopShell shell;
    shell.desktop = tree.Path(parent + "\\デスク表");
    Win32NameLookup lookup;
    FakePrompts prompts;
    bool deskTopSet = false;
    bool sendToSet = false;
    ShortcutSettings settings({deskTopSet, sendToSet}, shell, lookup, prompts);
    settings.ApplyShortcuts(true, true);
    EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes.front();
    EXPECT_EQ(ReadLink(shell.desktop + "\\ロミナード.lnk").description, "ロミナード");
    EXPECT_EQ(ReadLink(tree.Path(parent + "\\SendTo\\ロミナード.lnk")).description, "ロミナード");
    EXPECT_TRUE(deskTopSet);
    EXPECT_TRUE(sendToSet);
}

}  // namespace
