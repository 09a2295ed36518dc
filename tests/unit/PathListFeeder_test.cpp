#include "collect/PathListFeeder.h"

#include <gtest/gtest.h>

#include <new>
#include <random>
#include <string>
#include <vector>

#include "tests/fakes/FakeCollation.h"

namespace {

using Lines = std::vector<Text>;

// Entries with many that compare equal but are spelled differently, so that the first-added rule shows.
Lines MixedCaseEntries(int n) {
    std::mt19937 random(99);
    Lines entries;
    for (int i = 0; i < n; ++i) {
        Text entry = "C:\\d\\";
        const int length = 1 + static_cast<int>(random() % 4);
        for (int j = 0; j < length; ++j)
            entry += "aAbB_表"[random() % 7];
        entries.push_back(entry);
    }
    return entries;
}

Lines AddedDirectly(const Lines& entries) {
    FakeCollation collation{LetterCase::kIgnored};
    PathList list(collation);
    for (const Text& entry : entries)
        list.Add(entry);
    return list.Entries();
}

// A collation that fails at its n-th key, as running out of memory would.
class FailingCollation : public FakeCollation {
public:
    explicit FailingCollation(int failAt) : FakeCollation(LetterCase::kIgnored), failAt_(failAt) {}
    void SortKey(const Text& s, Text& key) override {
        if (++keys_ == failAt_) throw std::bad_alloc();
        FakeCollation::SortKey(s, key);
    }

private:
    int failAt_;
    int keys_ = 0;
};

// Few entries, a batch and a bit, many batches, and settling in the middle: the list ends as adding each
// entry directly leaves it, in order and spelling, with one key made per entry.
TEST(PathListFeeder, LeavesTheListAsAddingDirectlyWould) {
    for (const int n : {0, 5, static_cast<int>(PathListFeeder::kBatchEntries) + 1, 20000}) {
        SCOPED_TRACE(std::to_string(n) + " entries");
        const Lines entries = MixedCaseEntries(n);
        FakeCollation collation{LetterCase::kIgnored};
        PathList list(collation);
        PathListFeeder feeder(list);
        for (int i = 0; i < n; ++i) {
            feeder.Add(entries[static_cast<std::size_t>(i)]);
            if (i == n / 3) feeder.Settle();
        }
        feeder.Settle();
        EXPECT_EQ(list.Entries(), AddedDirectly(entries));
        EXPECT_EQ(collation.sortKeys, n);
    }
}

TEST(PathListFeeder, TheFeederGoneTheListHoldsEverything) {
    const Lines entries = MixedCaseEntries(3000);
    FakeCollation collation{LetterCase::kIgnored};
    PathList list(collation);
    {
        PathListFeeder feeder(list);
        for (const Text& entry : entries)
            feeder.Add(entry);
    }
    EXPECT_EQ(list.Entries(), AddedDirectly(entries));
}

// An error while adding comes out of Settle once; the entries before it are in the list, and the feeder goes
// on with entries given afterwards.
TEST(PathListFeeder, AnErrorWhileAddingComesOutOfSettle) {
    for (const int failAt : {3, 1000}) {
        SCOPED_TRACE("fails at key " + std::to_string(failAt));
        FailingCollation collation(failAt);
        PathList list(collation);
        PathListFeeder feeder(list);
        for (int i = 0; i < 2000; ++i)
            feeder.Add("C:\\f" + std::to_string(i));
        EXPECT_THROW(feeder.Settle(), std::bad_alloc);
        EXPECT_EQ(list.Size(), static_cast<std::size_t>(failAt - 1));
        feeder.Add("C:\\later");
        feeder.Settle();
        EXPECT_EQ(list.Size(), static_cast<std::size_t>(failAt));
    }
}

// Every third entry with a line of its own, among entries whose line is their key: across batches and in
// every order the list ends as adding each directly leaves it.
TEST(PathListFeeder, KeyAndLinePairsAsAddingDirectlyWould) {
    const Lines keys = MixedCaseEntries(static_cast<int>(PathListFeeder::kBatchEntries) * 5 + 7);
    for (const EntryOrder order : {EntryOrder::Locale, EntryOrder::Drop, EntryOrder::Natural}) {
        FakeCollation collation{LetterCase::kIgnored};
        PathList direct(collation), list(collation);
        direct.SetOrder(order);
        list.SetOrder(order);
        {
            PathListFeeder feeder(list);
            for (std::size_t i = 0; i < keys.size(); ++i) {
                const Text line = i % 3 == 0 ? "\"" + keys[i] + "\" " + std::to_string(i) : keys[i];
                direct.Add(keys[i], line);
                feeder.Add(keys[i], line);
            }
        }
        EXPECT_EQ(list.Entries(), direct.Entries()) << static_cast<int>(order);
    }
}

}  // namespace
