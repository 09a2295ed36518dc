// Folder trees under the system's temporary folder, one for each test that needs one.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/WideText.h"
#include "text/Text.h"

// A new name under the system's temporary folder, one per tree in this process, and the paths below it. The
// trees built on it make and remove the folder, each its own way.
class TempRoot {
public:
    explicit TempRoot(const char* prefix) {
        wchar_t temp[MAX_PATH];
        const DWORD length = GetTempPathW(MAX_PATH, temp);
        static int serial = 0;
        root_ = FromWide(temp, length) + prefix + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const Text& Root() const { return root_; }
    Text Path(const Text& relative) const { return root_ + "\\" + relative; }

    void Folder(const Text& relative) {
        EXPECT_TRUE(CreateDirectoryW(Wide(Path(relative)).c_str(), nullptr)) << relative;
    }

private:
    Text root_;
};

// A real folder tree, removed with everything in it afterwards.
class TempTree : public TempRoot {
public:
    TempTree() : TempRoot("rominado-") {
        // Process ids repeat across runs in one prefix; a tree left by a run that was killed goes first.
        if (GetFileAttributesW(Wide(Root()).c_str()) != INVALID_FILE_ATTRIBUTES) RemoveAll(WideRoot());
        EXPECT_TRUE(CreateDirectoryW(Wide(Root()).c_str(), nullptr)) << Root();
    }
    ~TempTree() { RemoveAll(WideRoot()); }

    void File(const Text& relative, const Text& contents = "x") {
        const HANDLE file = CreateFileW(Wide(Path(relative)).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << relative;
        DWORD written = 0;
        WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
        CloseHandle(file);
    }

    // Made with the wide API, for names the code page cannot hold and paths of any length: relative is below
    // the root, with backslashes.
    std::wstring WidePath(const std::wstring& relative) const { return WideRoot() + L"\\" + relative; }

    void FolderW(const std::wstring& relative) {
        EXPECT_TRUE(CreateDirectoryW(WidePath(relative).c_str(), nullptr)) << relative.size();
    }

    void FileW(const std::wstring& relative, const Text& contents = "x") {
        const HANDLE file = CreateFileW(WidePath(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << relative.size();
        DWORD written = 0;
        WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
        CloseHandle(file);
    }

    void Attributes(const Text& relative, DWORD attributes) {
        EXPECT_TRUE(SetFileAttributesW(Wide(Path(relative)).c_str(), attributes)) << relative;
    }

    // The root in the long form, which takes any name and any depth as it stands.
    std::wstring WideRoot() const { return L"\\\\?\\" + Wide(Root()); }

private:
    // Wide, so that every name is removed whatever the code page holds; a folder link is removed itself,
    // never walked into, so that nothing outside the tree goes.
    static void RemoveAll(const std::wstring& folder) {
        WIN32_FIND_DATAW data;
        const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                const DWORD attributes = data.dwFileAttributes;
                if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                    RemoveAll(path);
                } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveDirectoryW(path.c_str());
                } else {
                    DeleteFileW(path.c_str());
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }
};
