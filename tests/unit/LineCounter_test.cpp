#include "collect/LineCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/RandomStops.h"
#include "text/Text.h"

namespace {

// What one counting saw: the count and bytes at every report, and at the end.
struct Tally {
    std::vector<std::pair<std::int64_t, std::uint64_t>> reports;
    std::int64_t count = 0;
    std::uint64_t bytes = 0;
};

// The splitter's lines, counted one by one: the reference the counter must agree with.
class SplitterSink {
public:
    SplitterSink(std::int64_t interval, std::size_t stopAtReport)
        : interval_(interval), stopAt_(stopAtReport) {}
    void Bytes(const char*, std::size_t size) { tally.bytes += size; }
    bool End() {
        if (++tally.count % interval_ != 0) return true;
        tally.reports.emplace_back(tally.count, tally.bytes);
        return tally.reports.size() != stopAt_;
    }
    Tally tally;

private:
    std::int64_t interval_;
    std::size_t stopAt_;
};

// Feeds bytes in blocks of the given sizes (the last size repeats; whole units), as the reader does, to
// either side.
template <typename Splitter, typename Sink>
void FeedAll(const Text& bytes, const std::vector<std::size_t>& blocks, Splitter& splitter, Sink& sink) {
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t size = std::min(blocks[std::min(i, blocks.size() - 1)], bytes.size() - at);
        if (splitter.Feed(bytes.data() + at, size, sink) != SplitStatus::More) return;
        at += size;
    }
    splitter.Finish(sink);
}

template <typename Units = ByteUnits>
Tally Reference(const Text& bytes, const std::vector<std::size_t>& blocks, std::int64_t interval,
                std::size_t stopAt) {
    BasicLineSplitter<Units> splitter;
    SplitterSink sink(interval, stopAt);
    FeedAll(bytes, blocks, splitter, sink);
    return sink.tally;
}

template <typename Units = ByteUnits>
Tally Counted(const Text& bytes, const std::vector<std::size_t>& blocks, std::int64_t interval,
              std::size_t stopAt) {
    BasicLineCounter<Units> counter(interval);
    Tally tally;
    auto report = [&] {
        tally.reports.emplace_back(counter.Count(), counter.Bytes());
        return tally.reports.size() != stopAt;
    };
    FeedAll(bytes, blocks, counter, report);
    tally.count = counter.Count();
    tally.bytes = counter.Bytes();
    return tally;
}

TEST(LineCounterTest, CountsTheLinesAndBytesOfTheLineRules) {
    struct Case {
        const char* name;
        Text bytes;
        std::int64_t lines;
        std::uint64_t lineBytes;
    };
    // 0x1A is written \032: a hexadecimal escape would take the letters after it.
    const Case cases[] = {
        {"CR LF, a lone CR, an LF inside a line, 0x1A ends", "a\r\nb\rc\nd\032e\r\n", 3, 5},
        {"a terminator at the very end opens no line", "ab\r\n", 1, 2},
        {"a last line without terminator", "ab\r\ncd", 2, 4},
        {"empty lines between terminators", "\r\n\r\r\n", 3, 0},
        {"LF alone ends nothing", "a\nb\nc\n", 1, 6},
        {"0x1A first", "\032abc\r\n", 0, 0},
        {"nothing", "", 0, 0},
        {"CR LF LF: the second LF begins a line", "a\r\n\nb", 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::size_t block : {std::size_t{1}, std::size_t{2}, std::size_t{64}, std::size_t{4096}}) {
            const Tally tally = Counted(c.bytes, {block}, 1000, 0);
            EXPECT_EQ(tally.count, c.lines);
            EXPECT_EQ(tally.bytes, c.lineBytes);
        }
    }
}

// Random files of dense and sparse stops, in random blocks: the same counts, bytes and report points as the
// splitter's lines, also when a report stops the counting.
TEST(LineCounterTest, AgreesWithTheSplitterOnRandomFiles) {
    RandomStops stops(7177, Text("\r\n\x1A\r\r\n\x8D\x9A\x0A", 9), "ab\x81\x40\x5C\xFF\x7F\x80 !", 4000,
                      {40, 4, 1});
    std::mt19937& random = stops.random;
    for (int round = 0; round < 800; ++round) {
        const Text bytes = stops.File(round);
        const std::vector<std::size_t> blocks = {1 + random() % 130, 1 + random() % 70, 1 + random() % 200};
        const std::int64_t interval = 1 + static_cast<std::int64_t>(random() % 40);
        const std::size_t stopAt = round % 4 == 0 ? 1 + random() % 5 : 0;
        SCOPED_TRACE("round " + std::to_string(round));
        const Tally expected = Reference(bytes, blocks, interval, stopAt);
        const Tally tally = Counted(bytes, blocks, interval, stopAt);
        EXPECT_EQ(tally.reports, expected.reports);
        EXPECT_EQ(tally.count, expected.count);
        EXPECT_EQ(tally.bytes, expected.bytes);
    }
}

// The same in UTF-16 units of both byte orders, each random byte standing for a unit: the stops, units that
// hold the byte of a stop (不 is 0x4E0D) and ordinary ones; blocks of whole units.
template <typename Units>
void AgreesInUtf16(bool bigEndian) {
    RandomStops stops(4096, Text("\r\n\x1A\r\r\nabc", 9), "xyz !", 4000, {40, 4, 1});
    std::mt19937& random = stops.random;
    const auto unitOf = [](char c) -> char16_t {
        switch (c) {
            case 'a':
                return u'不';
            case 'b':
                return 0x0D0A;
            case 'c':
                return 0x1A0D;
            default:
                return static_cast<unsigned char>(c);
        }
    };
    for (int round = 0; round < 300; ++round) {
        Text bytes;
        for (const char c : stops.File(round)) {
            const char16_t unit = unitOf(c);
            bytes += static_cast<char>(bigEndian ? unit >> 8 : unit & 0xFF);
            bytes += static_cast<char>(bigEndian ? unit & 0xFF : unit >> 8);
        }
        const std::vector<std::size_t> blocks = {2 + 2 * (random() % 65), 2 + 2 * (random() % 35),
                                                 2 + 2 * (random() % 100)};
        const std::int64_t interval = 1 + static_cast<std::int64_t>(random() % 40);
        const std::size_t stopAt = round % 4 == 0 ? 1 + random() % 5 : 0;
        SCOPED_TRACE("round " + std::to_string(round));
        const Tally expected = Reference<Units>(bytes, blocks, interval, stopAt);
        const Tally tally = Counted<Units>(bytes, blocks, interval, stopAt);
        EXPECT_EQ(tally.reports, expected.reports);
        EXPECT_EQ(tally.count, expected.count);
        EXPECT_EQ(tally.bytes, expected.bytes);
    }
}

TEST(LineCounterTest, AgreesWithTheSplitterInUtf16OfBothByteOrders) {
    AgreesInUtf16<Utf16Units<false>>(false);
    AgreesInUtf16<Utf16Units<true>>(true);
}

}  // namespace
