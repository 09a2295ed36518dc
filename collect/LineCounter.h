// Counts the lines of a text file block by block, with the line rules of LineSplitter, when nothing but their
// number and their bytes is wanted: 64 bytes at a time are turned into bit masks of their CR, LF and 0x1A
// units and counted whole; a line is looked at on its own only where a report falls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "collect/LineSplitter.h"
#include "collect/LineUnits.h"

template <typename Units>
class BasicLineCounter {
public:
    // report() is called right after every interval-th line is counted (Count() and Bytes() then include it,
    // and nothing after it); its false answer stops the counting there.
    explicit BasicLineCounter(std::int64_t interval) : interval_(interval), untilReport_(interval) {}

    // Lines counted so far, and the sum of their lengths in bytes without terminators.
    std::int64_t Count() const { return count_; }
    std::uint64_t Bytes() const { return units_ * Units::kBytes; }

    // Feeds the next block (not empty, whole units); nothing more may be fed after Stopped or Ended.
    template <typename Report>
    SplitStatus Feed(const char* data, std::size_t size, Report& report) {
        for (std::size_t at = 0; at < size; at += kChunkBytes) {
            // The units of this chunk.
            const std::size_t n = (size - at < kChunkBytes ? size - at : kChunkBytes) / Units::kBytes;
            std::uint64_t lineEnds, lineFeeds, fileEnds;
            Masks(data + at, n, lineEnds, lineFeeds, fileEnds);
            std::size_t limit = n;  // the units of this chunk before the end of the file
            if (fileEnds != 0) {
                limit = static_cast<std::size_t>(__builtin_ctzll(fileEnds));
                const std::uint64_t before = (std::uint64_t{1} << limit) - 1;
                lineEnds &= before;
                lineFeeds &= before;
            }
            // An LF right after a CR, in this chunk or at the end of the one before, belongs to the
            // terminator.
            const std::uint64_t terminators =
                lineEnds | (lineFeeds & ((lineEnds << 1) | static_cast<std::uint64_t>(afterLineEnd_)));
            afterLineEnd_ = limit == n && ((lineEnds >> (n - 1)) & 1) != 0;

            const std::uint64_t before = units_;
            const auto lines = static_cast<std::int64_t>(PopCount(lineEnds));
            if (lines < untilReport_) {
                count_ += lines;
                untilReport_ -= lines;
            } else {
                // A report falls in this chunk: at each line end the bytes stop there.
                for (std::uint64_t ends = lineEnds; ends != 0; ends &= ends - 1) {
                    const std::uint64_t earlier = (ends & (~ends + 1)) - 1;
                    units_ = before + PopCount(earlier) - PopCount(terminators & earlier);
                    if (!Counted(report)) return SplitStatus::Stopped;
                }
            }
            units_ = before + limit - PopCount(terminators);
            // Bytes after the last terminator open a line; a chunk without any continues the open one.
            if (limit != 0)
                open_ =
                    terminators == 0 || 64 - static_cast<std::size_t>(__builtin_clzll(terminators)) < limit;
            if (fileEnds != 0) {
                Finish(report);
                return SplitStatus::Ended;
            }
        }
        return SplitStatus::More;
    }

    // The physical end of the file: counts a last line that has bytes but no terminator.
    template <typename Report>
    void Finish(Report& report) {
        if (!open_) return;
        open_ = false;
        Counted(report);
    }

private:
    static constexpr std::size_t kChunkBytes = 64;

    template <typename Report>
    bool Counted(Report& report) {
        ++count_;
        if (--untilReport_ != 0) return true;
        untilReport_ = interval_;
        return report();
    }

    // The processor's population count is no part of the instruction set every x86-64 has.
    static std::uint64_t PopCount(std::uint64_t x) {
#if defined(__POPCNT__) || !defined(__x86_64__)
        return static_cast<std::uint64_t>(__builtin_popcountll(x));
#else
        x -= (x >> 1) & 0x5555555555555555u;
        x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
        x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
        return (x * 0x0101010101010101u) >> 56;
#endif
    }

    // Bit i of each mask is set when unit i of the chunk is CR, LF or 0x1A, for i below n.
    static void Masks(const char* chunk, std::size_t n, std::uint64_t& lineEnds, std::uint64_t& lineFeeds,
                      std::uint64_t& fileEnds) {
        lineEnds = 0;
        lineFeeds = 0;
        fileEnds = 0;
#if defined(__SSE2__)
        if (n * Units::kBytes == kChunkBytes) {
            Units::Masks64(chunk, lineEnds, lineFeeds, fileEnds);
            return;
        }
#endif
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned unit = Units::At(chunk + i * Units::kBytes);
            lineEnds |= static_cast<std::uint64_t>(unit == kLineEnd) << i;
            lineFeeds |= static_cast<std::uint64_t>(unit == kLineFeed) << i;
            fileEnds |= static_cast<std::uint64_t>(unit == kEndOfFile) << i;
        }
    }

    const std::int64_t interval_;
    std::int64_t untilReport_;
    std::int64_t count_ = 0;
    std::uint64_t units_ = 0;
    bool afterLineEnd_ = false;  // the chunk before ended in CR: an LF first in the next belongs to it
    bool open_ = false;          // a line has bytes but no end yet
};

using LineCounter = BasicLineCounter<ByteUnits>;
