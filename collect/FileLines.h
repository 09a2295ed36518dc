// The lines of one open text file, as the contents modes take them: counted, and in all-lines mode decoded
// from the file's encoding and handed to the text area.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "collect/DropState.h"
#include "platform/FileReader.h"
#include "shared/OutputOptions.h"
#include "shared/View.h"

struct LineReading {
    bool countOnly = true;   // count the lines, write none
    bool skipBlank = false;  // leave out lines with nothing above 0x20 (U+0020) after trimming
    ContentsEncoding encoding = ContentsEncoding::Detect;
    std::vector<Text> heading;  // in all-lines mode, lines that go in before the file's lines
};

struct LinesRead {
    std::int64_t count = 0;              // lines counted
    bool cut = false;                    // a line was cut to the longest line the text area takes
    std::optional<std::uint32_t> error;  // the error code of a read that failed
};

// Reads file to its end, to an abort or to a failing read, in blocks of FileContentsReader::kBlockBytes
// into block. A byte order mark in the first block tells the encoding, else the lines beyond ASCII as they
// are decoded (unless reading says Shift_JIS): the file is split and counted in its own code units, a byte
// order mark being no part of the first line. Status panel 2 and the message pump are served as the file is
// read; size is the file's size as its entry reported it. In all-lines mode the lines reach the text area in
// batches, after the heading, and after an abort the line "[中断]" follows them; after a failing read only
// the lines read before it.
LinesRead ReadFileLines(SequentialFile& file, char* block, std::uint64_t size, const LineReading& reading,
                        DropState& state, View& view);
