// The one boundary between the program's Text (UTF-8) and the other encodings it meets: UTF-16, which the
// system's wide calls and the clipboard's Unicode form take, and code page 932 (Shift_JIS), in which files
// are read and saved, the clipboard's narrow form is written and older programs are given names.
#pragma once

#include <string>
#include <string_view>

#include "text/Text.h"

using WideText = std::u16string;
using WideView = std::u16string_view;

// UTF-16 as Text. An unpaired surrogate (NTFS keeps names holding one; no text holds one) is written as the
// three bytes UTF-8 would give that code, so that TextToWide gives the same units back: a name read from the
// disk always leads back to its entry.
Text WideToText(WideView wide);

// Text as UTF-16, the inverse of WideToText. A byte that starts no well-formed sequence becomes U+FFFD.
WideText TextToWide(std::string_view text);

// Code page 932 bytes as UTF-16, as Windows maps them (each NEC and IBM duplicate to the one character both
// stand for). A byte sequence the code page does not map becomes what the system makes of it.
WideText WideFromShiftJis(std::string_view bytes);

// UTF-16 in code page 932: each character the code page cannot hold becomes "?" (one for each of its UTF-16
// units, as Windows writes it), never a look-alike that would name another file. True when every character
// converted exactly.
bool WideToShiftJis(WideView wide, std::string& bytes);

// Text files in the Unicode encodings, as they stand on the disk. Each ill-formed piece becomes U+FFFD: in
// UTF-8 a byte no sequence starts with, or as much of a sequence as was well-formed before it broke off
// (encoded surrogates are ill-formed here); in UTF-16 an unpaired surrogate, and a last odd byte.
Text TextFromUtf8File(std::string_view bytes);
Text TextFromUtf16File(std::string_view bytes, bool bigEndian);

// How far bytes are well-formed UTF-8: the bytes before the first ill-formed sequence, and whether what
// follows them is no error but the start of a sequence that the end of bytes cuts short.
struct Utf8Scan {
    std::size_t wellFormed = 0;
    bool cutShort = false;
};
Utf8Scan ScanUtf8(std::string_view bytes);

// The same between Text and code page 932.
Text TextFromShiftJis(std::string_view bytes);
bool TextToShiftJis(std::string_view text, std::string& bytes);
