// A drop that leaves out a big folder by its mask against a drop of the same tree without that folder: the
// walk must never list what it leaves out. Prints the medians and "ratio exclude/without MEASURED TARGET".
//
// exclude_bench WITH WITHOUT [runs]   WITH holds WITHOUT's entries and a folder node_modules with many more.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/BenchDrop.h"
#include "bench/BenchTree.h"

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
        excluding.push_back(Seconds([&] { excludedCount = RecursiveDrop(with, masked).size(); }));
        plain.push_back(Seconds([&] { plainCount = RecursiveDrop(without).size(); }));
        std::printf("run %d: masked %.3f s (%zu entries), without %.3f s (%zu entries)\n", run + 1,
                    excluding.back(), excludedCount, plain.back(), plainCount);
    }
    const double a = Median(excluding), b = Median(plain);
    std::printf("ratio exclude/without %.3f 1.10\n", a / b);
    return excludedCount == plainCount ? 0 : 1;
}
