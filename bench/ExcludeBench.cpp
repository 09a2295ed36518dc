// A drop that leaves out a big folder by its mask against a drop of the same tree without that folder: the
// walk must never list what it leaves out. Prints the medians and "ratio exclude/without MEASURED TARGET".
//
// exclude_bench WITH WITHOUT [runs]   WITH holds WITHOUT's entries and a folder node_modules with many more.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/BenchTree.h"
#include "bench/QuietView.h"
#include "collect/PathWalker.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Network.h"

namespace {

class NoReader : public ContentsReader {
public:
    void AddFileContents(const Text&) override {}
};

// A recursive full-path drop of folder with these options; the number of entries it gives.
std::size_t Drop(const Text& folder, const OutputOptions& output) {
    Win32FileSystem files;
    Win32Network network;
    Win32Collation locale{LetterCase::kIgnored};
    QuietView view;
    NoReader reader;
    DropState state(locale);
    OptionSnapshot options;
    options.recurse = true;
    PathWalker(state, options, view, files, network, reader, output).CollectPath(folder);
    return state.FPathList.Size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: exclude_bench WITH WITHOUT [runs]\n");
        return 2;
    }
    const Text with = argv[1];
    const Text without = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    OutputOptions masked;
    masked.excludeMasks = "node_modules\\";
    std::vector<double> excluding, plain;
    std::size_t excludedCount = 0, plainCount = 0;
    for (int run = 0; run < runs; ++run) {
        excluding.push_back(Seconds([&] { excludedCount = Drop(with, masked); }));
        plain.push_back(Seconds([&] { plainCount = Drop(without, OutputOptions()); }));
        std::printf("run %d: masked %.3f s (%zu entries), without %.3f s (%zu entries)\n", run + 1,
                    excluding.back(), excludedCount, plain.back(), plainCount);
    }
    const double a = Median(excluding), b = Median(plain);
    std::printf("ratio exclude/without %.3f 1.10\n", a / b);
    return excludedCount == plainCount ? 0 : 1;
}
