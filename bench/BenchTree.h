// What the benchmarks share: the generated tree of 100,000 entries, timing, medians and the peer command.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "text/Text.h"

constexpr int kTreeEntries = 100000;

// %TEMP%\rwb: where the tree is made when no folder is given.
Text DefaultTreeRoot();

// Makes root\tree of entries entries on the first call (10 folders of 10 folders of files; a third of the
// names Japanese, many with a second byte of 0x5C) and reuses it afterwards. False when it cannot be made.
bool MakeTree(const Text& root, int entries = kTreeEntries);

// Counts the entries below folder with FindFirstFileA/FindNextFileA and nothing else.
long BareWalk(const Text& folder);

double Seconds(const std::function<void()>& run);
// The process's peak working set so far.
double PeakMiB();
double Median(std::vector<double> values);

// Runs `cmd /c dir /s /b folder > NUL` and waits for it.
bool Dir(const Text& folder);
