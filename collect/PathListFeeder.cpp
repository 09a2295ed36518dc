#include "collect/PathListFeeder.h"

#include <utility>

PathListFeeder::~PathListFeeder() {
    try {
        Settle();
    } catch (...) {
        // The list keeps what was added before the error; a destructor has no one to pass it to.
    }
    if (thread_.joinable()) {
        queue_.Abort();
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

void PathListFeeder::HandOver() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Work(); });
    queue_.Push(std::exchange(filling_, Batch()));
}

void PathListFeeder::Settle() {
    if (!thread_.joinable()) {
        // Too few entries to be worth a thread: they are added here.
        const Batch batch = std::exchange(filling_, Batch());
        AddAll(batch);
        return;
    }
    if (!filling_.ends.empty()) HandOver();
    queue_.WaitIdle();
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void PathListFeeder::Work() {
    while (std::optional<Batch> batch = queue_.Pop()) {
        if (!error_) {
            try {
                AddAll(*batch);
            } catch (...) {
                error_ = std::current_exception();
            }
        }
        queue_.Done();
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
