// Pieces of a path. Delimiters are searched from the end; a "\", ":" or "." that is the second byte of a
// double-byte character (as in 表 = 0x95 0x5C) belongs to that character and is never taken for a delimiter.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/Text.h"

// Position of the last byte of path that is one of delimiters and not a trail byte; npos when none.
std::size_t LastDelimiter(const Text& path, std::string_view delimiters);

// Everything after the last "\" or ":"; the whole path when it has neither; empty for "C:\".
Text PathFileName(const Text& path);

// Everything up to and including the last "\" or ":"; empty when the path has neither.
Text PathDirectory(const Text& path);

// From the last "." (included) to the end when no "\" or ":" follows that dot; otherwise empty.
Text PathExtension(const Text& path);
