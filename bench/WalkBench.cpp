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

#include "bench/BenchTree.h"
#include "bench/QuietView.h"
#include "collect/PathWalker.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Network.h"

namespace {

class NoReader : public ContentsReader {
public:
    void AddFileContents(const Text&) override {}
};

// The walk and the ordered list it leaves, as the drop handler reads it.
std::size_t Walker(const Text& folder) {
    Win32FileSystem files;
    Win32Network network;
    Win32Locale locale;
    QuietView view;
    NoReader reader;
    DropState state(locale);
    OptionSnapshot options;
    options.ChkFAll = true;
    PathWalker(state, options, view, files, network, reader).CollectPath(folder);
    return state.FPathList.Entries().size();
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
