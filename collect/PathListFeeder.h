// Adds entries to a path list on a second thread, in the order they were given, so that making their sort
// keys (the locale's slowest work) overlaps the walk that finds them. The list is left exactly as adding them
// one by one would leave it: same order, same first-added spelling of equal entries.
#pragma once

#include <cstddef>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

#include "collect/PathList.h"
#include "collect/WorkQueue.h"
#include "text/Text.h"

class PathListFeeder {
public:
    // Entries go to the second thread in batches of this many; fewer than that, in all, never start it. The
    // second thread makes keys faster than a walk finds entries, so it waits for every batch, and each wake
    // is a round trip to the system (some 0.1 ms under Wine, on the walk's thread too): batches of 256 made
    // a walk of 100,000 entries 25% slower than these do. The last batch, keyed after the walk, stays short
    // (some 7 ms).
    static constexpr std::size_t kBatchEntries = 4096;
    // Batches handed over and not yet taken; a walk that gets this far ahead waits for the keys.
    static constexpr std::size_t kQueuedBatches = 16;

    // While entries are on their way (from Add to the next Settle), the list and its collation are used on
    // the second thread: the caller leaves both alone meanwhile.
    explicit PathListFeeder(PathList& list) : list_(list) {}
    PathListFeeder(const PathListFeeder&) = delete;
    PathListFeeder& operator=(const PathListFeeder&) = delete;
    // Settles what is on its way, without passing on its error.
    ~PathListFeeder();

    void Add(const Text& entry);
    // As PathList's: key places and dedupes, line is what the list gives.
    void Add(const Text& key, const Text& line);

    // Returns once every entry given so far is in the list. An error raised while adding them (running out of
    // memory) comes out here; the entries before it are in the list, the ones after it are not.
    void Settle();

private:
    // Entries end to end, and where each one ends. An entry whose line is not its key has the line in
    // lines, after those of the entries before it, and its index and the line's end in lineEnds.
    struct Batch {
        Text bytes;
        std::vector<std::size_t> ends;
        Text lines;
        std::vector<std::pair<std::size_t, std::size_t>> lineEnds;
    };

    void HandOver();
    void Work();
    void AddAll(const Batch& batch);

    PathList& list_;
    Batch filling_;     // on this thread
    Text scratch_;      // the entry being added, on the thread that adds
    Text lineScratch_;  // its line, when that is another text

    WorkQueue<Batch> queue_{kQueuedBatches};
    // The first error of the second thread, which adds nothing after it; read once the queue is idle.
    std::exception_ptr error_;
    std::thread thread_;
};
