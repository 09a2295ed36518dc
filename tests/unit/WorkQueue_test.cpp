#include "collect/WorkQueue.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

// One producer and one consumer through a queue of the given capacity; the consumer aborts the queue once it
// has taken stopAfter items (never when that is past the end). What each side saw.
struct Passage {
    std::size_t pushed = 0;          // pushes that were accepted
    std::vector<std::size_t> taken;  // in the order popped
    bool pushRefused = false;
};

Passage PassThrough(std::size_t capacity, std::size_t count, std::size_t stopAfter) {
    WorkQueue<std::size_t> queue(capacity);
    Passage run;
    std::thread consumer([&] {
        while (const std::optional<std::size_t> item = queue.Pop()) {
            run.taken.push_back(*item);
            queue.Done();
            if (run.taken.size() == stopAfter) queue.Abort();
        }
    });
    for (std::size_t i = 0; i < count; ++i) {
        if (!queue.Push(i)) {
            run.pushRefused = true;
            break;
        }
        ++run.pushed;
    }
    if (!run.pushRefused) {
        queue.WaitIdle();
        queue.Abort();
    }
    consumer.join();
    return run;
}

void ExpectInOrder(const Passage& run) {
    for (std::size_t i = 0; i < run.taken.size(); ++i)
        ASSERT_EQ(run.taken[i], i);
}

TEST(WorkQueue, EveryItemArrivesOnceInOrderThroughAnyCapacity) {
    for (const std::size_t capacity : {1, 2, 7}) {
        const Passage run = PassThrough(capacity, 5000, SIZE_MAX);
        EXPECT_EQ(run.pushed, 5000u) << capacity;
        EXPECT_EQ(run.taken.size(), 5000u) << capacity;
        ExpectInOrder(run);
    }
}

TEST(WorkQueue, AbortEndsBothSidesAndLosesNothingTakenBeforeIt) {
    for (const std::size_t stopAfter : {1, 100, 4999}) {
        const Passage run = PassThrough(3, 100000, stopAfter);
        EXPECT_EQ(run.taken.size(), stopAfter);
        EXPECT_TRUE(run.pushRefused) << stopAfter;
        EXPECT_LE(run.pushed, stopAfter + 3) << "more accepted than taken plus the capacity";
        ExpectInOrder(run);
    }
}

TEST(WorkQueue, APushBeyondTheCapacityWaitsUntilAborted) {
    WorkQueue<int> queue(2);
    ASSERT_TRUE(queue.Push(1));
    ASSERT_TRUE(queue.Push(2));
    bool accepted = true;
    std::thread pusher([&] { accepted = queue.Push(3); });
    queue.Abort();
    pusher.join();
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(queue.Pop().has_value());
}

TEST(WorkQueue, WaitIdleSeesWhatTheWorkerWroteBeforeDone) {
    WorkQueue<int> queue(4);
    long long sum = 0;
    std::thread worker([&] {
        while (const std::optional<int> item = queue.Pop()) {
            sum += *item;
            queue.Done();
        }
    });
    long long expected = 0;
    for (int round = 1; round <= 50; ++round) {
        for (int i = 0; i < round; ++i) {
            ASSERT_TRUE(queue.Push(i));
            expected += i;
        }
        queue.WaitIdle();
        ASSERT_EQ(sum, expected) << round;
    }
    queue.Abort();
    worker.join();
}

// Several pairs at once, more threads than processors, so that every wait is met with the other side
// descheduled at some point.
TEST(WorkQueue, StressUnderLoad) {
    std::vector<Passage> runs(6);
    std::vector<std::thread> pairs;
    for (std::size_t i = 0; i < runs.size(); ++i)
        pairs.emplace_back([&runs, i] { runs[i] = PassThrough(1 + i % 3, 20000, i % 2 ? 15000 : SIZE_MAX); });
    for (std::thread& pair : pairs)
        pair.join();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].taken.size(), i % 2 ? 15000u : 20000u) << i;
        ExpectInOrder(runs[i]);
    }
}

}  // namespace
