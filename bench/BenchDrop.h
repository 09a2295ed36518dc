// A recursive full-path drop through the real file system into a quiet view, reading no contents: the walk
// the benchmarks time.
#pragma once

#include <vector>

#include "bench/QuietView.h"
#include "collect/PathWalker.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Network.h"

class NoReader : public ContentsReader {
public:
    void AddFileContents(const Text&) override {}
};

// The drop of folder and the ordered list it leaves, as the drop handler reads it; with filteredOut, a filter
// lets nothing through, so that only the walk itself is measured.
inline std::vector<Text> RecursiveDrop(const Text& folder, const OutputOptions& output = OutputOptions(),
                                       bool filteredOut = false) {
    Win32FileSystem files;
    Win32Network network;
    Win32Collation locale{LetterCase::kIgnored};
    QuietView view;
    NoReader reader;
    DropState state(locale);
    OptionSnapshot options;
    options.recurse = true;
    options.filterOn = filteredOut;
    state.FExtFilter.fill("/");
    PathWalker(state, options, view, files, network, reader, output).CollectPath(folder);
    return state.FPathList.Entries();
}
