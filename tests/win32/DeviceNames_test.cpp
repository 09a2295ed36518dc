// Files named like devices (aux.c, nul.txt, COM1 and the like), as a folder from a Linux or Git checkout may
// hold them: every path mode and the command line name the file itself, whole, never the device.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "collect/CommandLine.h"
#include "collect/DropHandler.h"
#include "collect/FileContentsReader.h"
#include "platform/win32/WideNames.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32NameLookup.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/win32/TempTree.h"
#include "tests/win32/Win32DropParts.h"
#include "text/PathPieces.h"

namespace {

using Lines = std::vector<Text>;

// Each device name with and without an extension, in several cases; all of them are 8.3 names.
const Text kNames[] = {"aux.c", "com1.txt", "nul.txt", "con.txt", "prn.log", "lpt1.txt",
                       "AUX",   "Com1",     "nul",     "CON",     "pRn",     "LPT1"};
const Text kContents = "one\r\ntwo\r\nthree\r\nfour\r\n";

TEST(WidePath, AbsolutePathsTakeTheLongFormWithEveryNameAsItStands) {
    const std::pair<Text, std::wstring> cases[] = {
        {"C:\\d\\aux.c", L"\\\\?\\C:\\d\\aux.c"},
        {"c:/d//NUL.txt", L"\\\\?\\c:\\d\\NUL.txt"},
        {"C:\\d\\..\\e\\.\\lpt1.txt", L"\\\\?\\C:\\e\\lpt1.txt"},
        {"C:\\..\\con", L"\\\\?\\C:\\con"},
        {"C:\\d\\sub\\..", L"\\\\?\\C:\\d"},
        {"C:\\", L"\\\\?\\C:\\"},
        {"C:\\d\\", L"\\\\?\\C:\\d\\"},
        {"C:\\d\\dot.", L"\\\\?\\C:\\d\\dot."},
        {"\\\\server\\share\\com1.txt", L"\\\\?\\UNC\\server\\share\\com1.txt"},
        {"\\\\server\\share\\..\\..\\prn", L"\\\\?\\UNC\\server\\share\\prn"},
        {"\\\\?\\C:\\d\\..\\nul", L"\\\\?\\C:\\d\\..\\nul"},
        {"\\\\.\\COM1", L"\\\\.\\COM1"},
    };
    for (const auto& [path, wide] : cases) {
        EXPECT_EQ(WidePath(path), wide) << path;
    }
    EXPECT_EQ(AbsolutePath("C:\\d\\..\\aux.c"), L"C:\\aux.c");
    EXPECT_EQ(AbsolutePath("\\\\server\\share\\nul.txt"), L"\\\\server\\share\\nul.txt");
}

class DeviceNamesTest : public ::testing::Test, protected Win32DropParts {
protected:
    DeviceNamesTest() {
        tree.Folder("dev");
        for (const Text& name : kNames)
            tree.FileW(Wide("dev\\" + name), kContents);
        view.options.recurse = true;
    }

    Lines Drop(bool OptionSnapshot::*mode) {
        view.options.fullPath = view.options.nameOnly = view.options.networkPath = view.options.shortPath =
            false;
        view.options.*mode = true;
        view.lines.clear();
        FakeDroppedNames names({tree.Path("dev")});
        bool handled = false;
        handler.HandleDrop(names, handled);
        return view.lines;
    }

    // The folder and each file by its full path.
    std::set<Text> FullPaths() const {
        std::set<Text> paths{tree.Path("dev")};
        for (const Text& name : kNames)
            paths.insert(tree.Path("dev\\" + name));
        return paths;
    }

    static Text Upper(Text s) {
        for (char& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    }

    TempTree tree;
    Win32FileReader reader;
    FileContentsReader contents{state, view, reader};
    DropHandler handler{state, view, folders, network, contents};
};

TEST_F(DeviceNamesTest, TheFileSystemAnswersForTheFilesNotTheDevices) {
    for (const Text& name : kNames) {
        const Text path = tree.Path("dev\\" + name);
        const auto facts = folders.Facts(path);
        ASSERT_TRUE(facts) << name;
        EXPECT_EQ(facts->size, kContents.size()) << name;
        EXPECT_EQ(folders.FullPath(path), path);
        Win32NameLookup lookup;
        EXPECT_EQ(lookup.StoredName(path), name);
    }
    // Relative to the current folder as well.
    char current[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Path("dev").c_str()));
    EXPECT_EQ(WidePath("aux.c"), L"\\\\?\\" + Wide(tree.Path("dev\\aux.c")));
    EXPECT_EQ(WidePath("..\\dev\\.\\Com1"), L"\\\\?\\" + Wide(tree.Path("dev\\Com1")));
    const auto facts = folders.Facts("nul.txt");
    SetCurrentDirectoryA(Text(current, length).c_str());
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->size, kContents.size());
}

TEST_F(DeviceNamesTest, FullNetworkAndNameModesKeepTheNamesWhole) {
    const Lines full = Drop(&OptionSnapshot::fullPath);
    EXPECT_EQ(std::set<Text>(full.begin(), full.end()), FullPaths());
    EXPECT_EQ(full.size(), FullPaths().size());
    // On a local drive the network form is the full path.
    EXPECT_EQ(Drop(&OptionSnapshot::networkPath), full);
    const Lines names = Drop(&OptionSnapshot::nameOnly);
    std::set<Text> expected{"dev"};
    expected.insert(std::begin(kNames), std::end(kNames));
    EXPECT_EQ(std::set<Text>(names.begin(), names.end()), expected);
}

// The short form of each file is the file's own, never the bare device name.
TEST_F(DeviceNamesTest, ShortFormsNameTheFiles) {
    const Lines shortForms = Drop(&OptionSnapshot::shortPath);
    ASSERT_EQ(shortForms.size(), FullPaths().size());
    std::set<Text> names;
    for (const Text& line : shortForms) {
        const Text name = Upper(PathFileName(line));
        names.insert(name);
        // The line opens the same entry: the folder, or a file of its contents.
        WIN32_FILE_ATTRIBUTE_DATA data;
        ASSERT_TRUE(GetFileAttributesExW(WidePath(line).c_str(), GetFileExInfoStandard, &data)) << line;
        if (name != "DEV") {
            EXPECT_EQ(data.nFileSizeLow, kContents.size()) << line;
        }
    }
    std::set<Text> expected{"DEV"};
    for (const Text& name : kNames)
        expected.insert(Upper(name));
    EXPECT_EQ(names, expected);
}

TEST_F(DeviceNamesTest, CommandLineModeGivesEachArgumentWhole) {
    Lines arguments;
    for (const Text& name : kNames)
        arguments.push_back(tree.Path("dev\\" + name));
    Win32NameLookup lookup;
    RunCommandLineMode(arguments, lookup, folders, view, {});
    EXPECT_EQ(view.lines, arguments);
}

}  // namespace
