// The encodings 保存 writes the text area's text in, and the bytes of each.
#pragma once

#include <cstddef>
#include <string>

#include "text/Text.h"

enum class SaveEncoding { ShiftJis, Utf8WithBom, Utf8, Utf16Le };

// The file's bytes: Shift_JIS (a character it cannot hold as "?", a byte a Shift_JIS file left undefined as
// that byte), UTF-8 with or without its byte-order mark, or UTF-16 little-endian behind FF FE (a lone
// surrogate, which neither can hold, as U+FFFD). No other change: line breaks stay as they are.
std::string EncodedForSave(const Text& text, SaveEncoding encoding);

// How many lines (split at CR LF) hold a character Shift_JIS cannot hold, each of which would be saved with
// "?" in its place.
std::size_t LinesShiftJisCannotHold(const Text& text);

// How many lines hold a lone surrogate, each of which would be saved in UTF-8 or UTF-16 with U+FFFD in its
// place: a byte a Shift_JIS file left undefined, or a name's.
std::size_t LinesUnicodeCannotHold(const Text& text);

// The question asked before such a text is saved as UTF-8 or UTF-16: はい saves Shift_JIS, which keeps
// those bytes, いいえ the encoding chosen all the same.
Text UnicodeLossQuestion(std::size_t lines);

// The question asked before such a text is saved as Shift_JIS: はい saves UTF-8 with its mark, いいえ
// Shift_JIS all the same.
Text ShiftJisLossQuestion(std::size_t lines);
