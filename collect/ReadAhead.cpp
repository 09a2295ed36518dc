#include "collect/ReadAhead.h"

#include <system_error>
#include <thread>
#include <utility>

ReadAhead::ReadAhead(FileReader& files, std::size_t capacity, std::size_t depth, std::size_t budget,
                     unsigned workers, std::chrono::milliseconds stopWait)
    : workerCount_(workers),
      stopWait_(stopWait),
      shared_(std::make_shared<Shared>(files, capacity, depth, budget)) {}

ReadAhead::~ReadAhead() {
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->stopping = true;
    shared_->changed.notify_all();
    // Reads of small files end within a round trip or two; the wait is long only for a read that is stuck.
    shared_->settled.wait_for(lock, stopWait_, [&] { return shared_->running == 0; });
}

void ReadAhead::Expect(const Text& path) {
    if (workerCount_ == 0) return;
    Shared& s = *shared_;
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(s.mutex);
        if (!started_) {
            started_ = true;
            // Without a worker nothing is read ahead, and every file is read where it is taken, as before.
            // The workers are detached: each holds what it shares, and the owner's end waits for them only so
            // long.
            try {
                for (unsigned i = 0; i < workerCount_; ++i) {
                    std::thread([shared = shared_] { Work(shared); }).detach();
                    ++s.running;
                }
            } catch (const std::system_error&) {
            }
        }
        if (s.running == 0) return;
        if (!s.entries.emplace(path, Entry{}).second) return;
        s.queue.push_front(path);
        wake = s.idle > 0;
    }
    if (wake) s.changed.notify_one();
}

std::optional<Text> ReadAhead::Take(const Text& path, const KeepWaiting& keepWaiting) {
    Shared& s = *shared_;
    std::unique_lock<std::mutex> lock(s.mutex);
    // A file to come is mostly read within a round trip or two to the system; waking this thread through a
    // condition would cost more than that under Wine, so it yields until the file is read, and waits to be
    // woken only once that takes long (a slow share), serving the user between waits. Workers out of room
    // never come to a file still waiting: it is read by the caller.
    const auto coming = [&] {
        const auto found = s.entries.find(path);
        return found != s.entries.end() &&
               (found->second.stage == Stage::Reading ||
                (found->second.stage == Stage::Waiting && s.HasRoom() && !s.stopping));
    };
    for (int looks = 0; coming(); ++looks) {
        if (looks < kYieldingLooks) {
            lock.unlock();
            std::this_thread::yield();
            lock.lock();
        } else if (!s.settled.wait_for(lock, kWaitingInterval, [&] { return !coming(); })) {
            lock.unlock();
            const bool goOn = keepWaiting();
            lock.lock();
            // Given up: the file is dropped, and a read of it still under way finds it gone.
            if (!goOn) break;
        }
    }
    const auto found = s.entries.find(path);
    if (found == s.entries.end()) return std::nullopt;
    std::optional<Text> bytes;
    bool wake = false;
    if (found->second.stage == Stage::Read) {
        bytes = std::move(found->second.bytes);
        --s.held;
        s.heldBytes -= bytes->size();
        wake = s.idle > 0 && !s.queue.empty() && s.HasRoom();
    }
    // A file still waiting is dropped: the worker that comes to it finds it gone.
    s.entries.erase(found);
    lock.unlock();
    if (wake) s.changed.notify_all();
    return bytes;
}

void ReadAhead::Forget() {
    Shared& s = *shared_;
    {
        const std::lock_guard<std::mutex> lock(s.mutex);
        s.queue.clear();
        s.entries.clear();
        s.held = 0;
        s.heldBytes = 0;
        ++s.generation;
    }
    s.changed.notify_all();
}

void ReadAhead::Work(const std::shared_ptr<Shared>& shared) {
    Shared& s = *shared;
    std::vector<char> buffer;
    std::unique_lock<std::mutex> lock(s.mutex);
    for (;;) {
        while (!s.stopping && (s.queue.empty() || !s.HasRoom())) {
            ++s.idle;
            s.changed.wait(lock);
            --s.idle;
        }
        if (s.stopping) break;
        const Text path = std::move(s.queue.front());
        s.queue.pop_front();
        const auto found = s.entries.find(path);
        if (found == s.entries.end() || found->second.stage != Stage::Waiting) continue;
        found->second.stage = Stage::Reading;
        const std::size_t generation = s.generation;
        lock.unlock();
        std::optional<Text> bytes = ReadWhole(s, path, buffer);
        lock.lock();
        // The entry may have been forgotten meanwhile, and the same path asked for again.
        if (generation != s.generation) continue;
        const auto reading = s.entries.find(path);
        if (reading == s.entries.end()) continue;
        if (bytes) {
            s.heldBytes += bytes->size();
            reading->second.bytes = std::move(*bytes);
            reading->second.stage = Stage::Read;
            ++s.held;
        } else {
            reading->second.stage = Stage::Failed;
        }
        s.settled.notify_all();
    }
    --s.running;
    s.settled.notify_all();
}

// The file's bytes when it could be opened and read to its end within the capacity; anything else is left
// to the reader, which meets it as it always has.
std::optional<Text> ReadAhead::ReadWhole(Shared& shared, const Text& path, std::vector<char>& buffer) {
    try {
        FileReader::OpenResult opened = shared.files.Open(path);
        if (!opened.file) return std::nullopt;
        // One byte beyond the capacity tells a file that does not end within it.
        buffer.resize(shared.capacity + 1);
        std::size_t size = 0;
        while (size <= shared.capacity) {
            const SequentialFile::ReadResult got =
                opened.file->Read(buffer.data() + size, buffer.size() - size);
            if (got.failed) return std::nullopt;
            if (got.bytes == 0) return Text(buffer.data(), size);
            size += got.bytes;
        }
        return std::nullopt;
    } catch (...) {
        // Out of memory here costs only the read ahead; the reader reads the file itself and meets the
        // shortage, if it lasts, where it can tell the user.
        return std::nullopt;
    }
}
