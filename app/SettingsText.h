// Free texts in Data.INI (the font's face name, the custom separator, the exclusion masks) as the file holds
// them. The file is code page 932, which earlier versions read; a character it cannot hold (한, 😀, é) and
// the bytes the file's lines cannot carry are written as "%" and two hexadecimal digits for each of their
// UTF-8 bytes, between quotes, which an earlier version reads as the same text ([Output]) or, at worst, as an
// odd face name that the system replaces with another font.
#pragma once

#include "text/Text.h"

// text between quotes, with control bytes, the quote, "%" and every byte of a character code page 932 cannot
// hold (a lone surrogate and a byte that is no UTF-8 included) written as "%XX".
Text EscapedText(const Text& text);

// The text a file value stands for: one pair of surrounding quotes dropped where there are both, and each
// "%XX" decoded wherever it stands; a "%" that starts no escape (a hand-edited file) stays itself.
Text TextFromEscaped(const Text& value);

// text as itself where it reads back so (code page 932 holds it, no control byte, no space or tab at either
// end, no quote at its start), else EscapedText: a face name that an earlier version could keep stays as it
// was written (FontName=ＭＳ ゴシック).
Text StoredText(const Text& text);

// The text StoredText wrote: a value between quotes decoded as TextFromEscaped does, any other taken as it
// stands (so a face name holding "%41" is read as written).
Text TextFromStored(const Text& value);
