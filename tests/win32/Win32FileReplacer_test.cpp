// 保存 over real files: a hidden and system file is replaced and stays so; a file that cannot be replaced
// keeps its bytes, and no temporary file is left beside it.
#include "platform/win32/Win32FileReplacer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/SaveText.h"
#include "platform/win32/Handles.h"
#include "tests/win32/FileBytes.h"
#include "tests/win32/TempTree.h"
#include "text/AppError.h"

namespace {

std::vector<std::wstring> Names(const TempTree& tree) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((tree.WideRoot() + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (wcscmp(data.cFileName, L".") && wcscmp(data.cFileName, L"..")) names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

Text SaveError(const Text& path) {
    try {
        SaveBytes(path, "new");
    } catch (const AppError& error) {
        return error.Message();
    }
    return "<saved>";
}

TEST(Win32FileReplacer, AHiddenSystemFileIsReplacedAndKeepsItsAttributes) {
    TempTree tree;
    tree.File("hidden.txt", "old bytes");
    tree.Attributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SaveBytes(tree.Path("hidden.txt"), "new");
    EXPECT_EQ(FileBytes(tree.Path("hidden.txt")), "new");
    const DWORD attributes = GetFileAttributesW(Wide(tree.Path("hidden.txt")).c_str());
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(Names(tree), std::vector<std::wstring>{L"hidden.txt"});
}

TEST(Win32FileReplacer, AFileThatCannotBeReplacedKeepsItsBytes) {
    TempTree tree;
    tree.File("locked.txt", "old bytes");
    {
        // Held open without FILE_SHARE_DELETE, as an editor may hold it: no rename may replace it.
        const FileHandle held(CreateFileW(Wide(tree.Path("locked.txt")).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                          nullptr));
        ASSERT_TRUE(held);
        const Text told = SaveError(tree.Path("locked.txt"));
        EXPECT_EQ(told.rfind("ファイル " + tree.Path("locked.txt") + " を置き換えられません\r\n", 0), 0u)
            << told;
        EXPECT_NE(told.find("元のファイルはそのままです。"), Text::npos) << told;
    }
    EXPECT_EQ(FileBytes(tree.Path("locked.txt")), "old bytes");

    tree.File("readonly.txt", "old bytes");
    tree.Attributes("readonly.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(SaveError(tree.Path("readonly.txt")), "<saved>");
    EXPECT_EQ(FileBytes(tree.Path("readonly.txt")), "old bytes");
    EXPECT_EQ(Names(tree), (std::vector<std::wstring>{L"locked.txt", L"readonly.txt"}));
}

}  // namespace
