// The shell-link services on the real shell: link files written and read back, the desktop and Send To
// folders, and the shortcuts on a redirected desktop.
#include "platform/win32/Win32ShellLinks.h"

#include <knownfolders.h>

#include <gtest/gtest.h>

#include "platform/win32/Handles.h"
#include "platform/win32/ProgramFolders.h"
#include "platform/win32/WideNames.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32NameLookup.h"
#include "shell/Shortcuts.h"
#include "tests/fakes/FakePrompts.h"
#include "tests/win32/ShortcutFiles.h"
#include "tests/win32/TempTree.h"
#include "text/PathPieces.h"

namespace {

// Sets one value of a registry key for the test's length and puts back what was there (or nothing).
class RegistryValueForTest {
public:
    RegistryValueForTest(HKEY root, const char* key, const char* name, DWORD type, const Text& value)
        : name_(name) {
        if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot open " << key;
            key_ = nullptr;
            return;
        }
        DWORD size = 0;
        had_ = RegQueryValueExA(key_, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
        if (had_) {
            old_.resize(size);
            RegQueryValueExA(key_, name, nullptr, &type_, reinterpret_cast<BYTE*>(old_.data()), &size);
        }
        EXPECT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)),
                  ERROR_SUCCESS);
    }
    RegistryValueForTest(const RegistryValueForTest&) = delete;
    RegistryValueForTest& operator=(const RegistryValueForTest&) = delete;
    ~RegistryValueForTest() {
        if (!key_) return;
        if (had_) {
            RegSetValueExA(key_, name_, 0, type_, reinterpret_cast<const BYTE*>(old_.data()),
                           static_cast<DWORD>(old_.size()));
        } else {
            RegDeleteValueA(key_, name_);
        }
        RegCloseKey(key_);
    }

private:
    const char* name_;
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD type_ = 0;
    Text old_;
};

// Removes a file when the test ends, however it ends.
struct RemovedAtEnd {
    ShellLinks& shell;
    Text path;
    ~RemovedAtEnd() { shell.RemoveFile(path); }
};

// The settings window's shortcut half over a real shell, with both shortcuts unset at the start.
struct ShortcutsOnTheShell {
    explicit ShortcutsOnTheShell(ShellLinks& shell)
        : settings({deskTopSet, sendToSet}, shell, lookup, prompts) {}

    // Applies both shortcuts, as the settings window does when both are checked; no box comes up.
    void ApplyBoth() {
        settings.ApplyShortcuts(true, true);
        EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes.front();
        EXPECT_TRUE(deskTopSet);
        EXPECT_TRUE(sendToSet);
    }

    Win32NameLookup lookup;
    FakePrompts prompts;
    bool deskTopSet = false;
    bool sendToSet = false;
    ShortcutSettings settings;
};

class ShellLinksTest : public ::testing::Test {
protected:
    ComApartment com;
    TempTree tree;
    Win32ShellLinks shell;
};

