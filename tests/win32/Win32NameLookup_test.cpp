// Long file names over a real tree: short names, stored case, hidden entries, wildcards, 表.
#include "platform/win32/Win32NameLookup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "shared/LongFileName.h"
#include "tests/win32/TempTree.h"
#include "text/AsciiUpper.h"

namespace {

class Win32NameLookupTest : public ::testing::Test {
protected:
    Win32NameLookupTest() {
        tree.Folder("Long Folder Name");
        tree.File("Long Folder Name\\Mixed Case File.Txt");
        tree.Folder("表");
        tree.File("表\\Hidden.Dat");
        tree.Attributes("表\\Hidden.Dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        root = LongFileName(tree.Root(), lookup);
    }

    static Text Short(const Text& path) {
        wchar_t buffer[MAX_PATH];
        const DWORD length = GetShortPathNameW(Wide(path).c_str(), buffer, MAX_PATH);
        return length > 0 && length < MAX_PATH ? FromWide(buffer, length) : Text();
    }

    TempTree tree;
    Win32NameLookup lookup;
    Text root;  // the tree's folder in its stored form
};

TEST_F(Win32NameLookupTest, AShortNameGivesTheLongNameInItsStoredCase) {
    const Text shortForm = Short(tree.Path("Long Folder Name\\Mixed Case File.Txt"));
    ASSERT_NE(shortForm, "");
    ASSERT_EQ(shortForm.find("Long Folder Name"), Text::npos) << shortForm;
    EXPECT_EQ(LongFileName(shortForm, lookup), root + "\\Long Folder Name\\Mixed Case File.Txt");
    EXPECT_EQ(LongFileName(AsciiUpper(shortForm), lookup), root + "\\Long Folder Name\\Mixed Case File.Txt");
    EXPECT_EQ(LongFileName(Short(tree.Path("Long Folder Name")) + "\\", lookup), root + "\\Long Folder Name");
}

TEST_F(Win32NameLookupTest, EveryComponentTakesItsStoredCase) {
    EXPECT_EQ(LongFileName(AsciiUpper(tree.Path("long folder name\\mixed case file.txt")), lookup),
              root + "\\Long Folder Name\\Mixed Case File.Txt");
    EXPECT_EQ(LongFileName(tree.Path("表\\hidden.dat"), lookup), root + "\\表\\Hidden.Dat");
    EXPECT_EQ(LongFileName(tree.Path("表\\"), lookup), root + "\\表");
}

TEST_F(Win32NameLookupTest, WildcardsAndMissingComponents) {
    EXPECT_EQ(LongFileName(tree.Path("Long Folder Name\\*.txt"), lookup),
              root + "\\Long Folder Name\\Mixed Case File.Txt");
    const Text earlier = tree.Path("Long*\\Mixed Case File.Txt");
    EXPECT_EQ(LongFileName(earlier, lookup), earlier);
    const Text missing = tree.Path("nope\\Mixed Case File.Txt");
    EXPECT_EQ(LongFileName(missing + "\\", lookup), missing);
    EXPECT_EQ(LongFileName("C:\\", lookup), "C:");
    EXPECT_EQ(lookup.StoredName(tree.Path("Long Folder Name\\")), "");
}

}  // namespace
