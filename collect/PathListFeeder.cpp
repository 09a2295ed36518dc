#include "collect/PathListFeeder.h"

#include <utility>

PathListFeeder::~PathListFeeder() {
    try {
        Settle();
    } catch (...) {
        // The list keeps what was added before the error; a destructor has no one to pass it to.
    }
    if (thread_.joinable()) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
}

void PathListFeeder::Add(const Text& entry) {
    filling_.bytes += entry;
    filling_.ends.push_back(filling_.bytes.size());
    if (filling_.ends.size() == kBatchEntries) HandOver();
}

void PathListFeeder::Add(const Text& key, const Text& line) {
    if (line != key) {
        filling_.lines += line;
        filling_.lineEnds.emplace_back(filling_.ends.size(), filling_.lines.size());
    }
    Add(key);
}

void PathListFeeder::Batch::Clear() {
    bytes.clear();
    ends.clear();
    lines.clear();
    lineEnds.clear();
}

void PathListFeeder::HandOver() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(filling_));
        if (!spare_.empty()) {
            filling_ = std::move(spare_.back());
            spare_.pop_back();
        } else {
            filling_ = Batch();
        }
    }
    filling_.Clear();
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Work(); });
    } else {
        changed_.notify_all();
    }
}

void PathListFeeder::Settle() {
    if (!thread_.joinable()) {
        // Too few entries to be worth a thread: they are added here.
        const Batch batch = std::exchange(filling_, Batch());
        AddAll(batch);
        return;
    }
    if (!filling_.ends.empty()) HandOver();
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !adding_; });
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void PathListFeeder::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (queue_.empty()) return;
        Batch batch = std::move(queue_.front());
        queue_.pop_front();
        adding_ = true;
        const bool failed = error_ != nullptr;
        lock.unlock();
        std::exception_ptr error;
        if (!failed) {
            try {
                AddAll(batch);
            } catch (...) {
                error = std::current_exception();
            }
        }
        lock.lock();
        if (error) error_ = error;
        batch.Clear();
        spare_.push_back(std::move(batch));
        adding_ = false;
        changed_.notify_all();
    }
}

void PathListFeeder::AddAll(const Batch& batch) {
    std::size_t start = 0;
    std::size_t lineStart = 0;
    auto line = batch.lineEnds.begin();
    for (std::size_t i = 0; i < batch.ends.size(); ++i) {
        const std::size_t end = batch.ends[i];
        scratch_.assign(batch.bytes, start, end - start);
        start = end;
        if (line != batch.lineEnds.end() && line->first == i) {
            lineScratch_.assign(batch.lines, lineStart, line->second - lineStart);
            lineStart = line->second;
            ++line;
            list_.Add(scratch_, lineScratch_);
        } else {
            list_.Add(scratch_);
        }
    }
}
