// Walking a tree of 100,000 entries under Wine: the bare FindFirstFileA/FindNextFileA walk, the path walker
// in full-path mode with recursion into a view that does nothing, and `cmd /c dir /s /b`. Prints the median
// of each and the ratio walker/bare as "ratio walk/bare MEASURED TARGET".
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

#include "bench/BenchDrop.h"
#include "bench/BenchTree.h"
#include "platform/Encoding.h"

namespace {

// Every path below folder, in the walk's order, the folder last.
void WalkOrder(const Text& folder, std::vector<Text>& paths) {
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) continue;
            const Text path = folder + "\\" + data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                WalkOrder(path, paths);
            } else {
                paths.push_back(path);
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    paths.push_back(folder);
}

// The order the list must have, made the slow way: a stable sort by CompareStringA ignoring case, and of
// equal entries the first one walked; the tree's names are all code page 932 names.
std::vector<Text> ReferenceOrder(const Text& folder) {
    std::vector<Text> paths;
    WalkOrder(folder, paths);
    auto compare = [](const Text& a, const Text& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                              b.data(), static_cast<int>(b.size())) -
               CSTR_EQUAL;
    };
    std::stable_sort(paths.begin(), paths.end(),
                     [&](const Text& a, const Text& b) { return compare(a, b) < 0; });
    paths.erase(std::unique(paths.begin(), paths.end(),
                            [&](const Text& a, const Text& b) { return compare(a, b) == 0; }),
                paths.end());
    // The ANSI listing gives code page 932 bytes; the walker's list is Text.
    for (Text& path : paths)
        path = TextFromShiftJis(path);
    return paths;
}

}  // namespace

int main(int argc, char** argv) {
    const Text root = argc > 1 ? Text(argv[1]) : DefaultTreeRoot();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    if (!MakeTree(root)) {
        std::printf("cannot make the tree in %s\n", root.c_str());
        return 1;
    }
    const Text tree = root + "\\tree";
    std::vector<double> bare, walker, dir, quiet;
    long bareCount = 0;
    std::vector<Text> walked;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(Seconds([&] { bareCount = BareWalk(tree); }));
        walker.push_back(Seconds([&] { walked = RecursiveDrop(tree); }));
        quiet.push_back(Seconds([&] { RecursiveDrop(tree, OutputOptions(), true); }));
        dir.push_back(Seconds([&] { Dir(tree); }));
        std::printf("run %d: bare %.3f s, walker %.3f s (%.3f s without output), dir %.3f s\n", run + 1,
                    bare.back(), walker.back(), quiet.back(), dir.back());
    }
    const double a = Median(bare), b = Median(walker), c = Median(dir);
    std::printf("entries: bare walk %ld, walker %zu (the dropped folder included)\n", bareCount,
                walked.size());
    const bool sameOrder = walked == ReferenceOrder(tree);
    std::printf("the walker's list %s the one sorted by CompareStringA\n",
                sameOrder ? "equals" : "DIFFERS FROM");
    std::printf("median (a) bare FindFirstFileA/FindNextFileA walk:                  %.3f s\n", a);
    std::printf("median (b) CollectPath, full path, recursive, and the ordered list: %.3f s\n", b);
    std::printf("median the same walk with no output (filtered out):               %.3f s\n", Median(quiet));
    std::printf("median (c) cmd /c dir /s /b:                                        %.3f s\n", c);
    std::printf("(b)/(c) = %.3f\n", b / c);
    std::printf("ratio walk/bare %.3f 1.15\n", b / a);
    return sameOrder ? 0 : 1;
}
