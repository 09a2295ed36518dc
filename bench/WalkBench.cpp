// Walking a tree of 100,000 entries under Wine: the bare FindFirstFileA/FindNextFileA walk, the path walker
// in full-path mode with recursion into a view that does nothing, and `cmd /c dir /s /b`. Prints the median
// of each and the ratios walker/bare (target at most 1.3) and walker/dir (target at most 0.1).
//
// walk_bench [folder [runs]]   The tree is made in folder (default %TEMP%\rwb) on the first run and reused.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "collect/PathWalker.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Network.h"

namespace {

constexpr int kTopFolders = 10;
constexpr int kSubFolders = 10;
constexpr int kEntries = 100000;
constexpr int kFiles = kEntries - kTopFolders - kTopFolders * kSubFolders;

class NullView : public View {
public:
    OptionSnapshot ReadOptions() override { return {}; }
    void AppendLine(const Text&) override {}
    void AppendLines(const std::vector<Text>&) override {}
    void SuspendRedraw() override {}
    void ResumeRedraw() override {}
    std::vector<Text> ReadAllLines() override { return {}; }
    void ReplaceAllLines(const std::vector<Text>&) override {}
    void CopyAllText() override {}
    void PlaceCaretAtEnd() override {}
    void SetStatusText(int, const Text&) override {}
    void SetProgressMax(std::int32_t) override {}
    void SetProgressPosition(std::int32_t) override {}
    void EnableTopPanel(bool) override {}
    void RefreshCaretIndicator() override {}
    void PumpMessages() override {}
    void ShowMessage(const Text&) override {}
};

class NoReader : public ContentsReader {
public:
    void AddFileContents(const Text&) override {}
};

// A third of the names are Japanese, many with a second byte of 0x5C (表, ソ, 能, 予).
Text EntryName(int i, const char* kind) {
    static const char* const kWords[] = {"表計算", "ソフト",     "能力表", "予定表",
                                         "資料",   "画像ソース", "報告書"};
    const std::string number = std::to_string(i);
    if (i % 3 == 0) return Text(kWords[i % 7]) + "_" + number + (*kind == 'f' ? ".txt" : "");
    return Text(i % 2 ? "Item_" : "item-") + kind + number + (*kind == 'f' ? ".Dat" : "");
}

bool MakeTree(const Text& root) {
    const Text marker = root + "\\ready";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    std::printf("making %d entries in %s ...\n", kEntries, root.c_str());
    CreateDirectoryA(root.c_str(), nullptr);
    const Text tree = root + "\\tree";
    if (!CreateDirectoryA(tree.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    int file = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const Text top = tree + "\\" + EntryName(t, "d");
        CreateDirectoryA(top.c_str(), nullptr);
        for (int s = 0; s < kSubFolders; ++s) {
            const Text sub = top + "\\" + EntryName(t * kSubFolders + s, "d");
            CreateDirectoryA(sub.c_str(), nullptr);
            const int folder = t * kSubFolders + s;
            const int end = kFiles * (folder + 1) / (kTopFolders * kSubFolders);
            for (; file < end; ++file) {
                const Text path = sub + "\\" + EntryName(file, "f");
                const HANDLE h =
                    CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
                if (h == INVALID_HANDLE_VALUE) return false;
                CloseHandle(h);
            }
        }
    }
    const HANDLE h = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    return true;
}

double Seconds(const std::function<void()>& run) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    run();
    QueryPerformanceCounter(&stop);
    return static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

long BareWalk(const Text& folder) {
    long count = 0;
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) continue;
        ++count;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            count += BareWalk(folder + "\\" + data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

// The walk and the ordered list it leaves, as the drop handler reads it.
std::size_t Walker(const Text& folder) {
    Win32FileSystem files;
    Win32Network network;
    Win32Locale locale;
    NullView view;
    NoReader reader;
    DropState state(locale);
    OptionSnapshot options;
    options.ChkFAll = true;
    PathWalker(state, options, view, files, network, reader).CollectPath(folder);
    return state.FPathList.Entries().size();
}

bool Dir(const Text& folder) {
    std::string command = "cmd /c dir /s /b \"" + folder + "\" > NUL";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const Text root = argc > 1 ? Text(argv[1]) : Text(temp) + "rwb";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    if (!MakeTree(root)) {
        std::printf("cannot make the tree in %s\n", root.c_str());
        return 1;
    }
    const Text tree = root + "\\tree";
    std::vector<double> bare, walker, dir;
    long bareCount = 0;
    std::size_t walkerCount = 0;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(Seconds([&] { bareCount = BareWalk(tree); }));
        walker.push_back(Seconds([&] { walkerCount = Walker(tree); }));
        dir.push_back(Seconds([&] { Dir(tree); }));
        std::printf("run %d: bare %.3f s, walker %.3f s, dir %.3f s\n", run + 1, bare.back(), walker.back(),
                    dir.back());
    }
    const double a = Median(bare), b = Median(walker), c = Median(dir);
    std::printf("entries: bare walk %ld, walker %zu (the dropped folder included)\n", bareCount, walkerCount);
    std::printf("median (a) bare FindFirstFileA/FindNextFileA walk:                  %.3f s\n", a);
    std::printf("median (b) CollectPath, full path, recursive, and the ordered list: %.3f s\n", b);
    std::printf("median (c) cmd /c dir /s /b:                                        %.3f s\n", c);
    std::printf("(b)/(a) = %.2f (target <= 1.3)\n", b / a);
    std::printf("(b)/(c) = %.3f (target <= 0.1)\n", b / c);
    return 0;
}
