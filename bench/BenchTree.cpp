#include "bench/BenchTree.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kTopFolders = 10;
constexpr int kSubFolders = 10;

// A third of the names are Japanese, many with a second byte of 0x5C (表, ソ, 能, 予).
Text EntryName(int i, const char* kind) {
    static const char* const kWords[] = {"表計算", "ソフト",     "能力表", "予定表",
                                         "資料",   "画像ソース", "報告書"};
    const std::string number = std::to_string(i);
    if (i % 3 == 0) return Text(kWords[i % 7]) + "_" + number + (*kind == 'f' ? ".txt" : "");
    return Text(i % 2 ? "Item_" : "item-") + kind + number + (*kind == 'f' ? ".Dat" : "");
}

}  // namespace

Text DefaultTreeRoot() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return Text(temp) + "rwb";
}

bool MakeTree(const Text& root, int entries) {
    const int files = entries - kTopFolders - kTopFolders * kSubFolders;
    const Text marker = root + "\\ready";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    std::printf("making %d entries in %s ...\n", entries, root.c_str());
    std::fflush(stdout);
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
            const int end =
                static_cast<int>(static_cast<long long>(files) * (folder + 1) / (kTopFolders * kSubFolders));
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

double PeakMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
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
