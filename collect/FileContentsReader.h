// The file contents reader: writes every line of a file, or its line count, into the text area.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "collect/ContentsReader.h"
#include "collect/DropState.h"
#include "collect/PassedOver.h"
#include "collect/ReadAhead.h"
#include "platform/FileReader.h"
#include "shared/View.h"
#include "text/Text.h"

// The text of an I/O failure with the platform's error code.
Text IoErrorText(std::uint32_t code);

class FileContentsReader : public ContentsReader {
public:
    // Files are read in blocks of this size, never whole.
    static constexpr std::size_t kBlockBytes = 64 * 1024;
    // Status panel 2 and the message pump are served when more lines than this were counted since last time,
    // and after a block's worth of bytes read without that.
    static constexpr std::int32_t kReportInterval = 1024;
    // In all-lines mode the lines reach the text area in batches of at most this many lines or bytes. Each
    // replacement costs the text area time in proportion to all the text it then holds, so a file goes in
    // whole, in one replacement, up to this size; only beyond it the bounds keep the memory that the waiting
    // lines take within some hundreds of megabytes.
    static constexpr std::size_t kBatchLines = 1 << 20;
    static constexpr std::size_t kBatchBytes = 64 * 1024 * 1024;
    // The longest line handed to the text area, in bytes; a longer line is cut to it, on a character
    // boundary. The control lays out each line whole, in time and memory that grow with its length (a line of
    // 1 MiB takes seconds and some 50 MB, one of 64 MiB minutes and 2 GB), and it measures the line's width
    // in pixels in 32 bits: at 8 pixels a byte that overflows near 256 MiB, where the control fails and loses
    // all its text. A larger font or screen brings that nearer.
    static constexpr std::size_t kLongestLine = 1024 * 1024;

    // Files up to one block are read ahead on this many threads, at most this many files and bytes of them
    // waiting to be taken: enough for the workers to go on while a batch of count lines goes in.
    static constexpr unsigned kReadAheadWorkers = 2;
    static constexpr std::size_t kReadAheadDepth = 4096;
    static constexpr std::size_t kReadAheadBytes = 16 * 1024 * 1024;
    // Closing the program waits this long at most for a worker still reading.
    static constexpr std::chrono::milliseconds kReadAheadStopWait{500};
    // Count lines go into the text area while the drop goes on, in batches that start at this many lines and
    // then grow to the number already written: the area takes a batch in time that grows with the text it
    // holds, so the batches stay few, and the files read ahead meanwhile.
    static constexpr std::size_t kFirstCountBatch = 2048;
    FileContentsReader(DropState& state, View& view, FileReader& files);

    // Reads the file with the contents options of the view: count mode or all lines, blank lines skipped or
    // not. Hidden and system files, folders and missing paths give nothing. A file whose data is online only
    // (unless the drop reads those) and a name that opens no disk file (a device such as "aux.c" names, a
    // pipe) are passed over unread and named in the drop notice. A file that cannot be opened or read raises
    // AppError, its text under the file's name, after everything it had read was written.
    void AddFileContents(const Text& path) override;
    // Facts from the walk spare the existence and size queries; a file gone since is passed over as a missing
    // one is.
    void AddWalkedFile(const Text& path, const Text& shown, const EntryFacts* facts) override;
    // A plain file of up to one block is read ahead, when the file reader allows reads on other threads.
    void ExpectFile(const Text& path, const EntryFacts& facts) override;

    // Count lines wait here and go into the text area in batches, like the lines of all-lines mode: one
    // replacement per file would cost the area in proportion to all its text, for every file of a drop.
    void WriteHeldLines() override;

    // Names the first file whose lines were cut since the last call, and how many more were; then the files
    // passed over unread, by kind.
    Text TakeDropNotice() override;

private:
    FileReader::OpenResult Open(const Text& path);
    void WriteCountLines();

    DropState& state_;
    View& view_;
    FileReader& files_;
    ReadAhead ahead_;
    std::unique_ptr<char[]> block_;
    std::vector<Text> countLines_;  // count lines not yet written
    std::size_t countBatch_ = kFirstCountBatch;
    std::size_t countLinesWritten_ = 0;  // in this drop
    std::size_t headedFiles_ = 0;        // in this drop
    Text firstCut_;                      // the first file with a line cut since the last notice
    std::size_t cuts_ = 0;               // files with a line cut since then
    PassedOver notDiskFiles_;            // since the last notice
    PassedOver onlineFiles_;
};
