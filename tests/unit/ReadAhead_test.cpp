#include "collect/ReadAhead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>

namespace {

// Files in memory that may be opened from any thread; reads deliver at most 3 bytes, and a file named
// "broken" fails its second read. While held, every open waits until released.
class SharedFiles : public FileReader {
public:
    std::map<Text, Text> contents;
    std::atomic<int> opens{0};

    void Hold() {
        const std::lock_guard<std::mutex> lock(mutex_);
        held_ = true;
    }
    void Release() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            held_ = false;
        }
        released_.notify_all();
    }
    // Waits until n opens have begun, or until n files have been closed or failed to open.
    void AwaitOpens(int n) {
        std::unique_lock<std::mutex> lock(mutex_);
        begun_.wait(lock, [&] { return opens >= n; });
    }
    void AwaitDone(int n) {
        std::unique_lock<std::mutex> lock(mutex_);
        begun_.wait(lock, [&] { return done_ >= n; });
    }

    bool Exists(const Text& path) override { return contents.count(path) != 0; }
    std::optional<EntryFacts> PlainFileFacts(const Text& path) override {
        if (!contents.count(path)) return std::nullopt;
        EntryFacts facts;
        facts.size = contents.at(path).size();
        return facts;
    }
    // The contents are taken as the open begins.
    OpenResult Open(const Text& path) override {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto found = contents.find(path);
        const std::optional<Text> bytes =
            found == contents.end() ? std::nullopt : std::optional<Text>(found->second);
        ++opens;
        begun_.notify_all();
        released_.wait(lock, [&] { return !held_; });
        if (!bytes) {
            Done();
            return {nullptr, 2};
        }
        return {std::make_unique<Piecewise>(*this, *bytes, path == "broken"), 0};
    }
    bool AllowsConcurrentReads() const override { return true; }

private:
    class Piecewise : public SequentialFile {
    public:
        Piecewise(SharedFiles& files, const Text& bytes, bool fails)
            : files_(files), bytes_(bytes), fails_(fails) {}
        ~Piecewise() override {
            const std::lock_guard<std::mutex> lock(files_.mutex_);
            files_.Done();
        }
        ReadResult Read(char* buffer, std::size_t capacity) override {
            if (fails_ && reads_++ == 1) return {0, true, 23};
            const std::size_t size = std::min({capacity, bytes_.size() - at_, std::size_t{3}});
            std::copy_n(bytes_.data() + at_, size, buffer);
            at_ += size;
            return {size, false, 0};
        }

    private:
        SharedFiles& files_;
        const Text bytes_;
        const bool fails_;
        std::size_t at_ = 0;
        int reads_ = 0;
    };

    // Under mutex_.
    void Done() {
        ++done_;
        begun_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable begun_;
    std::condition_variable released_;
    bool held_ = false;
    int done_ = 0;
};

const ReadAhead::KeepWaiting kWaitOn = [] { return true; };
// Long enough for every worker that is not held to end.
constexpr std::chrono::milliseconds kStopWait{10000};

// Holds the files and asks for path: returns once a worker has begun to open it, where it waits until the
// files are released.
void BeginHeldRead(SharedFiles& files, ReadAhead& ahead, const Text& path) {
    const int before = files.opens;
    files.Hold();
    ahead.Expect(path);
    files.AwaitOpens(before + 1);
}

TEST(ReadAheadTest, GivesWholeFilesWithinTheCapacityAndNothingElse) {
    SharedFiles files;
    files.contents = {{"a", "one\r\ntwo"},
                      {"empty", ""},
                      {"full", "12345678"},
                      {"over", "123456789"},
                      {"broken", "abcdef"}};
    ReadAhead ahead(files, 8, 16, 1024, 2, kStopWait);
    for (const Text path : {"a", "empty", "full", "over", "broken", "missing"})
        ahead.Expect(path);
    files.AwaitDone(6);
    EXPECT_EQ(ahead.Take("a", kWaitOn), Text("one\r\ntwo"));
    EXPECT_EQ(ahead.Take("empty", kWaitOn), Text());
    EXPECT_EQ(ahead.Take("full", kWaitOn), Text("12345678"));
    for (const Text path : {"over", "broken", "missing", "never asked"})
        EXPECT_EQ(ahead.Take(path, kWaitOn), std::nullopt) << path;
    // Taken once: the next take is the reader's own read.
    EXPECT_EQ(ahead.Take("a", kWaitOn), std::nullopt);
}

