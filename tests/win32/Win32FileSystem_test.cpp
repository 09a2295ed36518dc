#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/win32/WideText.h"
#include "shared/OutputFormat.h"
#include "tests/OutputFlags.h"
#include "tests/win32/FolderLinks.h"
#include "tests/win32/TempTree.h"
#include "text/PathPieces.h"

namespace {

std::set<Text> ListNames(FileSystem& files, const Text& folder, std::uint32_t mask) {
    std::set<Text> names;
    const auto listing = files.List(folder + "\\*", mask, false).listing;
    if (!listing) return names;
    FolderEntry entry;
    while (listing->Next(entry))
        names.insert(entry.name);
    return names;
}

TEST(Win32FileSystem, ListingPassesOverHiddenAndSystemEntries) {
    TempTree tree;
    tree.Folder("sub");
    tree.Folder("hidden dir");
    tree.File("plain.txt");
    tree.File("hidden.txt");
    tree.File("system.dat");
    tree.File("readonly.txt");
    tree.Attributes("hidden dir", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    tree.Attributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    tree.Attributes("system.dat", FILE_ATTRIBUTE_SYSTEM);
    tree.Attributes("readonly.txt", FILE_ATTRIBUTE_READONLY);
    Win32FileSystem files;
    EXPECT_EQ(ListNames(files, tree.Root(), 24),
              (std::set<Text>{".", "..", "plain.txt", "readonly.txt", "sub"}));
    // With every special bit in the mask nothing is passed over.
    EXPECT_EQ(ListNames(files, tree.Root(), 0x1E).size(), 8u);
    EXPECT_NE(files.Attributes(tree.Path("hidden.txt")) & FileAttr::Hidden, 0u);
    EXPECT_NE(files.Attributes(tree.Path("sub")) & FileAttr::Directory, 0u);
}

TEST(Win32FileSystem, ListingEntriesCarryTheirAttributes) {
    TempTree tree;
    tree.Folder("d");
    tree.File("f");
    Win32FileSystem files;
    const auto listing = files.List(tree.Root() + "\\*", 24, true).listing;
    ASSERT_TRUE(listing);
    FolderEntry entry;
    int seen = 0;
    while (listing->Next(entry)) {
        if (entry.name == "d" || entry.name == "f") {
            ++seen;
            EXPECT_EQ(entry.facts.attributes, files.Attributes(tree.Path(entry.name))) << entry.name;
        }
    }
    EXPECT_EQ(seen, 2);
}

// A listing and the query of one name tell an entry's size, last write on the local clock (set the way the
// system turns that clock into UTC for the date) and attributes, here as the output columns show them.
TEST(Win32FileSystem, ListingAndQueryGiveTheFactsOfTheEntry) {
    const auto shown = [](const EntryFacts& facts) {
        return FormatEntry({"", 0, false, &facts}, OutputFlags("c"));
    };
    TempTree tree;
    tree.Folder("表");
    tree.File("ソ.txt", Text(1234, 'x'));
    const SYSTEMTIME local{2024, 1, 0, 15, 7, 8, 9, 0};
    SYSTEMTIME utc;
    FILETIME written;
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) &&
                SystemTimeToFileTime(&utc, &written));
    const HANDLE file = CreateFileW(Wide(tree.Path("ソ.txt")).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
    tree.Attributes("ソ.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    Win32FileSystem files;
    std::map<Text, Text> listed;
    const auto listing = files.List(tree.Root() + "\\*", 24, true).listing;
    ASSERT_TRUE(listing);
    for (FolderEntry entry; listing->Next(entry);) {
        if (entry.name == "." || entry.name == "..") continue;
        listed[entry.name] = shown(entry.facts);
        const auto asked = files.Facts(tree.Path(entry.name));
        EXPECT_EQ(asked ? shown(*asked) : "none", listed[entry.name]) << entry.name;
    }
    EXPECT_EQ(listed["ソ.txt"], "\t1234\t2024/01/15 07:08:09\tRA");
    // Listed without times, the time column stays empty.
    const auto untimed = files.List(tree.Root() + "\\*", 24, false).listing;
    ASSERT_TRUE(untimed);
    for (FolderEntry entry; untimed->Next(entry);) {
        if (entry.name == "ソ.txt") {
            EXPECT_EQ(shown(entry.facts), "\t1234\t\tRA");
        }
    }
    EXPECT_EQ(listed["表"].substr(0, 2) + listed["表"].back(), "\t\tD");  // a folder has no size
    EXPECT_EQ(files.Facts(tree.Path("nothing")), std::nullopt);
}

TEST(Win32FileSystem, MissingThingsFail) {
    TempTree tree;
    Win32FileSystem files;
    EXPECT_EQ(files.Attributes(tree.Path("nothing")), FileAttr::Invalid);
    // A folder that is not there is a failure with its reason, not an empty listing.
    const OpenedListing missing = files.List(tree.Path("nothing") + "\\*", 24, false);
    EXPECT_EQ(missing.listing, nullptr);
    EXPECT_EQ(missing.failure, static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(files.ShortPath(tree.Path("nothing")), "");
    EXPECT_EQ(files.Attributes(tree.Root() + Text(1, '\0') + "x"), FileAttr::Invalid);
}

TEST(Win32FileSystem, FullPathExpandsRelativePathsOfAnyLength) {
    TempTree tree;
    tree.File("a.txt");
    Win32FileSystem files;
    wchar_t saved[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryW(Wide(tree.Root()).c_str()));
    EXPECT_EQ(files.FullPath("a.txt"), tree.Path("a.txt"));
    SetCurrentDirectoryW(saved);
    // Past the classic limit the answer comes whole, never cut; names that the classic rules would strip keep
    // their dot or space.
    const Text base = "C:\\";
    for (const Text& path :
         {base + Text(256, 'a'), base + Text(257, 'a'), base + Text(400, 'a') + "\\b", base + "x.\\y "})
        EXPECT_EQ(files.FullPath(path), path);
    EXPECT_EQ(files.FullPath("C:\\x\\..\\" + Text(400, 'a')), base + Text(400, 'a'));
}

bool IsEightDotThree(const Text& name) {
    const auto dot = name.find('.');
    const Text base = name.substr(0, dot);
    const Text extension = dot == Text::npos ? Text() : name.substr(dot + 1);
    return !base.empty() && base.size() <= 8 && extension.size() <= 3 && extension.find('.') == Text::npos;
}

TEST(Win32FileSystem, ShortPathNamesTheSameEntryInEightDotThree) {
    TempTree tree;
    tree.Folder("a long folder name");
    tree.File("a long folder name\\表示されるソフトの名前.text");
    Win32FileSystem files;
    const Text path = tree.Path("a long folder name\\表示されるソフトの名前.text");
    const Text shortForm = files.ShortPath(path);
    ASSERT_FALSE(shortForm.empty());
    const Text folder = PathDirectory(shortForm);
    EXPECT_TRUE(IsEightDotThree(PathFileName(shortForm))) << shortForm;
    EXPECT_TRUE(IsEightDotThree(PathFileName(folder.substr(0, folder.size() - 1)))) << shortForm;
    wchar_t longForm[MAX_PATH];
    const DWORD length = GetLongPathNameW(Wide(shortForm).c_str(), longForm, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(FromWide(longForm, length), path);
}

TEST(Win32FileSystem, IdentityIsTheFolderWhicheverPathLeadsThere) {
    TempTree tree;
    tree.Folder("d");
    tree.Folder("d\\sub");
    tree.Folder("e");
    tree.File("d\\f");
    Win32FileSystem files;
    const auto d = files.Identity(tree.Path("d"));
    ASSERT_TRUE(d);
    EXPECT_EQ(files.Identity(tree.Path("d\\sub\\..")), d);
    EXPECT_EQ(files.Identity(tree.Path("d\\.")), d);
    EXPECT_NE(files.Identity(tree.Path("d\\sub")), d);
    EXPECT_NE(files.Identity(tree.Path("e")), d);
    EXPECT_EQ(files.Identity(tree.Path("d\\f")), std::nullopt);
    EXPECT_EQ(files.Identity(tree.Path("nothing")), std::nullopt);
}

// Wine shows a Linux symbolic link to a folder as a folder that is a reparse point, in listings and to
// attribute queries alike; a link to a file as a plain file. Both lead where they point.
TEST(Win32FileSystem, LinuxLinksToFoldersAreReparsePointFolders) {
    UnixLinkTree tree;
    if (!tree.Available()) GTEST_SKIP() << "Linux links exist only under Wine";
    tree.Make({"d/", "d/real/", "d/f", "d/a -> .", "d/b -> .", "d/c -> real", "d/fl -> f"});
    Win32FileSystem files;
    std::map<Text, std::uint32_t> listed;
    const auto listing = files.List(tree.Path("d\\*"), 24, false).listing;
    ASSERT_TRUE(listing);
    FolderEntry entry;
    while (listing->Next(entry))
        listed[entry.name] = entry.facts.attributes;
    constexpr std::uint32_t link = FileAttr::Directory | FileAttr::ReparsePoint;
    for (const Text name : {"a", "b", "c"}) {
        EXPECT_EQ(listed[name] & link, link) << name;
        EXPECT_EQ(files.Attributes(tree.Path("d\\" + name)), listed[name]) << name;
    }
    EXPECT_EQ(listed["real"] & link, FileAttr::Directory);
    EXPECT_EQ(listed["fl"] & link, 0u);

    const auto d = files.Identity(tree.Path("d"));
    ASSERT_TRUE(d);
    EXPECT_EQ(files.Identity(tree.Path("d\\a")), d);
    EXPECT_EQ(files.Identity(tree.Path("d\\a\\b")), d);
    EXPECT_EQ(files.Identity(tree.Path("d\\c")), files.Identity(tree.Path("d\\real")));
    EXPECT_NE(files.Identity(tree.Path("d\\c")), d);
}

}  // namespace
