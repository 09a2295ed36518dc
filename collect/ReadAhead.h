// Reads small files on worker threads before the file contents reader comes to them. Each open, read and
// close is a round trip to the system that leaves the processor waiting (some 0.15 ms under Wine); with two
// workers those waits overlap each other and the walk, and a drop of many small files is no longer a queue of
// them. What the reader does with the bytes (lines, counts, reports, aborts, errors) stays on its own thread
// and in its own order: a file that was not read ahead whole is read there as before.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/FileReader.h"
#include "text/Text.h"

class ReadAhead {
public:
    // files is used on the worker threads: its Open, and Read of the files it opens, must allow that. A file
    // is kept only when it ends within capacity bytes; the files read and not yet taken stay within depth
    // files and budget bytes (one file may pass the budget).
    ReadAhead(FileReader& files, std::size_t capacity, std::size_t depth, std::size_t budget,
              unsigned workers);
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;
    ~ReadAhead();

    // Asks for path to be read, before every file asked for earlier: a walk tells of a folder's files last to
    // first, and it hands them all over before it goes on with the folders around it. A path asked for and
    // not yet taken or forgotten is not asked for again.
    void Expect(const Text& path);

    // The whole file at path, if it was read ahead; it is then forgotten. Waits while its read is under way,
    // or still to come with the workers free to come to it; otherwise it is dropped, as is a file that could
    // not be read whole, and the caller reads it itself.
    std::optional<Text> Take(const Text& path);

    // Forgets every file asked for; reads under way end on their own, and their bytes are dropped.
    void Forget();

private:
    // Looks at a file to come that Take makes by yielding before it starts sleeping between them.
    static constexpr int kYieldingLooks = 1000;

    enum class Stage { Waiting, Reading, Read, Failed };
    struct Entry {
        Stage stage = Stage::Waiting;
        Text bytes;
    };

    // Under mutex_: whether the workers may read another file.
    bool HasRoom() const { return held_ < depth_ && heldBytes_ < budget_; }
    void Work();
    std::optional<Text> ReadWhole(const Text& path, std::vector<char>& buffer);

    FileReader& files_;
    const std::size_t capacity_;
    const std::size_t depth_;
    const std::size_t budget_;
    const unsigned workerCount_;

    std::mutex mutex_;
    std::condition_variable changed_;          // wakes idle workers
    std::deque<Text> queue_;                   // paths to read, next first; some taken or forgotten since
    std::unordered_map<Text, Entry> entries_;  // every path asked for and not yet taken or forgotten
    std::size_t held_ = 0;                     // entries Read, waiting to be taken
    std::size_t heldBytes_ = 0;                // their bytes
    unsigned idle_ = 0;                        // workers waiting for a file to read
    std::size_t generation_ = 0;               // counts Forget calls: a read from before one is dropped
    bool stopping_ = false;
    std::vector<std::thread> workers_;  // started with the first Expect
};
