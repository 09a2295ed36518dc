// Splits a text file into lines, block by block, in its code units. A line ends at CR; an LF right after that
// CR belongs to the terminator, while an LF anywhere else is an ordinary unit of its line. The first 0x1A
// ends the file, as does its physical end. The last line needs no terminator, and a terminator at the very
// end opens no further line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "collect/LineUnits.h"

// What feeding a block came to, for every splitter and counter.
enum class SplitStatus {
    More,     // the block is used up; feed the next one
    Stopped,  // the sink asked to stop
    Ended,    // the block held the 0x1A that ends the file
};

template <typename Units>
class BasicLineSplitter {
public:
    using Status = SplitStatus;
    // Feeds the next block (not empty, whole units). Each line reaches the sink as calls sink.Bytes(data,
    // size) with its bytes, in one or more pieces (none for an empty line), then sink.End(), whose false
    // answer stops the splitting right there; nothing more may be fed after Stopped or Ended.
    template <typename Sink>
    Status Feed(const char* data, std::size_t size, Sink& sink) {
        const char* p = data;
        const char* const end = data + size;
        if (afterLineEnd_ && p < end) {
            afterLineEnd_ = false;
            if (Units::At(p) == kLineFeed) p += Units::kBytes;
        }
        while (p < end) {
            const char* const stop = Units::FindStop(p, end);
            if (stop != p) {
                sink.Bytes(p, static_cast<std::size_t>(stop - p));
                open_ = true;
            }
            if (stop == end) return Status::More;
            if (Units::At(stop) == kEndOfFile) {
                Finish(sink);
                return Status::Ended;
            }
            open_ = false;
            p = stop + Units::kBytes;
            if (p == end) {
                afterLineEnd_ = true;
            } else if (Units::At(p) == kLineFeed) {
                p += Units::kBytes;
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

using LineSplitter = BasicLineSplitter<ByteUnits>;