TEST(ReadAheadTest, TakeWaitsForAFileToComeAndDropsOneTheWorkersHaveNoRoomFor) {
    SharedFiles files;
    files.contents = {{"a", "A"}, {"b", "B"}, {"c", "C"}};
    ReadAhead ahead(files, 8, 1, 1024, 1, kStopWait);
    // The one worker is under way with c before b and a are asked for.
    BeginHeldRead(files, ahead, "c");
    ahead.Expect("b");
    ahead.Expect("a");
    files.Release();
    // c fills the room, so a, next in line, is not to come; taking c makes room for b.
    EXPECT_EQ(ahead.Take("a", kWaitOn), std::nullopt);
    EXPECT_EQ(ahead.Take("c", kWaitOn), Text("C"));
    EXPECT_EQ(ahead.Take("b", kWaitOn), Text("B"));
    EXPECT_EQ(files.opens, 2);
}

TEST(ReadAheadTest, ForgottenFilesAreReadAgainWhenAskedForAgain) {
    SharedFiles files;
    files.contents = {{"f", "old"}};
    ReadAhead ahead(files, 8, 16, 1024, 1, kStopWait);
    BeginHeldRead(files, ahead, "f");
    ahead.Forget();
    files.contents["f"] = "new";
    ahead.Expect("f");
    files.Release();
    files.AwaitOpens(2);
    EXPECT_EQ(ahead.Take("f", kWaitOn), Text("new"));
}

TEST(ReadAheadTest, FilesTakenAgainstTheWorkersOrderNeverHangOnTheDepth) {
    SharedFiles files;
    for (int i = 0; i < 200; ++i)
        files.contents["f" + std::to_string(i)] = std::to_string(i);
    ReadAhead ahead(files, 8, 4, 1024, 2, kStopWait);
    for (int i = 0; i < 200; ++i)
        ahead.Expect("f" + std::to_string(i));
    // Asked last first, so taken first to last they come against the workers' order.
    for (int i = 0; i < 200; ++i) {
        const std::optional<Text> got = ahead.Take("f" + std::to_string(i), kWaitOn);
        if (got) {
            EXPECT_EQ(*got, std::to_string(i));
        }
    }
}

TEST(ReadAheadTest, AWaitForAReadThatDoesNotEndServesTheCallerUntilItGivesUp) {
    SharedFiles files;
    files.contents = {{"stuck", "S"}};
    ReadAhead ahead(files, 8, 16, 1024, 1, kStopWait);
    BeginHeldRead(files, ahead, "stuck");
    int asked = 0;
    EXPECT_EQ(ahead.Take("stuck", [&] { return ++asked < 3; }), std::nullopt);
    EXPECT_EQ(asked, 3);
    // Given up, the file is forgotten: the read that ends later is dropped.
    files.Release();
    files.AwaitDone(1);
    EXPECT_EQ(ahead.Take("stuck", kWaitOn), std::nullopt);
}

TEST(ReadAheadTest, TheEndLeavesAWorkerStuckInACallBehind) {
    SharedFiles files;
    files.contents = {{"stuck", "S"}};
    auto ahead = std::make_unique<ReadAhead>(files, 8, 16, 1024, 2, std::chrono::milliseconds(10));
    BeginHeldRead(files, *ahead, "stuck");
    // Returns although the open never ends while the files are held.
    ahead.reset();
    // The worker left behind ends once its call does: it closes its file and touches nothing else.
    files.Release();
    files.AwaitDone(1);
    EXPECT_EQ(files.opens, 1);
}

}  // namespace