TEST_F(ShellLinksTest, SavedLinkReadsBackWithItsFields) {
    const Text file = tree.Path("ロミナード.lnk");
    ASSERT_TRUE(shell.SaveLink(file, {u"C:\\windows\\notepad.exe", "", u"C:\\windows\\", "ロミナード"}));
    const LinkFields link = ReadLink(file);
    EXPECT_EQ(link.target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(link.arguments, "");
    EXPECT_EQ(link.workDir, "C:\\windows\\");
    EXPECT_EQ(link.description, "ロミナード");
}

TEST_F(ShellLinksTest, NoLinkIntoAMissingFolderNorToAMissingTarget) {
    EXPECT_FALSE(shell.SaveLink(tree.Path("nowhere\\x.lnk"), {u"C:\\windows\\notepad.exe", "", u"", ""}));
    EXPECT_FALSE(shell.FileExists(tree.Path("nowhere\\x.lnk")));
    EXPECT_FALSE(shell.SaveLink(tree.Path("x.lnk"), {u"C:\\windows\\nowhere.exe", "", u"", ""}));
    EXPECT_FALSE(shell.FileExists(tree.Path("x.lnk")));
}

TEST_F(ShellLinksTest, FilesExistAndGoAndSayWhenTheyCannot) {
    tree.File("表.lnk");
    tree.File("held.lnk");
    tree.Folder("folder.lnk");
    EXPECT_TRUE(shell.FileExists(tree.Path("表.lnk")));
    EXPECT_FALSE(shell.FileExists(tree.Path("folder.lnk")));
    EXPECT_FALSE(shell.FileExists(tree.Path("none.lnk")));
    EXPECT_TRUE(shell.RemoveFile(tree.Path("表.lnk")));
    EXPECT_TRUE(shell.RemoveFile(tree.Path("none.lnk")));
    EXPECT_TRUE(shell.RemoveFile(tree.Path("nowhere\\none.lnk")));
    EXPECT_FALSE(shell.FileExists(tree.Path("表.lnk")));
    // Another program holds it open without sharing delete.
    const FileHandle held(CreateFileA(tree.Path("held.lnk").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(shell.RemoveFile(tree.Path("held.lnk")));
    EXPECT_TRUE(shell.FileExists(tree.Path("held.lnk")));
}

TEST_F(ShellLinksTest, DesktopIsAnExistingFolder) {
    const Text desktop = shell.DesktopFolder();
    ASSERT_FALSE(desktop.empty());
    const DWORD attributes = GetFileAttributesW(Wide(desktop).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << desktop;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << desktop;
}

TEST_F(ShellLinksTest, SendToIsTheShellsKnownFolder) {
    const Text sendTo = shell.SendToFolder();
    ASSERT_FALSE(sendTo.empty());
    // The known-folder answer, asked the other way round from the shell-link service.
    EXPECT_EQ(sendTo, KnownFolder(FOLDERID_SendTo));
    const DWORD attributes = GetFileAttributesW(Wide(sendTo).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << sendTo;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << sendTo;
}

TEST_F(ShellLinksTest, OwnPathIsThisProgram) {
    wchar_t expected[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, expected, MAX_PATH);
    EXPECT_EQ(WideProgramPath(), expected);
    EXPECT_EQ(shell.OwnPath(), WideText(AsWideView(expected, wcslen(expected))));
}

TEST_F(ShellLinksTest, CreateShortcutPointsTheLinkAtItsTargetsFolder) {
    const Text file = tree.Path("a.lnk");
    EXPECT_FALSE(CreateShortcut(shell, file, u"C:\\windows\\notepad.exe", "", "d", u""));
    EXPECT_EQ(ReadLink(file).workDir, "C:\\windows\\");
    EXPECT_TRUE(CreateShortcut(shell, tree.Path("none\\a.lnk"), u"C:\\windows\\notepad.exe", "", "d", u""));
}

TEST_F(ShellLinksTest, LongPathOfAnItemListIsReadWhole) {
    // Well over 128 bytes, ending in 表, whose Shift_JIS second byte is a backslash.
    const Text parent = Text(60, 'p') + "\\" + Text(60, 'q');
    tree.Folder(Text(60, 'p'));
    tree.Folder(parent);
    tree.Folder(parent + "\\デスク表");
    const Text folder = tree.Path(parent + "\\デスク表");
    ASSERT_GT(folder.size(), 150u);
    const PIDLIST_ABSOLUTE list = ILCreateFromPathW(Wide(folder).c_str());
    ASSERT_TRUE(list);
    EXPECT_EQ(FileSystemPath(list), folder);
    ILFree(list);
}

TEST(ShortcutsOnALongDesktop, BothShortcutsBesideEachOther) {
    ComApartment com;
    TempTree tree;
    const Text parent = Text(60, 'p') + "\\" + Text(60, 'q');
    tree.Folder(Text(60, 'p'));
    tree.Folder(parent);
    tree.Folder(parent + "\\SendTo");
    tree.Folder(parent + "\\デスク表");
    TempDesktopShell shell;
    shell.desktop = tree.Path(parent + "\\デスク表");
    ShortcutsOnTheShell shortcuts(shell);
    shortcuts.ApplyBoth();
    EXPECT_EQ(ReadLink(shell.desktop + "\\ロミナード.lnk").description, "ロミナード");
    EXPECT_EQ(ReadLink(tree.Path(parent + "\\SendTo\\ロミナード.lnk")).description, "ロミナード");
}

// The real shell with the desktop where the test puts it, and the program where the test puts it.
class MovedProgramShell : public TempDesktopShell {
public:
    WideText program;
    WideText OwnPath() override { return program; }
};

// The path of the item that a link file's ID list names: what Explorer starts when the link is opened. Empty
// when the file holds no list or the list names no file-system item.
std::wstring LinkedItem(const Text& linkFile) {
    ComOwner<IShellLinkW> link;
    ComOwner<IPersistFile> persist;
    PIDLIST_ABSOLUTE raw = nullptr;
    if (FAILED(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put())) ||
        FAILED(link.QueryInto(persist)) || FAILED(persist->Load(Wide(linkFile).c_str(), STGM_READ)) ||
        FAILED(link->GetIDList(&raw)) || !raw)
        return std::wstring();
    const CoTaskMemOwner<ITEMIDLIST_ABSOLUTE> list(raw);
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(list.get(), path) ? path : std::wstring();
}

// The program and the desktop under a folder whose name code page 932 cannot hold (C:\Users\José): both
// shortcuts are made and name the program as it is named. (Wine keeps the link's plain path in the ANSI code
// page only; its ID list, which Explorer goes by first, keeps the name whole.)
TEST(ShortcutsOutsideTheCodePage, LinksNameAProgramUnderJoseWhole) {
    ComApartment com;
    TempTree tree;
    tree.FolderW(L"José");
    tree.FolderW(L"José\\Desktop");
    tree.FolderW(L"José\\SendTo");
    tree.FileW(L"José\\Rominado.exe");
    const std::wstring program = Wide(tree.Root()) + L"\\José\\Rominado.exe";
    MovedProgramShell shell;
    shell.program = WideText(AsWideView(program));
    const PIDLIST_ABSOLUTE desktop = ILCreateFromPathW((Wide(tree.Root()) + L"\\José\\Desktop").c_str());
    ASSERT_TRUE(desktop);
    shell.desktop = FileSystemPath(desktop);
    ILFree(desktop);
    ASSERT_FALSE(shell.desktop.empty());

    ShortcutsOnTheShell shortcuts(shell);
    shortcuts.ApplyBoth();
    for (const Text& file :
         {shell.desktop + "\\ロミナード.lnk", PathDirectory(shell.desktop) + "SendTo\\ロミナード.lnk"}) {
        ASSERT_TRUE(shell.FileExists(file)) << file;
        EXPECT_EQ(LinkedItem(file), program) << file;
    }
}

// Names the redirected desktop to the fresh process that applies the shortcuts.
constexpr char kRedirectedDesktop[] = "ROMINADO_TEST_REDIRECTED_DESKTOP";

// Applies and removes both shortcuts in a process whose shell met the desktop at desktop, with a folder
// "SendTo" beside it, and reads them back.
void ApplyOnTheRedirectedDesktop(const Text& desktop) {
    ComApartment com;
    Win32ShellLinks shell;
    ASSERT_EQ(shell.DesktopFolder(), desktop) << "the shell did not take the redirection";
    const Text sibling = PathDirectory(desktop) + "SendTo\\ロミナード.lnk";
    const Text sendTo = shell.SendToFolder();
    ASSERT_FALSE(sendTo.empty());
    const Text sendLink = sendTo + "\\ロミナード.lnk";
    ASSERT_NE(sendLink, sibling);
    if (shell.FileExists(sendLink)) GTEST_SKIP() << "a shortcut of the user's own is in " << sendTo;
    // Whatever fails below, the user's Send To menu keeps no shortcut of this test.
    const RemovedAtEnd cleanup{shell, sendLink};

    ShortcutsOnTheShell shortcuts(shell);
    shortcuts.ApplyBoth();
    const Text program = ProgramPath();
    const LinkFields link = ReadLink(sendLink);
    EXPECT_EQ(link.target, program);
    EXPECT_EQ(link.arguments, "");
    EXPECT_EQ(link.workDir, PathDirectory(program));
    EXPECT_EQ(link.description, "ロミナード");
    EXPECT_EQ(ReadLink(desktop + "\\ロミナード.lnk").target, program);
    EXPECT_FALSE(shell.FileExists(sibling));

    shortcuts.settings.ApplyShortcuts(false, false);
    EXPECT_FALSE(shell.FileExists(sendLink));
    EXPECT_FALSE(shell.FileExists(desktop + "\\ロミナード.lnk"));
    EXPECT_FALSE(shortcuts.sendToSet);
}

// Runs the running test again, alone, in a fresh process of this program that writes to the same output; its
// exit code.
DWORD RunThisTestAgain() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    Text commandLine =
        "\"" + ProgramPath() + "\" --gtest_filter=" + test->test_suite_name() + "." + test->name();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &started))
        return ~0u;
    const FileHandle process(started.hProcess);
    const FileHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), 120000) != WAIT_OBJECT_0) return ~0u;
    DWORD code = ~0u;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

