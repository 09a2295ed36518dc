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

// The caret's column as the caret indicator counts it, in bytes of the line's Shift_JIS form (ShiftJisWidth):
// units is the caret's offset in the line in UTF-16 units, as the text area counts it. An offset inside a
// surrogate pair counts the whole character; one past the line's end counts the line.
std::int64_t ShiftJisColumn(const Text& line, std::int64_t units);
