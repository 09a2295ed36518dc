// Splits the bytes of a text file into lines, block by block. A line ends at CR; an LF right after that CR
// belongs to the terminator, while an LF anywhere else is an ordinary byte of its line. The first 0x1A ends
// the file, as does its physical end. The last line needs no terminator, and a terminator at the very end
// opens no further line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the scan takes the lowest bits for the first byte");

constexpr char kLineEnd = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = 0x1A;

// The first CR or 0x1A in [p, end), or end. Compares sixteen bytes at a time as one vector, which the
// compiler maps to the processor's vector instructions: the C library's memchr is slow where the program
// runs, and two bytes are wanted at once anyway.
inline const char* FindLineStop(const char* p, const char* end) {
    using Bytes16 = unsigned char __attribute__((vector_size(16)));
    const Bytes16 lineEnd = Bytes16{} + static_cast<unsigned char>(kLineEnd);
    const Bytes16 endOfFile = Bytes16{} + static_cast<unsigned char>(kEndOfFile);
    for (; end - p >= 16; p += 16) {
        Bytes16 bytes;
        std::memcpy(&bytes, p, sizeof bytes);
        // A hit sets all bits of its byte; the lowest byte in memory is the lowest of each half.
        const Bytes16 hits = (bytes == lineEnd) | (bytes == endOfFile);
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, sizeof halves);
        if ((halves[0] | halves[1]) == 0) continue;
        const bool first = halves[0] != 0;
        return p + (first ? 0 : 8) + (__builtin_ctzll(first ? halves[0] : halves[1]) >> 3);
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
