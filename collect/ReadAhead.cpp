#include "collect/ReadAhead.h"

#include <chrono>
#include <system_error>
#include <utility>

ReadAhead::ReadAhead(FileReader& files, std::size_t capacity, std::size_t depth, std::size_t budget,
                     unsigned workers)
    : files_(files), capacity_(capacity), depth_(depth), budget_(budget), workerCount_(workers) {}

ReadAhead::~ReadAhead() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void ReadAhead::Expect(const Text& path) {
    if (workerCount_ == 0) return;
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (workers_.empty()) {
            // Without a worker nothing is read ahead, and every file is read where it is taken, as before.
            try {
                for (unsigned i = 0; i < workerCount_; ++i)
                    workers_.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                if (workers_.empty()) return;
            }
        }
        if (!entries_.emplace(path, Entry{}).second) return;
        queue_.push_front(path);
        wake = idle_ > 0;
    }
    if (wake) changed_.notify_one();
}

std::optional<Text> ReadAhead::Take(const Text& path) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto found = entries_.find(path);
    // A file to come is mostly read within a round trip or two to the system; waking this thread through a
    // condition would cost more than that under Wine, so it yields until the file is read, and sleeps
    // between looks only once that takes long (a slow share). Workers out of room never come to a file still
    // waiting: it is read by the caller.
    const auto coming = [&] {
        return found != entries_.end() &&
               (found->second.stage == Stage::Reading ||
                (found->second.stage == Stage::Waiting && HasRoom() && !stopping_));
    };
    for (int looks = 0; coming(); ++looks) {
        lock.unlock();
        if (looks < kYieldingLooks) {
            std::this_thread::yield();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        lock.lock();
        found = entries_.find(path);
    }
    if (found == entries_.end()) return std::nullopt;
    std::optional<Text> bytes;
    bool wake = false;
    if (found->second.stage == Stage::Read) {
        bytes = std::move(found->second.bytes);
        --held_;
        heldBytes_ -= bytes->size();
        wake = idle_ > 0 && !queue_.empty() && HasRoom();
    }
    // A file still waiting is dropped: the worker that comes to it finds it gone.
    entries_.erase(found);
    lock.unlock();
    if (wake) changed_.notify_all();
    return bytes;
}

void ReadAhead::Forget() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.clear();
        entries_.clear();
        held_ = 0;
        heldBytes_ = 0;
        ++generation_;
    }
    changed_.notify_all();
}

void ReadAhead::Work() {
    std::vector<char> buffer;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        while (!stopping_ && (queue_.empty() || !HasRoom())) {
            ++idle_;
            changed_.wait(lock);
            --idle_;
        }
        if (stopping_) return;
        const Text path = std::move(queue_.front());
        queue_.pop_front();
        const auto found = entries_.find(path);
        if (found == entries_.end() || found->second.stage != Stage::Waiting) continue;
        found->second.stage = Stage::Reading;
        const std::size_t generation = generation_;
        lock.unlock();
        std::optional<Text> bytes = ReadWhole(path, buffer);
        lock.lock();
        // The entry may have been forgotten meanwhile, and the same path asked for again.
        if (generation != generation_) continue;
        const auto reading = entries_.find(path);
        if (reading == entries_.end()) continue;
        if (bytes) {
            heldBytes_ += bytes->size();
            reading->second.bytes = std::move(*bytes);
            reading->second.stage = Stage::Read;
            ++held_;
        } else {
            reading->second.stage = Stage::Failed;
        }
    }
}

// The file's bytes when it could be opened and read to its end within the capacity; anything else is left
// to the reader, which meets it as it always has.
std::optional<Text> ReadAhead::ReadWhole(const Text& path, std::vector<char>& buffer) {
    try {
        FileReader::OpenResult opened = files_.Open(path);
        if (!opened.file) return std::nullopt;
        // One byte beyond the capacity tells a file that does not end within it.
        buffer.resize(capacity_ + 1);
        std::size_t size = 0;
        while (size <= capacity_) {
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
