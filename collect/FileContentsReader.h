// The file contents reader: writes every line of a file, or its line count, into the text area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "collect/ContentsReader.h"
#include "collect/DropState.h"
#include "platform/FileReader.h"
#include "platform/View.h"
#include "text/Text.h"

// The text of an I/O failure with the platform's error code.
Text IoErrorText(std::uint32_t code);

class FileContentsReader : public ContentsReader {
public:
    // Files are read in blocks of this size, never whole.
    static constexpr std::size_t kBlockBytes = 64 * 1024;
    // Status panel 2 and the message pump are served when more lines than this were counted since last time.
    static constexpr std::int32_t kReportInterval = 1024;
    // In all-lines mode the lines reach the text area in batches of at most this many lines or bytes: each
    // replacement costs the text area something in proportion to all the text it holds, so batches must be
    // large for appending to stay linear, and bounded for the program to stay responsive.
    static constexpr std::size_t kBatchLines = 16384;
    static constexpr std::size_t kBatchBytes = 4 * 1024 * 1024;

    FileContentsReader(DropState& state, View& view, FileReader& files);

    // Reads the file with the contents options of the view: count mode or all lines, blank lines skipped or
    // not. Hidden and system files, folders and missing paths give nothing. A file that cannot be opened or
    // read raises AppError after everything it had read was written.
    void AddFileContents(const Text& path) override;

private:
    DropState& state_;
    View& view_;
    FileReader& files_;
    std::unique_ptr<char[]> block_;
};
