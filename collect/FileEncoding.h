// The encoding of a text file: a byte order mark at its start, or else what its bytes beyond ASCII bear out
// (UTF-8, Shift_JIS or EUC-JP), wherever in the file they start. A file of nothing but ASCII reads the same
// in all three and is read as Shift_JIS.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum class FileEncoding : std::uint8_t { ShiftJis, Utf8, Utf16Le, Utf16Be, EucJp };

struct DetectedEncoding {
    FileEncoding encoding = FileEncoding::ShiftJis;
    std::size_t markBytes = 0;  // the byte order mark at the start, no part of the first line
};

// The encoding the byte order mark at the start of first gives (UTF-8, or UTF-16 in either byte order); none
// without one.
std::optional<DetectedEncoding> EncodingByMark(std::string_view first);

// How many bytes from the first byte above 0x7F are weighed: enough for every kind of text to show itself.
constexpr std::size_t kEvidenceBytes = 64 * 1024;

// The encoding of a file without a mark, told from bytes of it: the ASCII before the first byte above 0x7F
// is skipped, and up to kEvidenceBytes from there are read as each encoding. UTF-8 when its well-formed
// sequences outnumber its ill-formed bytes three to one; else EUC-JP when it reads better than Shift_JIS
// (kana, which Japanese text is full of, weigh most; each ill-formed or undefined character weighs
// against); else Shift_JIS. None when bytes hold nothing above 0x7F. whole tells that nothing follows
// bytes: a sequence they cut short is then ill-formed, else the start of one the next bytes end.
std::optional<FileEncoding> EncodingByEvidence(std::string_view bytes, bool whole);

// The mark, else the evidence, else Shift_JIS.
DetectedEncoding DetectFileEncoding(std::string_view first, bool whole);
