// A text area's text as lines: CR LF separates them, a lone CR or LF is an ordinary byte of its line.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "text/Text.h"

// The text split at each CR LF; a final CR LF (or an empty text) opens no empty last line.
std::vector<Text> SplitAtCrLf(const Text& text);

// Each line followed by CR LF.
Text JoinWithCrLf(const std::vector<Text>& lines);

// What appending lines to a text inserts behind it: each line goes behind a line break, or else gets one in
// front of it. afterBreak: the text is empty or ends in CR LF.
Text AppendedBlock(const std::vector<Text>& lines, bool afterBreak);

// Line index (from 0) of the text split at each CR LF, final empty line included; none past the last.
std::optional<Text> LineAt(const Text& text, std::int64_t index);

// The byte offset in line of the caret at offset positions. A text area that counts its positions in
// characters gives a line fewer positions than it has bytes; there a double-byte character counts 2.
std::int64_t ByteColumn(const Text& line, std::int64_t positions, std::int64_t offset);
