// A real folder tree under the system's temporary folder for one test, removed with everything in it
// afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Text.h"

class TempTree {
public:
    TempTree() {
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        root_ = Text(temp, length) + "rominado-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        EXPECT_TRUE(CreateDirectoryA(root_.c_str(), nullptr)) << root_;
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree() { RemoveAll(root_); }

    const Text& Root() const { return root_; }
    Text Path(const Text& relative) const { return root_ + "\\" + relative; }

    void Folder(const Text& relative) {
        EXPECT_TRUE(CreateDirectoryA(Path(relative).c_str(), nullptr)) << relative;
    }

    void File(const Text& relative, const Text& contents = "x") {
        const HANDLE file = CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << relative;
        DWORD written = 0;
        WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
        CloseHandle(file);
    }

    void Attributes(const Text& relative, DWORD attributes) {
        EXPECT_TRUE(SetFileAttributesA(Path(relative).c_str(), attributes)) << relative;
    }

private:
    static void RemoveAll(const Text& folder) {
        WIN32_FIND_DATAA data;
        const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const Text name = data.cFileName;
                if (name == "." || name == "..") continue;
                const Text path = folder + "\\" + name;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveAll(path);
                } else {
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }

    Text root_;
};