// The desktop redirected in the registry, as OneDrive or a roaming profile does: the Send To shortcut goes
// where Explorer reads it, not into "SendTo" beside the desktop.
TEST(ShortcutsOnARedirectedDesktop, SendToShortcutGoesToTheShellsSendTo) {
    char given[MAX_PATH] = {};
    if (GetEnvironmentVariableA(kRedirectedDesktop, given, MAX_PATH)) {
        ApplyOnTheRedirectedDesktop(given);
        return;
    }
    TempTree tree;
    tree.Folder("Redirected");
    tree.Folder("Redirected\\Desktop");
    tree.Folder("Redirected\\SendTo");
    const Text desktop = tree.Path("Redirected\\Desktop");
    constexpr char kFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
    const Text userShellFolders = Text(kFolders) + "User Shell Folders";
    const Text shellFolders = Text(kFolders) + "Shell Folders";
    // The old key too: the shell copies what it resolved there.
    RegistryValueForTest redirect(HKEY_CURRENT_USER, userShellFolders.c_str(), "Desktop", REG_EXPAND_SZ,
                                  desktop);
    RegistryValueForTest copy(HKEY_CURRENT_USER, shellFolders.c_str(), "Desktop", REG_SZ, desktop);

    // The shell keeps the desktop it met first for the whole process: a fresh one meets the redirected
    // desktop.
    SetEnvironmentVariableA(kRedirectedDesktop, desktop.c_str());
    const DWORD code = RunThisTestAgain();
    SetEnvironmentVariableA(kRedirectedDesktop, nullptr);
    EXPECT_EQ(code, 0u) << "the fresh process failed; its report stands above";
    EXPECT_EQ(GetFileAttributesW(Wide(tree.Path("Redirected\\SendTo\\ロミナード.lnk")).c_str()),
              INVALID_FILE_ATTRIBUTES);
}

}  // namespace
