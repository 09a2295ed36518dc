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

// The same between Text and code page 932, for names: a lone surrogate is a character the code page cannot
// hold.
Text TextFromShiftJis(std::string_view bytes);
bool TextToShiftJis(std::string_view text, std::string& bytes);

// The bytes of the code page 932 character at bytes[at]: 1 or 2, or 0 when the code page defines none there
// (a byte it leaves empty, a lead byte whose second byte cannot follow it or is missing, a pair in a row the
// table leaves empty).
std::size_t ShiftJisCharacterBytes(std::string_view bytes, std::size_t at);

// Text files in code page 932. Each byte the code page does not define comes through as the lone surrogate
// U+DC00 + byte (U+DC80..U+DCFF, which no text holds and no character of the code page decodes to), so that
// a file read and saved again as Shift_JIS keeps its bytes.
Text TextFromShiftJisFile(std::string_view bytes);

// Text, or UTF-16, in code page 932 for a file or the clipboard's narrow form: a lone U+DC80..U+DCFF is the
// byte it carries, and counts as exact; any other character the code page cannot hold is "?" as for names.
bool TextToShiftJisFile(std::string_view text, std::string& bytes);
bool WideToShiftJisFile(WideView wide, std::string& bytes);

// The EUC-JP character at bytes[at]: its bytes, 1 (ASCII), 2 (JIS X 0208, or a half-width katakana after
// 0x8E) or 3 (JIS X 0212 after 0x8F), 0 when none is well-formed there; and whether code page 932 holds it
// (no JIS X 0212 character, no code of a row the table leaves empty).
struct EucJpCharacter {
    std::size_t bytes;
    bool held;
};
EucJpCharacter EucJpCharacterAt(std::string_view bytes, std::size_t at);

// EUC-JP files, through code page 932's table (JIS X 0208 rows are Shift_JIS codes by arithmetic). A
// character code page 932 cannot hold (JIS X 0212, a code of an empty row) becomes one U+FFFD, and so does
// each byte that starts no character.
Text TextFromEucJpFile(std::string_view bytes);

// Whether text holds a lone surrogate: a name's, or a byte a Shift_JIS file left undefined. Neither can be
// written in UTF-8 or UTF-16 as it stands.
bool HoldsLoneSurrogate(std::string_view text);

// text with each lone surrogate as U+FFFD, for a file in UTF-8 or UTF-16.
Text WithoutLoneSurrogates(std::string_view text);
