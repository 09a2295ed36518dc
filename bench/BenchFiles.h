// Text files the contents benchmarks read: lines as users keep them, and many small files.
#pragma once

#include <cstdint>

#include "text/Text.h"

enum class LinesEncoding { ShiftJis, Utf8, Utf16 };

// Makes the file at path on the first call, of CR LF lines of 0 to 120 bytes of UTF-8 (a third of the words
// Japanese, with Shift_JIS second bytes of 0x5C; every seventeenth line blank), until it holds maxBytes bytes
// or maxLines lines, whichever comes first; later calls reuse it. In Shift_JIS, in UTF-8 without a mark, or
// in UTF-16 LE behind its mark. Returns its number of lines, or -1 when it cannot be written.
long long MakeLinesFile(const Text& path, std::uint64_t maxBytes, long long maxLines,
                        LinesEncoding encoding = LinesEncoding::ShiftJis);

// Makes folder with count files of one line each on the first call; false when they cannot be made.
bool MakeOneLineFiles(const Text& folder, int count);
