// Splits the bytes of a text file into lines, block by block. A line ends at CR; an LF right after that CR
// belongs to the terminator, while an LF anywhere else is an ordinary byte of its line. The first 0x1A ends
// the file, as does its physical end. The last line needs no terminator, and a terminator at the very end
// opens no further line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the word scan takes the lowest byte as the first");

constexpr char kLineEnd = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = 0x1A;

// True when a byte of the word is below 0x20. Most words of a text hold none, and a stop is one, so this
// cheap test passes over most of the bytes.
inline bool HasControlByte(std::uint64_t word) {
    constexpr std::uint64_t spaces = 0x2020202020202020;
    constexpr std::uint64_t highs = 0x8080808080808080;
    return ((word - spaces) & ~word & highs) != 0;
}

// The high bit of each byte of the word that is a CR or a 0x1A.
inline std::uint64_t LineStops(std::uint64_t word) {
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t cr = word ^ (ones * static_cast<unsigned char>(kLineEnd));
    const std::uint64_t eof = word ^ (ones * static_cast<unsigned char>(kEndOfFile));
    // A byte is zero exactly when adding 0x7F to its low seven bits carries nothing into its high bit and its
    // high bit is clear.
    return ~(((cr & lows) + lows) | cr | lows) | ~(((eof & lows) + lows) | eof | lows);
}

// The first CR or 0x1A in [p, end), or end. Looks at sixteen bytes at a time: the C library's memchr is slow
// where the program runs, and two bytes are wanted at once anyway.
inline const char* FindLineStop(const char* p, const char* end) {
    for (; end - p >= 16; p += 16) {
        std::uint64_t low, high;
        std::memcpy(&low, p, 8);
        std::memcpy(&high, p + 8, 8);
        if (!HasControlByte(low) && !HasControlByte(high)) continue;
        if (const std::uint64_t stops = LineStops(low)) return p + (__builtin_ctzll(stops) >> 3);
        if (const std::uint64_t stops = LineStops(high)) return p + 8 + (__builtin_ctzll(stops) >> 3);
    }
    while (p < end && *p != kLineEnd && *p != kEndOfFile)
        ++p;
    return p;
}

class LineSplitter {
public:
    enum class Status {
        More,     // the block is used up; feed the next one
        Stopped,  // the sink asked to stop
        Ended,    // the block held the 0x1A that ends the file
    };

    // Feeds the next block (not empty). Each line reaches the sink as calls sink.Bytes(data, size) with its
    // bytes, in one or more pieces (none for an empty line), then sink.End(), whose false answer stops the
    // splitting right there; nothing more may be fed after Stopped or Ended.
    template <typename Sink>
    Status Feed(const char* data, std::size_t size, Sink& sink) {
        const char* p = data;
        const char* const end = data + size;
        if (afterLineEnd_ && p < end) {
            afterLineEnd_ = false;
            if (*p == kLineFeed) ++p;
        }
        while (p < end) {
            const char* const stop = FindLineStop(p, end);
            if (stop != p) {
                sink.Bytes(p, static_cast<std::size_t>(stop - p));
                open_ = true;
            }
            if (stop == end) return Status::More;
            if (*stop == kEndOfFile) {
                Finish(sink);
                return Status::Ended;
            }
            open_ = false;
            p = stop + 1;
            if (p == end) {
                afterLineEnd_ = true;
            } else if (*p == kLineFeed) {
                ++p;
            }
            if (!sink.End()) return Status::Stopped;
        }
        return Status::More;
    }

    // The physical end of the file: ends a last line that has bytes but no terminator.
    template <typename Sink>
    void Finish(Sink& sink) {
        if (!open_) return;
        open_ = false;
        sink.End();
    }

private:
    bool afterLineEnd_ = false;  // the last block ended in CR: an LF first in the next belongs to it
    bool open_ = false;          // a line has bytes but no end yet
};
