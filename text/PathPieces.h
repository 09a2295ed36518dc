// Pieces of a path. Delimiters are searched from the end; in UTF-8 no byte of a multibyte character is ASCII,
// so a "\", ":" or "." byte is always that character.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/Text.h"

// Position of the last byte of path that is one of delimiters; npos when none.
std::size_t LastDelimiter(const Text& path, std::string_view delimiters);

// Everything after the last "\" or ":"; the whole path when it has neither; empty for "C:\".
Text PathFileName(const Text& path);

// Everything up to and including the last "\" or ":"; empty when the path has neither.
Text PathDirectory(const Text& path);

// From the last "." (included) to the end when no "\" or ":" follows that dot; otherwise empty.
Text PathExtension(const Text& path);
