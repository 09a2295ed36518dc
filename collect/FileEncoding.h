// The encoding of a text file, told from its first block: a byte order mark, or bytes that are UTF-8 and
// could hardly be anything else. Everything else is Shift_JIS, read byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

enum class FileEncoding : std::uint8_t { ShiftJis, Utf8, Utf16Le, Utf16Be };

struct DetectedEncoding {
    FileEncoding encoding = FileEncoding::ShiftJis;
    std::size_t markBytes = 0;  // the byte order mark at the start, no part of the first line
};

// first is the file's first block; whole tells that nothing follows it, so a sequence it cuts short is an
// error and not the start of a character the next block ends. Without a mark, bytes that are well-formed
// UTF-8 and hold at least one byte above 0x7F are UTF-8; pure ASCII reads the same either way.
DetectedEncoding DetectFileEncoding(std::string_view first, bool whole);
