// Reads small files on worker threads before the file contents reader comes to them. Each open, read and
// close is a round trip to the system that leaves the processor waiting (some 0.15 ms under Wine); with two
// workers those waits overlap each other and the walk, and a drop of many small files is no longer a queue of
// them. What the reader does with the bytes (lines, counts, reports, aborts, errors) stays on its own thread
// and in its own order: a file that was not read ahead whole is read there as before.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/FileReader.h"
#include "text/Text.h"

class ReadAhead {
public:
    // Called while Take waits longer than a few round trips to the system, and again at intervals: it serves
    // the user (messages, the abort key) and answers whether to go on waiting.
    using KeepWaiting = std::function<bool()>;

    // files is used on the worker threads: its Open, and Read of the files it opens, must allow that. A file
    // is kept only when it ends within capacity bytes; the files read and not yet taken stay within depth
    // files and budget bytes (one file may pass the budget). Destruction waits at most stopWait for the
    // workers.
    ReadAhead(FileReader& files, std::size_t capacity, std::size_t depth, std::size_t budget,
              unsigned workers, std::chrono::milliseconds stopWait);
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;
    // Stops the workers. A worker still inside a call of files after stopWait (a read that never ends) is
    // left behind: once the call returns it closes its file and ends, touching nothing else, so that closing
    // the program never waits on such a read.
    ~ReadAhead();

    // Asks for path to be read, before every file asked for earlier: a walk tells of a folder's files last to
    // first, and it hands them all over before it goes on with the folders around it. A path asked for and
    // not yet taken or forgotten is not asked for again.
    void Expect(const Text& path);

    // The whole file at path, if it was read ahead; it is then forgotten. Waits while its read is under way,
    // or still to come with the workers free to come to it, for as long as keepWaiting allows; otherwise it
    // is dropped, as is a file that could not be read whole, and the caller reads it itself.
    std::optional<Text> Take(const Text& path, const KeepWaiting& keepWaiting);

    // Forgets every file asked for; reads under way end on their own, and their bytes are dropped.
    void Forget();

private:
    // Looks at a file to come that Take makes by yielding before it starts waiting to be woken.
    static constexpr int kYieldingLooks = 1000;
    // How often a waiting Take asks keepWaiting.
    static constexpr std::chrono::milliseconds kWaitingInterval{20};

    enum class Stage { Waiting, Reading, Read, Failed };
    struct Entry {
        Stage stage = Stage::Waiting;
        Text bytes;
    };

    // What the workers share with the owner; a worker keeps it alive until it ends, the owner's end included.
    struct Shared {
        Shared(FileReader& files, std::size_t capacity, std::size_t depth, std::size_t budget)
            : files(files), capacity(capacity), depth(depth), budget(budget) {}

        // Under mutex: whether the workers may read another file.
        bool HasRoom() const { return held < depth && heldBytes < budget; }

        FileReader& files;
        const std::size_t capacity;
        const std::size_t depth;
        const std::size_t budget;

        std::mutex mutex;
        std::condition_variable changed;          // wakes idle workers
        std::condition_variable settled;          // a read ended, or a worker did
        std::deque<Text> queue;                   // paths to read, next first; some taken or forgotten since
        std::unordered_map<Text, Entry> entries;  // every path asked for and not yet taken or forgotten
        std::size_t held = 0;                     // entries Read, waiting to be taken
        std::size_t heldBytes = 0;                // their bytes
        unsigned idle = 0;                        // workers waiting for a file to read
        unsigned running = 0;                     // workers started and not ended
        std::size_t generation = 0;               // counts Forget calls: a read from before one is dropped
        bool stopping = false;
    };

    static void Work(const std::shared_ptr<Shared>& shared);
    static std::optional<Text> ReadWhole(Shared& shared, const Text& path, std::vector<char>& buffer);

    const unsigned workerCount_;
    const std::chrono::milliseconds stopWait_;
    const std::shared_ptr<Shared> shared_;
    bool started_ = false;  // the workers are started with the first Expect
};
