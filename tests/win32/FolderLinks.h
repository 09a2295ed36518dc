// A tree for tests whose symbolic links are made by Linux's own ln, as they stand on a disk that Wine shows.
// Wine 8 cannot make links itself (CreateSymbolicLinkA answers success and makes nothing; setting a junction
// answers ERROR_NOT_SUPPORTED), and it cannot remove them either (RemoveDirectoryA sees the target's
// entries), so the tree is made and removed from the Unix side. Only under Wine: elsewhere Available() is
// false.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/win32/Handles.h"
#include "tests/win32/TempTree.h"
#include "text/Text.h"

class UnixLinkTree : public TempRoot {
public:
    UnixLinkTree() : TempRoot("rominado-links-"), unixRoot_(UnixName(Root())) {
        if (unixRoot_.empty()) return;
        EXPECT_TRUE(CreateDirectoryW(Wide(Root()).c_str(), nullptr)) << Root();
    }
    ~UnixLinkTree() {
        if (!unixRoot_.empty()) {
            Run("/bin/rm", "-rf \"" + unixRoot_ + "\"");
            WaitFor(Root(), false);
        }
    }

    bool Available() const { return !unixRoot_.empty(); }

    void File(const Text& relative) {
        const FileHandle file(CreateFileW(Wide(Path(relative)).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(file) << relative;
    }

    // ln -s target relative; relative is an ASCII path below the root with "/" between its parts.
    void Link(const Text& relative, const Text& target) {
        Run("/bin/ln", "-s \"" + target + "\" \"" + unixRoot_ + "/" + relative + "\"");
        EXPECT_TRUE(WaitFor(Path(WindowsPath(relative)), true)) << "ln -s " << target << " " << relative;
    }

    // The entries in order, "/" between the parts: "d/" a folder, "d/a -> ." a link, any other an empty file.
    void Make(std::initializer_list<Text> entries) {
        for (const Text& entry : entries) {
            const std::size_t arrow = entry.find(" -> ");
            if (arrow != Text::npos) {
                Link(entry.substr(0, arrow), entry.substr(arrow + 4));
            } else if (entry.back() == '/') {
                Folder(WindowsPath(entry.substr(0, entry.size() - 1)));
            } else {
                File(WindowsPath(entry));
            }
        }
    }

private:
    static Text WindowsPath(Text relative) {
        for (char& c : relative) {
            if (c == '/') c = '\\';
        }
        return relative;
    }

    // Wine's kernel32 names the Unix file of a Windows path; the answer is the caller's to free.
    static Text UnixName(const Text& path) {
        using Call = char*(CDECL*)(const WCHAR*);
        const auto call = reinterpret_cast<Call>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        if (!call) return Text();
        const std::wstring wide = Wide(path);
        char* name = call(wide.c_str());
        if (!name) return Text();
        const Text answer = name;
        HeapFree(GetProcessHeap(), 0, name);
        return answer;
    }

    // Wine starts a Unix program without a handle that can be waited on: the caller waits for its effect.
    static void Run(const char* program, const Text& arguments) {
        Text commandLine = Text(program) + " " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        const Text image = "Z:" + Text(program);
        ASSERT_TRUE(CreateProcessA(image.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process))
            << commandLine;
        FileHandle processHandle(process.hProcess);
        FileHandle threadHandle(process.hThread);
    }

    static bool WaitFor(const Text& path, bool present) {
        for (int i = 0; i < 200; ++i) {
            if ((GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES) == present) return true;
            Sleep(50);
        }
        return false;
    }

    Text unixRoot_;
};
